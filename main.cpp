// vesk_mg: asks its questions on the console and writes the minister file.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "names/code_page.hpp"
#include "platform/console.hpp"
#include "platform/errors.hpp"
#include "program/check.hpp"
#include "program/command_line.hpp"
#include "program/standard_streams.hpp"
#include "program/system_clock.hpp"
#include "program/vesk_mg.hpp"

int main(int argc, char** argv) {
  vesk_mg::start_platform(
      [](std::string_view what) { return vesk_mg::report_text(vesk_mg::error_names::interrupted, what); });
  const std::vector<std::string> arguments = vesk_mg::arguments_of(vesk_mg::program_arguments(argc, argv));
  const vesk_mg::command_line asked =
      vesk_mg::answer_command_line(arguments, vesk_mg::standard_output(), vesk_mg::standard_error());
  int found = 0;  // what --check found
  int status =
      asked.status
          ? *asked.status
          : vesk_mg::run_program(
                vesk_mg::standard_input(), vesk_mg::standard_output(), vesk_mg::standard_error(),
                vesk_mg::system_clock(), [&](vesk_mg::program_io& io) {
                  if (asked.check) {
                    found = vesk_mg::check(io.out, asked.rosters);
                  } else {
                    vesk_mg::vesk_mg(io, asked.folders, asked.rosters,
                                     {vesk_mg::program_folder(), asked.code_page.value_or(vesk_mg::game_code_page_of(
                                                                     vesk_mg::ansi_code_page(), std::getenv("LC_ALL"),
                                                                     std::getenv("LC_CTYPE"), std::getenv("LANG")))});
                  }
                });
  if (status == vesk_mg::exit_normal) status = found;
  // A window of its own, as a double-click or a folder dropped on the
  // program gives it, would close with the last line unread.
  if (vesk_mg::console_window_of_its_own()) {
    vesk_mg::wait_for_enter(vesk_mg::standard_input(), vesk_mg::standard_output());
  }
  return status;
}
