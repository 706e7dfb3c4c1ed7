// Named errors and the report that ends a run. Every failure the program raises
// carries its full name ("VESK_MG.GET_YEAR.GET_YEAR_ERROR": "VESK_MG.",
// the raising operation's name, a point and the error's) and a message
// ("vesk_mg:443"). A failure a caller handles by kind has a type of its
// own; whatever nothing handles ends the run with the report on standard
// error (an empty line, then "raised NAME : message") and status 1, and
// so does running out of memory. Writing the report never fails.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "platform/byte_channels.hpp"
#include "platform/env.hpp"

namespace vesk_mg {

namespace error_names {

// The platform's own: the console, the files, the clock, the memory.
inline constexpr std::string_view end_of_input = "VESK_MG.END_OF_INPUT_ERROR";
inline constexpr std::string_view number_format = "VESK_MG.NUMBER_FORMAT_ERROR";
inline constexpr std::string_view file_name = "VESK_MG.FILE_NAME_ERROR";
inline constexpr std::string_view file_use = "VESK_MG.FILE_USE_ERROR";
inline constexpr std::string_view file_read = "VESK_MG.FILE_READ_ERROR";
inline constexpr std::string_view file_write = "VESK_MG.FILE_WRITE_ERROR";
inline constexpr std::string_view file_encoding = "VESK_MG.FILE_ENCODING_ERROR";
inline constexpr std::string_view clock_range = "VESK_MG.CLOCK_RANGE_ERROR";
inline constexpr std::string_view out_of_memory = "VESK_MG.OUT_OF_MEMORY_ERROR";
// Ctrl+C, a termination signal, a hang-up or the console window closing.
inline constexpr std::string_view interrupted = "VESK_MG.INTERRUPTED_ERROR";

}  // namespace error_names

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

// The platform's own errors; the message names the input or file concerned.
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
using clock_range_error = error_of_kind<error_names::clock_range>;

inline constexpr int exit_normal = 0;
inline constexpr int exit_after_report = 1;

// "\r\nraised NAME : MESSAGE\r\n", without " : " when the message is empty,
// the message's control characters shown as paths are.
std::string report_text(std::string_view full_name, std::string_view message);
// Writes a report where it can; a console that fails leaves nowhere to tell it.
void write_report(byte_sink& standard_error, std::string_view report);

// "names.txt: No such file or directory": the system's words for a
// failure, with what failed.
std::string describe_system_error(std::string_view subject, system_code code);

// How a system's failure to open a file is sorted: a code that says the
// name leads to no file is file_name_error, any other file_use_error.
bool leads_to_no_file(system_code code, system_kind system = this_system);
// A code that says something stands where a new file was to be made.
bool says_taken(system_code code, system_kind system = this_system);

}  // namespace vesk_mg
