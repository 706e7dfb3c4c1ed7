#include "names/game_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk_mg {
namespace {

// A name file's name piped in is taken as UTF-8 only when it is UTF-8;
// otherwise it is the ANSI code page's.
TEST(utf8, tells_utf8_from_other_bytes) {
  const std::vector<std::pair<std::string, bool>> cases{
      {"names.txt", true},
      {"navne_\xC3\x98.txt", true},  // Ø
      {"\xE2\x82\xAC", true},        // €
      {"\xF0\x9F\x98\x80", true},    // beyond the first 64 Ki characters
      {"navne_\xD8.txt", false},     // Ø in Windows-1252
      {"\xC3", false},               // cut short
      {"\xC0\xAF", false},           // an overlong '/'
      {"\xE0\x80\xAF", false},       // another
      {"\xED\xA0\x80", false},       // a UTF-16 surrogate
      {"\xF4\x90\x80\x80", false},   // past U+10FFFF
      {"\xE2\x82", false},           // cut short
      {"\x80", false},               // a continuation byte alone
  };
  for (const auto& [text, valid] : cases) EXPECT_EQ(is_valid_utf8(text), valid) << text;
}

}  // namespace
}  // namespace vesk_mg
