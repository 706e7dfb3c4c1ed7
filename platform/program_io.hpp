// Everything one run reads from and writes to on the console, with the
// clock and the sleep. Nothing here fails by itself; the console's
// operations raise the named errors their headers give.
#pragma once

#include "platform/console_output.hpp"
#include "platform/env.hpp"
#include "platform/text_input.hpp"

namespace vesk_mg {

struct program_io {
  text_input& in;
  console_output& out;
  env& clock;
};

}  // namespace vesk_mg
