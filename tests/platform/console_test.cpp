#include "platform/console.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/support/string_streams.hpp"

namespace vesk_mg {
namespace {

TEST(console_window, the_wait_ends_at_enter_or_the_end_of_input) {
  const std::array<std::pair<std::string, std::string>, 3> cases{{
      {"\r\n", ""},                     // Enter
      {"typed ahead\r\nnext", "next"},  // reads no further than the line end
      {"", ""},                         // the end of input
  }};
  for (const auto& [input, left] : cases) {
    test_support::string_source in(input);
    test_support::string_sink out;
    wait_for_enter(in, out);
    EXPECT_EQ(out.text(), "\r\nPress Enter to close this window.");
    std::string rest(16, '\0');
    rest.resize(in.read_some(rest.data(), rest.size()));
    EXPECT_EQ(rest, left);
  }
}

}  // namespace
}  // namespace vesk_mg
