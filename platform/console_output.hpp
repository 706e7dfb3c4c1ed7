// Console output: text, lines and line ends, every line ended with CR LF.
// Each operation goes straight to the sink, so a prompt is visible before
// the program waits for its answer. It remembers whether the current line
// is unfinished, so the end of the run can complete it.
#pragma once

#include <string_view>

#include "platform/byte_stream.hpp"

namespace vesk_mg {

inline constexpr std::string_view line_end = "\r\n";

class console_output {
 public:
  explicit console_output(byte_sink& sink) : sink_(sink) {}

  void write_text(std::string_view text);
  void write_line(std::string_view text);
  void write_line_ends(int count);
  // Ends the current line if something stands on it unfinished.
  void complete_line();

 private:
  byte_sink& sink_;
  bool line_open_ = false;
};

}  // namespace vesk_mg
