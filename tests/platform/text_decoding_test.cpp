#include "platform/text_decoding.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/string_streams.hpp"

namespace vesk_mg {
namespace {

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
    decoded_text text(raw, decoded_text::utf16::after_a_mark);
    std::string read;
    std::array<char, 16> chunk{};
    while (const std::size_t got = text.read_some(chunk.data(), chunk.size())) read.append(chunk.data(), got);
    EXPECT_EQ(read, utf8) << bytes.size();
  }
}

}  // namespace
}  // namespace vesk_mg
