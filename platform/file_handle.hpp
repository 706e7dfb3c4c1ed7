// An open file of the operating system, the one place where the platform's
// error codes become the program's named errors. Opening tells a name that
// leads to no file (file_name_error) from a file that exists but cannot be
// opened as asked (file_use_error); failed reads and writes raise
// file_read_error and file_write_error with the file's name in the message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vesk_mg {

class file_handle {
 public:
  // Only a regular file can be read: a folder or a device is a file_use_error.
  static file_handle open_for_reading(std::string_view name);
  // Creates the file, or empties an existing one.
  static file_handle create_for_writing(std::string_view name);

  file_handle(file_handle&&) = delete;
  file_handle& operator=(file_handle&&) = delete;
  file_handle(const file_handle&) = delete;
  file_handle& operator=(const file_handle&) = delete;
  ~file_handle();

  std::size_t read_some(char* buffer, std::size_t capacity);
  void write_all(std::string_view bytes);
  void close();

  [[nodiscard]] const std::string& name() const noexcept { return name_; }

 private:
  file_handle(std::intptr_t native, std::string_view name) : native_(native), name_(name) {}

  static constexpr std::intptr_t closed = -1;
  std::intptr_t native_ = closed;
  std::string name_;
};

}  // namespace vesk_mg
