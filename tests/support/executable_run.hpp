// Runs the built program as a user's shell would, in the working folder,
// and captures its console, its standard error and how it ended. Faults
// can be staged around it: a file size limit, signals once generation has
// begun or once the run is held at a chosen point, standard input that
// does not block, standard output to a file, a signal ignored from the
// start, the program as PID 1 of a namespace of its own, variables added
// to its environment, the program run as nobody (a copy of it that nobody
// can reach). A run that outlasts 20 s
// is killed (SIGKILL).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vesk_mg::test_support {

// Standard output takes `room` bytes and then holds the program at its
// next write; once it is held there and `reached` holds (it is asked again
// and again), the program gets `signal`, or has its standard output closed
// when that is 0. It must then end by itself within 5 s, while nothing is
// read of its output; otherwise it is killed (SIGKILL).
struct output_hold {
  std::size_t room;
  std::function<bool()> reached;
  int signal;
};

struct executable_options {
  std::string input{};
  long file_size_limit = -1;        // bytes a file may grow to; -1 for no limit
  long memory_limit = -1;           // bytes of address space the program may take; -1 for no limit
  int signal_while_generating = 0;  // sent once "Generating ministers." shows
  bool non_blocking_input = false;  // in non-blocking mode, each line written once the program waits for it
  std::vector<std::string> arguments{};
  int signals_sent = 1;           // how often the signal while generating is sent, back to back
  int ignored_at_start = 0;       // a signal the program is started with ignored
  bool as_pid_1 = false;          // the program is PID 1 of a PID namespace of its own
  std::string output_path{};      // standard output goes to this file when set
  bool errors_to_output = false;  // standard error goes where standard output goes
  std::optional<output_hold> hold{};
  std::function<void(pid_t)> before_input{};  // runs once the program is started, before it has any input
  std::vector<std::string> environment{};     // "NAME=value", added to the program's
  bool as_nobody = false;                     // run as the user nobody, where the test runs as root
};

// Whether the user nobody may enter `folder`: a test run as root in a
// folder of its own may be where nobody cannot follow.
bool nobody_can_enter(const std::string& folder);

// Whether `check` holds, run in a process of its own, as the user nobody
// where the test runs as root and `as_nobody` is set: root writes
// anywhere, so a folder closed to writing is met as an ordinary user.
bool holds_apart(const std::function<bool()>& check, bool as_nobody);

struct executable_result {
  std::string out;
  std::string err;
  int exit_status = -1;  // when it exited
  int signal = 0;        // when a signal ended it
};

executable_result run_executable(const std::string& path, const executable_options& options);

}  // namespace vesk_mg::test_support
