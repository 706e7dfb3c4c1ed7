#include "platform/win32_error.hpp"

#include <windows.h>

namespace vesk_mg {

std::string describe_win32_error(std::string_view subject, unsigned long code) {
  char text[512] = {};
  const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, sizeof text, nullptr);
  std::string described(subject);
  described += ": ";
  std::string_view reason(text, length);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == '.')) {
    reason.remove_suffix(1);
  }
  if (reason.empty()) {
    described += "Windows error " + std::to_string(code);
  } else {
    described += reason;
  }
  return described;
}

}  // namespace vesk_mg
