#include "program/vesk_mg.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

#include "platform/errors.hpp"
#include "rosters/replaced_file.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/string_streams.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

TEST(end_of_run, reports_an_unhandled_error_after_completing_the_console_line) {
  const std::vector<std::pair<std::function<void()>, std::string>> failures{
      {[] { throw named_error("VESK_MG.GET_YEAR.GET_YEAR_ERROR", "vesk_mg:443"); },
       "\r\nraised VESK_MG.GET_YEAR.GET_YEAR_ERROR : vesk_mg:443\r\n"},
      {[] { throw std::bad_alloc(); }, "\r\nraised VESK_MG.OUT_OF_MEMORY_ERROR\r\n"},
      // A folder's name cannot clear the terminal that shows the report.
      {[] { throw file_name_error("Cannot write in x\x1B[2Jy: Permission denied"); },
       "\r\nraised VESK_MG.FILE_NAME_ERROR : Cannot write in x\\x1B[2Jy: Permission denied\r\n"},
  };
  for (const auto& [fail, report] : failures) {
    test_support::temp_folder folder;
    test_support::fake_clock clock;
    const test_support::script_result result = test_support::run_body("", clock, [&fail = fail](program_io& run) {
      const folder_handle here = hold_folder("");
      replaced_file file(here, "ministers_abc.csv");
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
