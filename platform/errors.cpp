#include "platform/errors.hpp"

#include <new>

namespace vesk_mg {

namespace {

void write_all_if_possible(byte_sink& standard_error, std::string_view text) {
  try {
    standard_error.write_all(text);
  } catch (const named_error&) {  // nowhere left to tell it
  }
}

// After a failure the console line is still completed if it can be; a
// second failure on the way must not hide the first.
int end_after_failure(console_output& out, byte_sink& standard_error, std::string_view report) {
  try {
    out.complete_line();
  } catch (const named_error&) {
  } catch (const std::bad_alloc&) {
  }
  write_all_if_possible(standard_error, report);
  return exit_after_report;
}

}  // namespace

std::string report_text(std::string_view full_name, std::string_view message) {
  std::string text = "\r\nraised ";
  text += full_name;
  if (!message.empty()) text.append(" : ").append(message);
  return text + "\r\n";
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
    return end_after_failure(out, standard_error, report_text(error.full_name(), error.message()));
  } catch (const std::bad_alloc&) {
    return end_after_failure(out, standard_error, out_of_memory);
  }
}

}  // namespace vesk_mg
