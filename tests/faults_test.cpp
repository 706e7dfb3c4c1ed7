// Faults a user's machine really has: a name file that goes away or shrinks
// after it was counted, a clock far off, a name taken while the run goes
// on, and input that stops at any byte. Each ends the run with the report
// and status 1, never claims success, and never harms an earlier roster.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "dialogue/ask_questions.hpp"
#include "generation/generation_driver.hpp"
#include "program/vesk_mg.hpp"
#include "rosters/replaced_file.hpp"
#include "tests/support/answers.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/fields.hpp"
#include "tests/support/string_streams.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

const std::string session = test_support::answers{.line_end = "\r\n"}.text();
const std::string ten_names = test_support::numbered_names(10);

class faults : public ::testing::Test {
 protected:
  test_support::temp_folder folder;
  test_support::fake_clock clock;
};

const std::string old_roster = "the roster of an earlier run\r\n";

// A fault that strikes between the questions and the end of generation.
struct generation_fault {
  const char* name;
  std::function<void(test_support::fake_clock&)> strike;
  std::string report;  // how standard error begins
  friend void PrintTo(const generation_fault& c, std::ostream* os) { *os << c.name; }
};

class generation_faults : public faults, public ::testing::WithParamInterface<generation_fault> {};

TEST_P(generation_faults, end_the_run_and_leave_the_old_roster_as_it_was) {
  test_support::write_file("names.txt", ten_names);
  test_support::write_file("ministers_abc.csv", old_roster);
  const test_support::script_result result = test_support::run_body(session, clock, [&](program_io& io) {
    const roster_folders here = roster_folders_of({});
    const dialogue_answers answers = ask_questions(io, read_rosters(here), {}, {"", 1252});
    GetParam().strike(clock);
    write_roster(answers.request, answers.names, io, hold_folder(""), here);
  });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.rfind(GetParam().report, 0), 0U) << result.err;
  EXPECT_EQ(result.out.find("DONE!"), std::string::npos);
  EXPECT_EQ(test_support::read_file("ministers_abc.csv"), old_roster);
  EXPECT_TRUE(test_support::no_temporary_file_in("."));
}

