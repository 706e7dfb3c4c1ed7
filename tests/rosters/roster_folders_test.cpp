#include "rosters/roster_folders.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/errors.hpp"
#include "tests/support/raised.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using test_support::as_shown;

struct folders_case {
  const char* name;
  std::vector<std::string> typed;
  // "|" is the system's separator, "<here>" the test's folder whole.
  std::vector<std::string> paths;
  std::string governing_list{};
  std::string own_list{};
  std::vector<std::string> made{};      // folders that stand there after
  std::vector<std::string> not_made{};  // and folders that do not
  std::vector<std::string> lists{};     // roster lists that stand there before
  friend void PrintTo(const folders_case& c, std::ostream* os) { *os << c.name; }
};

class roster_folders_found : public ::testing::TestWithParam<folders_case> {
 protected:
  test_support::temp_folder folder;

  void SetUp() override {
    // A game with two mods, a new mod, a game whose names are in other
    // cases, a stray db among the mods, and a game whose db holds no rosters.
    for (const char* made :
         {"game/db/ministers", "game/Mods/MyMod/db/ministers", "game/Mods/db", "game/OldMod/db/ministers",
          "game/Mods/NewMod/db", "game/Mods/MyMod/ministers", "cased/Db/MINISTERS", "cased/mods/CaseMod/DB/Ministers",
          "bare/db", "elsewhere", "game/Mods/Fresh", "game/Fresh", "elsewhere/inside"}) {
      std::filesystem::create_directories(made);
    }
    test_support::write_file("names.txt", "a\n");
  }
};

TEST_P(roster_folders_found, as_the_game_keeps_them) {
  const folders_case& c = GetParam();
  for (const std::string& list : c.lists) test_support::write_file(list, "ministers_ger.csv\n");
  const roster_folders found = roster_folders_of(c.typed);
  std::vector<std::string> paths;
  for (const std::string& path : c.paths) paths.push_back(as_shown(path, folder.path()));
  std::vector<std::string> found_paths;
  for (const rosters_folder& found_folder : found.folders) found_paths.push_back(found_folder.path);
  EXPECT_EQ(found_paths, paths);
  EXPECT_EQ(found.typed, c.typed);
  EXPECT_EQ(governing_list(found), as_shown(c.governing_list, folder.path()));
  EXPECT_EQ(own_list(found), as_shown(c.own_list, folder.path()));
  for (const std::string& made : c.made) EXPECT_TRUE(std::filesystem::is_directory(made)) << made;
  for (const std::string& not_made : c.not_made) EXPECT_FALSE(std::filesystem::exists(not_made)) << not_made;
}

