// What each operating system does for the program, and nothing else: it
// opens, reads, writes, syncs, renames and removes files, tells what
// stands at a name, reads and writes the console, reads its clocks and
// sleeps, converts text to and from a code page, and watches for
// interruptions. env_posix.cpp and env_win32.cpp implement it, one for each
// system. A call that fails gives the system's own code for it (errno, or
// GetLastError()), with 0 for success; which named error a failure is, and
// every other rule built on these calls, is portable code elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk_mg {

enum class system_kind { posix, windows };
extern const system_kind this_system;

using system_code = std::int64_t;
// The system's words for a code: "No such file or directory".
std::string system_reason(system_code code);

// Files, named by paths in UTF-8. A native file is a descriptor or a HANDLE.
using native_file = std::intptr_t;
inline constexpr native_file no_file = -1;

// What stands at a name, or behind an open file.
struct file_facts {
  system_code unusable = 0;   // 0 for a file on disk; else the system's code for why it is none
  std::uint32_t mode = 0666;  // permission bits, owner and group, where the system keeps them
  std::uint32_t owner = 0;
  std::uint32_t group = 0;
};

enum class file_access {
  read,    // an existing file
  write,   // an existing file, to learn that it could be written: nothing in it changes
  create,  // a new file with the mode given (narrowed by the umask), never one that stands there
};
// A folder held open: a path given with it is found in it, wherever the
// folder is moved (on Windows it can be neither moved nor removed while
// held). A path given with no_file is found from the working folder.
system_code open_folder(const std::string& path, native_file& folder);
// Opens without blocking on a FIFO; for `write`, no other program may hold the file.
system_code open_file(native_file folder, const std::string& path, file_access access, native_file& file,
                      std::uint32_t mode = 0666);
system_code facts_of(native_file file, file_facts& facts);
// What stands at `path`, a link followed, or the link itself.
system_code facts_at(native_file folder, const std::string& path, file_facts& facts, bool follow_link = true);
// Gives `file` the mode of `facts`, and its owner and group where the system lets it.
system_code give_facts(native_file file, const file_facts& facts);
// Gives 0 bytes at the end; a stream that answers "not now" is waited for.
// A console is read as typed: on Windows as its own UTF-16, whatever its
// code page, with Ctrl+Z and Enter for the end, and written UTF-8 that it
// shows as it is.
system_code read_file(native_file file, char* buffer, std::size_t capacity, std::size_t& got);
system_code write_file(native_file file, std::string_view bytes);
system_code sync_file(native_file file);
system_code close_file(native_file file);
// Renames `from` over `to` in one step, and sees the rename reach the disk.
system_code rename_file(native_file folder, const std::string& from, const std::string& to);
// Renames `from` over `to` as rename_file does, and where the file system
// can swap two names in one step, keeps what stood at `to` at `from`
// (`kept` says whether it did): what a rename replaced can then be looked
// at. `to` must stand there. On Windows the kept file passes through
// `from` with ".old" added.
system_code rename_keeping(native_file folder, const std::string& from, const std::string& to, bool& kept);
// Renames `from` to `to` where nothing stands at `to`, in one step; where
// something does, it fails with the code says_taken knows.
system_code rename_to_new(native_file folder, const std::string& from, const std::string& to);
system_code remove_file(native_file folder, const std::string& path);
// The path a link at `path` leads to, followed to its end and whole;
// `path` where it is no link.
system_code link_target(native_file folder, const std::string& path, std::string& target);

std::uint64_t this_process_number();
// What the program was started with, as the system keeps it: on POSIX its
// arguments, its own name left out; on Windows its whole command line, one
// text, which the program parts itself.
std::vector<std::string> program_arguments(int argc, char** argv);
// The folder the program's file stands in, ending in a separator, or "".
std::string program_folder();

// The console and the standard streams, below any runtime's translation.
enum class standard_stream { input, output, error };
native_file standard_file(standard_stream stream);
bool is_console(standard_stream stream);
// True for a console window the program has to itself, as a double-click
// gives it: it closes with the program.
bool console_window_of_its_own();

// The clocks. A wall time is whole seconds since 1970 (UTC) and the
// nanoseconds into the next one.
struct wall_time {
  std::int64_t seconds;
  std::int64_t nanoseconds;
};
wall_time wall_clock();
std::int64_t monotonic_nanoseconds();
void sleep_milliseconds(std::int64_t milliseconds);
struct local_date {
  std::int64_t year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  std::int64_t second_of_day;
};
// By the system's zone rules; false where it has no local date for the time.
bool local_date_at(std::int64_t seconds_since_1970, local_date& date);

// The system's ANSI code page, or 0 where it has none.
unsigned ansi_code_page();

// The system's converters between UTF-8 and one code page, opened when
// first needed and kept while this lives. All or nothing: a text that does
// not convert whole, or converts only to a substitute, gives nothing.
class code_page_converter {
 public:
  explicit code_page_converter(unsigned code_page) : code_page_(code_page) {}
  code_page_converter(const code_page_converter&) = delete;
  code_page_converter& operator=(const code_page_converter&) = delete;
  ~code_page_converter();

  // False when the system cannot convert to the code page at all.
  [[nodiscard]] bool available();
  [[nodiscard]] std::optional<std::string> encode(std::string_view utf8);
  [[nodiscard]] std::optional<std::string> decode(std::string_view bytes);
  [[nodiscard]] unsigned code_page() const noexcept { return code_page_; }

 private:
  unsigned code_page_;
  bool opened_ = false;
  std::intptr_t to_ = -1;
  std::intptr_t from_ = -1;
};

// Prepares the process once, at its start: a closed pipe or a full file is
// a write failure, not a silent end, and interruptions are watched (SIGINT,
// SIGTERM, SIGHUP, SIGQUIT; Ctrl+C, Ctrl+Break, the console window
// closed), each reported with `report_of` the interruption's name. A
// signal ignored at the start stays ignored. An interruption removes the
// one file named to remove_on_interruption ("" for none). Until the roster
// has its name it then tries the report without ever waiting on the
// console, and ends the process as the system expects: by the signal
// itself (128 + it as PID 1), or with STATUS_CONTROL_C_EXIT. Once
// end_quietly_on_interruption is called, it ends the process at once with
// status 0 and no report.
void start_platform(const std::function<std::string(std::string_view)>& report_of);
void remove_on_interruption(native_file folder, const std::string& path);
void end_quietly_on_interruption();
// Runs `step` with interruptions held off, so that what it does on the disk
// and what an interruption does agree.
void hold_interruptions_during(const std::function<void()>& step);

}  // namespace vesk_mg
