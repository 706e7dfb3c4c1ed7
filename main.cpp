// vesk_mg: asks its questions on the console and writes the minister file.
#include <optional>
#include <string_view>
#include <vector>

#include "platform/console.hpp"
#include "program/command_line.hpp"
#include "program/vesk_mg.hpp"

int main(int argc, char** argv) {
  vesk_mg::start_platform();
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const std::optional<int> answered =
      vesk_mg::answer_command_line(arguments, vesk_mg::standard_output(), vesk_mg::standard_error());
  const int status = answered ? *answered
                              : vesk_mg::run_program(vesk_mg::standard_input(), vesk_mg::standard_output(),
                                                     vesk_mg::standard_error(), vesk_mg::default_env());
  // A window of its own would close with the last line unread.
  if (vesk_mg::console_window_of_its_own()) {
    vesk_mg::wait_for_enter(vesk_mg::standard_input(), vesk_mg::standard_output());
  }
  return status;
}
