#include "platform/game_text.hpp"

#include <array>
#include <utility>

#include "platform/text_decoding.hpp"

namespace vesk_mg {

namespace {

struct language_code_page {
  std::string_view language;
  unsigned code_page;
};

// Windows' ANSI code pages by language; the rest of the world is 1252.
constexpr auto code_pages = std::to_array<language_code_page>({
    {"cs", 1250},  {"hr", 1250}, {"hu", 1250}, {"pl", 1250}, {"ro", 1250}, {"sk", 1250}, {"sl", 1250},
    {"sq", 1250},  {"bs", 1250}, {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"mk", 1251},
    {"sr", 1251},  {"kk", 1251}, {"ky", 1251}, {"tt", 1251}, {"mn", 1251}, {"tg", 1251}, {"ba", 1251},
    {"sah", 1251}, {"tk", 1250}, {"uz", 1254}, {"el", 1253}, {"tr", 1254}, {"az", 1254}, {"he", 1255},
    {"yi", 1255},  {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"ug", 1256}, {"et", 1257}, {"lt", 1257},
    {"lv", 1257},  {"vi", 1258}, {"th", 874},  {"ja", 932},  {"zh", 936},  {"ko", 949},
});

bool splits_a_row(char32_t c, bool utf8) {
  return c == ';' || (c < 0x20 && c != '\t') || c == 0x7F || (utf8 && c >= 0x80 && c <= 0x9F);
}

}  // namespace

unsigned code_page_of_locale(std::string_view locale) {
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  // The modifier, given before the encoding or after it: "sr_RS@latin.UTF-8", "sr_RS.UTF-8@latin".
  const std::size_t at = locale.find('@');
  const std::string_view modifier =
      at == std::string_view::npos ? "" : locale.substr(at + 1, locale.find('.', at) - at - 1);
  // Serbian in Latin letters (Montenegro's unless it says otherwise),
  // Uzbek in Cyrillic ones, and Chinese as written in Taiwan, Hong Kong and Macau.
  if (language == "sr" && (modifier == "latin" || (locale.starts_with("sr_ME") && modifier != "cyrillic"))) return 1250;
  if (language == "uz" && modifier == "cyrillic") return 1251;
  if (language == "zh" && (locale.starts_with("zh_TW") || locale.starts_with("zh_HK") || locale.starts_with("zh_MO"))) {
    return 950;
  }
  for (const language_code_page& entry : code_pages) {
    if (entry.language == language) return entry.code_page;
  }
  return western_code_page;
}

std::string_view locale_of(const std::function<const char*(const char*)>& variable) {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = variable(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
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
    const std::optional<std::string> one = converter.character_in_code_page(name.substr(start, at - start));
    if (!one) return {{}, c};
    bytes += *one;
  }
  return {std::move(bytes), std::nullopt};
}

std::string why_refused(char32_t refused) {
  if (refused == ';') return "holds a ';', which would split the minister's row";
  if (refused == not_utf8) return "is not written in UTF-8, as the rest of the file is";
  std::string digits;  // "U+0141", as a user can look it up
  for (; refused != 0 || digits.size() < 4; refused >>= 4) digits.insert(0, 1, "0123456789ABCDEF"[refused & 0xFU]);
  return "holds U+" + digits + ", which the game cannot show";
}

}  // namespace vesk_mg
