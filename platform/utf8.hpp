// UTF-8 as the program holds text inside: telling it from bytes in another
// encoding, and making it from code points and from UTF-16. Nothing fails;
// half of a UTF-16 pair with no other half becomes U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk_mg {

// True when `text` is well-formed UTF-8 (plain ASCII included).
bool is_valid_utf8(std::string_view text);

void append_utf8(std::string& text, char32_t code_point);

// The code point that starts at `at` in well-formed UTF-8; `at` moves past it.
char32_t next_code_point(std::string_view text, std::size_t& at);

// UTF-16 code units, one at a time, appended to a text as UTF-8. The first
// half of a pair waits for the second.
class utf16_decoder {
 public:
  void add(char16_t unit, std::string& text);

 private:
  char16_t high_ = 0;
};

}  // namespace vesk_mg
