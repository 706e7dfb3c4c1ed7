// On Windows a name file may be named as Explorer gives it: in double
// quotes ("Copy as path", drag and drop), or without the .txt it hides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/answers.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

TEST(name_file_win32, takes_names_as_explorer_gives_them) {
  struct name_case {
    std::string typed;
    bool found;
  };
  const std::vector<name_case> cases{
      {"\"names.txt\"", true}, {"names", true},    {"\"names\"", true},
      {"\"names.txt", false},  {"nonames", false}, {"names.csv", false},
  };
  for (const name_case& c : cases) {
    test_support::temp_folder folder;
    test_support::fake_clock clock;
    test_support::write_file("names.txt", test_support::numbered_names(10));
    const std::string session = test_support::answers{.name_files = {c.typed, "names.txt"}}.text();
    const test_support::script_result result = test_support::run_script(session, clock);
    EXPECT_EQ(result.status, 0) << c.typed << result.err;
    EXPECT_EQ(result.out.find("Invalid filename, try again: ") == std::string::npos, c.found) << c.typed;
  }
}

}  // namespace
}  // namespace vesk_mg
