#include "dialogue/get_jobs.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/vesk_mg.hpp"
#include "tests/support/answers.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/requests.hpp"
#include "tests/support/string_streams.hpp"

namespace vesk_mg {
namespace {

using test_support::count_prompts;

const std::string aborted = "Input aborted, try again: \r\n";
const std::string ones = "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n";

struct jobs_case {
  const char* name;
  std::string input;
  bool first;  // the ruling cabinet's
  std::int32_t total_before;
  std::string transcript;
  test_support::job_counts counts{};
  std::int32_t total = 0;  // the new total; the status is 1 where nothing is returned
  int status = 0;
  friend void PrintTo(const jobs_case& c, std::ostream* os) { *os << c.name; }
};

class get_jobs_asked : public ::testing::TestWithParam<jobs_case> {};

TEST_P(get_jobs_asked, ten_counts_into_the_total) {
  const jobs_case& c = GetParam();
  test_support::fake_clock clock;
  alignment_jobs jobs{true, false, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}};
  std::int32_t total = -1;
  const test_support::script_result result = test_support::run_body(
      c.input, clock, [&](program_io& io) { total = get_jobs(io, jobs, c.total_before, c.first); });
  EXPECT_EQ(result.out, c.transcript + (c.status == 0 ? "\r\n" : ""));  // the run ends the last prompt
  EXPECT_EQ(result.status, c.status) << result.err;
  if (c.status != 0) return;
  EXPECT_EQ(total, c.total);
  EXPECT_EQ(jobs.counts, c.counts);
  EXPECT_TRUE(jobs.entered);
}

INSTANTIATE_TEST_SUITE_P(
    rows, get_jobs_asked,
    ::testing::Values(
        jobs_case{"the_ruling_cabinet",
                  "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n",
                  true,
                  5,
                  count_prompts(),
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                  60},
        jobs_case{"the_ruling_cabinet_needs_one_of_each",
                  "0\n-1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n",
                  true,
                  0,
                  count_prompts(0, 0) + "The ruling cabinet requires at least one minister of each type.\r\n?: " +
                      "The ruling cabinet requires at least one minister of each type.\r\n?: " + count_prompts(1),
                  {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                  10},
        jobs_case{
            "another_alignment_may_have_none", "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n", false, 10, count_prompts(), {}, 10},
        jobs_case{"but_never_fewer",
                  "-1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n2\n",
                  false,
                  10,
                  count_prompts(0, 0) + "The number of ministers cannot be negative.\r\n?: " + count_prompts(1),
                  {0, 0, 0, 0, 0, 0, 0, 0, 0, 2},
                  12},
        // X, or anything but a number, starts the ten counts over from nothing.
        jobs_case{"x_starts_over",
                  "1\n1\nX\n" + ones,
                  true,
                  0,
                  count_prompts(0, 2) + aborted + count_prompts(),
                  {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                  10},
        jobs_case{"x_at_the_minimum_prompt_starts_over",
                  "0\nX\n" + ones,
                  true,
                  0,
                  count_prompts(0, 0) + "The ruling cabinet requires at least one minister of each type.\r\n?: " +
                      aborted + count_prompts(),
                  {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                  10},
        jobs_case{"the_rest_of_a_line_is_passed_over",
                  "3 apples\n\n\n1\n1\n1\n1\n1\n1\n1\n1\n1\n",
                  true,
                  0,
                  count_prompts(),
                  {3, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                  12},
        // Counts up to the top of 32 bits are taken; one more starts over.
        jobs_case{"a_total_at_the_top_of_32_bits",
                  "2147483637\n0\n0\n0\n0\n0\n0\n0\n0\n0\n",
                  false,
                  10,
                  count_prompts(),
                  {2147483637, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                  2147483647},
        jobs_case{"a_total_past_32_bits_starts_over",
                  "0\n2147483638\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n",
                  false,
                  10,
                  count_prompts(0, 1) + aborted + count_prompts(),
                  {},
                  10},
        jobs_case{"the_end_of_the_input",
                  "1\n1\n",
                  true,
                  0,
                  count_prompts(0, 2) + "An unknown error occurred, try again: \r\n",
                  {},
                  0,
                  1}),
    [](const ::testing::TestParamInfo<jobs_case>& param) { return std::string(param.param.name); });

// A console that fails to take a prompt is no typo: the run ends with its report.
TEST(get_jobs, a_failed_write_ends_the_run) {
  test_support::fake_clock clock;
  test_support::string_source input(ones);
  test_support::flaky_sink console(3);  // the second prompt
  test_support::string_sink errors;
  alignment_jobs jobs;
  const int status = run_program(input, console, errors, clock, [&](program_io& io) { get_jobs(io, jobs, 0, true); });
  EXPECT_EQ(status, 1);
  EXPECT_EQ(errors.text(), "\r\nraised VESK_MG.FILE_WRITE_ERROR : standard output: Input/output error\r\n");
  EXPECT_EQ(console.text(), count_prompts(0, 0) + "\r\n");
}

}  // namespace
}  // namespace vesk_mg
