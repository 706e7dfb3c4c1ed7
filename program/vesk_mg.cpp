#include "program/vesk_mg.hpp"

#include "dialogue/ask_questions.hpp"
#include "generation/generation_driver.hpp"
#include "platform/errors.hpp"
#include "platform/roster_file.hpp"

namespace vesk_mg {

void vesk_mg(program_io& io, std::span<const std::string> folders) {
  check_folder_takes_files(folders.empty() ? "" : folders.front());
  vesk_mg::main(ask_questions(io, folders), io);
}

int run_program(byte_source& input, byte_sink& output, byte_sink& error_output, env& environment,
                const std::function<void(program_io&)>& body) {
  console_output out(output);
  return run_to_end(out, error_output, [&] {
    text_input in(input, "standard input");
    program_io io{in, out, environment};
    body(io);
  });
}

}  // namespace vesk_mg
