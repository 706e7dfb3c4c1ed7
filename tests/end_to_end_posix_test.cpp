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

}  // namespace
}  // namespace vesk_mg
