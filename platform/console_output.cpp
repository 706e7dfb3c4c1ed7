#include "platform/console_output.hpp"

#include <string>

namespace vesk_mg {

void console_output::write_text(std::string_view text) {
  if (text.empty()) return;
  sink_.write_all(text);
  line_open_ = true;
}

void console_output::write_line(std::string_view text) {
  std::string line(text);
  line.append(line_end);
  sink_.write_all(line);
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

}  // namespace vesk_mg
