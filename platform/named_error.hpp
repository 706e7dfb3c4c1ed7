// Named errors: every failure the program raises carries its full name
// ("VESK_MG.GET_YEAR.GET_YEAR_ERROR") and a message ("vesk_mg:443").
// Failures that a caller handles by kind have a type of their own derived
// from named_error; whatever nothing handles reaches the end-of-run report,
// which prints the full name and the message.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "platform/error_names.hpp"

namespace vesk_mg {

class named_error : public std::exception {
 public:
  named_error(std::string_view full_name, std::string_view message);

  [[nodiscard]] const std::string& full_name() const noexcept { return full_name_; }
  [[nodiscard]] const std::string& message() const noexcept { return message_; }
  [[nodiscard]] const char* what() const noexcept override { return full_name_.c_str(); }

 private:
  std::string full_name_;
  std::string message_;
};

// The platform's own errors. The message names the input or file concerned.
struct end_of_input_error : named_error {
  explicit end_of_input_error(std::string_view message) : named_error(error_names::end_of_input, message) {}
};

struct number_format_error : named_error {
  explicit number_format_error(std::string_view message) : named_error(error_names::number_format, message) {}
};

// The file (or its folder) does not exist, or the name cannot name a file.
struct file_name_error : named_error {
  explicit file_name_error(std::string_view message) : named_error(error_names::file_name, message) {}
};

// The file exists but cannot be opened as asked: a folder, no permission,
// a read-only file system, held by another program.
struct file_use_error : named_error {
  explicit file_use_error(std::string_view message) : named_error(error_names::file_use, message) {}
};

// Reading or writing an open file or the console failed (disk full, I/O error).
struct file_read_error : named_error {
  explicit file_read_error(std::string_view message) : named_error(error_names::file_read, message) {}
};

struct file_write_error : named_error {
  explicit file_write_error(std::string_view message) : named_error(error_names::file_write, message) {}
};

// A text file in an encoding the program cannot read (UTF-16).
struct file_encoding_error : named_error {
  explicit file_encoding_error(std::string_view message) : named_error(error_names::file_encoding, message) {}
};

// The clock read a local year outside 1901 to 2099.
struct clock_range_error : named_error {
  explicit clock_range_error(std::string_view message) : named_error(error_names::clock_range, message) {}
};

}  // namespace vesk_mg
