// vesk_mg: asks its questions on the console and writes the minister file.
#include "dialogue/vesk_mg.hpp"
#include "platform/end_of_run.hpp"
#include "platform/standard_streams.hpp"

int main() {
  vesk_mg::start_platform();
  vesk_mg::text_input in(vesk_mg::standard_input(), "standard input");
  vesk_mg::console_output out(vesk_mg::standard_output());
  vesk_mg::program_io io{in, out, vesk_mg::default_env(), {}};
  return vesk_mg::run_to_end(io, vesk_mg::standard_error(), [](vesk_mg::program_io& run) { vesk_mg::vesk_mg(run); });
}
