#include <windows.h>

#include "platform/system_error.hpp"

namespace vesk_mg {

std::string system_reason(std::int64_t code) {
  char text[512] = {};
  const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
  std::string_view reason(text, length);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == '.')) {
    reason.remove_suffix(1);
  }
  if (reason.empty()) return "Windows error " + std::to_string(code);
  return std::string(reason);
}

}  // namespace vesk_mg
