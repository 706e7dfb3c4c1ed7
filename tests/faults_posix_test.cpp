// Faults only a POSIX system can stage here: a folder the user cannot
// write, a disk that fills part-way (a file size limit), and a device that
// refuses every write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "generation/generation_driver.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/fault_session.hpp"
#include "tests/support/requests.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

const std::string session(test_support::fault_session);
const std::string ten_names(test_support::ten_names);

class faults_posix : public ::testing::Test {
 protected:
  test_support::temp_folder folder;
  test_support::fake_env clock;

  // The ruling cabinet with `last_caf` Chiefs of Air Force.
  static generation_request ruling_only(std::int32_t last_caf) {
    return test_support::request_builder(alignment::ns, 1)
        .counts(alignment::ns, {1, 1, 1, 1, 1, 1, 1, 1, 1, last_caf})
        .build();
  }
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

TEST_F(faults_posix, a_disk_that_fills_part_way_is_reported_and_keeps_what_it_took) {
  constexpr rlim_t room = 100'000;  // bytes the "disk" takes
  std::string names;
  for (int i = 0; i < 3000; ++i) names += "Minister " + std::to_string(i) + "\n";
  test_support::write_file("names.txt", names);
  const generation_request request = ruling_only(2991);

  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous_handler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = room;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

  const test_support::script_result result =
      test_support::run_body("", clock, [&](program_io& io) { vesk_mg::main(request, io); });

  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous_handler);

  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "\r\nraised VESK_MG.FILE_WRITE_ERROR : ministers_abc.csv: File too large\r\n");
  EXPECT_EQ(result.out.find("DONE!"), std::string::npos);
  EXPECT_EQ(result.out.substr(result.out.size() - 4), "..\r\n");
  EXPECT_EQ(std::filesystem::file_size("ministers_abc.csv"), room);
}

TEST_F(faults_posix, a_device_that_refuses_every_write_is_reported) {
  test_support::write_file("names.txt", ten_names);
  std::filesystem::create_symlink("/dev/full", "ministers_abc.csv");
  const generation_request request = ruling_only(1);
  const test_support::script_result result =
      test_support::run_body("", clock, [&](program_io& io) { vesk_mg::main(request, io); });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "\r\nraised VESK_MG.FILE_WRITE_ERROR : ministers_abc.csv: No space left on device\r\n");
  EXPECT_EQ(result.out.find("DONE!"), std::string::npos);
  EXPECT_EQ(result.out, "\r\n\r\n\r\nGenerating ministers..........\r\n");
}

TEST_F(faults_posix, a_device_is_not_a_name_file) {
  const test_support::script_result result =
      test_support::run_script("abc\nNS\nX\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n/dev/null\n", clock);
  EXPECT_NE(result.out.find("NOTE: Filename is case sensitive!: Invalid filename, try again: \r\n"), std::string::npos);
}

}  // namespace
}  // namespace vesk_mg
