#include "platform/system_error.hpp"

namespace vesk_mg {

std::string describe_system_error(std::string_view subject, std::int64_t code) {
  return std::string(subject) + ": " + system_reason(code);
}

}  // namespace vesk_mg
