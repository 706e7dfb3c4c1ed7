#include "rosters/roster_list.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/raised.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using encoding = list_form::encoding;

std::string utf16(const std::string& ascii, encoding order) {
  std::string text = order == encoding::utf16_little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char c : ascii)
    text += order == encoding::utf16_little_endian ? std::string{c, '\0'} : std::string{'\0', c};
  return text;
}

struct list_case {
  const char* name;
  std::string text;
  std::vector<std::string> names;  // folded, in byte order
  list_form form{};
  friend void PrintTo(const list_case& c, std::ostream* os) { *os << c.name; }
};

class roster_list_read : public ::testing::TestWithParam<list_case> {
 protected:
  test_support::temp_folder folder;
};

TEST_P(roster_list_read, as_the_game_reads_it) {
  const list_case& c = GetParam();
  test_support::write_file("ministers.txt", c.text);
  const roster_list list = read_roster_list("ministers.txt");
  std::vector<std::string> names;
  for (const auto& [folded, written] : list.names) names.push_back(folded);
  std::ranges::sort(names);
  EXPECT_EQ(names, c.names);
  EXPECT_EQ(list.form.written_in, c.form.written_in);
  EXPECT_EQ(list.form.line_end, c.form.line_end);
  EXPECT_EQ(list.form.ends_open, c.form.ends_open);
}

const std::string longest(255, 'n');

INSTANTIATE_TEST_SUITE_P(
    rows, roster_list_read,
    ::testing::Values(
        list_case{"empty", "", {}},
        list_case{"crlf", "ministers_ger.csv\r\nMinisters_ITA.csv\r\n", {"ministers_ger.csv", "ministers_ita.csv"}},
        list_case{"lf_and_an_open_end",
                  "ministers_ger.csv\nministers_ita.csv",
                  {"ministers_ger.csv", "ministers_ita.csv"},
                  {encoding::plain, "\n", true}},
        list_case{"lone_crs", "a.csv\rb.csv\r", {"a.csv", "b.csv"}, {encoding::plain, "\r", false}},
        list_case{"the_first_line_end_sets_the_form", "a.csv\nb.csv\r\n", {"a.csv", "b.csv"}, {encoding::plain, "\n"}},
        list_case{"comments_blanks_and_blank_lines",
                  "# the game's\r\n\r\n  \t\r\n#ministers_ita.csv\r\n  # indented\r\n \tmy roster.csv  \r\nx.csv # no "
                  "comment\r\n",
                  {"my roster.csv", "x.csv # no comment"}},
        list_case{"names_once_whatever_their_case", "a.csv\nA.CSV\na.csv\n", {"a.csv"}, {encoding::plain, "\n"}},
        list_case{"a_utf8_byte_order_mark", "\xEF\xBB\xBFministers_ger.csv\r\n", {"ministers_ger.csv"}},
        list_case{"utf16_little_endian",
                  utf16("a.csv\r\nb.csv", encoding::utf16_little_endian),
                  {"a.csv", "b.csv"},
                  {encoding::utf16_little_endian, "\r\n", true}},
        list_case{"utf16_big_endian",
                  utf16("a.csv\nb.csv\n", encoding::utf16_big_endian),
                  {"a.csv", "b.csv"},
                  {encoding::utf16_big_endian, "\n"}},
        // A line as long as a file name may be names one; a longer line, none.
        list_case{"lines_longer_than_a_file_name",
                  longest + "\r\n" + longest + "x\r\n" + std::string(100000, 'x') + "\r\nlast.csv\r\n" + longest + "xy",
                  {"last.csv", longest},
                  {encoding::plain, "\r\n", true}}),
    [](const ::testing::TestParamInfo<list_case>& param) { return std::string(param.param.name); });

TEST(roster_list, of_too_many_names_or_unreadable_is_refused) {
  const test_support::temp_folder folder;
  std::string many;
  for (std::size_t i = 0; i <= most_listed_names; ++i) many += std::to_string(i) + ".csv\n";
  test_support::write_file("many.txt", many);
  test_support::write_file("enough.txt", many.substr(many.find('\n') + 1) + "1.CSV\n");
  std::filesystem::create_directory("folder.txt");
  EXPECT_EQ(test_support::raised_by([] { (void)read_roster_list("many.txt"); }),
            "VESK_MG.FILE_USE_ERROR : Cannot read the roster list many.txt: it names more than 65536 files");
  EXPECT_EQ(read_roster_list("enough.txt").names.size(), most_listed_names);
  EXPECT_EQ(test_support::raised_by([] {
              (void)read_roster_list("folder.txt");
            }).rfind("VESK_MG.FILE_USE_ERROR : Cannot read the roster list folder.txt: ", 0),
            0U);
  EXPECT_EQ(test_support::raised_by([] {
              (void)read_roster_list("missing.txt");
            }).rfind("VESK_MG.FILE_NAME_ERROR : Cannot read the roster list missing.txt: ", 0),
            0U);
}

TEST(roster_list, names_a_file_with_letter_case_ignored) {
  const test_support::temp_folder folder;
  test_support::write_file("ministers.txt", "MINISTERS_ABC.CSV\n#ministers_ita.csv\nministers_ger.csv.old\n");
  const roster_list list = read_roster_list("ministers.txt");
  EXPECT_TRUE(list.names_file("ministers_abc.csv"));
  EXPECT_FALSE(list.names_file("ministers_ita.csv"));
  EXPECT_FALSE(list.names_file("ministers_ger.csv"));
}

TEST(roster_list, takes_a_name_in_its_own_form) {
  struct addition_case {
    encoding written_in;
    const char* line_end;
    bool ends_open;
    std::string addition;
  };
  const std::vector<addition_case> cases{
      {encoding::plain, "\r\n", false, "ministers_abc.csv\r\n"},
      {encoding::plain, "\n", false, "ministers_abc.csv\n"},
      {encoding::plain, "\r", true, "\rministers_abc.csv\r"},
      {encoding::utf16_little_endian, "\r\n", true, std::string("\r\0\n\0a\0\r\0\n\0", 10)},
      {encoding::utf16_big_endian, "\n", false, std::string("\0a\0\n", 4)},
  };
  for (const addition_case& c : cases) {
    const std::string name = c.written_in == encoding::plain ? "ministers_abc.csv" : "a";
    EXPECT_EQ(addition_naming({c.written_in, c.line_end, c.ends_open}, name), c.addition) << c.line_end << c.ends_open;
  }
}

}  // namespace
}  // namespace vesk_mg
