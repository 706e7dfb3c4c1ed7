#include "platform/text_decoding.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/string_streams.hpp"

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

// Piped answers in UTF-16, as PowerShell writes them, are handed on as
// UTF-8; half of a surrogate pair alone becomes U+FFFD.
TEST(utf16, is_read_as_utf8) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {std::string("\xFF\xFE"
                   "A\0\xE9\0",
                   6),
       "A\xC3\xA9"},
      {std::string("\xFE\xFF\0A\0\xE9", 6), "A\xC3\xA9"},
      {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
      {std::string("\xFF\xFE\x00\xD8\x41\x00", 6), "\xEF\xBF\xBD\x41"},
      {std::string("\xFF\xFE\x00\xDC", 4), "\xEF\xBF\xBD"},
      {std::string("\xFF\xFE"
                   "A\0\x00\xD8",
                   6),
       "A\xEF\xBF\xBD"},  // a first half at the very end
  };
  for (const auto& [bytes, utf8] : cases) {
    test_support::string_source raw(bytes);
    decoded_text text(raw, "test input", decoded_text::start::piped);
    std::string read;
    std::array<char, 16> chunk{};
    while (const std::size_t got = text.read_some(chunk.data(), chunk.size())) read.append(chunk.data(), got);
    EXPECT_EQ(read, utf8) << bytes.size();
  }
}

}  // namespace
}  // namespace vesk_mg
