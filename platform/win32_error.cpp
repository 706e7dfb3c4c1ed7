#include "platform/win32_error.hpp"

#include <windows.h>

namespace vesk_mg {

std::string win32_reason(unsigned long code) {
  char text[512] = {};
  const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, sizeof text, nullptr);
  std::string_view reason(text, length);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == '.')) {
    reason.remove_suffix(1);
  }
  if (reason.empty()) return "Windows error " + std::to_string(code);
  return std::string(reason);
}

std::string describe_win32_error(std::string_view subject, unsigned long code) {
  return std::string(subject) + ": " + win32_reason(code);
}

}  // namespace vesk_mg