INSTANTIATE_TEST_SUITE_P(
    rows, roster_folders_found,
    ::testing::Values(
        folders_case{"none_given", {}, {""}},
        folders_case{"a_games_folder", {"game"}, {"game|db|ministers"}, "", "<here>|game|db|ministers.txt"},
        folders_case{"a_mods_folder_with_the_game_two_above",
                     {"game/Mods/MyMod"},
                     {"game/Mods/MyMod|db|ministers", "<here>|game|db|ministers"},
                     "",
                     "<here>|game|Mods|MyMod|db|ministers.txt"},
        folders_case{"a_mods_folder_with_the_game_one_above",
                     {"game/OldMod/"},
                     {"game/OldMod/db|ministers", "<here>|game|db|ministers"},
                     "",
                     "<here>|game|OldMod|db|ministers.txt"},
        folders_case{"a_mods_db_ministers_given",
                     {"game/Mods/MyMod/db/ministers"},
                     {"game/Mods/MyMod/db/ministers", "<here>|game|db|ministers"},
                     "",
                     "<here>|game|Mods|MyMod|db|ministers.txt"},
        // The names of the game's layout in any case, and the roster list looked for so too.
        folders_case{"names_in_other_cases",
                     {"cased/mods/CaseMod"},
                     {"cased/mods/CaseMod|DB|Ministers", "<here>|cased|Db|MINISTERS"},
                     "",
                     "<here>|cased|mods|CaseMod|DB|ministers.txt"},
        // A new mod gets its db/ministers; a stray db among the mods is no game.
        folders_case{"a_new_mod_beside_a_stray_db",
                     {"game/Mods/NewMod"},
                     {"game/Mods/NewMod|db|ministers", "<here>|game|db|ministers"},
                     "",
                     "<here>|game|Mods|NewMod|db|ministers.txt",
                     {"game/Mods/NewMod/db/ministers"},
                     {"game/Mods/db/ministers"}},
        folders_case{"a_ministers_folder_not_in_a_db",
                     {"game/Mods/MyMod/ministers"},
                     {"game/Mods/MyMod/ministers"},
                     "",
                     "<here>|game|Mods|MyMod|ministers.txt"},
        // Two folders given say what counts: nothing is looked for above.
        folders_case{"two_folders_given",
                     {"game/Mods/MyMod", "elsewhere"},
                     {"game/Mods/MyMod|db|ministers", "elsewhere"},
                     "",
                     "<here>|game|Mods|MyMod|db|ministers.txt"},
        // A later folder whose db holds no rosters adds none, and none is made in it.
        folders_case{
            "a_later_db_without_rosters", {"elsewhere", "bare"}, {"elsewhere"}, "", "", {}, {"bare/db/ministers"}},
        // A new mod, with no db yet, one or two folders below the game (D40).
        folders_case{"a_new_mod_without_db",
                     {"game/Mods/Fresh"},
                     {"game/Mods/Fresh|db|ministers", "<here>|game|db|ministers"},
                     "",
                     "<here>|game|Mods|Fresh|db|ministers.txt",
                     {"game/Mods/Fresh/db/ministers"}},
        folders_case{"a_new_mod_one_below_the_game",
                     {"game/Fresh"},
                     {"game/Fresh|db|ministers", "<here>|game|db|ministers"},
                     "",
                     "<here>|game|Fresh|db|ministers.txt",
                     {"game/Fresh/db/ministers"}},
        // A folder with no game above is a plain folder, and nothing is made in it.
        folders_case{
            "a_plain_folder_alone", {"elsewhere/inside"}, {"elsewhere/inside"}, "", "", {}, {"elsewhere/inside/db"}},
        // A db folder stands for the folder it is in: no db/db.
        folders_case{"a_mods_db_given",
                     {"game/Mods/MyMod/db"},
                     {"game/Mods/MyMod/db|ministers", "<here>|game|db|ministers"},
                     "",
                     "<here>|game|Mods|MyMod|db|ministers.txt",
                     {},
                     {"game/Mods/MyMod/db/db"}},
        folders_case{"the_games_db_given",
                     {"game/db"},
                     {"game/db|ministers"},
                     "",
                     "<here>|game|db|ministers.txt",
                     {},
                     {"game/db/db"}},
        folders_case{"the_game_has_a_list",
                     {"game/Mods/MyMod"},
                     {"game/Mods/MyMod|db|ministers", "<here>|game|db|ministers"},
                     "<here>|game|db|ministers.txt",
                     "<here>|game|Mods|MyMod|db|ministers.txt",
                     {},
                     {},
                     {"game/db/ministers.txt"}},
        folders_case{"the_mods_list_governs",
                     {"game/Mods/MyMod"},
                     {"game/Mods/MyMod|db|ministers", "<here>|game|db|ministers"},
                     "<here>|game|Mods|MyMod|db|Ministers.TXT",
                     "<here>|game|Mods|MyMod|db|Ministers.TXT",
                     {},
                     {},
                     {"game/db/ministers.txt", "game/Mods/MyMod/db/Ministers.TXT"}}),
    [](const ::testing::TestParamInfo<folders_case>& param) { return std::string(param.param.name); });

TEST(roster_folders, a_folder_that_is_not_there_or_no_folder_is_refused) {
  const test_support::temp_folder folder;
  test_support::write_file("names.txt", "a\n");
  test_support::lay_out(
      {{"game/db/ministers/", ""}, {"game/Mods/db/", ""}, {"other/db/ministers/", ""}, {"other/mods/", ""}});
  struct refused_case {
    std::vector<std::string> typed;
    std::string raised;
  };
  const std::vector<refused_case> cases{
      {{"missing"}, "VESK_MG.FILE_NAME_ERROR : No such folder: <here>|missing"},
      {{""}, "VESK_MG.FILE_NAME_ERROR : No such folder: "},
      {{".", "missing"}, "VESK_MG.FILE_NAME_ERROR : No such folder: <here>|missing"},
      {{"names.txt/inside"}, "VESK_MG.FILE_NAME_ERROR : No such folder: <here>|names.txt|inside"},
      {{"names.txt"},
       "VESK_MG.FILE_USE_ERROR : Not a folder: names.txt; give or drop a folder, the mod's or the game's"},
      // Nothing is made in the folder of a game's mods.
      {{"game/Mods"},
       "VESK_MG.FILE_USE_ERROR : Not a mod's folder: game/Mods holds the game's mods; give the folder of one of them"},
      {{"game/Mods/db"},
       "VESK_MG.FILE_USE_ERROR : Not a mod's folder: game/Mods/db holds the game's mods; give the folder of one of "
       "them"},
      {{"other/mods"},
       "VESK_MG.FILE_USE_ERROR : Not a mod's folder: other/mods holds the game's mods; give the folder of one of them"},
  };
  for (const refused_case& c : cases) {
    EXPECT_EQ(test_support::raised_by([&] { (void)roster_folders_of(c.typed); }), as_shown(c.raised, folder.path()))
        << c.typed.back();
  }
}

}  // namespace
}  // namespace vesk_mg
