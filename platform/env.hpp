// What the program asks of the operating system, in one place: files and
// the steps of the roster's commit, the standard streams and the console,
// the clock and the sleep, the environment and the game's code page,
// interruptions, and the system's words for a failure. Each system has
// one implementation, env_posix.cpp or env_win32.cpp; env.cpp holds what
// both share. Failures are the named errors of errors.hpp, worded by the
// system: opening tells a name that leads to no file (file_name_error)
// from a file that cannot be opened as asked (file_use_error), reads and
// writes raise file_read_error and file_write_error, and a local year
// outside 1901 to 2099 raises clock_range_error. Nothing else fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vesk_mg {

// The raw byte channels under the console and the files: a source hands
// out what it has and 0 at its end; a sink takes every byte or raises.
class byte_source {
 public:
  virtual ~byte_source() = default;
  virtual std::size_t read_some(char* buffer, std::size_t capacity) = 0;
};

class byte_sink {
 public:
  virtual ~byte_sink() = default;
  virtual void write_all(std::string_view bytes) = 0;
};

// Where a file written under a name goes: the path it is renamed to (a
// symbolic link followed), and what a new file there keeps of one that
// stands there: its permission bits, and its owner and group where the
// system allows.
struct write_target {
  std::string path;
  bool existing = false;
  std::uint32_t permissions = 0666;
  std::uint32_t owner = 0;
  std::uint32_t group = 0;
};

// An open file, or a standard stream: bytes unbuffered and untranslated,
// a stream that answers "not now" waited for, an interrupted call tried again.
class file_handle final : public byte_source, public byte_sink {
 public:
  // Opens a file for reading without blocking on it; only a file on disk
  // is read, a folder, a FIFO or a device is a file_use_error.
  static file_handle open_for_reading(std::string_view name);
  // Looks at what stands at `name` without changing it or blocking on it:
  // a file that cannot be written, or anything but a regular file, is a
  // file_use_error; a name that cannot name a file is a file_name_error.
  static write_target probe_for_writing(std::string_view name);
  // Creates `path` with what `target` keeps, or nothing when a file
  // stands there already, which is never touched. Its failures, a folder
  // that takes no new file among them (file_name_error), name `label`.
  static std::optional<file_handle> create_new(const std::string& path, const write_target& target,
                                               std::string_view label);
  // A handle of the system's under `name`; one the process was given, such
  // as standard input, is not owned and never closed.
  file_handle(std::intptr_t native, std::string_view name, bool owned = true)
      : native_(native), name_(name), owned_(owned) {}
  // Moved, never copied: one owner closes it.
  file_handle(file_handle&& other) noexcept
      : native_(std::exchange(other.native_, closed)), name_(std::move(other.name_)), owned_(other.owned_) {}
  ~file_handle() override;

  std::size_t read_some(char* buffer, std::size_t capacity) override;
  void write_all(std::string_view bytes) override;
  // Waits until everything written is on the disk, then closes.
  void sync_and_close();
  [[nodiscard]] const std::string& name() const noexcept { return name_; }

 private:
  static constexpr std::intptr_t closed = -1;
  std::intptr_t native_ = closed;
  std::string name_;
  bool owned_ = true;
};

// True when `name` can name a file at all: not empty, and no NUL inside.
bool names_a_file(std::string_view name);
// How the system writes a path: Windows also parts folders with '\' and a
// drive with ':', and hides a file's extension from its users.
enum class system_kind { posix, windows };
extern const system_kind this_system;
// Where the last part of a path begins, after its folder.
std::size_t base_name_start(std::string_view path, system_kind system = this_system);
std::uint64_t this_process_number();
// Renames `from` over `to` in one step, and sees the rename on the disk;
// on failure returns the reason.
std::optional<std::string> replace_file(const std::string& from, const std::string& to);
// True when something stands at `path`, a link that leads nowhere included.
bool file_exists(const std::string& path);
// Removes the file at `path`; returns 0, or the system's code for the failure.
std::int64_t remove_file(const std::string& path) noexcept;

// The arguments the program was started with, the program's name left
// out, in UTF-8 whatever the system's code page.
std::vector<std::string> program_arguments(int argc, char** argv);

// Prepares the process once, at its start: interruptions are watched, and
// a closed pipe or a full file becomes a write failure, not a silent end.
void start_platform();
// Standard input as piped or redirected may begin with a byte-order mark:
// a UTF-8 one is skipped, and UTF-16 is read as UTF-8. A console is read
// as typed (on Windows through its own UTF-16, whatever its code page).
byte_source& standard_input();
byte_sink& standard_output();
byte_sink& standard_error();
// True for a console window that the program has to itself, with its
// input there, as a double-click gives it: it closes with the program.
bool console_window_of_its_own();

struct local_time {
  int year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  std::int64_t nanoseconds_of_day;
};

// The local date and time of day of a wall time, by the system's zone rules.
local_time local_time_at(std::int64_t seconds_since_1970, std::int64_t nanoseconds);

