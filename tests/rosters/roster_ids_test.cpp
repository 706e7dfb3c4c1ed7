#include "rosters/roster_ids.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.hpp"

namespace vesk_mg {

// A range as a failing row shows it.
void PrintTo(const id_range& range, std::ostream* os) {
  *os << range.first << ".." << range.last << "x" << range.times;
}

namespace {

const std::string header = "ABC;Ruling Cabinet - Start;Name;Pool;Ideology;Personality;Loyalty;Picturename;x\r\n";

const std::string no_header = "it is no roster: its first line is no header";

struct roster_case {
  const char* name;
  std::string text;
  std::string tag;  // or, for no roster, why not: that of no_header, or another
  std::vector<id_range> ids{};
  header_rule rule = header_rule::ruling_cabinet;
  friend void PrintTo(const roster_case& c, std::ostream* os) { *os << c.name; }
};

class roster_ids_read : public ::testing::TestWithParam<roster_case> {
 protected:
  test_support::temp_folder folder;
};

TEST_P(roster_ids_read, as_the_game_reads_them) {
  const roster_case& c = GetParam();
  test_support::write_file("roster.csv", c.text);
  std::vector<char> block;
  const roster_reading reading = read_roster("roster.csv", block, c.rule);
  EXPECT_EQ(reading.roster ? reading.roster->tag : reading.why_not, c.tag);
  if (!reading.roster) return;
  EXPECT_EQ(reading.roster->path, "roster.csv");
  EXPECT_EQ(reading.roster->read_by, c.rule);
  EXPECT_EQ(reading.roster->ids, c.ids);
  std::int64_t ministers = 0;
  for (const id_range& ids : c.ids) ministers += (ids.last - ids.first + 1) * ids.times;
  EXPECT_EQ(reading.roster->ministers, ministers);
}

// A first line `size` bytes long before its line end, a roster's header.
std::string header_of(std::size_t size) {
  std::string line = "ABC;Ruling Cabinet - Start;";
  return line.append(size - line.size(), 'x');
}

INSTANTIATE_TEST_SUITE_P(
    rows, roster_ids_read,
    ::testing::Values(
        roster_case{"a_roster", header + "601;a\r\n602;b\r\n;Replacements;;;;;;;x\r\n", "ABC", {{601, 602}}},
        roster_case{"its_header_in_any_case", "ger;ruling CABINET - start\r\n7;a\r\n", "ger", {{7, 7}}},
        roster_case{"a_header_of_another_file", "ABC;Notes\r\n601;a\r\n", no_header},
        roster_case{"a_header_of_one_field", "ABC\r\n601;a\r\n", no_header},
        roster_case{"a_header_of_255_bytes", header_of(255) + "\r\n601;a\r\n", "ABC", {{601, 601}}},
        roster_case{"a_header_of_256_bytes_is_too_long", header_of(256) + "\r\n601;a\r\n",
                    "it is no roster: its first line is too long"},
        roster_case{"a_header_alone_without_an_end", "ABC;Ruling Cabinet - Start", "ABC", {}},
        roster_case{"blanks_and_a_sign_around_an_id",
                    header + "  +601 \t;a\r\n\t-5;b\r\n 0;c\r\n",
                    "ABC",
                    {{-5, -5}, {0, 0}, {601, 601}}},
        roster_case{"a_blank_inside_an_id", header + "60 1;a\r\n", "ABC", {}},
        roster_case{"two_signs", header + "+-606;a\r\n-;b\r\n+ 7;c\r\n", "ABC", {}},
        roster_case{"leading_zeros", header + std::string(40, '0') + "605;a\r\n", "ABC", {{605, 605}}},
        roster_case{"the_edges_of_32_bits",
                    header + "2147483647;a\r\n2147483648;b\r\n-2147483648;c\r\n-2147483649;d\r\n",
                    "ABC",
                    {{-2147483648, -2147483648}, {2147483647, 2147483647}}},
        // 2^64 + 605: no ID, and never 605.
        roster_case{"a_value_past_64_bits", header + "18446744073709552221;a\r\n", "ABC", {}},
        roster_case{"an_id_with_a_tail", header + "601x;a\r\n601 x;b\r\n", "ABC", {}},
        roster_case{"empty_first_fields", header + ";Replacements;;;;;;;x\r\n;\r\n\r\n", "ABC", {}},
        roster_case{"the_last_line_without_an_end", header + "601", "ABC", {{601, 601}}},
        roster_case{"the_last_line_without_an_end_nor_a_field_end", header + "600;a\r\n601", "ABC", {{600, 601}}},
        roster_case{"every_line_end_the_game_takes",
                    "ABC;Ruling Cabinet - Start\r601;a\n602;b\r\n603;c\r604",
                    "ABC",
                    {{601, 604}}},
        roster_case{"a_utf8_byte_order_mark", "\xEF\xBB\xBF" + header + "601;a\r\n", "ABC", {{601, 601}}},
        roster_case{"utf16_little_endian", "\xFF\xFE" + header, "it is UTF-16 text, which the game does not read"},
        roster_case{"utf16_big_endian", "\xFE\xFF" + header, "it is UTF-16 text, which the game does not read"},
        roster_case{"an_empty_file", "", no_header},
        // An ID that straddles the end of the first block read.
        roster_case{"an_id_across_two_blocks",
                    header + "0;" + std::string((std::size_t{1} << 20) - header.size() - 5, 'p') + "\n" + "601;a\r\n",
                    "ABC",
                    {{0, 0}, {601, 601}}},
        // A later block that opens with what would be a byte-order mark at the start of a file.
        roster_case{"a_mark_inside_the_roster",
                    header + "0;" + std::string((std::size_t{1} << 20) - header.size() - 3, 'p') + "\n" +
                        "\xFF\xFE;x\r\n601;a\r\n",
                    "ABC",
                    {{0, 0}, {601, 601}}},
        // Consecutive IDs merge into ranges, and an ID used again counts again.
        roster_case{"ids_again_and_again", header + "7\r\n7\r\n7\r\n", "ABC", {{7, 7, 3}}},
        roster_case{"an_id_again_then_the_next", header + "7\r\n7\r\n8\r\n", "ABC", {{7, 7, 2}, {8, 8}}},
        roster_case{
            "ranges_that_overlap", header + "1\n2\n3\n2\n3\n4\n9\n", "ABC", {{1, 1}, {2, 3, 2}, {4, 4}, {9, 9}}},
        // In a game's or a mod's rosters' folder, a tag in the first field makes a roster, as the game's loader takes
        // it.
        roster_case{"a_tag_whatever_the_rest",
                    "XYZ;Ruling Cabinet Start;x\r\n2500;a\r\n",
                    "XYZ",
                    {{2500, 2500}},
                    header_rule::tag},
        roster_case{"a_tag_alone", "d01\r\n7;a\r\n", "d01", {{7, 7}}, header_rule::tag},
        roster_case{"no_tag_in_the_first_field",
                    ";Ruling Cabinet - Start\r\n7;a\r\n",
                    "it is no roster: its first field holds no tag",
                    {},
                    header_rule::tag},
        roster_case{"a_tag_of_four",
                    "ABCD;Ruling Cabinet - Start\r\n7;a\r\n",
                    "it is no roster: its first field holds no tag",
                    {},
                    header_rule::tag},
        roster_case{"a_tag_with_a_blank",
                    "AB ;Ruling Cabinet - Start\r\n7;a\r\n",
                    "it is no roster: its first field holds no tag",
                    {},
                    header_rule::tag},
        roster_case{"ids_in_any_order", header + "3\n1\n2\n", "ABC", {{1, 3}}}),
    [](const ::testing::TestParamInfo<roster_case>& param) { return std::string(param.param.name); });

// Ranges as disjoint ones in ID order, the times of each ID added up.
TEST(roster_ids, ranges_are_normalized) {
  const std::vector<std::pair<std::vector<id_range>, std::vector<id_range>>> cases{
      {{}, {}},
      {{{5, 9}}, {{5, 9}}},
      {{{5, 9}, {1, 4}}, {{1, 9}}},
      {{{1, 4}, {6, 9}}, {{1, 4}, {6, 9}}},
      {{{1, 4}, {3, 6}}, {{1, 2}, {3, 4, 2}, {5, 6}}},
      {{{1, 4, 2}, {5, 5, 2}}, {{1, 5, 2}}},
      {{{7, 7, 3}, {7, 7, 2}}, {{7, 7, 5}}},
      {{{-2147483648, 2147483647}}, {{-2147483648, 2147483647}}},
  };
  for (const auto& [ranges, merged] : cases) EXPECT_EQ(normalized(ranges), merged) << ranges.size();
}

TEST(roster_ids, a_file_that_cannot_be_read_is_no_roster) {
  const test_support::temp_folder folder;
  std::filesystem::create_directory("folder.csv");
  std::vector<char> block;
  EXPECT_EQ(read_roster("missing.csv", block, header_rule::tag).why_not.rfind("it cannot be read: ", 0), 0U);
  EXPECT_FALSE(read_roster("folder.csv", block, header_rule::tag).roster);
}

// The rows the game takes for ministers but keys by no ID, with their lines
// counted as the game counts them: CR LF, LF and a lone CR end one line each.
TEST(roster_ids, rows_without_an_id_are_told_by_their_lines) {
  const test_support::temp_folder folder;
  std::string rows =
      header + "601;a\r\n26O0;b\n;Replacements;;x\r  \t;blank\r\n\r\n" + std::string(40, 'x') + ";c\r\n-;d\r\n";
  for (int i = 0; i < 12; ++i) rows += "bad;e\n";
  test_support::write_file("roster.csv", rows + "602");
  std::vector<char> block;
  const roster_reading reading = read_roster("roster.csv", block, header_rule::ruling_cabinet);
  ASSERT_TRUE(reading.roster);
  std::vector<std::pair<std::int64_t, std::string>> without_id;
  for (const row_without_id& row : reading.roster->without_id) without_id.emplace_back(row.line, row.field);
  EXPECT_EQ(without_id, (std::vector<std::pair<std::int64_t, std::string>>{{3, "26O0"},
                                                                           {7, std::string(32, 'x')},
                                                                           {8, "-"},
                                                                           {9, "bad"},
                                                                           {10, "bad"},
                                                                           {11, "bad"},
                                                                           {12, "bad"},
                                                                           {13, "bad"},
                                                                           {14, "bad"},
                                                                           {15, "bad"}}));
  EXPECT_EQ(reading.roster->more_without_id, 5);
  EXPECT_EQ(reading.roster->ministers, 2);
}

// A CR LF whose LF comes in the next block read is one line end.
TEST(roster_ids, a_line_end_across_two_blocks_is_one) {
  const test_support::temp_folder folder;
  const std::string first = header + "0;" + std::string((std::size_t{1} << 20) - header.size() - 3, 'p');
  test_support::write_file("roster.csv", first + "\r\nbad;x\r\n");
  std::vector<char> block;
  const roster_reading reading = read_roster("roster.csv", block, header_rule::ruling_cabinet);
  ASSERT_TRUE(reading.roster);
  ASSERT_EQ(reading.roster->without_id.size(), 1U);
  EXPECT_EQ(reading.roster->without_id.front().line, 3);
}

TEST(roster_ids, the_lines_of_an_id_used_again_are_found) {
  const test_support::temp_folder folder;
  test_support::write_file("roster.csv", header + "7;a\r\n8;b\r\n7;c\n7;d\r9;e\r\n8;f\r\n");
  std::vector<char> block;
  const std::map<std::int64_t, std::vector<std::int64_t>> lines =
      lines_using("roster.csv", block, header_rule::ruling_cabinet, {{7, 8, 2}});
  EXPECT_EQ(lines, (std::map<std::int64_t, std::vector<std::int64_t>>{{7, {2, 4}}, {8, {3, 7}}}));
}

}  // namespace
}  // namespace vesk_mg
