#include "platform/console_window.hpp"

#include "platform/named_error.hpp"

namespace vesk_mg {

bool should_wait_before_closing(const console_facts& facts) {
  return facts.console_of_its_own && facts.input_is_that_console;
}

void wait_for_enter(byte_source& input, byte_sink& output) {
  try {
    output.write_all("\r\nPress Enter to close this window.");
    char byte = '\0';
    while (input.read_some(&byte, 1) == 1 && byte != '\n') {
    }
  } catch (const named_error&) {  // no console left to wait at
  }
}

}  // namespace vesk_mg
