#include "names/name_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/errors.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

enum class outcome { opened, name_error, use_error };

outcome open_outcome(const std::string& name) {
  try {
    name_file file(name);
    return outcome::opened;
  } catch (const file_name_error&) {
    return outcome::name_error;
  } catch (const file_use_error&) {
    return outcome::use_error;
  }
}

TEST(name_file, tells_a_missing_file_from_one_that_cannot_be_read) {
  test_support::temp_folder folder;
  test_support::write_file("names.txt", "a\n");
  std::filesystem::create_directory("folder");
  const std::vector<std::pair<std::string, outcome>> cases{
      {"names.txt", outcome::opened},
      {"missing.txt", outcome::name_error},
      {"", outcome::name_error},
      {std::string("names.txt\0x", 11), outcome::name_error},
      {"names.txt/inside", outcome::name_error},
      {"missing/inside", outcome::name_error},
      {std::string(5000, 'n'), outcome::name_error},
      {"folder", outcome::use_error},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(open_outcome(name), expected) << name.substr(0, 40);
}

// Found where the program was started, or else beside the program; on
// Windows also as Explorer gives a name: in double quotes, or without the
// ".txt" it hides.
TEST(name_file, is_found_as_the_user_names_it) {
  test_support::temp_folder folder;
  std::filesystem::create_directory("program");
  for (const char* file : {"names.txt", "program/names.txt", "program/beside.txt", "program/plain"}) {
    test_support::write_file(file, "a\n");
  }
  struct lookup_case {
    std::string typed;
    system_kind system;
    std::string found;
  };
  const std::vector<lookup_case> cases{
      {"names.txt", system_kind::posix, "names.txt"},
      {"beside.txt", system_kind::posix, "program/beside.txt"},
      {"./beside.txt", system_kind::posix, "./beside.txt"},
      {"\"names.txt\"", system_kind::posix, "\"names.txt\""},
      {"\"names.txt\"", system_kind::windows, "names.txt"},
      {"names", system_kind::windows, "names.txt"},
      {"\"beside\"", system_kind::windows, "program/beside.txt"},
      {"plain", system_kind::windows, "program/plain"},
      {"names", system_kind::posix, "names"},
      {".\\beside", system_kind::windows, ".\\beside"},
      {"c:beside", system_kind::windows, "c:beside"},
      {"\"names.txt", system_kind::windows, "\"names.txt"},
      {"", system_kind::windows, ""},
  };
  for (const lookup_case& c : cases) EXPECT_EQ(find_name_file(c.typed, "program/", c.system), c.found) << c.typed;
}

}  // namespace
}  // namespace vesk_mg
