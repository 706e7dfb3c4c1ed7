// The console as a run uses it. Output goes straight to the sink, so a
// prompt is visible before the program waits for its answer; every line
// ends with CR LF, and an unfinished line is remembered so the end of the
// run can complete it. A console window of the program's own waits for
// Enter before it closes. program_io is everything a run works through.
// Writing raises what the sink raises; the wait raises nothing.
#pragma once

#include <string_view>

#include "platform/byte_channels.hpp"
#include "platform/run_clock.hpp"
#include "platform/text_input.hpp"

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

// Writes "Press Enter to close this window." and reads until a line end
// or the end of the input; a console that fails ends the wait too.
void wait_for_enter(byte_source& input, byte_sink& output);

struct program_io {
  text_input& in;
  console_output& out;
  run_clock& clock;
};

}  // namespace vesk_mg
