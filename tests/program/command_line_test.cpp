#include "program/command_line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/string_streams.hpp"

namespace vesk_mg {
namespace {

struct command_line_case {
  std::vector<std::string_view> arguments;
  std::optional<int> status;  // nothing: the dialogue runs
  bool usage_out;             // the usage on standard output
  bool usage_err;             // the usage on standard error
  std::string out;            // the rest of standard output, when no usage
};

TEST(command_line, answers_help_and_version_and_refuses_the_rest) {
  const std::vector<command_line_case> cases{
      {{}, std::nullopt, false, false, ""}, {{"--version"}, 0, false, false, "vesk_mg " VESK_MG_VERSION "\r\n"},
      {{"--help"}, 0, true, false, ""},     {{"--frobnicate"}, 2, false, true, ""},
      {{"names.txt"}, 2, false, true, ""},  {{"--help", "--version"}, 2, false, true, ""},
      {{""}, 2, false, true, ""},
  };
  for (const command_line_case& c : cases) {
    test_support::string_sink out;
    test_support::string_sink err;
    EXPECT_EQ(answer_command_line(c.arguments, out, err), c.status) << c.arguments.size();
    const bool usage_out = out.text().starts_with("Usage: vesk_mg [--help | --version]\r\n");
    EXPECT_EQ(usage_out, c.usage_out);
    EXPECT_EQ(err.text().starts_with("Usage: vesk_mg [--help | --version]\r\n"), c.usage_err);
    if (!usage_out) {
      EXPECT_EQ(out.text(), c.out);
    }
    if (!c.usage_err) {
      EXPECT_EQ(err.text(), "");
    }
  }
}

TEST(command_line, usage_says_what_is_asked_written_and_how_to_pipe_answers) {
  test_support::string_sink out;
  test_support::string_sink err;
  const std::string_view help[] = {"--help"};
  ASSERT_EQ(answer_command_line(help, out, err), 0);
  for (const char* part : {"tag", "alignments", "positions", "one minister name per line", "first ID",
                           "ministers_<tag>.csv", "vesk_mg < answers.txt"}) {
    EXPECT_NE(out.text().find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace vesk_mg
