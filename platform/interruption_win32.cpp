#include <windows.h>

#include <array>
#include <atomic>
#include <string>

#include "platform/end_of_run.hpp"
#include "platform/error_names.hpp"
#include "platform/interruption.hpp"
#include "platform/text_encoding_win32.hpp"

namespace vesk_mg {

namespace {

// Windows calls the handler on a thread of its own: the path and the flag
// are set before the file exists and cleared after it has gone.
std::array<wchar_t, 32768> pending_path{};
std::atomic<bool> armed{false};

struct report_line {
  DWORD event;
  const char* what;
  std::string text;
};
std::array<report_line, 3> report_lines{{{CTRL_C_EVENT, "Ctrl+C", {}},
                                         {CTRL_BREAK_EVENT, "Ctrl+Break", {}},
                                         {CTRL_CLOSE_EVENT, "the console window closed", {}}}};

BOOL WINAPI on_console_event(DWORD event) {
  for (const report_line& line : report_lines) {
    if (line.event != event) continue;
    if (armed.load()) ::DeleteFileW(pending_path.data());
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), line.text.data(), static_cast<DWORD>(line.text.size()), &written,
                nullptr);
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
  }
  return FALSE;
}

}  // namespace

void watch_for_interruptions() {
  for (report_line& line : report_lines) {
    line.text = report_text(error_names::interrupted, line.what);
  }
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

}  // namespace vesk_mg
