#include "names/code_page.hpp"

#include <array>

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

unsigned game_code_page_of(unsigned ansi, const char* lc_all, const char* lc_ctype, const char* lang) {
  if (ansi == 65001) return western_code_page;
  return ansi != 0 ? ansi : code_page_of_locale(locale_of(lc_all, lc_ctype, lang));
}

std::string_view locale_of(const char* lc_all, const char* lc_ctype, const char* lang) {
  for (const char* value : {lc_all, lc_ctype, lang}) {
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

}  // namespace vesk_mg
