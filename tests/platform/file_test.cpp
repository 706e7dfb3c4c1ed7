#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/end_of_run.hpp"
#include "platform/named_error.hpp"
#include "platform/text_file.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

enum class outcome { opened, name_error, use_error };

outcome open_outcome(const std::string& name) {
  try {
    input_file file(name);
    return outcome::opened;
  } catch (const file_name_error&) {
    return outcome::name_error;
  } catch (const file_use_error&) {
    return outcome::use_error;
  }
}

TEST(input_file, tells_a_missing_file_from_one_that_cannot_be_read) {
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

TEST(output_file, completes_an_unfinished_last_line_when_closed) {
  test_support::temp_folder folder;
  const std::vector<std::pair<std::string, std::string>> cases{
      {"", "\r\n"},
      {"row", "row\r\n"},
      {"row\r\n", "row\r\n"},
      {std::string(200000, 'r'), std::string(200000, 'r') + "\r\n"}};
  for (const auto& [written, expected] : cases) {
    {
      output_file file("out.csv");
      file.write(written);
    }
    EXPECT_EQ(test_support::read_file("out.csv"), expected);
  }
}

TEST(end_of_run, reports_an_unhandled_error_after_completing_the_outputs) {
  test_support::temp_folder folder;
  test_support::fake_env clock;
  const test_support::script_result result = test_support::run_body("", clock, [](program_io& run) {
    output_file file("ministers_abc.csv");
    file.write("half a row");
    run.out.write_text("Generating ministers.");
    throw named_error("VESK_MG.GET_YEAR.GET_YEAR_ERROR", "vesk_mg:443");
  });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Generating ministers.\r\n");
  EXPECT_EQ(result.err, "\r\nraised VESK_MG.GET_YEAR.GET_YEAR_ERROR : vesk_mg:443\r\n");
  EXPECT_EQ(test_support::read_file("ministers_abc.csv"), "half a row\r\n");
}

TEST(end_of_run, leaves_out_an_empty_message) {
  string_sink err_sink;
  write_report(err_sink, named_error("VESK_MG.OUT_OF_MEMORY_ERROR", ""));
  EXPECT_EQ(err_sink.text(), "\r\nraised VESK_MG.OUT_OF_MEMORY_ERROR\r\n");
}

}  // namespace
}  // namespace vesk_mg
