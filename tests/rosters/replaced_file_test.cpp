#include "rosters/replaced_file.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_clock.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

TEST(replaced_file, replaces_the_name_whole_on_commit_with_its_last_line_completed) {
  test_support::temp_folder folder;
  test_support::fake_clock clock;
  struct replace_case {
    std::string written;
    bool committed;
    std::string expected;  // what the name holds after
  };
  const std::string before = "the roster before\r\n";
  const std::vector<replace_case> cases{
      {"", true, "\r\n"},
      {"row", true, "row\r\n"},
      {"row\r\n", true, "row\r\n"},
      {std::string(200000, 'r'), true, std::string(200000, 'r') + "\r\n"},
      {std::string(200000, 'u'), false, before},  // never committed: as it was
  };
  for (const replace_case& c : cases) {
    test_support::write_file("out.csv", before);
    {
      const folder_handle here = hold_folder("");
      replaced_file file(here, "out.csv");
      file.write(c.written);
      if (c.committed) file.commit(clock);
    }
    EXPECT_EQ(test_support::read_file("out.csv"), c.expected);
    EXPECT_EQ(test_support::names_here(), std::vector<std::string>{"out.csv"});
  }
}

// ".ministers_abc.csv.<pid>.tmp" beside the roster, while the name fits in the 255 bytes a folder takes.
TEST(replaced_file, takes_a_temporary_name_that_a_user_recognises) {
  const std::string ending = "." + std::to_string(this_process_number()) + ".tmp";
  const std::string longest(255 - 1 - ending.size(), 'n');
  const std::vector<std::pair<std::string, std::string>> cases{
      {"ministers_abc.csv", ".ministers_abc.csv" + ending},
      {"mod/ministers_abc.csv", "mod/.ministers_abc.csv" + ending},
      {longest, "." + longest + ending},
      {"mod/" + longest, "mod/." + longest + ending},
      {longest + "n", ".vesk_mg" + ending},
      {"mod/" + longest + "n", "mod/.vesk_mg" + ending},
  };
  for (const auto& [path, temporary] : cases) EXPECT_EQ(temporary_name_beside(path), temporary) << path.size();
  EXPECT_EQ(temporary_name_beside("ministers_abc.csv", 2),
            ".ministers_abc.csv." + std::to_string(this_process_number()) + "-2.tmp");
}

}  // namespace
}  // namespace vesk_mg
