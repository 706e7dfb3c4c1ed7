// Text as the program reads it: UTF-16 turned into UTF-8, and a text that
// may begin with a byte-order mark, as Windows editors and PowerShell save it.
// A UTF-8 mark is skipped. After a UTF-16 mark (FF FE or FE FF) the text
// is read as UTF-16 and handed on as UTF-8, or, where UTF-16 is refused,
// ends there, and says it was refused. More bytes are waited for only
// while those read could still begin a mark, so a one-byte line typed
// into a pipe is handed on at once. Half of a UTF-16 pair with no other
// half becomes U+FFFD; nothing here fails.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/byte_channels.hpp"

namespace vesk_mg {

// The byte-order marks that may open a text.
inline constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
inline constexpr std::string_view little_endian_mark = "\xFF\xFE";
inline constexpr std::string_view big_endian_mark = "\xFE\xFF";

// A code point as UTF-8.
std::string utf8_of_code_point(char32_t code_point);

class decoded_text final : public byte_source {
 public:
  // A name file refuses UTF-16 (its names would be full of NULs); piped
  // answers are read as the mark says; a Windows console hands over its
  // own UTF-16 (little-endian), with no mark.
  enum class utf16 { refused, after_a_mark, without_a_mark };

  decoded_text(byte_source& raw, utf16 how);
  std::size_t read_some(char* buffer, std::size_t capacity) override;
  // True once the text has shown itself UTF-16 where that is refused.
  [[nodiscard]] bool refused_utf16() const noexcept { return refused_; }

  // How the text was written, once its first bytes are read.
  enum class kind { unknown, plain, utf16_little_endian, utf16_big_endian };
  [[nodiscard]] kind written_as() const noexcept { return kind_; }

 private:
  void find_kind();
  void decode(std::string_view bytes);

  byte_source& raw_;
  bool utf16_refused_;
  bool refused_ = false;
  kind kind_;
  std::string pending_;  // read and not yet handed on, as UTF-8 when the text is UTF-16
  std::size_t pending_begin_ = 0;
  std::string undecoded_;   // the first byte of a UTF-16 unit whose second has not come yet
  char16_t high_half_ = 0;  // the first half of a pair, waiting for the second
};

}  // namespace vesk_mg
