#include "platform/named_error.hpp"

namespace vesk_mg {

named_error::named_error(std::string_view full_name, std::string_view message)
    : full_name_(full_name), message_(message) {}

}  // namespace vesk_mg
