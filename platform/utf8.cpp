#include "platform/utf8.hpp"

#include <cstddef>

namespace vesk_mg {

bool is_valid_utf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned char low = 0x80;   // the range of the second byte, narrowed where
    unsigned char high = 0xBF;  // overlong forms and surrogates would begin
    if (lead < 0x80) {
      length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

void append_utf8(std::string& text, char32_t code_point) {
  const auto byte = [&text](char32_t value) { text.push_back(static_cast<char>(value)); };
  if (code_point < 0x80) {
    byte(code_point);
  } else if (code_point < 0x800) {
    byte(0xC0 | (code_point >> 6));
    byte(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    byte(0xE0 | (code_point >> 12));
    byte(0x80 | ((code_point >> 6) & 0x3F));
    byte(0x80 | (code_point & 0x3F));
  } else {
    byte(0xF0 | (code_point >> 18));
    byte(0x80 | ((code_point >> 12) & 0x3F));
    byte(0x80 | ((code_point >> 6) & 0x3F));
    byte(0x80 | (code_point & 0x3F));
  }
}

char32_t next_code_point(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  const std::size_t length = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
  char32_t code_point = length == 0 ? lead : lead & (0x3FU >> length);
  for (std::size_t k = 0; k < length; ++k)
    code_point = code_point << 6 | (static_cast<unsigned char>(text[at++]) & 0x3FU);
  return code_point;
}

void utf16_decoder::add(char16_t unit, std::string& text) {
  constexpr char32_t replacement = 0xFFFD;
  const bool high = unit >= 0xD800 && unit <= 0xDBFF;
  const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
  if (high_ != 0 && low) {
    append_utf8(text, 0x10000 + ((char32_t{high_} - 0xD800) << 10) + (char32_t{unit} - 0xDC00));
    high_ = 0;
    return;
  }
  if (high_ != 0) append_utf8(text, replacement);
  high_ = high ? unit : 0;
  if (!high) append_utf8(text, low ? replacement : char32_t{unit});
}

}  // namespace vesk_mg
