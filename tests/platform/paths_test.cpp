#include "platform/paths.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace vesk_mg
