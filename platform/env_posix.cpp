// env.hpp on Linux and other POSIX systems.
#include <fcntl.h>
#include <iconv.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "platform/errors.hpp"
#include "platform/game_text.hpp"
#include "platform/text_decoding.hpp"

namespace vesk_mg {

const system_kind this_system = system_kind::posix;

namespace {

// An interrupted call is tried again. A stream inherited in non-blocking
// mode answers EAGAIN instead of waiting; it is waited for, as any other.
bool try_again(int fd, short events, int error) {
  if (error == EINTR) return true;
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  pollfd wanted{fd, events, 0};
  while (::poll(&wanted, 1, -1) == -1 && errno == EINTR) {
  }
  return true;
}

}  // namespace

file_handle file_handle::open_for_reading(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const int fd = ::open(std::string(name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd == -1) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG) {
      throw file_name_error(describe_system_error(name, error));
    }
    throw file_use_error(describe_system_error(name, error));
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    throw file_use_error(describe_system_error(name, S_ISDIR(status.st_mode) ? EISDIR : EINVAL));
  }
  // Opened without blocking, which keeps a FIFO from hanging the program;
  // a regular file is read as any other.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return {fd, name};
}

write_target file_handle::probe_for_writing(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    const int error = errno;
    // Nothing at all there: the file is new. A link that leads nowhere is
    // something there, and not a regular file.
    const bool something_there = file_exists(path);
    if (error == ENOENT && !something_there) return {path};
    if (something_there) throw file_use_error(describe_system_error(name, error));
    throw file_name_error(describe_system_error(name, error));
  }
  // Only a regular file is ever opened: a FIFO would block, a device
  // would swallow the roster.
  if (!S_ISREG(status.st_mode)) {
    throw file_use_error(describe_system_error(name, S_ISDIR(status.st_mode) ? EISDIR : EINVAL));
  }
  // Opening for writing without truncating asks the system whether the
  // file could be written, and changes nothing.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd == -1) throw file_use_error(describe_system_error(name, errno));
  ::close(fd);

  struct stat link {};
  std::string target = path;
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    if (resolved == nullptr) throw file_use_error(describe_system_error(name, errno));
    target = resolved.get();
  }
  return {target, true, status.st_mode & 07777U, status.st_uid, status.st_gid};
}

std::optional<file_handle> file_handle::create_new(const std::string& path, const write_target& target,
                                                   std::string_view label) {
  const auto mode = static_cast<mode_t>(target.permissions);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd == -1 && errno == EEXIST) return std::nullopt;
  if (fd == -1) throw file_name_error(describe_system_error(label, errno));
  file_handle handle(fd, label);
  if (target.existing) {
    // Another owner can only be given by a privileged run; otherwise the
    // file is the user's own, as any file they write.
    [[maybe_unused]] const int ignored = ::fchown(fd, target.owner, target.group);
    // The mode given to open is narrowed by the umask; a replaced file keeps its own bits.
    if (::fchmod(fd, mode) != 0) throw file_write_error(describe_system_error(label, errno));
  }
  return handle;
}

file_handle::~file_handle() {
  if (owned_ && native_ != closed) ::close(static_cast<int>(native_));
}

std::size_t file_handle::read_some(char* buffer, std::size_t capacity) {
  const int fd = static_cast<int>(native_);
  for (;;) {
    const ssize_t got = ::read(fd, buffer, capacity);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (!try_again(fd, POLLIN, errno)) throw file_read_error(describe_system_error(name_, errno));
  }
}

void file_handle::write_all(std::string_view bytes) {
  const int fd = static_cast<int>(native_);
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(put));
      continue;
    }
    const int error = put == 0 ? EIO : errno;
    if (!try_again(fd, POLLOUT, error)) throw file_write_error(describe_system_error(name_, error));
  }
}

void file_handle::sync_and_close() {
  if (::fsync(static_cast<int>(native_)) != 0 && errno != EINVAL)
    throw file_write_error(describe_system_error(name_, errno));
  if (::close(static_cast<int>(std::exchange(native_, closed))) != 0 && errno != EINTR) {
    throw file_write_error(describe_system_error(name_, errno));
  }
}

std::uint64_t this_process_number() { return static_cast<std::uint64_t>(::getpid()); }

