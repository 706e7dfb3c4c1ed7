#include "platform/paths.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

// Control characters, C1 ones in UTF-8 or as bare bytes included, show as
// text; every other byte, UTF-8 beyond ASCII among them, as it is.
TEST(shown, writes_control_characters_visibly) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"mod/ministers_abc.csv", "mod/ministers_abc.csv"},
      {"m\xC3\xB8"
       "d",
       "m\xC3\xB8"
       "d"},
      {"x\x1B[2Jy", "x\\x1B[2Jy"},
      {"\x7F\t", "\\x7F\\x09"},
      {"x\xC2\x85", "x\\xC2\\x85"},
      {"\xC2\x9F"
       "a",
       "\\xC2\\x9Fa"},
      {"\x9B"
       "2J",
       "\\x9B2J"},
      {"\xC2\xA0", "\xC2\xA0"},
      {"\xC2", "\xC2"},
  };
  for (const auto& [path, text] : cases) EXPECT_EQ(shown(path), text) << text;
}

// A folder is the same however it was typed, and the game is looked for
// above it alike; on Windows a path may be handed to the file system as it
// stands, behind \\?\.
TEST(paths, are_made_whole_however_they_were_typed) {
  const test_support::temp_folder folder;
  std::filesystem::create_directories("game/Mods");
  struct whole_case {
    std::string typed;
    std::string whole;  // "|" the separator, "<here>" the test's folder whole
    std::string above;
    std::string last;
  };
  const std::vector<whole_case> cases{
      {"game/Mods", "<here>|game|Mods", "<here>|game", "Mods"},
      {"game/Mods/", "<here>|game|Mods", "<here>|game", "Mods"},
      {"game/./Mods/../Mods", "<here>|game|Mods", "<here>|game", "Mods"},
      {"", "<here>", folder.path().parent_path().string(), folder.path().filename().string()},
#ifndef _WIN32  // names that are plain names elsewhere than on Windows
      {R"(\\?\x)", R"(<here>|\\?\x)", "<here>", R"(\\?\x)"},
      {R"(\\x)", R"(<here>|\\x)", "<here>", R"(\\x)"},
#else
      {R"(\\?\<here>\game\Mods)", R"(\\?\<here>\game\Mods)", R"(\\?\<here>\game)", "Mods"},
      {R"(\\?\UNC\server\share\mods\m)", R"(\\?\UNC\server\share\mods\m)", R"(\\?\UNC\server\share\mods)", "m"},
#endif
  };
  for (const whole_case& c : cases) {
    const std::string typed = test_support::as_shown(c.typed, folder.path());
    EXPECT_EQ(whole_path(typed), test_support::as_shown(c.whole, folder.path())) << typed;
    EXPECT_EQ(folder_above(typed), test_support::as_shown(c.above, folder.path())) << typed;
    EXPECT_EQ(last_name(typed), c.last) << typed;
  }
}

}  // namespace
}  // namespace vesk_mg
