#include "program/vesk_mg.hpp"

#include "dialogue/ask_questions.hpp"
#include "generation/generation_driver.hpp"
#include "platform/end_of_run.hpp"

namespace vesk_mg {

void vesk_mg(program_io& io) { vesk_mg::main(ask_questions(io), io); }

int run_program(byte_source& input, byte_sink& output, byte_sink& error_output, env& clock) {
  text_input in(input, "standard input");
  console_output out(output);
  program_io io{in, out, clock};
  return run_to_end(io, error_output, [](program_io& run) { vesk_mg(run); });
}

}  // namespace vesk_mg
