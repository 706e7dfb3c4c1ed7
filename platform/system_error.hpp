// The system's own words for a failure: the one place per platform where
// errno or GetLastError() becomes the text that a named error carries.
// Nothing here fails; a code the system has no text for is named by its
// number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk_mg {

// The reason alone: "No such file or directory", "Access is denied".
std::string system_reason(std::int64_t code);

// The reason with its subject in front: "names.txt: No such file or directory".
inline std::string describe_system_error(std::string_view subject, std::int64_t code) {
  return std::string(subject) + ": " + system_reason(code);
}

}  // namespace vesk_mg
