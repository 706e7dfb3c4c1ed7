#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <new>
#include <string>

#include "generation/roster_file.hpp"
#include "names/name_file.hpp"
#include "platform/errors.hpp"
#include "platform/text_decoding.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/raised.hpp"
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

// Found where the program was started, or else beside the program; on
// Windows also as Explorer gives a name: in double quotes, or without the
// ".txt" it hides.
TEST(name_file, is_found_as_the_user_names_it) {
  test_support::temp_folder folder;
  std::filesystem::create_directory("program");
  for (const char* file : {"names.txt", "program/names.txt", "program/beside.txt", "program/plain"}) {
    test_support::write_file(file, "a\n");
  }
  struct lookup_case {
    std::string typed;
    system_kind system;
    std::string found;
  };
  const std::vector<lookup_case> cases{
      {"names.txt", system_kind::posix, "names.txt"},
      {"beside.txt", system_kind::posix, "program/beside.txt"},
      {"./beside.txt", system_kind::posix, "./beside.txt"},
      {"\"names.txt\"", system_kind::posix, "\"names.txt\""},
      {"\"names.txt\"", system_kind::windows, "names.txt"},
      {"names", system_kind::windows, "names.txt"},
      {"\"beside\"", system_kind::windows, "program/beside.txt"},
      {"plain", system_kind::windows, "program/plain"},
      {"names", system_kind::posix, "names"},
      {".\\beside", system_kind::windows, ".\\beside"},
      {"c:beside", system_kind::windows, "c:beside"},
      {"\"names.txt", system_kind::windows, "\"names.txt"},
      {"", system_kind::windows, ""},
  };
  for (const lookup_case& c : cases) EXPECT_EQ(find_name_file(c.typed, "program/", c.system), c.found) << c.typed;
}

// A system's failure to open a file is sorted by its code, the same rules
// for each system's codes.
TEST(open_error, is_sorted_by_the_systems_code) {
  struct sorting_case {
    system_code code;
    system_kind system;
    bool no_file;  // a name that leads to no file, else a file that cannot be used
    bool taken;    // something stands where a new file was to be made
  };
  const std::vector<sorting_case> cases{
      {ENOENT, system_kind::posix, true, false},       {ENOTDIR, system_kind::posix, true, false},
      {ENAMETOOLONG, system_kind::posix, true, false}, {EACCES, system_kind::posix, false, false},
      {EISDIR, system_kind::posix, false, false},      {EEXIST, system_kind::posix, false, true},
      {2, system_kind::windows, true, false},          {3, system_kind::windows, true, false},
      {15, system_kind::windows, true, false},         {161, system_kind::windows, true, false},
      {206, system_kind::windows, true, false},        {123, system_kind::windows, true, false},
      {267, system_kind::windows, true, false},        {5, system_kind::windows, false, false},
      {32, system_kind::windows, false, false},        {80, system_kind::windows, false, true},
      {183, system_kind::windows, false, true},
  };
  for (const sorting_case& c : cases) {
    EXPECT_EQ(leads_to_no_file(c.code, c.system), c.no_file) << c.code;
    EXPECT_EQ(says_taken(c.code, c.system), c.taken) << c.code;
  }
}

// A write that fails gives the system's own reason, a full disk or a file
// open only for reading alike.
TEST(file_handle, a_failed_write_names_the_systems_reason) {
  test_support::temp_folder folder;
  test_support::write_file("names.txt", "a\n");
  file_handle file = open_for_reading("names.txt");
  const std::string reason = this_system == system_kind::windows ? "Access denied" : "Bad file descriptor";
  EXPECT_EQ(test_support::raised_by([&] { file.write_all("b"); }), "VESK_MG.FILE_WRITE_ERROR : names.txt: " + reason);
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
      const folder_handle here = hold_folder("");
      roster_file file(here, "out.csv");
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
      const folder_handle here = hold_folder("");
      roster_file file(here, "ministers_abc.csv");
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
