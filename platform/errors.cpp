#include "platform/errors.hpp"

#include <algorithm>
#include <array>
#include <cerrno>

#include "platform/paths.hpp"

namespace vesk_mg {

namespace {

// The codes that say a name leads to no file. On Windows:
// ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_INVALID_DRIVE,
// ERROR_INVALID_NAME, ERROR_BAD_PATHNAME, ERROR_FILENAME_EXCED_RANGE and
// ERROR_DIRECTORY (a folder part that is a file).
constexpr std::array<system_code, 3> posix_no_file{ENOENT, ENOTDIR, ENAMETOOLONG};
constexpr std::array<system_code, 7> windows_no_file{2, 3, 15, 123, 161, 206, 267};

}  // namespace

std::string report_text(std::string_view full_name, std::string_view message) {
  std::string text = "\r\nraised ";
  text += full_name;
  // A message names files, and a file's name may hold control characters.
  if (!message.empty()) text.append(" : ").append(shown(message));
  return text + "\r\n";
}

void write_report(byte_sink& standard_error, std::string_view report) {
  try {
    standard_error.write_all(report);
  } catch (const named_error&) {  // nowhere left to tell it
  }
}

std::string describe_system_error(std::string_view subject, system_code code) {
  return std::string(subject) + ": " + system_reason(code);
}

bool leads_to_no_file(system_code code, system_kind system) {
  return system == system_kind::windows ? std::ranges::count(windows_no_file, code) != 0
                                        : std::ranges::count(posix_no_file, code) != 0;
}

// ERROR_FILE_EXISTS and ERROR_ALREADY_EXISTS on Windows.
bool says_taken(system_code code, system_kind system) {
  return system == system_kind::windows ? code == 80 || code == 183 : code == EEXIST;
}

}  // namespace vesk_mg
