#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "tests/support/executable_run.hpp"

namespace vesk_mg::test_support {

namespace {

struct pipe_ends {
  int read = -1;
  int write = -1;
};

pipe_ends make_pipe() {
  std::array<int, 2> fds{};
  if (::pipe2(fds.data(), O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  return {fds[0], fds[1]};
}

// Reads what is there; false once the far end has closed.
bool drain(int fd, std::string& into) {
  std::array<char, 4096> buffer{};
  const ssize_t got = ::read(fd, buffer.data(), buffer.size());
  if (got > 0) into.append(buffer.data(), static_cast<std::size_t>(got));
  return got > 0;
}

// Leaves the pipe room for exactly `room` more bytes: one page, filled up to there.
std::size_t fill_but(int fd, std::size_t room) {
  const auto capacity = static_cast<std::size_t>(::fcntl(fd, F_SETPIPE_SZ, 4096));
  const std::string filler(capacity - room, '#');
  if (::write(fd, filler.data(), filler.size()) != static_cast<ssize_t>(filler.size())) {
    throw std::runtime_error("no room to hold the output");
  }
  return filler.size();
}

// A run that outlasts this is killed, so that a fault that makes the
// program read or wait without end fails its test within seconds.
constexpr std::chrono::seconds longest_run{20};

// True while `program` waits in poll(), as it does for input that is not
// there yet, and its input pipe holds nothing it has not read.
bool waits_for_input(pid_t program, int input) {
  int unread = 0;
  if (::ioctl(input, FIONREAD, &unread) != 0 || unread != 0) return false;
  std::ifstream call("/proc/" + std::to_string(program) + "/syscall");
  long number = -1;
  call >> number;
  return number == SYS_poll || number == SYS_ppoll;
}

// The program itself: the child, or the child's own child when that runs it in a namespace.
pid_t program_in(pid_t child, bool as_pid_1) {
  if (!as_pid_1) return child;
  std::ifstream children("/proc/" + std::to_string(child) + "/task/" + std::to_string(child) + "/children");
  pid_t program = child;
  children >> program;
  return program;
}

// Root runs the program as nobody from a copy in a folder of its own that
// everyone may enter: the build's folder may be one that nobody cannot
// reach. A coverage build's counts, which nobody cannot write beside the
// build's, go there too.
class copy_for_nobody {
 public:
  explicit copy_for_nobody(const std::string& path) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vesk_mg_program_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no folder for the program's copy");
    folder_ = pattern;
    std::filesystem::permissions(folder_, std::filesystem::perms(0755));
    std::filesystem::copy_file(path, folder_ / "vesk_mg");
    std::filesystem::create_directory(folder_ / "coverage");
    std::filesystem::permissions(folder_ / "coverage", std::filesystem::perms::all);
  }
  copy_for_nobody(const copy_for_nobody&) = delete;
  copy_for_nobody& operator=(const copy_for_nobody&) = delete;
  ~copy_for_nobody() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  [[nodiscard]] std::string program() const { return (folder_ / "vesk_mg").string(); }
  [[nodiscard]] std::string coverage() const { return "GCOV_PREFIX=" + (folder_ / "coverage").string(); }

 private:
  std::filesystem::path folder_;
};

[[noreturn]] void become_the_program(const std::string& path, const executable_options& options, int output) {
  if (!options.output_path.empty()) output = ::open(options.output_path.c_str(), O_WRONLY);
  ::dup2(output, STDOUT_FILENO);
  if (options.errors_to_output) ::dup2(output, STDERR_FILENO);
  if (options.file_size_limit >= 0) {
    const rlimit limit{static_cast<rlim_t>(options.file_size_limit), static_cast<rlim_t>(options.file_size_limit)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    // A coverage build writes its counts as it exits; cut short by the
    // limit, they would spoil the build's own, so they go here instead.
    ::setenv("GCOV_PREFIX", "coverage_of_a_limited_run", 1);
  }
  if (options.memory_limit >= 0) {
    const rlimit limit{static_cast<rlim_t>(options.memory_limit), static_cast<rlim_t>(options.memory_limit)};
    ::setrlimit(RLIMIT_AS, &limit);
  }
  const rlimit no_core{0, 0};
  ::setrlimit(RLIMIT_CORE, &no_core);
  // A shell starts a program with the signals at their defaults and none
  // held off (a run of the library in this process may have left some so).
  for (const int signal_number : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXFSZ})
    std::signal(signal_number, SIG_DFL);
  sigset_t none{};
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  if (options.ignored_at_start != 0) std::signal(options.ignored_at_start, SIG_IGN);
  for (const std::string& variable : options.environment) ::putenv(::strdup(variable.c_str()));
  // Root reads every folder; what a user cannot read is met as one.
  if (options.as_nobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(126);
  std::vector<std::string> words{path};
  if (options.as_pid_1) words.insert(words.begin(), {"unshare", "-fp", "--kill-child"});
  words.insert(words.end(), options.arguments.begin(), options.arguments.end());
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  ::execvp(argv[0], argv.data());
  ::_exit(127);
}

}  // namespace

bool nobody_can_enter(const std::string& folder) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && ::access(folder.c_str(), X_OK) == 0 ? 0 : 1);
  int status = 1;
  return child != -1 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool holds_apart(const std::function<bool()>& check, bool as_nobody) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (as_nobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 1;
  return child != -1 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

executable_result run_executable(const std::string& given_path, const executable_options& given_options) {
  const bool as_nobody = given_options.as_nobody && ::geteuid() == 0;
  std::optional<copy_for_nobody> copy;
  executable_options options = given_options;
  if (as_nobody) options.environment.push_back(copy.emplace(given_path).coverage());
  const std::string path = as_nobody ? copy->program() : given_path;
  const pipe_ends input = make_pipe();
  const pipe_ends output = make_pipe();
  const pipe_ends errors = make_pipe();
  if (options.non_blocking_input) ::fcntl(input.read, F_SETFL, ::fcntl(input.read, F_GETFL) | O_NONBLOCK);
  const std::size_t filler = options.hold ? fill_but(output.write, options.hold->room) : 0;
  // The parent must outlive a closed pipe of the child's.
  const auto previous_pipe_handler = std::signal(SIGPIPE, SIG_IGN);

  const pid_t child = ::fork();
  if (child == -1) throw std::runtime_error("no fork");
  if (child == 0) {
    ::dup2(input.read, STDIN_FILENO);
    ::dup2(errors.write, STDERR_FILENO);
    become_the_program(path, options, output.write);
  }
  ::close(input.read);
  ::close(output.write);
  ::close(errors.write);
  if (options.before_input) options.before_input(child);

  executable_result result;
  // Non-blocking input is fed a line at a time, each once the program has
  // read all before it and waits in poll(): every read of it has met an
  // empty pipe, and EAGAIN, first.
  std::size_t input_sent = 0;
  auto feed = [&](bool all) {
    if (input_sent == options.input.size()) return;
    const std::size_t line_end = options.input.find('\n', input_sent);
    const std::size_t end = all || line_end == std::string::npos ? options.input.size() : line_end + 1;
    [[maybe_unused]] const ssize_t put = ::write(input.write, options.input.data() + input_sent, end - input_sent);
    input_sent = end;
    if (input_sent == options.input.size()) ::close(input.write);
  };
  if (!options.non_blocking_input) feed(true);
  if (options.input.empty()) ::close(input.write);

  std::array<pollfd, 2> open{{{output.read, POLLIN, 0}, {errors.read, POLLIN, 0}}};
  int status = 0;
  bool ended = false;
  if (options.hold) {
    const auto held = [&] {
      int pending = 0;
      return ::ioctl(output.read, FIONREAD, &pending) == 0 &&
             static_cast<std::size_t>(pending) == filler + options.hold->room && options.hold->reached();
    };
    for (int waited_ms = 0; waited_ms < 20'000 && !held(); ++waited_ms) ::usleep(1000);
    if (options.hold->signal != 0) {
      ::kill(program_in(child, options.as_pid_1), options.hold->signal);
    } else {
      ::close(std::exchange(open[0].fd, -1));
    }
    for (int waited_ms = 0; waited_ms < 5'000 && !ended; ++waited_ms) {
      ended = ::waitpid(child, &status, WNOHANG) == child;
      if (!ended) ::usleep(1000);
    }
    if (!ended) ::kill(program_in(child, options.as_pid_1), SIGKILL);
  }

  bool signalled = false;
  bool killed = false;
  const auto started = std::chrono::steady_clock::now();
  while (open[0].fd != -1 || open[1].fd != -1) {
    // Wakes often: to feed a program that waits, and to end one that runs too long.
    ::poll(open.data(), open.size(), 20);
    for (std::size_t i = 0; i < open.size(); ++i) {
      if (open[i].fd == -1 || open[i].revents == 0) continue;
      if (!drain(open[i].fd, i == 0 ? result.out : result.err)) {
        ::close(open[i].fd);
        open[i].fd = -1;
      }
    }
    if (options.non_blocking_input && input_sent < options.input.size() &&
        waits_for_input(program_in(child, options.as_pid_1), input.write)) {
      feed(false);
    }
    if (options.signal_while_generating != 0 && !signalled &&
        result.out.find("Generating ministers.") != std::string::npos) {
      signalled = true;
      const pid_t program = program_in(child, options.as_pid_1);
      for (int i = 0; i < options.signals_sent; ++i) ::kill(program, options.signal_while_generating);
    }
    if (!killed && std::chrono::steady_clock::now() - started > longest_run) {
      killed = true;
      ::kill(program_in(child, options.as_pid_1), SIGKILL);
      ::kill(child, SIGKILL);
    }
  }
  feed(true);
  result.out.erase(0, filler);
  // A coverage build that cannot write its counts (past a file size limit)
  // says so on standard error, which is no word of the program's.
  for (std::size_t at; (at = result.err.find("libgcov profiling error:")) != std::string::npos;) {
    result.err.erase(at, result.err.find('\n', at) + 1 - at);
  }

  if (!ended) ::waitpid(child, &status, 0);
  std::signal(SIGPIPE, previous_pipe_handler);
  if (WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace vesk_mg::test_support