INSTANTIATE_TEST_SUITE_P(
    rows, generation_faults,
    ::testing::Values(
        generation_fault{"name_file_gone", [](test_support::fake_clock&) { std::filesystem::remove("names.txt"); },
                         "\r\nraised VESK_MG.FILE_NAME_ERROR : names.txt"},
        generation_fault{
            "name_file_given_a_semicolon",
            [](test_support::fake_clock&) {
              test_support::write_file("names.txt", "A;B\n" + test_support::numbered_names(9));
            },
            "\r\nraised VESK_MG.MAIN.NAME_ENCODING_ERROR : names.txt: line 1 holds a ';', which would split "
            "the minister's row\r\n"},
        // Checked as plain ASCII, then swapped for UTF-8 names that the check would have converted.
        generation_fault{"name_file_changed_after_its_check",
                         [](test_support::fake_clock&) {
                           test_support::write_file("names.txt", "\xC5\x81ukasz\n" + test_support::numbered_names(9));
                         },
                         "\r\nraised VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR : names.txt changed after its names were "
                         "checked\r\n"},
        // The same bytes, split into other lines: "Name 1\nName 2" becomes "Name \n1Name 2".
        generation_fault{
            "name_file_split_into_other_lines",
            [](test_support::fake_clock&) { test_support::write_file("names.txt", "Name \n1" + ten_names.substr(7)); },
            "\r\nraised VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR : names.txt changed after its names were "
            "checked\r\n"},
        generation_fault{
            "name_file_shortened",
            [](test_support::fake_clock&) { test_support::write_file("names.txt", test_support::numbered_names(3)); },
            "\r\nraised VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR : names.txt changed after its names were checked\r\n"},
        // Past what 64-bit nanoseconds hold, and outside the years of the local calendar.
        generation_fault{"clock_after_2262", [](test_support::fake_clock& c) { c.wall_seconds = 9'300'000'000; },
                         "\r\nraised VESK_MG.CLOCK_RANGE_ERROR : "},
        generation_fault{"clock_in_2286", [](test_support::fake_clock& c) { c.wall_seconds = 10'000'000'000; },
                         "\r\nraised VESK_MG.CLOCK_RANGE_ERROR : local year 2286 is outside 1901 to 2099\r\n"},
        generation_fault{"clock_before_1678", [](test_support::fake_clock& c) { c.wall_seconds = -9'300'000'000; },
                         "\r\nraised VESK_MG.CLOCK_RANGE_ERROR : "},
        // So far ahead that the local year leaves 32 bits: two days into the year 2^31, in any zone.
        generation_fault{
            "clock_absurdly_far_ahead",
            [](test_support::fake_clock& c) { c.wall_seconds = 67'767'976'233'532'800 + 2 * std::int64_t{86'400}; },
            this_system == system_kind::posix
                ? "\r\nraised VESK_MG.CLOCK_RANGE_ERROR : local year 2147483648 is outside 1901 to 2099\r\n"
                : "\r\nraised VESK_MG.CLOCK_RANGE_ERROR : the clock's time has no local date\r\n"},
        generation_fault{"clock_in_2100", [](test_support::fake_clock& c) { c.wall_seconds = 4'102'617'600; },
                         "\r\nraised VESK_MG.CLOCK_RANGE_ERROR : local year 2100 is outside 1901 to 2099"}),
    [](const ::testing::TestParamInfo<generation_fault>& param) { return std::string(param.param.name); });

// Something happens to the folder while generation runs. Where the new
// roster cannot take its name, what is written is kept while it is there;
// a folder given that is moved still gets the roster, as it was checked.
struct late_fault {
  const char* name;
  std::function<void(const std::filesystem::path& folder)> strike;
  bool kept;
  std::string lands_in{};  // the folder the new roster stands in once the run succeeds; "" where it fails
};

TEST_F(faults, something_happens_to_the_folder_while_generating) {
  const std::vector<late_fault> cases{
      {"a folder takes the name",
       [](const std::filesystem::path&) {
         std::filesystem::remove("ministers_abc.csv");
         std::filesystem::create_directory("ministers_abc.csv");
       },
       true},
#ifndef _WIN32  // Windows removes no folder a program works in, and moves none it holds (wine does)
      {"the folder is removed", [](const std::filesystem::path& here) { std::filesystem::remove_all(here); }, false},
      {"the folder given is moved", [](const std::filesystem::path&) { std::filesystem::rename("mod", "moved"); },
       false, "moved"},
#endif
  };
  for (const late_fault& c : cases) {
    const test_support::temp_folder inner;
    test_support::fake_clock fresh_clock;
    test_support::write_file("names.txt", ten_names);
    test_support::write_file("ministers_abc.csv", old_roster);
    std::filesystem::create_directory("mod");
    fresh_clock.on_sleep = [&] {
      c.strike(inner.path());
      fresh_clock.on_sleep = nullptr;  // once; nothing of this function is used after
    };
    const std::vector<std::string> folders{"mod"};
    const test_support::script_result result =
        test_support::run_script(session, fresh_clock, c.lands_in.empty() ? std::span<const std::string>() : folders);
    if (!c.lands_in.empty()) {
      EXPECT_EQ(result.status, 0) << result.err;
      EXPECT_EQ(test_support::lines_of(test_support::read_file(c.lands_in + "/ministers_abc.csv")).size(), 12U);
      EXPECT_TRUE(test_support::no_temporary_file_in(c.lands_in));
      continue;
    }
    const std::string kept = temporary_name_beside("ministers_abc.csv");
    EXPECT_EQ(result.status, 1) << c.name;
    EXPECT_EQ(result.err.rfind("\r\nraised VESK_MG.FILE_WRITE_ERROR : ministers_abc.csv: ", 0), 0U) << result.err;
    EXPECT_EQ(result.err.find("; everything written is kept in " + kept + "\r\n") != std::string::npos, c.kept)
        << result.err;
    if (c.kept) {
      EXPECT_EQ(test_support::lines_of(test_support::read_file(kept)).size(), 12U);
    }
    EXPECT_GE(fresh_clock.slept_ms, 2000) << c.name;  // it tried again for about 2 s
  }
}

#ifndef _WIN32  // Windows moves no folder that a program holds
// The roster goes to the folder that was checked, wherever it has gone by the time the answers end.
TEST_F(faults, a_folder_given_and_moved_before_the_first_id_gets_the_roster) {
  test_support::write_file("names.txt", ten_names);
  std::filesystem::create_directory("mod");
  const std::vector<std::string> folders{"mod"};
  test_support::line_source input(session, [](std::string_view line) {
    if (line == "601\r\n") std::filesystem::rename("mod", "moved");
  });
  const test_support::script_result result = test_support::run_script(input, clock, folders);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(test_support::lines_of(test_support::read_file("moved/ministers_abc.csv")).size(), 12U);
  EXPECT_FALSE(std::filesystem::exists("mod"));
}
#endif

// A folder that takes no file is told before the first question, with the
// system's own reason as it ends its sentence, and no second point.
TEST_F(faults, a_folder_that_is_gone_is_told_before_a_question) {
  roster_folders gone;
  gone.folders = {{"gone"}};
  const test_support::script_result result = test_support::run_body(session, clock, [&](program_io& io) {
    vesk_mg(io, gone, {}, {"", 1252});
  });
  const std::string report = "\r\nraised VESK_MG.FILE_NAME_ERROR : Cannot write in ";
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.substr(0, report.size()), report);
  EXPECT_NE(result.err.find((folder.path() / "gone").string() + ": "), std::string::npos) << result.err;
  EXPECT_TRUE(result.err.ends_with("\r\n") && !result.err.ends_with(".\r\n")) << result.err;
}

TEST_F(faults, input_cut_off_at_any_byte_ends_by_itself) {
  test_support::write_file("names.txt", ten_names);
  int completed = 0;
  for (std::size_t length = 0; length <= session.size(); ++length) {
    test_support::fake_clock fresh_clock;
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
