#include "platform/game_text.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "platform/code_page.hpp"
#include "platform/utf8.hpp"

namespace vesk_mg {

namespace {

bool splits_a_row(char32_t c, bool utf8) {
  return c == ';' || (c < 0x20 && c != '\t') || c == 0x7F || (utf8 && c >= 0x80 && c <= 0x9F);
}

}  // namespace

game_name name_for_game(std::string_view name, bool utf8, unsigned code_page) {
  if (!utf8) {
    for (const char c : name) {
      if (splits_a_row(static_cast<unsigned char>(c), false)) return {{}, static_cast<unsigned char>(c)};
    }
    return {std::string(name), std::nullopt};
  }
  constexpr char32_t not_utf8 = 0xFFFD;
  if (!is_valid_utf8(name)) return {{}, not_utf8};
  // Converted whole first (plain ASCII is itself in every code page the
  // game reads); only a name that does not convert is looked at a
  // character at a time, for the first one that stops it.
  const bool ascii = std::ranges::all_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::optional<std::string> bytes = ascii ? std::string(name) : in_code_page(name, code_page);
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t start = at;
    const char32_t c = next_code_point(name, at);
    if (splits_a_row(c, true) || (!bytes && c >= 0x80 && !in_code_page(name.substr(start, at - start), code_page))) {
      return {{}, c};
    }
  }
  if (!bytes) return {{}, not_utf8};
  return {std::move(*bytes), std::nullopt};
}

std::string code_point_text(char32_t code_point) {
  std::array<char, 16> text{};
  const int length = std::snprintf(text.data(), text.size(), "U+%04X", static_cast<unsigned>(code_point));
  return {text.data(), static_cast<std::size_t>(length)};
}

}  // namespace vesk_mg
