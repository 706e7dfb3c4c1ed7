// Runs the built program as a user's shell would, in the working folder,
// and captures its console, its standard error and how it ended. Faults
// can be staged around it: a file size limit, a signal once generation
// has begun, standard input that does not block.
#pragma once

#include <string>

namespace vesk_mg::test_support {

struct executable_options {
  std::string input;
  long file_size_limit = -1;        // bytes a file may grow to; -1 for no limit
  int signal_while_generating = 0;  // sent once "Generating ministers." shows
  bool non_blocking_input = false;  // standard input in non-blocking mode, written only once asked for
};

struct executable_result {
  std::string out;
  std::string err;
  int exit_status = -1;  // when it exited
  int signal = 0;        // when a signal ended it
};

executable_result run_executable(const std::string& path, const executable_options& options);

}  // namespace vesk_mg::test_support
