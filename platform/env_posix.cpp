// env.hpp on Linux.
#include "platform/env.hpp"

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
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>

namespace vesk_mg {

const system_kind this_system = system_kind::posix;

std::string system_reason(system_code code) { return std::strerror(static_cast<int>(code)); }

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

void describe(const struct stat& status, file_facts& facts) {
  facts = {S_ISREG(status.st_mode)   ? 0
           : S_ISDIR(status.st_mode) ? EISDIR
                                     : EINVAL,
           status.st_mode & 07777U, status.st_uid, status.st_gid};
}

}  // namespace

namespace {

// A held folder, or the working folder for no_file.
int in(native_file folder) { return folder == no_file ? AT_FDCWD : static_cast<int>(folder); }

}  // namespace

system_code open_folder(const std::string& path, native_file& folder) {
  // O_PATH holds a folder that may not be read, only written in.
  const int fd = ::open(path.empty() ? "." : path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd == -1) return errno;
  folder = fd;
  return 0;
}

system_code open_file(native_file folder, const std::string& path, file_access access, native_file& file,
                      std::uint32_t mode) {
  constexpr std::array<int, 3> flags{O_RDONLY, O_WRONLY | O_NOCTTY, O_WRONLY | O_CREAT | O_EXCL};
  const int fd = ::openat(in(folder), path.c_str(), flags.at(static_cast<std::size_t>(access)) | O_NONBLOCK | O_CLOEXEC,
                          static_cast<mode_t>(mode));
  if (fd == -1) return errno;
  file = fd;
  return 0;
}

system_code facts_of(native_file file, file_facts& facts) {
  struct stat status {};
  if (::fstat(static_cast<int>(file), &status) != 0) return errno;
  describe(status, facts);
  return 0;
}

system_code facts_at(native_file folder, const std::string& path, file_facts& facts, bool follow_link) {
  struct stat status {};
  if (::fstatat(in(folder), path.c_str(), &status, follow_link ? 0 : AT_SYMLINK_NOFOLLOW) != 0) return errno;
  describe(status, facts);
  return 0;
}

system_code give_facts(native_file file, const file_facts& facts) {
  // Another owner can only be given by a privileged run; otherwise the
  // file is the user's own, as any file they write.
  [[maybe_unused]] const int ignored = ::fchown(static_cast<int>(file), facts.owner, facts.group);
  return ::fchmod(static_cast<int>(file), static_cast<mode_t>(facts.mode)) == 0 ? 0 : errno;
}

system_code read_file(native_file file, char* buffer, std::size_t capacity, std::size_t& got) {
  const int fd = static_cast<int>(file);
  for (;;) {
    const ssize_t read = ::read(fd, buffer, capacity);
    if (read >= 0) {
      got = static_cast<std::size_t>(read);
      return 0;
    }
    if (!try_again(fd, POLLIN, errno)) return errno;
  }
}

system_code write_file(native_file file, std::string_view bytes) {
  const int fd = static_cast<int>(file);
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(put));
      continue;
    }
    const int error = put == 0 ? EIO : errno;
    if (!try_again(fd, POLLOUT, error)) return error;
  }
  return 0;
}

system_code sync_file(native_file file) { return ::fsync(static_cast<int>(file)) == 0 || errno == EINVAL ? 0 : errno; }

system_code close_file(native_file file) { return ::close(static_cast<int>(file)) == 0 || errno == EINTR ? 0 : errno; }

