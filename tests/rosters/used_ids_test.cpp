#include "rosters/used_ids.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/paths.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using test_support::roster;

struct read_case {
  const char* name;
  test_support::file_layout files;
  std::vector<std::string> folders;
  std::vector<std::size_t> counted;
  std::vector<std::string> rosters;  // read, in the order of the folders; in a folder, by name
  friend void PrintTo(const read_case& c, std::ostream* os) { *os << c.name; }
};

class rosters_read_in : public ::testing::TestWithParam<read_case> {
 protected:
  test_support::temp_folder folder;
};

TEST_P(rosters_read_in, the_folders_as_the_game_loads_them) {
  const read_case& c = GetParam();
  test_support::lay_out(c.files);
  roster_folders folders;
  for (const std::string& path : c.folders) folders.folders.push_back({path});
  const rosters_read read = read_rosters(folders);
  std::vector<std::size_t> counted;
  for (const folder_count& folder_counted : read.counted) counted.push_back(folder_counted.rosters);
  EXPECT_EQ(counted, c.counted);
  std::vector<std::string> paths;
  for (const roster_ids& r : read.rosters) paths.push_back(r.path);
  // Within a folder the system lists names in no set order.
  for (std::size_t i = 0, start = 0; i < c.counted.size(); start += c.counted[i++]) {
    std::sort(paths.begin() + static_cast<std::ptrdiff_t>(start),
              paths.begin() + static_cast<std::ptrdiff_t>(start + c.counted[i]));
  }
  std::vector<std::string> expected;
  for (const std::string& path : c.rosters)
    expected.push_back(path_in(path.substr(0, path.find('|')), path.substr(path.find('|') + 1)));
  EXPECT_EQ(paths, expected);
}

INSTANTIATE_TEST_SUITE_P(
    rows, rosters_read_in,
    ::testing::Values(read_case{"a_folder_of_rosters_and_other_files",
                                {{"mod/a.csv", roster("A", 1, 1)},
                                 {"mod/b.CSV", roster("B", 2, 1)},
                                 {"mod/notes.csv", "TAG;Notes\r\n3;x\r\n"},
                                 {"mod/c.txt", roster("C", 4, 1)},
                                 {"mod/d.csv/", ""}},
                                {"mod"},
                                {2},
                                {"mod|a.csv", "mod|b.CSV"}},
                      // A file of an earlier folder, roster or not, hides its namesake in a later one, case ignored.
                      read_case{"an_earlier_folder_hides_a_later_ones_namesakes",
                                {{"mod/Ministers_GER.csv", roster("GER", 1, 1)},
                                 {"mod/ministers_ita.csv", "not a roster\r\n"},
                                 {"game/ministers_ger.csv", roster("GER", 2, 1)},
                                 {"game/ministers_ita.csv", roster("ITA", 3, 1)},
                                 {"game/ministers_fra.csv", roster("FRA", 4, 1)}},
                                {"mod", "game"},
                                {1, 1},
                                {"mod|Ministers_GER.csv", "game|ministers_fra.csv"}},
                      // Where a list governs, only what it names loads, case ignored.
                      read_case{"a_list_governs",
                                {{"mod/ministers/ministers_ger.csv", roster("GER", 1, 1)},
                                 {"game/ministers/MINISTERS_ITA.csv", roster("ITA", 3, 1)},
                                 {"game/ministers/ministers_fra.csv", roster("FRA", 4, 1)},
                                 {"mod/ministers.txt", "# ministers_fra.csv\r\nministers_ita.csv\r\n"}},
                                {"mod/ministers", "game/ministers"},
                                {0, 1},
                                {"game/ministers|MINISTERS_ITA.csv"}},
                      read_case{"an_empty_list_names_nothing",
                                {{"mod/ministers/ministers_ger.csv", roster("GER", 1, 1)}, {"mod/ministers.txt", ""}},
                                {"mod/ministers"},
                                {0},
                                {}}),
    [](const ::testing::TestParamInfo<read_case>& param) { return std::string(param.param.name); });

// The rosters read, of which this run's own (tag "abc") is passed over.
rosters_read some_rosters(const std::vector<roster_ids>& rosters) {
  rosters_read read;
  read.rosters = rosters;
  read.counted = {{"", rosters.size()}};
  return read;
}

// A roster read, of `tag`, using the IDs of `ids`.
roster_ids roster_of(const std::string& path, const std::string& tag, const std::vector<id_range>& ids) {
  roster_ids roster;
  roster.path = path;
  roster.tag = tag;
  roster.ids = ids;
  return roster;
}

