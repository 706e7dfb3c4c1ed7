#include <windows.h>

#include <array>

#include "platform/console_window.hpp"

namespace vesk_mg {

console_facts this_console() {
  // A console made for this process alone lists only it; cmd, PowerShell
  // or a terminal that started it are attached too.
  std::array<DWORD, 2> processes{};
  const DWORD attached = ::GetConsoleProcessList(processes.data(), static_cast<DWORD>(processes.size()));
  DWORD mode = 0;
  return {attached == 1, ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0};
}

}  // namespace vesk_mg
