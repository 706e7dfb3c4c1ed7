#include "rosters/roster_list.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk_mg {
namespace {

TEST(roster_list, names_one_file_a_line_passing_over_comments_and_blank_lines) {
  struct names_case {
    std::string list;
    std::vector<std::string> names;
  };
  const std::vector<names_case> cases{
      {"", {}},
      {"ministers_ger.csv\r\nministers_ita.csv\r\n", {"ministers_ger.csv", "ministers_ita.csv"}},
      {"ministers_ger.csv\nministers_ita.csv", {"ministers_ger.csv", "ministers_ita.csv"}},
      {"ministers_ger.csv\rministers_ita.csv\r", {"ministers_ger.csv", "ministers_ita.csv"}},
      {"# the game's\r\n\r\n  \t\r\n#ministers_ita.csv\r\n  # indented\r\nministers_ger.csv", {"ministers_ger.csv"}},
      {" \tmy roster.csv  \r\n", {"my roster.csv"}},
      {"a.csv # not a comment\n", {"a.csv # not a comment"}},
  };
  for (const names_case& c : cases) EXPECT_EQ(names_in_list(c.list), c.names) << c.list;
}

TEST(roster_list, names_a_file_with_letter_case_ignored) {
  struct named_case {
    std::string list;
    std::string file;
    bool named;
  };
  const std::vector<named_case> cases{
      {"ministers_abc.csv\n", "ministers_abc.csv", true},
      {"MINISTERS_ABC.CSV\n", "ministers_abc.csv", true},
      {"#ministers_abc.csv\n", "ministers_abc.csv", false},
      {"ministers_abc.csv.old\n", "ministers_abc.csv", false},
      {"", "ministers_abc.csv", false},
  };
  for (const named_case& c : cases) EXPECT_EQ(list_names(c.list, c.file), c.named) << c.list;
}

TEST(roster_list, takes_a_name_in_its_own_line_ends) {
  struct with_case {
    std::string list;
    std::string after;
  };
  const std::vector<with_case> cases{
      {"", "ministers_abc.csv\r\n"},
      {"ministers_ger.csv\n", "ministers_ger.csv\nministers_abc.csv\n"},
      {"ministers_ger.csv\r\n", "ministers_ger.csv\r\nministers_abc.csv\r\n"},
      {"ministers_ger.csv\r", "ministers_ger.csv\rministers_abc.csv\r"},
      // The last line gets its end first.
      {"# mine\nministers_ger.csv", "# mine\nministers_ger.csv\nministers_abc.csv\n"},
      {"ministers_ger.csv", "ministers_ger.csv\r\nministers_abc.csv\r\n"},
      // The first line end sets the list's own.
      {"a.csv\r\nb.csv\nc.csv", "a.csv\r\nb.csv\nc.csv\r\nministers_abc.csv\r\n"},
  };
  for (const with_case& c : cases) EXPECT_EQ(list_with(c.list, "ministers_abc.csv"), c.after) << c.list;
}

}  // namespace
}  // namespace vesk_mg
