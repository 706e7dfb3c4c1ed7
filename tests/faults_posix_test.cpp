// Faults only a POSIX system can stage here, most of them on the built
// program itself: a folder the user cannot write, a signal while the roster
// is written, a disk that fills part-way (a file size limit), a FIFO, a
// device or a link where the roster goes, standard input that does not
// block, a name file with a huge tail, and two runs racing for one name.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/answers.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/executable_run.hpp"
#include "tests/support/fields.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

const std::string session = test_support::answers{.line_end = "\r\n"}.text();
const std::string ten_names = test_support::numbered_names(10);

class faults_posix : public ::testing::Test {
 protected:
  test_support::temp_folder folder;
  test_support::fake_env clock;
};

TEST_F(faults_posix, a_folder_that_cannot_be_written_ends_the_run) {
  test_support::write_file("names.txt", ten_names);
  ::chmod(folder.path().c_str(), 0555);
  // Root writes anywhere, so the run happens as an ordinary user there.
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
    const test_support::script_result result = test_support::run_script(session, clock);
    const bool reported = result.err.rfind("\r\nraised VESK_MG.FILE_NAME_ERROR : ministers_abc.csv", 0) == 0;
    ::_exit(result.status == 1 && reported && result.out.find("DONE!") == std::string::npos ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::chmod(folder.path().c_str(), 0700);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_FALSE(std::filesystem::exists("ministers_abc.csv"));
}

TEST_F(faults_posix, a_device_is_not_a_name_file) {
  const test_support::script_result result =
      test_support::run_script(test_support::answers{.name_files = {"/dev/null"}, .first_id = ""}.text(), clock);
  EXPECT_NE(result.out.find("NOTE: Filename is case sensitive!: Invalid filename, try again: \r\n"), std::string::npos);
}

const std::string old_roster = "the roster of an earlier run\r\n";
// 309 ministers: long enough a run to be interrupted in the middle.
const std::string long_session = test_support::answers{.counts = {{1, 1, 1, 1, 1, 1, 1, 1, 1, 300}}}.text();

bool is_new_roster(const std::filesystem::path& file) {
  const std::vector<std::string> lines = test_support::lines_of(test_support::read_file(file));
  return !lines.empty() && lines[0].starts_with("ABC;Ruling Cabinet - Start;") && lines.back().ends_with(";;x");
}

// One run of the built program in a folder holding names.txt and the old
// roster in ministers_abc.csv, with a fault staged around it.
struct program_fault {
  const char* name;
  std::function<void()> stage;
  test_support::executable_options options;
  int exit_status;  // -1 when a signal ends it
  int signal;
  std::string report;           // how standard error begins
  std::string report_end;       // and what its first line ends with
  const char* roster;           // where the new roster is; nullptr when the old one stays
  std::function<void()> check;  // anything else to look at
  friend void PrintTo(const program_fault& c, std::ostream* os) { *os << c.name; }
};

class program_faults : public ::testing::TestWithParam<program_fault> {
 protected:
  test_support::temp_folder folder;
};

TEST_P(program_faults, never_harm_the_roster) {
  const program_fault& c = GetParam();
  test_support::write_file("names.txt", test_support::numbered_names(400));
  test_support::write_file("ministers_abc.csv", old_roster);
  if (c.stage) c.stage();
  const test_support::executable_result result = test_support::run_executable(VESK_MG_EXECUTABLE, c.options);
  EXPECT_EQ(result.exit_status, c.exit_status) << result.err;
  EXPECT_EQ(result.signal, c.signal);
  EXPECT_EQ(result.err.rfind(c.report, 0), 0U) << result.err;
  EXPECT_NE(result.err.find(c.report_end), std::string::npos) << result.err;
  EXPECT_EQ(result.out.find("DONE!") != std::string::npos, c.roster != nullptr) << result.out;
  if (c.roster == nullptr) {
    EXPECT_EQ(test_support::read_file("ministers_abc.csv"), old_roster);
  } else {
    EXPECT_TRUE(is_new_roster(c.roster)) << c.roster;
  }
  EXPECT_TRUE(test_support::no_temporary_file_in("."));
  if (c.check) c.check();
}

// A signal while the roster is written: the old roster stays.
program_fault interrupted(const char* name, int signal_number, const std::string& signal_name) {
  return {name, nullptr,       {long_session, -1, signal_number, false},
          -1,   signal_number, "\r\nraised VESK_MG.INTERRUPTED_ERROR : " + signal_name + "\r\n",
          "",   nullptr,       nullptr};
}

// A run of the short session that ends well, the new roster in `roster`.
program_fault succeeds(const char* name, const char* roster, std::function<void()> stage,
                       std::function<void()> check = nullptr, bool non_blocking = false) {
  return {name, std::move(stage), {session, -1, 0, non_blocking}, 0, 0, "", "", roster, std::move(check)};
}

INSTANTIATE_TEST_SUITE_P(
    rows, program_faults,
    ::testing::Values(interrupted("sigint_while_generating", SIGINT, "SIGINT"),
                      interrupted("sigterm_while_generating", SIGTERM, "SIGTERM"),
                      interrupted("sighup_while_generating", SIGHUP, "SIGHUP"),
                      // The roster meets the limit as it is written; the signal that sends is not fatal.
                      program_fault{"file_size_limit",
                                    nullptr,
                                    {session, 300, 0, false},
                                    1,
                                    0,
                                    "\r\nraised VESK_MG.FILE_WRITE_ERROR : .ministers_abc.csv.",
                                    ": File too large\r\n",
                                    nullptr,
                                    nullptr},
                      succeeds(
                          "fifo_at_the_name", "1ministers_abc.csv",
                          [] {
                            std::filesystem::remove("ministers_abc.csv");
                            ASSERT_EQ(::mkfifo("ministers_abc.csv", 0600), 0);
                          },
                          [] { EXPECT_TRUE(std::filesystem::is_fifo("ministers_abc.csv")); }),
                      succeeds("link_to_a_device_at_the_name", "1ministers_abc.csv",
                               [] {
                                 std::filesystem::remove("ministers_abc.csv");
                                 std::filesystem::create_symlink("/dev/null", "ministers_abc.csv");
                               }),
                      succeeds(
                          "link_to_a_roster_elsewhere", "mod/roster.csv",
                          [] {
                            std::filesystem::create_directory("mod");
                            test_support::write_file("mod/roster.csv", old_roster);
                            std::filesystem::permissions("mod/roster.csv", std::filesystem::perms(0640));
                            std::filesystem::remove("ministers_abc.csv");
                            std::filesystem::create_symlink("mod/roster.csv", "ministers_abc.csv");
                          },
                          [] {
                            EXPECT_TRUE(std::filesystem::is_symlink("ministers_abc.csv"));
                            EXPECT_EQ(std::filesystem::status("mod/roster.csv").permissions(),
                                      std::filesystem::perms(0640));
                            EXPECT_TRUE(test_support::no_temporary_file_in("mod"));
                          }),
                      succeeds("non_blocking_standard_input", "ministers_abc.csv", nullptr, nullptr, true),
                      // Counting stops at the ten names needed; the 100 GB tail is never read.
                      succeeds("name_file_with_a_huge_sparse_tail", "ministers_abc.csv",
                               [] {
                                 test_support::write_file("names.txt", ten_names);
                                 std::filesystem::resize_file("names.txt", std::uintmax_t{100} << 30);
                               })),
    [](const ::testing::TestParamInfo<program_fault>& param) { return std::string(param.param.name); });

TEST(program_race, two_runs_for_one_tag_leave_one_whole_roster) {
  test_support::temp_folder folder;
  test_support::write_file("names.txt", test_support::numbered_names(400));
  test_support::write_file("input.txt",
                           test_support::answers{.counts = {{1, 1, 1, 1, 1, 1, 1, 1, 1, 100}}, .first_id = "1"}.text());
  const std::string run = std::string("'") + VESK_MG_EXECUTABLE + "' < input.txt";
  const std::string both =
      "(" + run + " > out1.txt; echo $? > status1.txt) & (" + run + " > out2.txt; echo $? > status2.txt) & wait";
  ASSERT_EQ(std::system(both.c_str()), 0);
  for (const char* status : {"status1.txt", "status2.txt"}) EXPECT_EQ(test_support::read_file(status), "0\n");
  for (const char* out : {"out1.txt", "out2.txt"})
    EXPECT_NE(test_support::read_file(out).find("DONE!"), std::string::npos);
  const std::vector<std::string> lines = test_support::lines_of(test_support::read_file("ministers_abc.csv"));
  ASSERT_EQ(lines.size(), 1U + 10U + 1U + 99U);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(test_support::split(lines[i], ";").size(), 9U) << lines[i];
  }
  EXPECT_TRUE(test_support::no_temporary_file_in("."));
}

}  // namespace
}  // namespace vesk_mg
