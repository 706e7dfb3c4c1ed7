#include <windows.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "platform/interruption.hpp"
#include "platform/named_error.hpp"
#include "platform/standard_streams.hpp"
#include "platform/text_encoding_win32.hpp"
#include "platform/win32_error.hpp"

namespace vesk_mg {

namespace {

// The standard handles are used directly, below the C runtime, so no
// text-mode translation ever touches a line end in either direction.
// Typed at a console, input is read as the console's own UTF-16 and held
// as UTF-8, whatever the console's code page; piped or redirected, it is
// taken byte for byte.
class handle_source final : public byte_source {
 public:
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (::GetConsoleMode(input, &mode)) return read_console(input, buffer, capacity);
    const DWORD wanted = capacity > 0x10000 ? 0x10000 : static_cast<DWORD>(capacity);
    DWORD got = 0;
    if (!::ReadFile(input, buffer, wanted, &got, nullptr)) {
      const DWORD code = ::GetLastError();
      if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF) return 0;  // the writer has gone
      throw file_read_error(describe_win32_error("standard input", code));
    }
    return got;
  }

 private:
  std::size_t read_console(HANDLE input, char* buffer, std::size_t capacity) {
    while (!finished_ && typed_begin_ == typed_.size()) {
      std::array<wchar_t, 4096> wide{};
      std::size_t count = 0;
      if (held_surrogate_ != 0) wide[count++] = std::exchange(held_surrogate_, L'\0');
      DWORD got = 0;
      if (!::ReadConsoleW(input, wide.data() + count, static_cast<DWORD>(wide.size() - count), &got, nullptr)) {
        throw file_read_error(describe_win32_error("standard input", ::GetLastError()));
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

  std::string typed_;  // read from the console as UTF-8, not yet handed out
  std::size_t typed_begin_ = 0;
  wchar_t held_surrogate_ = L'\0';
  bool finished_ = false;
};

class handle_sink final : public byte_sink {
 public:
  handle_sink(DWORD which, std::string_view label) : which_(which), label_(label) {}
  void write_all(std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD wanted = bytes.size() > 0x10000 ? 0x10000 : static_cast<DWORD>(bytes.size());
      DWORD put = 0;
      if (!::WriteFile(::GetStdHandle(which_), bytes.data(), wanted, &put, nullptr) || put == 0) {
        throw file_write_error(describe_win32_error(label_, put == 0 ? ERROR_WRITE_FAULT : ::GetLastError()));
      }
      bytes.remove_prefix(put);
    }
  }

 private:
  DWORD which_;
  std::string_view label_;
};

}  // namespace

void start_platform() { watch_for_interruptions(); }

byte_source& standard_input() {
  static handle_source source;
  return source;
}

byte_sink& standard_output() {
  static handle_sink sink(STD_OUTPUT_HANDLE, "standard output");
  return sink;
}

byte_sink& standard_error() {
  static handle_sink sink(STD_ERROR_HANDLE, "standard error");
  return sink;
}

}  // namespace vesk_mg
