#include <cstring>

#include "platform/system_error.hpp"

namespace vesk_mg {

std::string system_reason(std::int64_t code) { return std::strerror(static_cast<int>(code)); }

}  // namespace vesk_mg
