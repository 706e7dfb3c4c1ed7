#include <windows.h>

#include "platform/code_page.hpp"
#include "platform/text_encoding_win32.hpp"

namespace vesk_mg {

std::optional<std::string> in_code_page(std::string_view utf8, unsigned code_page) {
  if (utf8.empty()) return std::string();
  const std::wstring wide = widen(utf8, CP_UTF8);
  const int size = static_cast<int>(wide.size());
  // No best-fit substitute: a character the code page lacks is a failure.
  BOOL used_default = FALSE;
  const int length =
      ::WideCharToMultiByte(code_page, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &used_default);
  if (length <= 0 || used_default) return std::nullopt;
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(code_page, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace vesk_mg