std::optional<std::string> replace_file(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return system_reason(errno);
  // The rename itself reaches the disk with its folder.
  const std::string folder = base_name_start(to) == 0 ? "." : to.substr(0, base_name_start(to));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd != -1) {
    ::fsync(fd);
    ::close(fd);
  }
  return std::nullopt;
}

bool file_exists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

std::int64_t remove_file(const std::string& path) noexcept { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

std::vector<std::string> program_arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

// Interruptions. The handler uses only what is safe in a signal: a fixed
// buffer, a flag, reports made before any signal can come, and the
// system's calls.
namespace {

std::array<char, 4096> pending_path{};
volatile std::sig_atomic_t armed = 0;
volatile std::sig_atomic_t committed = 0;

struct handled_signal {
  int number;
  std::string_view name;
  std::string report;
};
std::array<handled_signal, 4> handled_signals{
    {{SIGINT, "SIGINT", {}}, {SIGTERM, "SIGTERM", {}}, {SIGHUP, "SIGHUP", {}}, {SIGQUIT, "SIGQUIT", {}}}};

sigset_t all_handled() {
  sigset_t set{};
  sigemptyset(&set);
  for (const handled_signal& handled : handled_signals) sigaddset(&set, handled.number);
  return set;
}

extern "C" void on_interruption(int signal_number) {
  if (committed != 0) ::_exit(0);  // the roster has its name: the run did what it promised
  // The handled signals are held off in here, so a second one cannot cut
  // the removal short.
  if (armed != 0) ::unlink(pending_path.data());
  const auto* const handled = std::ranges::find(handled_signals, signal_number, &handled_signal::number);
  // The report is tried, but a console that takes no more output must not
  // hold the end: it is written only where it goes at once.
  pollfd error_output{STDERR_FILENO, POLLOUT, 0};
  if (::poll(&error_output, 1, 100) == 1 && (error_output.revents & POLLOUT) != 0) {
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, handled->report.data(), handled->report.size());
  }
  // Ends the process by the signal itself, as a shell expects; PID 1 does
  // not die of a signal's default action and ends with its status instead.
  ::signal(signal_number, SIG_DFL);
  sigset_t just_this{};
  sigemptyset(&just_this);
  sigaddset(&just_this, signal_number);
  ::sigprocmask(SIG_UNBLOCK, &just_this, nullptr);
  ::raise(signal_number);
  ::_exit(128 + signal_number);
}

// Holds the handled signals off while it lives.
struct held_off {
  sigset_t previous{};
  held_off() {
    const sigset_t handled = all_handled();
    ::sigprocmask(SIG_BLOCK, &handled, &previous);
  }
  held_off(const held_off&) = delete;
  held_off& operator=(const held_off&) = delete;
  ~held_off() { ::sigprocmask(SIG_SETMASK, &previous, nullptr); }
};

}  // namespace

void remove_on_interruption(const std::string& path) {
  armed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  // A path too long to hold is left to the end of the run.
  if (path.empty() || path.size() >= pending_path.size()) return;
  path.copy(pending_path.data(), path.size());
  pending_path[path.size()] = '\0';
  std::atomic_signal_fence(std::memory_order_seq_cst);
  armed = 1;
}

void end_quietly_on_interruption() { committed = 1; }

void hold_interruptions_during(const std::function<void()>& step) {
  const held_off held;
  step();
}

