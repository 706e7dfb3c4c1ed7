// Text files as the program uses them: a name file read forward once, and
// the minister file written in one pass through a buffer. Writing raises
// file_write_error on the first failure; what reached the disk before it
// stays there. Closing completes an unfinished last line (and gives a file
// with nothing in it one line end), so a file always ends with CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/byte_stream.hpp"
#include "platform/file_handle.hpp"

namespace vesk_mg {

class input_file final : public byte_source {
 public:
  explicit input_file(std::string_view name) : handle_(file_handle::open_for_reading(name)) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override { return handle_.read_some(buffer, capacity); }
  [[nodiscard]] const std::string& name() const noexcept { return handle_.name(); }

 private:
  file_handle handle_;
};

class output_file {
 public:
  explicit output_file(std::string_view name);
  output_file(output_file&&) = delete;
  output_file& operator=(output_file&&) = delete;
  output_file(const output_file&) = delete;
  output_file& operator=(const output_file&) = delete;
  // Closes as close() does, but swallows a failure: only for unwinding.
  ~output_file();

  void write(std::string_view text);
  void new_line() { write("\r\n"); }
  // Hands everything buffered to the system; raises if it did not all go.
  void flush();
  void close();

  [[nodiscard]] const std::string& name() const noexcept { return handle_.name(); }

 private:
  static constexpr std::size_t buffer_size = 64 * 1024;

  file_handle handle_;
  std::string buffer_;
  bool anything_written_ = false;
  char last_byte_ = '\0';
  bool open_ = true;
  bool failed_ = false;
};

}  // namespace vesk_mg
