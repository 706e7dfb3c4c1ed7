#include <windows.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "platform/file_handle.hpp"
#include "platform/interruption.hpp"
#include "platform/named_error.hpp"
#include "platform/standard_streams.hpp"
#include "platform/system_error.hpp"
#include "platform/text_encoding_win32.hpp"

namespace vesk_mg {

namespace {

// Typed at a console, input is read as the console's own UTF-16 and held
// as UTF-8, whatever the console's code page; piped or redirected, it is
// taken byte for byte.
class console_source final : public byte_source {
 public:
  explicit console_source(HANDLE input) : input_(input) {}

  std::size_t read_some(char* buffer, std::size_t capacity) override {
    while (!finished_ && typed_begin_ == typed_.size()) {
      std::array<wchar_t, 4096> wide{};
      std::size_t count = 0;
      if (held_surrogate_ != 0) wide[count++] = std::exchange(held_surrogate_, L'\0');
      DWORD got = 0;
      if (!::ReadConsoleW(input_, wide.data() + count, static_cast<DWORD>(wide.size() - count), &got, nullptr)) {
        throw file_read_error(describe_system_error("standard input", ::GetLastError()));
      }
      count += got;
      // Ctrl+Z and Enter is the end of input at a console.
      if (count == 0 || wide[0] == L'\x1A') {
        finished_ = true;
        break;
      }
      // Half of a character that is two UTF-16 units waits for its other half.
      if (IS_HIGH_SURROGATE(wide[count - 1])) held_surrogate_ = wide[--count];
      typed_ = utf8_from_wide({wide.data(), count});
      typed_begin_ = 0;
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
  wchar_t held_surrogate_ = L'\0';
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
  static file_handle piped = borrowed(STD_INPUT_HANDLE, "standard input");
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
