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
// flag, strings made before any signal can come, and the system's calls.
std::array<char, 4096> pending_path{};
volatile std::sig_atomic_t armed = 0;

struct handled_signal {
  int number;
  std::string_view name;
  std::string report;
};
std::array<handled_signal, 4> handled_signals{
    {{SIGINT, "SIGINT", {}}, {SIGTERM, "SIGTERM", {}}, {SIGHUP, "SIGHUP", {}}, {SIGQUIT, "SIGQUIT", {}}}};

sigset_t all_handled() {
  sigset_t set{};
  sigemptyset(&set);
  for (const handled_signal& handled : handled_signals) sigaddset(&set, handled.number);
  return set;
}

extern "C" void on_interruption(int signal_number) {
  // The handled signals are held off in here, so a second one cannot cut
  // the removal short.
  if (armed != 0) ::unlink(pending_path.data());
  for (const handled_signal& handled : handled_signals) {
    if (handled.number == signal_number) {
      [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, handled.report.data(), handled.report.size());
    }
  }
  // Ends the process by the signal itself, as a shell expects; PID 1 does
  // not die of a signal's default action and ends with its status instead.
  ::signal(signal_number, SIG_DFL);
  sigset_t just_this{};
  sigemptyset(&just_this);
  sigaddset(&just_this, signal_number);
  ::sigprocmask(SIG_UNBLOCK, &just_this, nullptr);
  ::raise(signal_number);
  ::_exit(128 + signal_number);
}

// Holds the handled signals off while it lives, unless kept to the end of the run.
class held_off {
 public:
  held_off() {
    const sigset_t handled = all_handled();
    ::sigprocmask(SIG_BLOCK, &handled, &previous_);
  }
  held_off(const held_off&) = delete;
  held_off& operator=(const held_off&) = delete;
  ~held_off() {
    if (!kept_) ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
  }
  void keep_to_the_end() { kept_ = true; }

 private:
  sigset_t previous_{};
  bool kept_ = false;
};

}  // namespace

void watch_for_interruptions() {
  struct sigaction action {};
  action.sa_handler = on_interruption;
  action.sa_mask = all_handled();
  for (handled_signal& handled : handled_signals) {
    handled.report = report_text(error_names::interrupted, handled.name);
    struct sigaction before {};
    // A signal ignored from the start (nohup, a background job) stays so.
    if (::sigaction(handled.number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(handled.number, &action, nullptr);
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

void hold_interruptions_during(const std::function<void()>& step) {
  const held_off held;
  step();
}

bool commit_uninterrupted(const std::function<bool()>& commit) {
  held_off held;
  if (!commit()) return false;
  held.keep_to_the_end();
  return true;
}

}  // namespace vesk_mg
