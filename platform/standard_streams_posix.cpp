#include <unistd.h>

#include <csignal>

#include "platform/file_handle.hpp"
#include "platform/interruption.hpp"
#include "platform/standard_streams.hpp"
#include "platform/unmarked_text.hpp"

namespace vesk_mg {

void start_platform() {
  // A closed pipe on the far side, or a file grown past the size limit,
  // becomes a write failure that is reported, instead of a signal that
  // ends the process silently.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  watch_for_interruptions();
}

byte_source& standard_input() {
  static file_handle typed = file_handle::borrow(STDIN_FILENO, "standard input");
  static unmarked_text piped(typed, "standard input", unmarked_text::utf16::read);
  static const bool terminal = ::isatty(STDIN_FILENO) == 1;
  if (terminal) return typed;
  return piped;
}

byte_sink& standard_output() {
  static file_handle output = file_handle::borrow(STDOUT_FILENO, "standard output");
  return output;
}

byte_sink& standard_error() {
  static file_handle error = file_handle::borrow(STDERR_FILENO, "standard error");
  return error;
}

}  // namespace vesk_mg
