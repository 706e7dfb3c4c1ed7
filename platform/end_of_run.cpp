#include "platform/end_of_run.hpp"

#include <new>
#include <string>

namespace vesk_mg {

namespace {

// After a failure the console line is still completed if it can be; a
// second failure on the way must not hide the first.
void complete_line_if_possible(console_output& out) {
  try {
    out.complete_line();
  } catch (const named_error&) {
  } catch (const std::bad_alloc&) {
  }
}

void write_all_if_possible(byte_sink& standard_error, std::string_view text) {
  try {
    standard_error.write_all(text);
  } catch (const named_error&) {  // nowhere left to tell it
  }
}

}  // namespace

std::string report_text(std::string_view full_name, std::string_view message) {
  std::string text = "\r\nraised ";
  text += full_name;
  if (!message.empty()) {
    text += " : ";
    text += message;
  }
  text += "\r\n";
  return text;
}

void write_report(byte_sink& standard_error, const named_error& error) {
  write_all_if_possible(standard_error, report_text(error.full_name(), error.message()));
}

int run_to_end(console_output& out, byte_sink& standard_error, const std::function<void()>& body) {
  // Made before the run: there may be no memory left for it after.
  const std::string out_of_memory = report_text(error_names::out_of_memory, "");
  try {
    body();
    out.complete_line();
    return exit_normal;
  } catch (const named_error& error) {
    complete_line_if_possible(out);
    write_report(standard_error, error);
  } catch (const std::bad_alloc&) {
    complete_line_if_possible(out);
    write_all_if_possible(standard_error, out_of_memory);
  }
  return exit_after_report;
}

}  // namespace vesk_mg
