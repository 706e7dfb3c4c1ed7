#include "names/game_text.hpp"

#include <utility>

#include "platform/text_decoding.hpp"

namespace vesk_mg {

namespace {

bool splits_a_row(char32_t c, bool utf8) {
  return c == ';' || (c < 0x20 && c != '\t') || c == 0x7F || (utf8 && c >= 0x80 && c <= 0x9F);
}

}  // namespace

std::optional<std::string> character_in_code_page(std::string_view character, code_page_converter& converter) {
  const unsigned code_page = converter.code_page();
  const bool east_asian = code_page == 932 || code_page == 936 || code_page == 949 || code_page == 950;
  std::optional<std::string> bytes = converter.encode(character);
  if (!bytes || bytes->empty() || bytes->size() > (east_asian ? 2U : 1U) || converter.decode(*bytes) != character) {
    return std::nullopt;
  }
  return bytes;
}

game_name name_for_game(std::string_view name, bool utf8, code_page_converter& converter) {
  if (!utf8) {
    for (const char c : name) {
      if (splits_a_row(static_cast<unsigned char>(c), false)) return {{}, static_cast<unsigned char>(c)};
    }
    return {std::string(name), std::nullopt};
  }
  if (!is_valid_utf8(name)) return {{}, not_utf8};
  std::string bytes;
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t start = at;
    const char32_t c = *next_code_point(name, at);
    if (splits_a_row(c, true)) return {{}, c};
    if (c < 0x80) {  // plain ASCII is itself in every code page the game reads
      bytes.push_back(static_cast<char>(c));
      continue;
    }
    const std::optional<std::string> one = character_in_code_page(name.substr(start, at - start), converter);
    if (!one) return {{}, c};
    bytes += *one;
  }
  return {std::move(bytes), std::nullopt};
}

std::string why_refused(char32_t refused) {
  if (refused == ';') return "holds a ';', which would split the minister's row";
  if (refused == not_utf8) return "is not written in UTF-8, as the rest of the file is";
  if (refused == too_long) return "is too long to be a name";
  std::string digits;  // "U+0141", as a user can look it up
  for (; refused != 0 || digits.size() < 4; refused >>= 4) digits.insert(0, 1, "0123456789ABCDEF"[refused & 0xFU]);
  return "holds U+" + digits + ", which the game cannot show";
}

}  // namespace vesk_mg
