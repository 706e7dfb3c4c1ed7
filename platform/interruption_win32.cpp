#include <windows.h>

#include <array>
#include <atomic>
#include <mutex>
#include <string>

#include "platform/end_of_run.hpp"
#include "platform/error_names.hpp"
#include "platform/interruption.hpp"
#include "platform/text_encoding_win32.hpp"

namespace vesk_mg {

namespace {

// Windows calls the handler on a thread of its own. The lock keeps it out
// while the temporary file is made or renamed; the path and the flags are
// set before the file exists and cleared after it has gone.
std::mutex disk_step;
std::array<wchar_t, 32768> pending_path{};
std::atomic<bool> armed{false};
std::atomic<bool> committed{false};

struct handled_event {
  DWORD event;
  const char* what;
  std::string report;
};
std::array<handled_event, 3> handled_events{{{CTRL_C_EVENT, "Ctrl+C", {}},
                                             {CTRL_BREAK_EVENT, "Ctrl+Break", {}},
                                             {CTRL_CLOSE_EVENT, "the console window closed", {}}}};

BOOL WINAPI on_console_event(DWORD event) {
  for (const handled_event& handled : handled_events) {
    if (handled.event != event) continue;
    const std::lock_guard lock(disk_step);
    if (committed.load()) ::ExitProcess(0);  // the roster has its name: the run did what it promised
    if (armed.load()) ::DeleteFileW(pending_path.data());
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), handled.report.data(), static_cast<DWORD>(handled.report.size()),
                &written, nullptr);
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
  }
  return FALSE;
}

}  // namespace

void watch_for_interruptions() {
  for (handled_event& handled : handled_events) handled.report = report_text(error_names::interrupted, handled.what);
  ::SetConsoleCtrlHandler(on_console_event, TRUE);
}

void remove_on_interruption(const std::string& path) {
  armed.store(false);
  const std::wstring wide = wide_file_name(path);
  if (wide.size() >= pending_path.size()) return;
  wide.copy(pending_path.data(), wide.size());
  pending_path[wide.size()] = L'\0';
  armed.store(true);
}

void remove_nothing_on_interruption() { armed.store(false); }

void hold_interruptions_during(const std::function<void()>& step) {
  const std::lock_guard lock(disk_step);
  step();
}

bool commit_uninterrupted(const std::function<bool()>& commit) {
  const std::lock_guard lock(disk_step);
  committed.store(commit());
  return committed.load();
}

}  // namespace vesk_mg
