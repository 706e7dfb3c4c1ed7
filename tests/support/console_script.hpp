// Whole runs through the library on scripted console input, capturing
// what they wrote to the console and to standard error.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "platform/console.hpp"
#include "tests/support/fake_clock.hpp"

namespace vesk_mg::test_support {

struct script_result {
  std::string out;
  std::string err;
  int status;
};

// Runs `body` as a whole run on `input`, with the end of the run's
// handling. A run that lasts over 30 s ends the test binary with a line
// that says so.
script_result run_body(const std::string& input, fake_clock& clock, const std::function<void(program_io&)>& body);
script_result run_body(byte_source& source, fake_clock& clock, const std::function<void(program_io&)>& body);
// The whole program on `input`, given `folders` on its command line.
script_result run_script(const std::string& input, fake_clock& clock, std::span<const std::string> folders = {});
script_result run_script(byte_source& input, fake_clock& clock, std::span<const std::string> folders = {});

// The banner exactly as the user sees it.
std::string banner();

}  // namespace vesk_mg::test_support
