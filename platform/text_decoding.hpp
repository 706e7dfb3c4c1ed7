// Text as the program reads it: UTF-8 told from other bytes and decoded
// a code point at a time, UTF-16 turned into UTF-8, and a text that may
// begin with a byte-order mark, as Windows editors and PowerShell save it.
// A UTF-8 mark is skipped. After a UTF-16 mark (FF FE or FE FF) the text
// is read as UTF-16 and handed on as UTF-8, or, for a name file, refused
// with file_encoding_error naming it. More bytes are waited for only while
// those read could still begin a mark, so a one-byte line typed into a
// pipe is handed on at once. Half of a UTF-16 pair with no other half
// becomes U+FFFD; nothing else here fails.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.hpp"

namespace vesk_mg {

// The code point that starts at `at`, with `at` moved past it; nothing,
// and `at` where it was, for bytes that are not well-formed UTF-8 there.
std::optional<char32_t> next_code_point(std::string_view text, std::size_t& at);
// True for well-formed UTF-8, plain ASCII included.
bool is_valid_utf8(std::string_view text);
// True when every byte is below 0x80: the same text in every code page the game reads.
bool is_ascii(std::string_view text);

class decoded_text final : public byte_source {
 public:
  // A name file refuses UTF-16; piped answers are read as it; a Windows
  // console hands over its own UTF-16 (little-endian), with no mark.
  enum class start { name_file, piped, utf16_little_endian };

  decoded_text(byte_source& raw, std::string_view label, start how);
  std::size_t read_some(char* buffer, std::size_t capacity) override;

 private:
  enum class kind { unknown, plain, utf16_little_endian, utf16_big_endian };

  void find_kind();
  void decode(std::string_view bytes);

  byte_source& raw_;
  std::string label_;
  bool utf16_refused_;
  kind kind_;
  std::string pending_;  // read and not yet handed on, as UTF-8 when the text is UTF-16
  std::size_t pending_begin_ = 0;
  std::string undecoded_;   // the first byte of a UTF-16 unit whose second has not come yet
  char16_t high_half_ = 0;  // the first half of a pair, waiting for the second
};

}  // namespace vesk_mg
