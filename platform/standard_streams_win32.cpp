#include <windows.h>

#include "platform/interruption.hpp"
#include "platform/named_error.hpp"
#include "platform/standard_streams.hpp"
#include "platform/win32_error.hpp"

namespace vesk_mg {

namespace {

// The standard handles are used directly, below the C runtime, so no
// text-mode translation ever touches a line end in either direction.
class handle_source final : public byte_source {
 public:
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    const DWORD wanted = capacity > 0x10000 ? 0x10000 : static_cast<DWORD>(capacity);
    DWORD got = 0;
    if (!::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), buffer, wanted, &got, nullptr)) {
      const DWORD code = ::GetLastError();
      if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF) return 0;  // the writer has gone
      throw file_read_error(describe_win32_error("standard input", code));
    }
    return got;
  }
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
