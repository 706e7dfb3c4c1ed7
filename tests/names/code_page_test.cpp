#include "names/code_page.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vesk_mg {
namespace {

TEST(code_page, is_the_ansi_code_page_of_the_locales_language) {
  const std::vector<std::pair<std::string_view, unsigned>> cases{
      {"cs_CZ.UTF-8", 1250}, {"hr_HR", 1250},
      {"hu_HU", 1250},       {"pl_PL.utf8", 1250},
      {"ro_RO", 1250},       {"sk_SK", 1250},
      {"sl_SI", 1250},       {"sq_AL", 1250},
      {"bs_BA", 1250},       {"sr_RS@latin", 1250},
      {"ru_RU.UTF-8", 1251}, {"uk_UA", 1251},
      {"be_BY", 1251},       {"bg_BG", 1251},
      {"mk_MK", 1251},       {"sr_RS", 1251},
      {"kk_KZ", 1251},       {"ky_KG", 1251},
      {"tt_RU", 1251},       {"mn_MN", 1251},
      {"el_GR", 1253},       {"tr_TR", 1254},
      {"az_AZ", 1254},       {"he_IL", 1255},
      {"yi_US", 1255},       {"ar_EG", 1256},
      {"fa_IR", 1256},       {"ur_PK", 1256},
      {"et_EE", 1257},       {"lt_LT", 1257},
      {"lv_LV", 1257},       {"vi_VN", 1258},
      {"th_TH", 874},        {"ja_JP.UTF-8", 932},
      {"zh_CN.UTF-8", 936},  {"zh_SG", 936},
      {"ko_KR", 949},        {"zh_TW.UTF-8", 950},
      {"zh_HK", 950},        {"zh_MO", 950},
      {"de_DE@euro", 1252},  {"en_US", 1252},
      {"C", 1252},           {"POSIX", 1252},
      {"C.UTF-8", 1252},     {"", 1252},
      {"rus_RU", 1252},      {"pl", 1250},
      {"tg_TJ", 1251},       {"ba_RU", 1251},
      {"sah_RU", 1251},      {"tk_TM", 1250},
      {"uz_UZ", 1254},       {"ug_CN", 1256},
      {"ru.UTF-8", 1251},    {"sr@latin", 1250},
  };
  for (const auto& [locale, code_page] : cases) EXPECT_EQ(code_page_of_locale(locale), code_page) << locale;
  // The script, named by the modifier (before the encoding or after it) or by the country.
  for (const auto& [locale, code_page] : {std::pair<std::string_view, unsigned>{"sr_ME", 1250},
                                          {"sr_ME@cyrillic", 1251},
                                          {"uz_UZ@cyrillic", 1251},
                                          {"sr_RS@latin.UTF-8", 1250}}) {
    EXPECT_EQ(code_page_of_locale(locale), code_page) << locale;
  }
}

TEST(code_page, on_linux_comes_from_the_locale_the_environment_names) {
  using environment = std::array<const char*, 3>;  // LC_ALL, LC_CTYPE, LANG
  const std::vector<std::pair<environment, std::string_view>> cases{{{nullptr, nullptr, nullptr}, ""},
                                                                    {{"pl_PL", "ru_RU", "ja_JP"}, "pl_PL"},
                                                                    {{"", "ru_RU", "ja_JP"}, "ru_RU"},
                                                                    {{nullptr, "", "ja_JP"}, "ja_JP"}};
  for (const auto& [set, locale] : cases) EXPECT_EQ(locale_of(set[0], set[1], set[2]), locale);
}

// On Windows the system's ANSI code page, unless that is UTF-8; on Linux,
// which has none, the locale's language.
TEST(code_page, of_the_game_is_the_one_the_system_gives) {
  struct system_case {
    unsigned ansi;
    std::array<const char*, 3> locale;  // LC_ALL, LC_CTYPE, LANG
    unsigned game;
  };
  const std::vector<system_case> cases{
      {65001, {nullptr, nullptr, "pl_PL"}, 1252},  {1251, {nullptr, nullptr, "pl_PL"}, 1251},
      {932, {nullptr, nullptr, nullptr}, 932},     {0, {nullptr, "", "pl_PL.UTF-8"}, 1250},
      {0, {"ja_JP.UTF-8", "pl_PL", nullptr}, 932}, {0, {nullptr, nullptr, nullptr}, 1252},
  };
  for (const system_case& c : cases) {
    EXPECT_EQ(game_code_page_of(c.ansi, c.locale[0], c.locale[1], c.locale[2]), c.game) << c.ansi;
  }
}

}  // namespace
}  // namespace vesk_mg
