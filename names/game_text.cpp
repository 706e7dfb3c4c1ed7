#include "names/game_text.hpp"

#include "names/code_page.hpp"
#include "platform/text_decoding.hpp"

#include <algorithm>
#include <utility>

namespace vesk_mg {

namespace {

bool splits_a_row(char32_t c, bool utf8) {
  return c == ';' || (c < 0x20 && c != '\t') || c == 0x7F || (utf8 && c >= 0x80 && c <= 0x9F);
}

}  // namespace

std::optional<char32_t> next_code_point(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
  // The range of the second byte, narrowed where overlong forms and surrogates would begin.
  const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (length == 0 || text.size() - at < length) return std::nullopt;
  char32_t code_point = lead & (0xFFU >> (length + 1));
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return std::nullopt;
    code_point = code_point << 6 | (next & 0x3FU);
  }
  at += length;
  return code_point;
}

bool is_valid_utf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (!next_code_point(text, at)) return false;
  }
  return true;
}

bool is_ascii(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::optional<std::string> character_in_code_page(std::string_view character, code_page_converter& converter) {
  const unsigned code_page = converter.code_page();
  const bool east_asian = is_east_asian(code_page);
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

std::string why_refused(char32_t refused, unsigned code_page) {
  if (refused == ';') return "holds a ';', which would split the minister's row";
  if (refused == not_utf8) return "is not written in UTF-8, as the rest of the file is";
  if (refused == too_long) return "is too long to be a name";
  std::string digits;  // "U+0141", as a user can look it up
  for (char32_t rest = refused; rest != 0 || digits.size() < 4; rest >>= 4) {
    digits.insert(0, 1, "0123456789ABCDEF"[rest & 0xFU]);
  }
  // A control character is named, never shown; any other is shown as it is.
  const bool control = refused <= 0x1F || (refused >= 0x7F && refused <= 0x9F);
  const std::string character = utf8_of_code_point(refused);
  std::string why = "holds U+" + digits + (control ? "" : " (" + character + ")") + ", which the game cannot show";
  if (control) return why;
  for (const unsigned other : game_code_pages) {
    code_page_converter converter(other);
    if (other != code_page && character_in_code_page(character, converter)) {
      const std::string number = std::to_string(other);
      return why.append("; the edition that reads code page ")
          .append(number)
          .append(" can (--code-page ")
          .append(number)
          .append(")");
    }
  }
  return why;
}

}  // namespace vesk_mg