// A reading of the wall clock: whole seconds since 1970 (UTC) and the
// nanoseconds into the next one.
struct wall_time {
  std::int64_t seconds;
  std::int64_t nanoseconds;
};
// `count` units of which `per_second` make a second, rounded down into
// whole seconds and the nanoseconds beyond them, before 1970 too.
wall_time wall_time_of(std::int64_t count, std::int64_t per_second);
// A local reading as the draws take it; clock_range_error outside 1901 to 2099.
local_time checked_local_time(int year, int month, int day, std::int64_t second_of_day, std::int64_t nanoseconds);

// Wall-clock time at the resolution of the monotonic counter: the wall
// clock read once and the counter's time added to it, read afresh whenever
// the two drift more than 2 s apart (a clock change, a suspended machine).
struct synced_clock {
  std::int64_t resync_after;  // 2 s in the readings' unit
  bool synced = false;
  std::int64_t wall_base = 0;
  std::int64_t monotonic_base = 0;

  std::int64_t now(std::int64_t wall, std::int64_t monotonic);
  // The local time of a wall-clock reading taken with the monotonic counter
  // at `monotonic` nanoseconds (with `resync_after` in nanoseconds too). A
  // reading past what 64-bit nanoseconds hold (2262) is taken as it is, and
  // its year refused.
  local_time local_now(wall_time wall, std::int64_t monotonic);
};

// The clock, the sleep and the environment of a run. The program uses
// default_env(); tests hand in a fake that chooses every reading and moves
// time forward instead of sleeping.
class env {
 public:
  env() = default;
  env(const env&) = delete;
  env& operator=(const env&) = delete;
  virtual ~env() = default;

  virtual local_time local_now() = 0;
  virtual std::int64_t monotonic_nanoseconds() = 0;
  virtual void sleep_milliseconds(std::int64_t milliseconds) = 0;
  // The code page the game reads a roster in: on Windows the system's ANSI
  // code page (1252 for UTF-8), on Linux the one Windows gives the
  // language of the locale.
  virtual unsigned game_code_page() { return 1252; }
  // The folder the program's own file stands in, where it looks for a
  // name file it does not find where it was started; "" for none.
  virtual std::string program_folder() { return ""; }
};

env& default_env();

// UTF-8 into one code page through the system's converters, opened when
// first needed and kept for as long as this lives (plain ASCII never needs
// them). The game shows one glyph a byte, so a character is checked by
// itself, as Windows converts it: it goes into the code page only as one
// byte in a single-byte code page (two at most in an East Asian one) that
// comes back as that character alone. A character the code page lacks,
// or one it would show as another (a best fit, a look-alike, a letter
// taken apart into a base and a combining mark), does not go in.
class code_page_converter {
 public:
  explicit code_page_converter(unsigned code_page) : code_page_(code_page) {}
  code_page_converter(const code_page_converter&) = delete;
  code_page_converter& operator=(const code_page_converter&) = delete;
  ~code_page_converter();

  // False when the system cannot convert to the code page at all.
  [[nodiscard]] bool available();
  // One character, given as its UTF-8, in the code page, or nothing.
  [[nodiscard]] std::optional<std::string> character_in_code_page(std::string_view character);
  [[nodiscard]] unsigned code_page() const noexcept { return code_page_; }

 private:
  // The system's conversions, all or nothing: a text of which any part
  // does not convert, or converts only to a substitute, gives nothing.
  std::optional<std::string> encode(std::string_view utf8);
  std::optional<std::string> decode(std::string_view bytes);

  unsigned code_page_;
  bool opened_ = false;
  std::intptr_t to_ = -1;  // the system's converters, where it keeps them open
  std::intptr_t from_ = -1;
};

// Until the new roster takes its name, an interruption (SIGINT, SIGTERM,
// SIGHUP, SIGQUIT; Ctrl+C, Ctrl+Break, the console window closed) removes
// the one temporary file named here ("" for none), writes "raised
// VESK_MG.INTERRUPTED_ERROR : <what>" on standard error and ends the
// process as the system expects: by the signal itself (status 128 + the
// signal as PID 1), or with STATUS_CONTROL_C_EXIT. A signal ignored at the
// start stays ignored.
void remove_on_interruption(const std::string& path);
// Once the roster has its name the run has done what it promised: an
// interruption ends it at once with status 0 and no report, though the
// closing lines may be cut.
void end_quietly_on_interruption();
// Runs `step` with interruptions held off, so that what it does on the
// disk and what an interruption does agree.
void hold_interruptions_during(const std::function<void()>& step);

// The system's words for an error code: "No such file or directory".
std::string system_reason(std::int64_t code);
// The same with its subject: "names.txt: No such file or directory".
inline std::string describe_system_error(std::string_view subject, std::int64_t code) {
  return std::string(subject) + ": " + system_reason(code);
}

}  // namespace vesk_mg
