#include "platform/end_of_run.hpp"

#include <new>
#include <string>

namespace vesk_mg {

namespace {

void complete_open_outputs(program_io& io) {
  io.out.complete_line();
  if (io.minister_file) {
    io.minister_file->close();
    io.minister_file.reset();
  }
}

// After a failure every output is still completed as far as it goes; a
// second failure on the way must not hide the first.
void complete_what_can_be(program_io& io) {
  try {
    io.out.complete_line();
  } catch (const named_error&) {
  }
  try {
    if (io.minister_file) io.minister_file->close();
  } catch (const named_error&) {
  }
  io.minister_file.reset();
}

int report(program_io& io, byte_sink& standard_error, const named_error& error) {
  complete_what_can_be(io);
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
    complete_open_outputs(io);
    return exit_normal;
  } catch (const named_error& error) {
    return report(io, standard_error, error);
  } catch (const std::bad_alloc&) {
    return report(io, standard_error, named_error("VESK_MG.OUT_OF_MEMORY_ERROR", ""));
  }
}

}  // namespace vesk_mg