void start_platform() {
  // A closed pipe on the far side, or a file grown past the size limit,
  // becomes a write failure that is reported, instead of a signal that
  // ends the process silently.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  struct sigaction action {};
  action.sa_handler = on_interruption;
  action.sa_mask = all_handled();
  for (handled_signal& handled : handled_signals) {
    handled.report = report_text(error_names::interrupted, handled.name);
    struct sigaction before {};
    // A signal ignored from the start (nohup, a background job) stays so.
    if (::sigaction(handled.number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(handled.number, &action, nullptr);
  }
}

byte_source& standard_input() {
  static file_handle typed = file_handle(STDIN_FILENO, "standard input", false);
  static decoded_text piped(typed, "standard input", decoded_text::start::piped);
  return ::isatty(STDIN_FILENO) == 1 ? static_cast<byte_source&>(typed) : piped;
}

byte_sink& standard_output() {
  static file_handle output = file_handle(STDOUT_FILENO, "standard output", false);
  return output;
}

byte_sink& standard_error() {
  static file_handle error = file_handle(STDERR_FILENO, "standard error", false);
  return error;
}

// A terminal outlives the programs started in it.
bool console_window_of_its_own() { return false; }

local_time local_time_at(std::int64_t seconds_since_1970, std::int64_t nanoseconds) {
  const auto whole = static_cast<std::time_t>(seconds_since_1970);
  std::tm parts{};
  if (::localtime_r(&whole, &parts) == nullptr) throw clock_range_error("the clock's time has no local date");
  // Zone offsets are whole minutes, so the fraction of the second carries over.
  return checked_local_time(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                            (std::int64_t{parts.tm_hour} * 60 + parts.tm_min) * 60 + parts.tm_sec, nanoseconds);
}

namespace {

constexpr std::int64_t second_ns = 1'000'000'000;

// The monotonic clock counts from the machine's start: 64-bit nanoseconds
// hold it for centuries.
std::int64_t nanoseconds_of(clockid_t id) {
  timespec now{};
  ::clock_gettime(id, &now);
  return std::int64_t{now.tv_sec} * second_ns + now.tv_nsec;
}

class posix_env final : public env {
 public:
  posix_env() {
    // The kernel's default timer slack of 50 us stretches every 1 ms sleep
    // of a draw by about a tenth; the draws want it as short as asked.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    ::tzset();
  }

  local_time local_now() override {
    timespec wall{};
    ::clock_gettime(CLOCK_REALTIME, &wall);
    return clock_.local_now({wall.tv_sec, wall.tv_nsec}, nanoseconds_of(CLOCK_MONOTONIC));
  }

  std::int64_t monotonic_nanoseconds() override { return nanoseconds_of(CLOCK_MONOTONIC); }

  void sleep_milliseconds(std::int64_t milliseconds) override {
    timespec remaining{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1'000'000L};
    while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
  }

  unsigned game_code_page() override {
    return code_page_of_locale(locale_of([](const char* name) { return std::getenv(name); }));
  }

  std::string program_folder() override {
    std::array<char, 4096> path{};
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) == path.size()) return "";
    const std::string_view file(path.data(), static_cast<std::size_t>(length));
    return std::string(file.substr(0, base_name_start(file)));
  }

 private:
  synced_clock clock_{2 * second_ns};
};

iconv_t as_iconv(std::intptr_t native) {
  return reinterpret_cast<iconv_t>(native);  // NOLINT(performance-no-int-to-ptr)
}

// All of `text` through `converter`, or nothing when any of it does not
// convert exactly.
std::optional<std::string> convert(iconv_t converter, std::string_view text) {
  ::iconv(converter, nullptr, nullptr, nullptr, nullptr);
  // A character of the code pages the game reads takes at most three bytes in UTF-8.
  std::string converted(text.size() * 3 + 8, '\0');
  char* in = const_cast<char*>(text.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast): iconv reads only
  std::size_t in_left = text.size();
  char* out = converted.data();
  std::size_t out_left = converted.size();
  // A character replaced by a look-alike counts as irreversible: no best fit.
  if (::iconv(converter, &in, &in_left, &out, &out_left) != 0 ||
      ::iconv(converter, nullptr, nullptr, &out, &out_left) != 0) {
    return std::nullopt;
  }
  converted.resize(converted.size() - out_left);
  return converted;
}

}  // namespace

env& default_env() {
  static posix_env instance;
  return instance;
}

code_page_converter::~code_page_converter() {
  if (to_ != -1) ::iconv_close(as_iconv(to_));
  if (from_ != -1) ::iconv_close(as_iconv(from_));
}

bool code_page_converter::available() {
  if (!std::exchange(opened_, true)) {
    const std::string code_page = "CP" + std::to_string(code_page_);
    to_ = reinterpret_cast<std::intptr_t>(::iconv_open(code_page.c_str(), "UTF-8"));
    from_ = reinterpret_cast<std::intptr_t>(::iconv_open("UTF-8", code_page.c_str()));
  }
  return to_ != -1 && from_ != -1;
}

std::optional<std::string> code_page_converter::encode(std::string_view utf8) { return convert(as_iconv(to_), utf8); }

std::optional<std::string> code_page_converter::decode(std::string_view bytes) {
  return convert(as_iconv(from_), bytes);
}

std::string system_reason(std::int64_t code) { return std::strerror(static_cast<int>(code)); }

}  // namespace vesk_mg
