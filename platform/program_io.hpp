// Everything one run reads from and writes to: the console, the clock and
// the sleep, and the minister file once it has been created. The run owns
// it, so the minister file stays open until the end of the run completes it.
#pragma once

#include <optional>

#include "platform/console_output.hpp"
#include "platform/env.hpp"
#include "platform/text_file.hpp"
#include "platform/text_input.hpp"

namespace vesk_mg {

struct program_io {
  text_input& in;
  console_output& out;
  env& clock;
  std::optional<output_file> minister_file;
};

}  // namespace vesk_mg
