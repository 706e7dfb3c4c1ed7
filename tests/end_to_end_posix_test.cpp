// One real run of the built program: piped input, a temporary folder, the
// exit status and the structure of the file it writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <algorithm>

#include "tests/support/answers.hpp"
#include "tests/support/executable_run.hpp"
#include "tests/support/fields.hpp"
#include "tests/support/personalities.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using test_support::split;

TEST(end_to_end, a_whole_run_writes_a_well_formed_file) {
  test_support::temp_folder folder;
  test_support::write_file("names.txt", test_support::numbered_names(30, "\r\n"));

  const test_support::answers answers{.tag = "tst",
                                      .alignments = {"NS", "pa"},
                                      .counts = {{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {0, 1, 1, 1, 1, 1, 0, 0, 0, 0}},
                                      .first_id = "100"};
  const test_support::executable_result run = test_support::run_executable(VESK_MG_EXECUTABLE, {answers.text()});

  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string& out = run.out;
  const std::string ending = "DONE!\r\nYour ministers are in the file called ministers_tst.csv\r\n";
  EXPECT_EQ(out.substr(out.size() - ending.size()), ending);
  EXPECT_NE(out.find("Generating ministers" + std::string(25, '.') + "\r\n"), std::string::npos);

  const std::string file = test_support::read_file("ministers_tst.csv");
  ASSERT_EQ(file.substr(file.size() - 2), "\r\n");
  const std::vector<std::string> lines = split(file.substr(0, file.size() - 2), "\r\n");
  ASSERT_EQ(lines.size(), 1U + 10U + 1U + 15U);
  EXPECT_EQ(lines[0], "TST;Ruling Cabinet - Start;Name;Pool;Ideology;Personality;Loyalty;Picturename;x");
  EXPECT_EQ(lines[11], ";Replacements;;;;;;;x");
  int expected_id = 100;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (i == 11) continue;
    const std::vector<std::string> fields = split(lines[i], ";");
    ASSERT_EQ(fields.size(), 9U) << lines[i];
    EXPECT_EQ(fields[0], std::to_string(expected_id++));
    EXPECT_EQ(fields[2], "Name " + std::to_string(expected_id - 100));
    if (i < 11) {
      EXPECT_EQ(fields[3], "NA");
      EXPECT_EQ(fields[4], "NS");
    } else {
      EXPECT_GE(std::stoi(fields[3]), 36);
      EXPECT_LE(std::stoi(fields[3]), 47);
      EXPECT_EQ(fields[4], i < 22 ? "NS" : "PA");
    }
    const auto& position = *std::ranges::find(test_support::personalities_by_position, fields[1],
                                              &test_support::position_personalities::title);
    EXPECT_EQ(std::ranges::count(position.personalities, fields[5]), 1) << lines[i];
    EXPECT_EQ(std::ranges::count(test_support::loyalties, fields[6]), 1) << lines[i];
    EXPECT_EQ(fields[7], "");
    EXPECT_EQ(fields[8], "x");
  }
  EXPECT_EQ(expected_id - 1, 124);
}

// vesk_mg --check as a modder types it: what it finds, one line each, and
// its status; it leaves the answers waiting on its input unread.
TEST(end_to_end, check_tells_what_the_game_loads_wrongly) {
  test_support::temp_folder folder;
  test_support::lay_out({{"game/db/ministers/ministers_ger.csv", test_support::roster("GER", 1000, 20)},
                         {"game/Mods/Clash/db/ministers/ministers_fra.csv", test_support::roster("FRA", 1015, 10)},
                         {"game/Mods/Clean/db/ministers/ministers_fra.csv", test_support::roster("FRA", 2000, 10)}});
  const std::string game = folder.path().string() + "/game/db/ministers";
  struct check_run {
    std::string mod;
    int status;
    std::string out;
    std::string err{};
  };
  const std::vector<check_run> runs{
      {"game/Mods/Clash", 1,
       "Counting the IDs of 1 roster in game/Mods/Clash/db/ministers.\r\nCounting the IDs of 1 roster in " + game +
           ".\r\n\r\nIDs 1015 to 1019 are used in " + game +
           "/ministers_ger.csv and game/Mods/Clash/db/ministers/ministers_fra.csv.\r\n\r\nRead 2 rosters of 30 "
           "ministers: 1 finding.\r\n"},
      {"game/Mods/Clean", 0,
       "Counting the IDs of 1 roster in game/Mods/Clean/db/ministers.\r\nCounting the IDs of 1 roster in " + game +
           ".\r\n\r\nRead 2 rosters of 30 ministers: no ID is used twice.\r\n"},
      {"game/Mods/Gone", 2, "", "No such folder: " + folder.path().string() + "/game/Mods/Gone\r\n"},
  };
  for (const check_run& run : runs) {
    const test_support::executable_result result =
        test_support::run_executable(VESK_MG_EXECUTABLE, {.input = "abc\n", .arguments = {"--check", run.mod}});
    EXPECT_EQ(result.exit_status, run.status) << run.mod;
    EXPECT_EQ(result.out, run.out) << run.mod;
    EXPECT_EQ(result.err, run.err) << run.mod;
  }
  EXPECT_EQ(test_support::names_here(), std::vector<std::string>{"game"});
}

}  // namespace
}  // namespace vesk_mg
