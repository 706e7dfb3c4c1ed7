// The short complete session the fault tests run, and a name file that
// holds exactly the ten names it needs.
#pragma once

#include <string_view>

namespace vesk_mg::test_support {

inline constexpr std::string_view fault_session =
    "abc\r\nNS\r\nX\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\nnames.txt\r\n601\r\n";
inline constexpr std::string_view ten_names = "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\n";

}  // namespace vesk_mg::test_support