namespace {

// A rename reaches the disk with the folder that holds its name.
void sync_folder_of(native_file folder, const std::string& path) {
  const std::size_t base = path.rfind('/');
  const std::string parent = base == std::string::npos ? "." : path.substr(0, base + 1);
  const int fd = ::openat(in(folder), parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd != -1) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

system_code rename_file(native_file folder, const std::string& from, const std::string& to) {
  if (::renameat(in(folder), from.c_str(), in(folder), to.c_str()) != 0) return errno;
  sync_folder_of(folder, to);
  return 0;
}

system_code rename_keeping(native_file folder, const std::string& from, const std::string& to, bool& kept) {
  kept = ::renameat2(in(folder), from.c_str(), in(folder), to.c_str(), RENAME_EXCHANGE) == 0;
  // A file system that cannot swap (FAT, some network ones) only renames.
  if (!kept && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return errno;
  if (!kept) return rename_file(folder, from, to);
  sync_folder_of(folder, to);
  return 0;
}

system_code rename_to_new(native_file folder, const std::string& from, const std::string& to) {
  // A file system that cannot refuse in the rename itself refuses in a link.
  if (::renameat2(in(folder), from.c_str(), in(folder), to.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return errno;
    if (::linkat(in(folder), from.c_str(), in(folder), to.c_str(), 0) != 0) return errno;
    ::unlinkat(in(folder), from.c_str(), 0);
  }
  sync_folder_of(folder, to);
  return 0;
}

system_code remove_file(native_file folder, const std::string& path) {
  return ::unlinkat(in(folder), path.c_str(), 0) == 0 ? 0 : errno;
}

system_code link_target(native_file folder, const std::string& path, std::string& target) {
  struct stat link {};
  target = path;
  if (::fstatat(in(folder), path.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(link.st_mode)) return 0;
  // A name in a held folder is found through the folder's own descriptor.
  const std::string named = folder == no_file ? path : "/proc/self/fd/" + std::to_string(folder) + "/" + path;
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(named.c_str(), nullptr), &std::free);
  if (resolved == nullptr) return errno;
  target = resolved.get();
  return 0;
}

std::uint64_t this_process_number() { return static_cast<std::uint64_t>(::getpid()); }

std::vector<std::string> program_arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::string program_folder() {
  std::array<char, 4096> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) == path.size()) return "";
  const std::string_view file(path.data(), static_cast<std::size_t>(length));
  return std::string(file.substr(0, file.rfind('/') + 1));
}

native_file standard_file(standard_stream stream) { return static_cast<native_file>(stream); }

bool is_console(standard_stream stream) { return ::isatty(static_cast<int>(stream)) == 1; }

// A terminal outlives the programs started in it.
bool console_window_of_its_own() { return false; }

wall_time wall_clock() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return {now.tv_sec, now.tv_nsec};
}

// It counts from the machine's start: 64-bit nanoseconds hold it for centuries.
std::int64_t monotonic_nanoseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void sleep_milliseconds(std::int64_t milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1'000'000L};
  while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

bool local_date_at(std::int64_t seconds_since_1970, local_date& date) {
  const auto whole = static_cast<std::time_t>(seconds_since_1970);
  std::tm parts{};
  if (::localtime_r(&whole, &parts) == nullptr) return false;
  date = {std::int64_t{parts.tm_year} + 1900, parts.tm_mon + 1, parts.tm_mday,
          (std::int64_t{parts.tm_hour} * 60 + parts.tm_min) * 60 + parts.tm_sec};
  return true;
}

// The locale names the language instead.
unsigned ansi_code_page() { return 0; }

namespace {

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

std::optional<std::string> code_page_converter::encode(std::string_view utf8) {
  return available() ? convert(as_iconv(to_), utf8) : std::nullopt;
}

std::optional<std::string> code_page_converter::decode(std::string_view bytes) {
  return available() ? convert(as_iconv(from_), bytes) : std::nullopt;
}

// Interruptions. The handler uses only what is safe in a signal: a fixed
// buffer, flags, reports made before any signal can come, and the
// system's calls.
namespace {

std::array<char, 4096> pending_path{};
volatile std::sig_atomic_t pending_folder = AT_FDCWD;
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
  // The handled signals are held off in here, so a second one cannot cut
  // the removal short.
  if (armed != 0) ::unlinkat(pending_folder, pending_path.data(), 0);
  if (committed != 0) ::_exit(0);
  const auto* const handled = std::ranges::find(handled_signals, signal_number, &handled_signal::number);
  // Written only where it goes at once: a console that takes no more must not hold the end.
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

}  // namespace

void start_platform(const std::function<std::string(std::string_view)>& report_of) {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  // The kernel's default timer slack of 50 us stretches every 1 ms sleep
  // of a draw by about a tenth.
  ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  ::tzset();
  struct sigaction action {};
  action.sa_handler = on_interruption;
  action.sa_mask = all_handled();
  for (handled_signal& handled : handled_signals) {
    handled.report = report_of(handled.name);
    struct sigaction before {};
    if (::sigaction(handled.number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(handled.number, &action, nullptr);
  }
}

void remove_on_interruption(native_file folder, const std::string& path) {
  armed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  // A path too long to hold is left to the end of the run.
  if (path.empty() || path.size() >= pending_path.size()) return;
  path.copy(pending_path.data(), path.size());
  pending_path[path.size()] = '\0';
  pending_folder = in(folder);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  armed = 1;
}

void end_quietly_on_interruption() { committed = 1; }

void hold_interruptions_during(const std::function<void()>& step) {
  struct held_off {
    sigset_t previous{};
    ~held_off() { ::sigprocmask(SIG_SETMASK, &previous, nullptr); }
  } held;
  const sigset_t handled = all_handled();
  ::sigprocmask(SIG_BLOCK, &handled, &held.previous);
  step();
}

}  // namespace vesk_mg
