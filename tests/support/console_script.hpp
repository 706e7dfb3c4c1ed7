// Runs the whole program through the library on scripted console input and
// captures what it wrote to the console and to standard error.
#pragma once

#include <functional>
#include <string>

#include "dialogue/vesk_mg.hpp"
#include "tests/support/fake_env.hpp"

namespace vesk_mg::testing {

struct script_result {
  std::string out;
  std::string err;
  int status;
};

// Runs `body` as a whole run on `input`, with the end of the run's handling.
script_result run_body(const std::string& input, fake_env& clock, const std::function<void(program_io&)>& body);
// The dialogue with the real generation driver.
script_result run_script(const std::string& input, fake_env& clock);
// With `generate` in place of the generation driver.
script_result run_script(const std::string& input, fake_env& clock, const generation_driver& generate);

// The banner exactly as the user sees it.
std::string banner();

}  // namespace vesk_mg::testing
