#include "platform/text_encoding_win32.hpp"

#include <windows.h>

#include "platform/utf8.hpp"

namespace vesk_mg {

std::wstring widen(std::string_view text, unsigned code_page) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::wstring wide_file_name(std::string_view name) { return widen(name, is_valid_utf8(name) ? CP_UTF8 : CP_ACP); }

}  // namespace vesk_mg
