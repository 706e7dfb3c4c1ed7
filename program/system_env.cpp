#include "program/system_env.hpp"

#include <cstdlib>

#include "names/code_page.hpp"
#include "program/system_clock.hpp"

namespace vesk_mg {

namespace {

class system_env final : public run_environment {
 public:
  local_time local_now() override { return clock_.local_now(wall_clock(), vesk_mg::monotonic_nanoseconds()); }
  std::int64_t monotonic_nanoseconds() override { return vesk_mg::monotonic_nanoseconds(); }
  void sleep_milliseconds(std::int64_t milliseconds) override { vesk_mg::sleep_milliseconds(milliseconds); }
  std::string program_folder() override { return vesk_mg::program_folder(); }
  unsigned game_code_page() override {
    const unsigned ansi = ansi_code_page();
    if (ansi != 0) return game_code_page_of_ansi(ansi);
    return code_page_of_locale(locale_of(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")));
  }

 private:
  synced_clock clock_{2'000'000'000};
};

}  // namespace

run_environment& default_env() {
  static system_env instance;
  return instance;
}

}  // namespace vesk_mg
