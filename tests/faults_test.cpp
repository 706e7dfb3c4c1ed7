// Faults a user's machine really has: a name file that goes away or shrinks
// after it was counted, and input that stops at any byte. Each ends the run with the
// report and status 1, keeping what was written, and never claims success.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dialogue/ask_questions.hpp"
#include "generation/generation_driver.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/fault_session.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

const std::string session(test_support::fault_session);
const std::string ten_names(test_support::ten_names);

class faults : public ::testing::Test {
 protected:
  test_support::temp_folder folder;
  test_support::fake_env clock;
};

TEST_F(faults, a_name_file_gone_after_counting_ends_the_run) {
  test_support::write_file("names.txt", ten_names);
  const test_support::script_result result = test_support::run_body(session, clock, [](program_io& io) {
    const generation_request request = ask_questions(io);
    std::filesystem::remove("names.txt");
    vesk_mg::main(request, io);
  });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.rfind("\r\nraised VESK_MG.FILE_NAME_ERROR : names.txt", 0), 0U) << result.err;
  EXPECT_EQ(result.out.find("DONE!"), std::string::npos);
}

TEST_F(faults, a_name_file_shortened_after_counting_keeps_the_rows_so_far) {
  test_support::write_file("names.txt", ten_names);
  const test_support::script_result result = test_support::run_body(session, clock, [](program_io& io) {
    const generation_request request = ask_questions(io);
    test_support::write_file("names.txt", "A\nB\nC\n");
    vesk_mg::main(request, io);
  });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "\r\nraised VESK_MG.END_OF_INPUT_ERROR : names.txt\r\n");
  const std::string file = test_support::read_file("ministers_abc.csv");
  EXPECT_NE(file.find("603;Foreign Minister;C;NA;NS;"), std::string::npos);
  const std::string last_rows = "\r\n604;Minister of Armament;\r\n";
  EXPECT_EQ(file.substr(file.size() - last_rows.size()), last_rows);
}

TEST_F(faults, input_cut_off_at_any_byte_ends_by_itself) {
  test_support::write_file("names.txt", ten_names);
  int completed = 0;
  for (std::size_t length = 0; length <= session.size(); ++length) {
    test_support::fake_env fresh_clock;
    const test_support::script_result result = test_support::run_script(session.substr(0, length), fresh_clock);
    if (result.status == 0) {
      ++completed;
      EXPECT_NE(result.out.find("DONE!"), std::string::npos) << length;
      EXPECT_EQ(result.err, "");
    } else {
      EXPECT_EQ(result.status, 1) << length;
      EXPECT_EQ(result.err, "\r\nraised VESK_MG.END_OF_INPUT_ERROR : standard input\r\n") << length;
      EXPECT_EQ(result.out.find("DONE!"), std::string::npos) << length;
    }
  }
  // Only a cut inside or after the first ID's line leaves all the run needs:
  // "6", "60", "601", "601\r" and "601\r\n".
  EXPECT_EQ(completed, 5);
}

}  // namespace
}  // namespace vesk_mg