TEST(used_ids, are_those_of_every_roster_but_the_one_replaced) {
  struct used_case {
    std::vector<roster_ids> rosters;
    std::vector<std::string> counted;                                       // the rosters whose IDs are used
    std::vector<std::tuple<std::int64_t, std::int64_t, std::size_t>> uses;  // first, last, roster
    std::vector<std::pair<std::int64_t, std::int64_t>> taken;
  };
  const std::vector<used_case> cases{
      {{roster_of("game/ministers_ger.csv", "GER", {{3, 3}, {5, 9}}),
        roster_of("game/ministers_ita.csv", "ITA", {{4, 6}})},
       {"game/ministers_ger.csv", "game/ministers_ita.csv"},
       {{3, 3, 0}, {4, 6, 1}, {5, 9, 0}},
       {{3, 9}}},
      // By its tag, case ignored, under any name.
      {{roster_of("mod/ministers_abc (copy).csv", "ABC", {{1, 1}}),
        roster_of("mod/ministers_abc_old.csv", "aBc", {{2, 2}}), roster_of("x.csv", "XYZ", {{3, 3}})},
       {"x.csv"},
       {{3, 3, 0}},
       {{3, 3}}},
      // By its name, case ignored, whatever its tag.
      {{roster_of("mod/Ministers_ABC.csv", "XYZ", {{1, 1}}), roster_of("mod/ministers_abc.csv.old", "XYZ", {{2, 2}})},
       {"mod/ministers_abc.csv.old"},
       {{2, 2, 0}},
       {{2, 2}}},
      {{roster_of("ministers_abc.csv", "ABC", {{1, 1}})}, {}, {}, {}},
  };
  for (const used_case& c : cases) {
    const used_ids used = ids_used_in(some_rosters(c.rosters), "abc");
    EXPECT_EQ(used.rosters, c.counted) << c.rosters.front().path;
    std::vector<std::tuple<std::int64_t, std::int64_t, std::size_t>> uses;
    for (const id_use& use : used.uses) uses.emplace_back(use.ids.first, use.ids.last, use.roster);
    EXPECT_EQ(uses, c.uses) << c.rosters.front().path;
    std::vector<std::pair<std::int64_t, std::int64_t>> taken;
    for (const id_range& range : used.taken) taken.emplace_back(range.first, range.last);
    EXPECT_EQ(taken, c.taken) << c.rosters.front().path;
  }
}

TEST(used_ids, clash_with_a_range_and_point_to_the_next_free_one) {
  const used_ids used =
      ids_used_in(some_rosters({roster_of("b.csv", "B", {{10, 11}, {20, 20}, {2147483640, 2147483640}}),
                                roster_of("A.csv", "A", {{12, 12}, {30, 30}}),
                                roster_of("c.csv", "C", {{11, 11}, {1000, 1000, 3}})}),
                  "abc");
  struct clash_case {
    std::int64_t first;
    std::int64_t last;
    std::optional<std::int64_t> ministers;  // nothing: no clash
    std::vector<std::string> rosters{};
    std::optional<std::int64_t> next_free{};
  };
  const std::vector<clash_case> cases{
      {1, 9, std::nullopt},
      {13, 19, std::nullopt},
      {21, 29, std::nullopt},
      {1, 10, 1, {"b.csv"}, 31},
      {10, 12, 4, {"A.csv", "b.csv", "c.csv"}, 13},
      {11, 11, 2, {"b.csv", "c.csv"}, 13},
      {12, 21, 2, {"A.csv", "b.csv"}, 31},
      {25, 34, 1, {"A.csv"}, 31},
      {30, 30, 1, {"A.csv"}, 31},
      // A free range must end at or below 2147483647.
      {2147483635, 2147483644, 1, {"b.csv"}, std::nullopt},
      {2147483636, 2147483640, 1, {"b.csv"}, 2147483641},
      {-5, 10, 1, {"b.csv"}, 31},
      // An ID used by three rows is three ministers.
      {998, 1001, 3, {"c.csv"}, 1001},
  };
  for (const clash_case& c : cases) {
    const std::optional<id_clash> clash = clash_of(used, c.first, c.last);
    ASSERT_EQ(clash.has_value(), c.ministers.has_value()) << c.first;
    if (!clash) continue;
    EXPECT_EQ(clash->ministers, *c.ministers) << c.first;
    EXPECT_EQ(clash->rosters, c.rosters) << c.first;
    EXPECT_EQ(clash->next_free, c.next_free) << c.first;
  }
}

}  // namespace
}  // namespace vesk_mg
