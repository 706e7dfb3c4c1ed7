#include "platform/end_of_run.hpp"

#include <new>
#include <string>

namespace vesk_mg {

namespace {

// After a failure the console line is still completed if it can be; a
// second failure on the way must not hide the first.
int report(program_io& io, byte_sink& standard_error, const named_error& error) {
  try {
    io.out.complete_line();
  } catch (const named_error&) {
  }
  write_report(standard_error, error);
  return exit_after_report;
}

}  // namespace

void write_report(byte_sink& standard_error, const named_error& error) {
  std::string text = "\r\nraised " + error.full_name();
  if (!error.message().empty()) text += " : " + error.message();
  text += "\r\n";
  try {
    standard_error.write_all(text);
  } catch (const named_error&) {  // nowhere left to tell it
  }
}

int run_to_end(program_io& io, byte_sink& standard_error, const std::function<void(program_io&)>& body) {
  try {
    body(io);
    io.out.complete_line();
    return exit_normal;
  } catch (const named_error& error) {
    return report(io, standard_error, error);
  } catch (const std::bad_alloc&) {
    return report(io, standard_error, named_error(error_names::out_of_memory, ""));
  }
}

}  // namespace vesk_mg
