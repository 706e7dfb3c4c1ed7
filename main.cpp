// vesk_mg: asks its questions on the console and writes the minister file.
#include "platform/standard_streams.hpp"
#include "program/vesk_mg.hpp"

int main() {
  vesk_mg::start_platform();
  return vesk_mg::run_program(vesk_mg::standard_input(), vesk_mg::standard_output(), vesk_mg::standard_error(),
                              vesk_mg::default_env());
}
