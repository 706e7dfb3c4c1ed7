// Faults only a POSIX system can stage here, most of them on the built
// program itself: a folder the user cannot write, signals while the roster
// is written or once it has its name, a disk that fills part-way (a file
// size limit), a FIFO, a device or a link where the roster goes, a file
// kept at the temporary name, answers files with a byte-order mark,
// standard input that does not block, standard output that fails, a name
// file with a huge tail, and two runs racing for one name.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/errors.hpp"
#include "rosters/replaced_file.hpp"
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
  test_support::fake_clock clock;
};

// A folder that takes no file, keeps every file made in it, or is gone:
// the run ends before a question, with a report that names the folder.
struct unwritable_folder {
  const char* name;
  const char* stage;
  std::string report;
  std::vector<std::string> folders{};  // given on the command line
  bool needs_root = false;             // the stage takes a privilege only root has
  friend void PrintTo(const unwritable_folder& c, std::ostream* os) { *os << c.name; }
};

class unwritable_folders : public ::testing::TestWithParam<unwritable_folder> {
 protected:
  test_support::temp_folder folder;
  test_support::fake_clock clock;
};

TEST_P(unwritable_folders, end_the_run_before_a_question) {
  const unwritable_folder& c = GetParam();
  const std::string here = std::filesystem::current_path().string();
  if (std::system(c.stage) != 0) {
    ASSERT_TRUE(c.needs_root && ::geteuid() != 0) << c.stage;
    GTEST_SKIP() << "'" << c.stage << "' takes a privilege only root has";
  }
  const bool held = test_support::holds_apart(
      [&] {
        const test_support::script_result result = test_support::run_script(session, clock, c.folders);
        std::string expected = "\r\nraised VESK_MG." + c.report + "\r\n";
        for (const auto& [mark, value] :
             {std::pair<std::string, std::string>{"<here>", here}, {"<pid>", std::to_string(::getpid())}}) {
          if (const std::size_t at = expected.find(mark); at != std::string::npos)
            expected.replace(at, mark.size(), value);
        }
        return result.status == 1 && result.err == expected && result.out.empty();
      },
      std::string_view(c.stage).find("chmod") != std::string_view::npos);
  std::filesystem::create_directories(here);
  std::filesystem::current_path(here);
  [[maybe_unused]] const int undone = std::system("chattr -a . 2>/dev/null; chmod 755 . given 2>/dev/null");
  EXPECT_TRUE(held);
}

INSTANTIATE_TEST_SUITE_P(
    rows, unwritable_folders,
    ::testing::Values(
        unwritable_folder{"closed_to_writing", "chmod 555 .",
                          "FILE_NAME_ERROR : Cannot write in <here>: Permission denied"},
        unwritable_folder{"append_only",
                          "chattr +a . 2>/dev/null",
                          "FILE_WRITE_ERROR : Cannot remove .vesk_mg_checks_this_folder.<pid>.tmp from <here>"
                          ": Operation not permitted",
                          {},
                          true},
        unwritable_folder{"gone", "rmdir \"$PWD\"",
                          "FILE_NAME_ERROR : Cannot write in the folder the program was started in: No such file or "
                          "directory"},
        // The folder given is checked, not the one the program was started in.
        unwritable_folder{"a_folder_given",
                          "mkdir given && chmod 555 given",
                          "FILE_NAME_ERROR : Cannot write in <here>/given: Permission denied",
                          {"given"}}),
    [](const ::testing::TestParamInfo<unwritable_folder>& param) { return std::string(param.param.name); });

const std::string old_roster = "the roster of an earlier run\r\n";
#ifdef __SANITIZE_ADDRESS__
constexpr bool sanitized = true;  // AddressSanitizer reserves far more address space than any limit here
#else
constexpr bool sanitized = false;
#endif
// 309 ministers: long enough a run to be interrupted in the middle.
const std::string long_session = test_support::answers{.counts = {{1, 1, 1, 1, 1, 1, 1, 1, 1, 300}}}.text();

