// The text Windows gives for one of its error codes, for the messages of
// the named errors raised at the Windows edge.
#pragma once

#include <string>
#include <string_view>

namespace vesk_mg {

// The reason alone ("Access is denied"), and with its subject in front
// ("ministers_abc.csv: Access is denied").
std::string win32_reason(unsigned long code);
std::string describe_win32_error(std::string_view subject, unsigned long code);

}  // namespace vesk_mg
