#include "platform/text_input.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/errors.hpp"
#include "tests/support/string_streams.hpp"

namespace vesk_mg {
namespace {

// Runs a sequence of reads and records each result: "L4" reads a line into
// 4 characters, "W" a whole line, "S" discards the rest of a line, "I"
// reads an integer, "E" asks for the end of the file. Errors show as
// <end> and <number>.
std::string transcript(const std::string& input, const std::string& operations) {
  test_support::string_source source(input);
  text_input in(source, "test input");
  std::istringstream ops(operations);
  std::string result;
  std::string op;
  while (ops >> op) {
    try {
      if (op[0] == 'L') {
        result += "[" + in.read_line(std::stoul(op.substr(1))) + "]";
      } else if (op == "W") {
        result += "[" + in.read_line(whole_line) + "]";
      } else if (op == "S") {
        in.skip_line();
        result += "S";
      } else if (op == "I") {
        result += "(" + std::to_string(in.read_integer()) + ")";
      } else if (op == "E") {
        result += in.at_end_of_file() ? "E" : "e";
      }
    } catch (const end_of_input_error& error) {
      EXPECT_EQ(error.message(), "test input");
      result += "<end>";
    } catch (const number_format_error&) {
      result += "<number>";
    }
  }
  return result;
}

struct read_case {
  std::string input;
  const char* operations;
  const char* expected;
  friend void PrintTo(const read_case& c, std::ostream* os) { *os << c.operations << " on " << c.input.substr(0, 20); }
};

class text_input_reads : public ::testing::TestWithParam<read_case> {};

TEST_P(text_input_reads, behave_as_the_dialogue_relies_on) {
  const read_case& c = GetParam();
  EXPECT_EQ(transcript(c.input, c.operations), c.expected) << "input: " << c.input;
}

INSTANTIATE_TEST_SUITE_P(
    lines, text_input_reads,
    ::testing::Values(
        // A full buffer leaves the line end pending; a short line consumes it.
        read_case{"NSPA\nX\n", "L4 L4 L4", "[NSPA][][X]"}, read_case{"ABCDNS\n", "L4 L4 L4", "[ABCD][NS]<end>"},
        read_case{"GERMANY\r\nnext\r\n", "L3 S W", "[GER]S[next]"}, read_case{"ab\nnext\n", "L3 W", "[ab][next]"},
        read_case{"\n\n", "L4 L4 L4", "[][]<end>"}, read_case{"", "L4 W S", "<end><end><end>"},
        // CR LF and LF end a line; a lone CR is an ordinary character.
        read_case{"a\rb\r\nc", "W W W", "[a\rb][c]<end>"}, read_case{"last line", "W S", "[last line]<end>"},
        read_case{"x\r", "W", "[x\r]"}, read_case{"trailing text", "S S", "S<end>"},
        read_case{std::string(100000, 'n') + "\nz", "L3 S W", "[nnn]S[z]"}));

INSTANTIATE_TEST_SUITE_P(
    integers, text_input_reads,
    ::testing::Values(read_case{"  \t\n\r\n 42 apples\n", "I W", "(42)[ apples]"},
                      read_case{"-5\n+7\n", "I I", "(-5)(7)"}, read_case{"12abc\n", "I W", "(12)[abc]"},
                      read_case{"X\n", "I W", "<number>[X]"}, read_case{"-X\n", "I W", "<number>[X]"},
                      read_case{"- 5\n", "I W", "<number>[ 5]"},
                      read_case{"2147483647 -2147483648\n", "I I", "(2147483647)(-2147483648)"},
                      read_case{"2147483648\n", "I W", "<number>[]"},
                      read_case{"-2147483649 1\n", "I I", "<number>(1)"},
                      read_case{"99999999999999999999999999 3\n", "I I", "<number>(3)"},
                      // Plain decimal only: exponents, bases and underscores stop the number.
                      read_case{"1E2\n", "I W", "(1)[E2]"}, read_case{"16#FF#\n", "I W", "(16)[#FF#]"},
                      read_case{"1_000\n", "I W", "(1)[_000]"}, read_case{"\n\n   \n", "I", "<end>"},
                      read_case{"601", "I I", "(601)<end>"}, read_case{"\rX", "I", "<number>"}));

INSTANTIATE_TEST_SUITE_P(end_of_file, text_input_reads,
                         ::testing::Values(read_case{"", "E", "E"}, read_case{"\n", "E", "E"},
                                           read_case{"\r\n", "E", "E"}, read_case{"\n\n", "E S E", "eSE"},
                                           read_case{"a", "E S E", "eSE"}, read_case{"a\n", "E S E", "eSE"},
                                           read_case{"a\n\n", "E S E", "eSE"}));

}  // namespace
}  // namespace vesk_mg