bool is_new_roster(const std::filesystem::path& file) {
  const std::vector<std::string> lines = test_support::lines_of(test_support::read_file(file));
  return !lines.empty() && lines[0].starts_with("ABC;Ruling Cabinet - Start;") && lines.back().ends_with(";;x");
}

// How many bytes a run on `input` writes to the console before `marker`.
std::size_t console_before(const std::string& input, const std::string& marker) {
  const test_support::temp_folder scratch;
  test_support::write_file("names.txt", test_support::numbered_names(400));
  test_support::fake_clock clock;
  const std::string out = test_support::run_script(input, clock).out;
  // A run that never shows the marker must fail at once, not wait for it.
  if (out.find(marker) == std::string::npos) throw std::runtime_error("the console never shows " + marker);
  return out.find(marker);
}

// One run of the built program in a folder holding names.txt and the old
// roster in ministers_abc.csv, with a fault staged around it. Options with
// no input run the short session; a hold stops the run where the console
// shows `held_at`: by default just before its closing lines, once the
// roster has its name.
struct program_fault {
  const char* name;
  test_support::executable_options options{};
  int ended = 0;                             // the exit status, or minus the signal that ended the run
  std::string report{};                      // all that standard error shows
  const char* roster = "ministers_abc.csv";  // where the new roster is; nullptr when the old one stays
  bool closing_lines_cut = false;            // ended with status 0 before "DONE!" showed
  const char* program = VESK_MG_EXECUTABLE;  // the program's file
  const char* held_at = "\r\n\r\nDONE!";
  std::string out_end{};  // how standard output ends, where a run ends well: by default the closing line of `roster`
  std::function<void()> stage{};
  std::function<void()> check{};  // anything else to look at
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
  if (c.options.as_pid_1 && std::system("unshare -fp --kill-child true > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "this machine makes no PID namespace";
  }
  if (c.options.as_nobody && ::geteuid() == 0 && !test_support::nobody_can_enter(".")) {
    GTEST_SKIP() << "the user nobody cannot enter the folder the test works in";
  }
  if (c.stage) c.stage();
  test_support::executable_options options = c.options;
  if (options.input.empty() && options.arguments.empty()) options.input = session;
  if (options.hold) options.hold->room = console_before(options.input, c.held_at);
  const test_support::executable_result result = test_support::run_executable(c.program, options);
  EXPECT_EQ(result.exit_status, c.ended >= 0 ? c.ended : -1) << result.err;
  EXPECT_EQ(result.signal, c.ended < 0 ? -c.ended : 0);
  EXPECT_EQ(result.err, test_support::as_shown(c.report, std::filesystem::current_path()));
  EXPECT_EQ(result.out.find("DONE!") != std::string::npos, c.ended == 0 && !c.closing_lines_cut) << result.out;
  if (c.ended == 0 && !c.closing_lines_cut) {
    const std::string closing =
        c.out_end.empty() ? "Your ministers are in the file called " + std::string(c.roster) + "\r\n" : c.out_end;
    EXPECT_TRUE(result.out.ends_with(closing)) << result.out;
  }
  if (c.roster == nullptr) {
    EXPECT_EQ(test_support::read_file("ministers_abc.csv"), old_roster);
  } else {
    EXPECT_TRUE(is_new_roster(c.roster)) << c.roster;
  }
  if (c.check) c.check();
  EXPECT_TRUE(test_support::no_temporary_file_in("."));
}

// A signal while the roster is written: the old roster stays, and the
// process ends by the signal, or with 128 + the signal as PID 1.
program_fault interrupted(const char* name, int signal, const std::string& signal_name,
                          test_support::executable_options options = {}) {
  options.input = long_session;
  options.signal_while_generating = signal;
  const int ended = options.as_pid_1 ? 128 + signal : -signal;
  return {name, options, ended, "\r\nraised VESK_MG.INTERRUPTED_ERROR : " + signal_name + "\r\n", nullptr};
}

// The run held once the roster has its name, and then struck.
test_support::executable_options held_and(int signal) {
  return {.hold = test_support::output_hold{0, [] { return is_new_roster("ministers_abc.csv"); }, signal}};
}

const std::string long_name = std::string(246, 'l') + ".csv";  // 250 bytes, near the 255 a folder takes

// The call probe preloaded, with `variable` set (sanitizers let it come first).
std::vector<std::string> with_probe(const std::string& variable) {
  const char* asan = std::getenv("ASAN_OPTIONS");
  return {"LD_PRELOAD=" VESK_MG_CALL_PROBE, variable,
          std::string("ASAN_OPTIONS=verify_asan_link_order=0:") + (asan != nullptr ? asan : "")};
}

program_fault fchmod_fails(const char* name, int error, const std::string& reason) {
  return {.name = name,
          .options = {.environment = with_probe("VESK_MG_FAIL_FCHMOD=" + std::to_string(error))},
          .ended = 1,
          .report = "\r\nraised VESK_MG.FILE_WRITE_ERROR : ministers_abc.csv: " + reason + "\r\n",
          .roster = nullptr,
          .stage = [] { std::filesystem::permissions("ministers_abc.csv", std::filesystem::perms(0640)); }};
}

program_fault plain_renames_only(const char* name, bool mod_has_a_list) {
  return {.name = name,
          .options = {.input = session,
                      .arguments = {"game/Mods/MyMod"},
                      .environment = with_probe("VESK_MG_PLAIN_RENAMES_ONLY=1")},
          .roster = "game/Mods/MyMod/db/ministers/ministers_abc.csv",
          // Lists are named whole; a list made names the one it was made from.
          .out_end = mod_has_a_list ? "/game/Mods/MyMod/db/ministers.txt.\r\n" : "/game/db/ministers.txt.\r\n",
          .stage =
              [mod_has_a_list] {
                std::filesystem::create_directories("game/db/ministers");
                std::filesystem::create_directories("game/Mods/MyMod/db/ministers");
                test_support::write_file(mod_has_a_list ? "game/Mods/MyMod/db/ministers.txt" : "game/db/ministers.txt",
                                         "ministers_ger.csv\n");
              },
          .check =
              [] {
                EXPECT_EQ(test_support::read_file("game/Mods/MyMod/db/ministers.txt"),
                          "ministers_ger.csv\nministers_abc.csv\n");
                EXPECT_TRUE(test_support::no_temporary_file_in("game/Mods/MyMod/db"));
              }};
}

// Run as nobody after `shell` has shut `what` to others: refused before the banner.
program_fault refused_to_nobody(const char* name, std::vector<std::string> arguments, const std::string& what,
                                const std::string& shell) {
  return {.name = name,
          .options = {.arguments = std::move(arguments), .as_nobody = true},
          .ended = 2,
          .report = "Cannot read " + what + ": Permission denied\r\n",
          .roster = nullptr,
          .stage = [shell] { ASSERT_EQ(std::system(shell.c_str()), 0); }};
}

// 4,070 bytes of folders, each name 200 bytes long.
const std::string deep_folder = [] {
  std::string path;
  while (path.size() + 201 <= 4070) path += (path.empty() ? "" : "/") + std::string(200, 'd');
  return path + "/" + std::string(4070 - path.size() - 1, 'e');
}();
const std::string deep_roster = deep_folder + "/ministers_abc.csv";

INSTANTIATE_TEST_SUITE_P(
    rows, program_faults,
    ::testing::Values(
        interrupted("sigint_while_generating", SIGINT, "SIGINT"),
        interrupted("sigterm_while_generating", SIGTERM, "SIGTERM"),
        interrupted("sighup_while_generating", SIGHUP, "SIGHUP"),
        interrupted("sigquit_while_generating", SIGQUIT, "SIGQUIT"),
        // The second cannot cut the first one's removal of the temporary file short.
        interrupted("sigint_twice_while_generating", SIGINT, "SIGINT", {.signals_sent = 2}),
        interrupted("sigint_to_pid_1", SIGINT, "SIGINT", {.as_pid_1 = true}),
        // As under nohup or in a shell's background job.
        program_fault{"sigint_ignored_from_the_start",
                      {.input = long_session, .signal_while_generating = SIGINT, .ignored_at_start = SIGINT}},
        // Ends at once, though the console takes no more.
        program_fault{.name = "sigint_after_the_rename_with_the_console_blocked",
                      .options = held_and(SIGINT),
                      .closing_lines_cut = true},
        // Nothing reads the console, standard error included, while the roster is written.
        program_fault{
            .name = "sigint_while_generating_with_the_console_blocked",
            .options = {.input = long_session,
                        .errors_to_output = true,
                        .hold = test_support::output_hold{0, [] { return !test_support::no_temporary_file_in("."); },
                                                          SIGINT}},
            .ended = -SIGINT,
            .roster = nullptr,
            .held_at = ".........."},
        program_fault{"output_closed_after_the_rename", held_and(0), 1,
                      "\r\nraised VESK_MG.FILE_WRITE_ERROR : standard output: Broken pipe; the ministers are in "
                      "ministers_abc.csv\r\n"},
        program_fault{"end_of_input",
                      {.input = "abc\n"},
                      1,
                      "\r\nraised VESK_MG.END_OF_INPUT_ERROR : standard input\r\n",
                      nullptr},
        program_fault{"help_to_a_full_device",
                      {.arguments = {"--help"}, .output_path = "/dev/full"},
                      1,
                      "\r\nraised VESK_MG.FILE_WRITE_ERROR : standard output: No space left on device\r\n",
                      nullptr},
        program_fault{"utf8_answers_file", {.input = "\xEF\xBB\xBF" + session}},
        program_fault{"utf16_answers_file", {.input = test_support::in_utf16(session)}},
        // A file an earlier run of the same process number kept for the user.
        program_fault{.name = "a_file_kept_at_the_temporary_name",
                      .options = {.before_input =
                                      [](pid_t program) {
                                        test_support::write_file(
                                            ".ministers_abc.csv." + std::to_string(program) + ".tmp", "kept\r\n");
                                      }},
                      .check =
                          [] {
                            const std::vector<std::string> names = test_support::names_here();
                            ASSERT_EQ(names.size(), 3U);
                            EXPECT_EQ(test_support::read_file(names[0]), "kept\r\n");
                            std::filesystem::remove(names[0]);
                          }},
        program_fault{.name = "a_roster_of_another_owner_keeps_its_owner",
                      .stage = [] { [[maybe_unused]] const int as_root = ::chown("ministers_abc.csv", 65534, 65534); },
                      .check =
                          [] {
                            struct stat status {};
                            ASSERT_EQ(::stat("ministers_abc.csv", &status), 0);
                            EXPECT_EQ(status.st_uid, ::geteuid() == 0 ? 65534U : ::geteuid());
                            EXPECT_EQ(status.st_gid, ::geteuid() == 0 ? 65534U : ::getegid());
                          }},
        // The roster meets the limit as it is written; the signal that sends is not fatal.
        program_fault{"file_size_limit",
                      {.file_size_limit = 300},
                      1,
                      "\r\nraised VESK_MG.FILE_WRITE_ERROR : ministers_abc.csv: File too large\r\n",
                      nullptr},
        program_fault{.name = "fifo_at_the_name",
                      .roster = "1ministers_abc.csv",
                      .stage =
                          [] {
                            std::filesystem::remove("ministers_abc.csv");
                            ASSERT_EQ(::mkfifo("ministers_abc.csv", 0600), 0);
                          },
                      .check = [] { EXPECT_TRUE(std::filesystem::is_fifo("ministers_abc.csv")); }},
        program_fault{.name = "link_to_a_device_at_the_name",
                      .roster = "1ministers_abc.csv",
                      .stage =
                          [] {
                            std::filesystem::remove("ministers_abc.csv");
                            std::filesystem::create_symlink("/dev/null", "ministers_abc.csv");
                          }},
        program_fault{.name = "link_to_a_roster_elsewhere",
                      .roster = "mod/roster.csv",
                      .out_end = "called ministers_abc.csv\r\n",
                      .stage =
                          [] {
                            std::filesystem::create_directory("mod");
                            test_support::write_file("mod/roster.csv", old_roster);
                            std::filesystem::permissions("mod/roster.csv", std::filesystem::perms(0666));
                            std::filesystem::remove("ministers_abc.csv");
                            std::filesystem::create_symlink("mod/roster.csv", "ministers_abc.csv");
                          },
                      .check =
                          [] {
                            EXPECT_TRUE(std::filesystem::is_symlink("ministers_abc.csv"));
                            EXPECT_EQ(std::filesystem::status("mod/roster.csv").permissions(),
                                      std::filesystem::perms(0666));
                            EXPECT_TRUE(test_support::no_temporary_file_in("mod"));
                          }},
        // A link in a folder given leads from that folder, never from the one the program was started in.
        program_fault{.name = "a_link_in_a_folder_given",
                      .options = {.input = session, .arguments = {"mod"}},
                      .roster = "mod/roster.csv",
                      .out_end = "called mod/ministers_abc.csv\r\n",
                      .stage =
                          [] {
                            std::filesystem::create_directory("mod");
                            test_support::write_file("mod/roster.csv", old_roster);
                            test_support::write_file("roster.csv", old_roster);
                            std::filesystem::create_symlink("roster.csv", "mod/ministers_abc.csv");
                          },
                      .check =
                          [] {
                            EXPECT_TRUE(std::filesystem::is_symlink("mod/ministers_abc.csv"));
                            EXPECT_EQ(test_support::read_file("roster.csv"), old_roster);
                            EXPECT_EQ(test_support::read_file("ministers_abc.csv"), old_roster);
                            EXPECT_TRUE(test_support::no_temporary_file_in("mod"));
                          }},
        // The roster leads to a name so long that no temporary name beside it may hold it whole.
        program_fault{.name = "link_to_a_long_name",
                      .roster = long_name.c_str(),
                      .out_end = "called ministers_abc.csv\r\n",
                      .stage =
                          [] {
                            test_support::write_file(long_name, old_roster);
                            std::filesystem::remove("ministers_abc.csv");
                            std::filesystem::create_symlink(long_name, "ministers_abc.csv");
                          }},
        // A link that leads nowhere is no file to replace, and stays as it is.
        program_fault{.name = "dangling_link_at_the_name",
                      .roster = "1ministers_abc.csv",
                      .stage =
                          [] {
                            std::filesystem::remove("ministers_abc.csv");
                            std::filesystem::create_symlink("nowhere.csv", "ministers_abc.csv");
                          },
                      .check =
                          [] {
                            EXPECT_TRUE(std::filesystem::is_symlink("ministers_abc.csv"));
                            EXPECT_FALSE(std::filesystem::exists("nowhere.csv"));
                          }},
        // The leading dot of the temporary name counts too: a name one byte
        // too long for it to fit beside takes the program's own.
        program_fault{.name = "link_to_a_name_just_too_long_for_its_temporary_name",
                      .options = {.before_input =
                                      [](pid_t program) {
                                        const std::string ending = "." + std::to_string(program) + ".tmp";
                                        const std::string name(255 - ending.size(), 'l');
                                        test_support::write_file(name, old_roster);
                                        std::filesystem::remove("ministers_abc.csv");
                                        std::filesystem::create_symlink(name, "ministers_abc.csv");
                                      }}},
        // The new roster reaches the disk before it takes the name, and the rename after.
        program_fault{
            .name = "synced_before_its_rename_and_its_folder_after",
            .options = {.environment = with_probe("VESK_MG_CALL_LOG=syncs.log")},
            .check = [] { EXPECT_EQ(test_support::read_file("syncs.log"), "fsync file\nrename\nfsync folder\n"); }},
        // The new file cannot be given the old roster's mode: the report, and nothing left behind.
        fchmod_fails("fchmod_fails_with_eio", EIO, "Input/output error"),
        fchmod_fails("fchmod_fails_with_eperm", EPERM, "Operation not permitted"),
        fchmod_fails("fchmod_fails_with_enospc", ENOSPC, "No space left on device"),
        // A folder path near PATH_MAX: every name the run makes in it is found from the folder itself.
        program_fault{.name = "a_folder_of_4070_bytes",
                      .options = {.input = session, .arguments = {deep_folder}},
                      .roster = deep_roster.c_str(),
                      .out_end = "called " + deep_roster + "\r\n",
                      .stage = [] { std::filesystem::create_directories(deep_folder); }},
        program_fault{"non_blocking_standard_input", {.input = session, .non_blocking_input = true}},
        // A folder that cannot be read is told as one that is not there, before the banner.
        refused_to_nobody("a_folder_that_cannot_be_listed", {"locked"}, "the folder locked",
                          "mkdir locked && chmod 311 locked"),
        refused_to_nobody("a_first_folder_that_takes_files_but_cannot_be_listed", {"drop", "."}, "the folder drop",
                          "mkdir drop && chmod 333 drop"),
        refused_to_nobody("a_folder_whose_parent_cannot_be_searched", {"shut/in"}, "the folder shut/in",
                          "mkdir -p shut/in && chmod 600 shut"),
        // Every folder that must be searched is searched or refused, and so is a list that cannot be read.
        refused_to_nobody("a_mods_db_that_cannot_be_listed", {"game/Mods/MyMod"}, "the folder game/Mods/MyMod/db",
                          "mkdir -p game/db/ministers game/Mods/MyMod/db/ministers && chmod 311 game/Mods/MyMod/db"),
        refused_to_nobody("the_games_db_that_cannot_be_listed", {"game/Mods/MyMod"}, "the folder <here>/game/db",
                          "mkdir -p game/db/ministers game/Mods/MyMod/db/ministers && chmod 311 game/db"),
        refused_to_nobody(
            "a_list_that_cannot_be_read", {"game"}, "the roster list <here>/game/db/ministers.txt",
            "mkdir -p game/db/ministers && touch game/db/ministers.txt && chmod 000 game/db/ministers.txt"),
        // Interrupted before the roster stands, a run leaves every list as it was.
        program_fault{
            .name = "interrupted_in_a_mod_leaves_the_lists",
            .options = {.input = long_session, .signal_while_generating = SIGINT, .arguments = {"game/Mods/MyMod"}},
            .ended = -SIGINT,
            .report = "\r\nraised VESK_MG.INTERRUPTED_ERROR : SIGINT\r\n",
            .roster = nullptr,
            .stage =
                [] {
                  std::filesystem::create_directories("game/db/ministers");
                  std::filesystem::create_directories("game/Mods/MyMod/db/ministers");
                  test_support::write_file("game/db/ministers.txt", "ministers_ger.csv\n");
                },
            .check =
                [] {
                  EXPECT_EQ(test_support::read_file("game/db/ministers.txt"), "ministers_ger.csv\n");
                  EXPECT_FALSE(std::filesystem::exists("game/Mods/MyMod/db/ministers.txt"));
                  EXPECT_TRUE(std::filesystem::is_empty("game/Mods/MyMod/db/ministers"));
                }},
        // On a file system that can neither swap nor refuse in a rename, a
        // mod's list is still made, or added to, whole, with nothing left beside it.
        plain_renames_only("a_mods_list_made_where_renames_cannot_refuse", false),
        plain_renames_only("a_mods_list_added_to_where_renames_cannot_swap", true),
        // The roster goes to the folder given, and the name file is found beside the program.
        program_fault{.name = "a_folder_given_and_the_names_beside_the_program",
                      .options = {.input = session,
                                  .arguments = {"m\xC3\xB8"
                                                "d"}},
                      .roster = "m\xC3\xB8"
                                "d/ministers_abc.csv",
                      .program = "program/vesk_mg",
                      .out_end = "called m\xC3\xB8"
                                 "d/ministers_abc.csv\r\n",
                      .stage =
                          [] {
                            std::filesystem::create_directory(
                                "m\xC3\xB8"
                                "d");
                            std::filesystem::create_directory("program");
                            std::filesystem::copy_file(VESK_MG_EXECUTABLE, "program/vesk_mg");
                            std::filesystem::rename("names.txt", "program/names.txt");
                          },
                      .check = [] { EXPECT_EQ(test_support::read_file("ministers_abc.csv"), old_roster); }},
        // A first line of 2 GiB is no name: it is refused by its number without being kept, in
        // 1.5 GiB of address space (but where AddressSanitizer needs far more), and the dialogue goes on.
        program_fault{
            .name = "a_name_line_of_2_gib",
            .options = {.input = test_support::answers{.name_files = {"huge.txt", "names.txt"}}.text(),
                        .memory_limit = sanitized ? -1 : 1536L << 20},
            .stage =
                [] {
                  test_support::write_file("huge.txt", "");
                  std::filesystem::resize_file("huge.txt", std::uintmax_t{2} << 30);
                  std::ofstream("huge.txt", std::ios::app) << "\n" << test_support::numbered_names(9, "\n", 1000);
                },
            .check =
                [] { EXPECT_EQ(test_support::read_file("ministers_abc.csv").find("Name 1000"), std::string::npos); }},
        // Counting stops at the ten names needed; the 100 GB tail is never read.
        program_fault{.name = "name_file_with_a_huge_sparse_tail",
                      .stage =
                          [] {
                            test_support::write_file("names.txt", ten_names);
                            std::filesystem::resize_file("names.txt", std::uintmax_t{100} << 30);
                          }}),
    [](const ::testing::TestParamInfo<program_fault>& param) { return std::string(param.param.name); });

// A failure after which the temporary file cannot be removed, whatever the
// reason, names the file that stays in its report.
TEST(program_leftovers, a_temporary_file_that_stays_is_named) {
  const test_support::temp_folder folder;
  std::filesystem::permissions(".", std::filesystem::perms::all);
  EXPECT_TRUE(test_support::holds_apart(
      [] {
        test_support::write_file("names.txt", test_support::numbered_names(10));
        std::filesystem::create_directory("mod");
        test_support::fake_clock clock;
        // The folder closes to changes, and the clock fails, as the roster is written.
        clock.on_sleep = [&] {
          std::filesystem::permissions("mod", std::filesystem::perms(0555));
          throw clock_range_error("the clock's time has no local date");
        };
        const std::vector<std::string> folders{"mod"};
        const test_support::script_result result = test_support::run_script(session, clock, folders);
        const std::string left = "mod/" + temporary_name_beside("ministers_abc.csv");
        std::filesystem::permissions("mod", std::filesystem::perms::owner_all);
        return result.status == 1 && std::filesystem::exists(left) &&
               result.err ==
                   "\r\nraised VESK_MG.CLOCK_RANGE_ERROR : the clock's time has no local date; the unfinished "
                   "file " +
                       left + " could not be removed: Permission denied\r\n";
      },
      true));
}

// A mod deeper than the system names a path whole: the folders above it,
// where its game would be, cannot be searched, and the run says so.
TEST(program_depth, a_mod_too_deep_to_look_above_is_refused) {
  const test_support::temp_folder folder;
  const std::string name(200, 'd');
  for (std::string whole = folder.path().string(); whole.size() <= 4096 + name.size(); whole += "/" + name) {
    std::filesystem::create_directory(name);
    std::filesystem::current_path(name);
  }
  std::filesystem::create_directories("mod/db/ministers");
  const test_support::executable_result result =
      test_support::run_executable(VESK_MG_EXECUTABLE, {.arguments = {"mod"}});
  std::filesystem::current_path(folder.path());
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.err.rfind("Cannot read the folder " + folder.path().string() + "/ddd", 0), 0U) << result.err;
  EXPECT_TRUE(result.err.ends_with(": File name too long\r\n")) << result.err;
  EXPECT_EQ(result.out, "");
}

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
