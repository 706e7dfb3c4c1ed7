#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <string>

#include "generation/roster_file.hpp"
#include "names/name_file.hpp"
#include "platform/errors.hpp"
#include "platform/text_decoding.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/string_streams.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

enum class outcome { opened, name_error, use_error };

outcome open_outcome(const std::string& name) {
  try {
    name_file file(name);
    return outcome::opened;
  } catch (const file_name_error&) {
    return outcome::name_error;
  } catch (const file_use_error&) {
    return outcome::use_error;
  }
}

TEST(name_file, tells_a_missing_file_from_one_that_cannot_be_read) {
  test_support::temp_folder folder;
  test_support::write_file("names.txt", "a\n");
  std::filesystem::create_directory("folder");
  const std::vector<std::pair<std::string, outcome>> cases{
      {"names.txt", outcome::opened},
      {"missing.txt", outcome::name_error},
      {"", outcome::name_error},
      {std::string("names.txt\0x", 11), outcome::name_error},
      {"names.txt/inside", outcome::name_error},
      {"missing/inside", outcome::name_error},
      {std::string(5000, 'n'), outcome::name_error},
      {"folder", outcome::use_error},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(open_outcome(name), expected) << name.substr(0, 40);
}

TEST(roster_file, replaces_the_name_whole_on_commit_with_its_last_line_completed) {
  test_support::temp_folder folder;
  test_support::fake_env clock;
  struct replace_case {
    std::string written;
    bool committed;
    std::string expected;  // what the name holds after
  };
  const std::vector<replace_case> cases{
      {"", true, "\r\n"},
      {"row", true, "row\r\n"},
      {"row\r\n", true, "row\r\n"},
      {std::string(200000, 'r'), true, std::string(200000, 'r') + "\r\n"},
      {std::string(200000, 'u'), false, std::string(200000, 'r') + "\r\n"},  // never committed: as it was
  };
  for (const replace_case& c : cases) {
    {
      roster_file file("out.csv");
      file.write(c.written);
      if (c.committed) file.commit(clock);
    }
    EXPECT_EQ(test_support::read_file("out.csv"), c.expected);
    EXPECT_EQ(test_support::names_here(), std::vector<std::string>{"out.csv"});
  }
}

TEST(end_of_run, reports_an_unhandled_error_after_completing_the_console_line) {
  const std::vector<std::pair<std::function<void()>, std::string>> failures{
      {[] { throw named_error("VESK_MG.GET_YEAR.GET_YEAR_ERROR", "vesk_mg:443"); },
       "\r\nraised VESK_MG.GET_YEAR.GET_YEAR_ERROR : vesk_mg:443\r\n"},
      {[] { throw std::bad_alloc(); }, "\r\nraised VESK_MG.OUT_OF_MEMORY_ERROR\r\n"},
  };
  for (const auto& [fail, report] : failures) {
    test_support::temp_folder folder;
    test_support::fake_env clock;
    const test_support::script_result result = test_support::run_body("", clock, [&fail = fail](program_io& run) {
      roster_file file("ministers_abc.csv");
      file.write("half a row");
      run.out.write_text("Generating ministers.");
      fail();
    });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Generating ministers.\r\n");
    EXPECT_EQ(result.err, report);
    EXPECT_TRUE(test_support::names_here().empty());  // nothing of the unfinished file is left
  }
}

TEST(end_of_run, leaves_out_an_empty_message) {
  test_support::string_sink err_sink;
  write_report(err_sink, report_text("VESK_MG.OUT_OF_MEMORY_ERROR", ""));
  EXPECT_EQ(err_sink.text(), "\r\nraised VESK_MG.OUT_OF_MEMORY_ERROR\r\n");
}

}  // namespace
}  // namespace vesk_mg
