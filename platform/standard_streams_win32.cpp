#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/file_handle.hpp"
#include "platform/interruption.hpp"
#include "platform/named_error.hpp"
#include "platform/standard_streams.hpp"
#include "platform/system_error.hpp"
#include "platform/unmarked_text.hpp"
#include "platform/utf8.hpp"

namespace vesk_mg {

namespace {

// Typed at a console, input is read as the console's own UTF-16 and held
// as UTF-8, whatever the console's code page.
class console_source final : public byte_source {
 public:
  explicit console_source(HANDLE input) : input_(input) {}

  std::size_t read_some(char* buffer, std::size_t capacity) override {
    while (!finished_ && typed_begin_ == typed_.size()) {
      std::array<wchar_t, 4096> wide{};
      DWORD got = 0;
      if (!::ReadConsoleW(input_, wide.data(), static_cast<DWORD>(wide.size()), &got, nullptr)) {
        throw file_read_error(describe_system_error("standard input", ::GetLastError()));
      }
      // Ctrl+Z and Enter is the end of input at a console.
      if (got == 0 || wide[0] == L'\x1A') {
        finished_ = true;
        break;
      }
      typed_.clear();
      typed_begin_ = 0;
      for (DWORD i = 0; i < got; ++i) decoder_.add(static_cast<char16_t>(wide[i]), typed_);
    }
    const std::size_t length = std::min(capacity, typed_.size() - typed_begin_);
    std::copy_n(typed_.data() + typed_begin_, length, buffer);
    typed_begin_ += length;
    return length;
  }

 private:
  HANDLE input_;
  std::string typed_;  // read from the console as UTF-8, not yet handed out
  std::size_t typed_begin_ = 0;
  utf16_decoder decoder_;  // half of a character that is two UTF-16 units waits for its other half
  bool finished_ = false;
};

// The standard handles are used directly, below the C runtime, so no
// text-mode translation ever touches a line end in either direction.
file_handle borrowed(DWORD which, std::string_view label) {
  return file_handle::borrow(reinterpret_cast<std::intptr_t>(::GetStdHandle(which)), label);
}

}  // namespace

void start_platform() { watch_for_interruptions(); }

byte_source& standard_input() {
  static file_handle handle = borrowed(STD_INPUT_HANDLE, "standard input");
  static unmarked_text piped(handle, "standard input", unmarked_text::utf16::read);
  static console_source typed(::GetStdHandle(STD_INPUT_HANDLE));
  DWORD mode = 0;
  static const bool console = ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
  if (console) return typed;
  return piped;
}

byte_sink& standard_output() {
  static file_handle output = borrowed(STD_OUTPUT_HANDLE, "standard output");
  return output;
}

byte_sink& standard_error() {
  static file_handle error = borrowed(STD_ERROR_HANDLE, "standard error");
  return error;
}

}  // namespace vesk_mg
