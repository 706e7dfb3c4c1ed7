#include "platform/console.hpp"

#include <string>

#include "platform/errors.hpp"

namespace vesk_mg {

void console_output::write_text(std::string_view text) {
  if (text.empty()) return;
  sink_.write_all(text);
  line_open_ = true;
}

void console_output::write_line(std::string_view text) {
  sink_.write_all(std::string(text).append(line_end));
  line_open_ = false;
}

void console_output::write_line_ends(int count) {
  std::string ends;
  for (int i = 0; i < count; ++i) ends.append(line_end);
  if (ends.empty()) return;
  sink_.write_all(ends);
  line_open_ = false;
}

void console_output::complete_line() {
  if (line_open_) write_line_ends(1);
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
