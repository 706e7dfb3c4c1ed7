// Faults a user's machine really has: a name file that goes away or shrinks
// after it was counted, a folder that cannot be written, a disk that fills
// up part-way, and input that stops at any byte. Each ends the run with the
// report and status 1, keeping what was written, and never claims success.
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
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

const std::string session = "abc\r\nNS\r\nX\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\nnames.txt\r\n601\r\n";
const std::string ten_names = "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\n";

class faults : public ::testing::Test {
 protected:
  testing::temp_folder folder;
  testing::fake_env clock;
};

TEST_F(faults, a_name_file_gone_after_counting_ends_the_run) {
  testing::write_file("names.txt", ten_names);
  const testing::script_result result = testing::run_script(session, clock, [](generation_request& r, program_io& io) {
    std::filesystem::remove("names.txt");
    main(r, io);
  });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.rfind("\r\nraised VESK_MG.FILE_NAME_ERROR : names.txt", 0), 0U) << result.err;
  EXPECT_EQ(result.out.find("DONE!"), std::string::npos);
}

TEST_F(faults, a_name_file_shortened_after_counting_keeps_the_rows_so_far) {
  testing::write_file("names.txt", ten_names);
  const testing::script_result result = testing::run_script(session, clock, [](generation_request& r, program_io& io) {
    testing::write_file("names.txt", "A\nB\nC\n");
    main(r, io);
  });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "\r\nraised VESK_MG.END_OF_INPUT_ERROR : names.txt\r\n");
  const std::string file = testing::read_file("ministers_abc.csv");
  EXPECT_NE(file.find("603;Foreign Minister;C;NA;NS;"), std::string::npos);
  const std::string last_rows = "\r\n604;Minister of Armament;\r\n";
  EXPECT_EQ(file.substr(file.size() - last_rows.size()), last_rows);
}

TEST_F(faults, a_folder_that_cannot_be_written_ends_the_run) {
  testing::write_file("names.txt", ten_names);
  ::chmod(folder.path().c_str(), 0555);
  // Root writes anywhere, so the run happens as an ordinary user there.
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
    const testing::script_result result = testing::run_script(session, clock);
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

TEST_F(faults, a_disk_that_fills_part_way_is_reported_and_keeps_what_it_took) {
  constexpr rlim_t room = 100'000;  // bytes the "disk" takes
  std::string names;
  for (int i = 0; i < 3000; ++i) names += "Minister " + std::to_string(i) + "\n";
  testing::write_file("names.txt", names);
  generation_request request;
  request.name_file_name = "names.txt";
  request.tag = {'a', 'b', 'c'};
  request.ruling = {'N', 'S', ' '};
  request.next_id = 1;
  request.last_id = 3000;
  request.jobs_of(alignment::ns) = {true, true, {1, 1, 1, 1, 1, 1, 1, 1, 1, 2991}};

  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous_handler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = room;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

  const testing::script_result result = testing::run_body("", clock, [&](program_io& io) { main(request, io); });

  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous_handler);

  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "\r\nraised VESK_MG.FILE_WRITE_ERROR : ministers_abc.csv: File too large\r\n");
  EXPECT_EQ(result.out.find("DONE!"), std::string::npos);
  EXPECT_EQ(result.out.substr(result.out.size() - 4), "..\r\n");
  EXPECT_EQ(std::filesystem::file_size("ministers_abc.csv"), room);
}

TEST_F(faults, input_cut_off_at_any_byte_ends_by_itself) {
  testing::write_file("names.txt", ten_names);
  int completed = 0;
  for (std::size_t length = 0; length <= session.size(); ++length) {
    testing::fake_env fresh_clock;
    const testing::script_result result = testing::run_script(session.substr(0, length), fresh_clock);
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
