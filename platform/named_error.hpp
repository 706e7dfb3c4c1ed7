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
  named_error(std::string_view full_name, std::string_view message) : full_name_(full_name), message_(message) {}

  [[nodiscard]] const std::string& full_name() const noexcept { return full_name_; }
  [[nodiscard]] const std::string& message() const noexcept { return message_; }
  [[nodiscard]] const char* what() const noexcept override { return full_name_.c_str(); }

 private:
  std::string full_name_;
  std::string message_;
};

// An error a caller handles by its kind: one type per full name.
template <const std::string_view& kind_name>
struct error_of_kind : named_error {
  explicit error_of_kind(std::string_view message) : named_error(kind_name, message) {}
};

// The platform's own errors. The message names the input or file concerned.
using end_of_input_error = error_of_kind<error_names::end_of_input>;
using number_format_error = error_of_kind<error_names::number_format>;
// The file (or its folder) does not exist, or the name cannot name a file.
using file_name_error = error_of_kind<error_names::file_name>;
// The file exists but cannot be opened as asked: a folder, no permission,
// a read-only file system, held by another program.
using file_use_error = error_of_kind<error_names::file_use>;
// Reading or writing an open file or the console failed (disk full, I/O error).
using file_read_error = error_of_kind<error_names::file_read>;
using file_write_error = error_of_kind<error_names::file_write>;
// A text file in an encoding the program cannot read (UTF-16).
using file_encoding_error = error_of_kind<error_names::file_encoding>;
// The clock read a local year outside 1901 to 2099.
using clock_range_error = error_of_kind<error_names::clock_range>;

}  // namespace vesk_mg
