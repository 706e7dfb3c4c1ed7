// The text Windows gives for one of its error codes, for the messages of
// the named errors raised at the Windows edge.
#pragma once

#include <string>
#include <string_view>

namespace vesk_mg {

std::string describe_win32_error(std::string_view subject, unsigned long code);

}  // namespace vesk_mg
