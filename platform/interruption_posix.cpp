#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <string>
#include <string_view>

#include "platform/end_of_run.hpp"
#include "platform/error_names.hpp"
#include "platform/interruption.hpp"

namespace vesk_mg {

namespace {

// The handler may use only what is safe in a signal: a fixed buffer, a
// flag, unlink and write.
std::array<char, 4096> pending_path{};
volatile std::sig_atomic_t armed = 0;

// The report lines are made before any signal can come.
struct report_line {
  int signal_number;
  std::string_view signal_name;
  std::array<char, 128> text;
  std::size_t length;
};
std::array<report_line, 3> report_lines{
    {{SIGINT, "SIGINT", {}, 0}, {SIGTERM, "SIGTERM", {}, 0}, {SIGHUP, "SIGHUP", {}, 0}}};

void prepare(report_line& line) {
  const std::string text = report_text(error_names::interrupted, line.signal_name);
  line.length = text.copy(line.text.data(), line.text.size());
}

extern "C" void on_interruption(int signal_number) {
  if (armed != 0) ::unlink(pending_path.data());
  for (const report_line& line : report_lines) {
    if (line.signal_number == signal_number) {
      [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.text.data(), line.length);
    }
  }
  // The handler was reset to the default as it was entered, and the signal
  // is not held back inside it: raising it again ends the process by it.
  ::raise(signal_number);
}

}  // namespace

void watch_for_interruptions() {
  struct sigaction action {};
  action.sa_handler = on_interruption;
  action.sa_flags = static_cast<int>(SA_RESETHAND | SA_NODEFER);
  sigemptyset(&action.sa_mask);
  for (report_line& line : report_lines) {
    prepare(line);
    ::sigaction(line.signal_number, &action, nullptr);
  }
}

void remove_on_interruption(const std::string& path) {
  armed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  if (path.size() >= pending_path.size()) return;  // too long to hold: left to the end of the run
  path.copy(pending_path.data(), path.size());
  pending_path[path.size()] = '\0';
  std::atomic_signal_fence(std::memory_order_seq_cst);
  armed = 1;
}

void remove_nothing_on_interruption() {
  armed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
}

}  // namespace vesk_mg
