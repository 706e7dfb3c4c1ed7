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

void write_report(byte_sink& standard_error, const named_error& error) {
  std::string text = "\r\nraised " + error.full_name();
  if (!error.message().empty()) text += " : " + error.message();
  text += "\r\n";
  write_all_if_possible(standard_error, text);
}

int run_to_end(console_output& out, byte_sink& standard_error, const std::function<void()>& body) {
  try {
    body();
    out.complete_line();
    return exit_normal;
  } catch (const named_error& error) {
    complete_line_if_possible(out);
    write_report(standard_error, error);
  } catch (const std::bad_alloc&) {
    // Written from fixed text: there may be no memory left for another string.
    static constexpr std::string_view report = "\r\nraised VESK_MG.OUT_OF_MEMORY_ERROR\r\n";
    static_assert(report.substr(9, error_names::out_of_memory.size()) == error_names::out_of_memory);
    complete_line_if_possible(out);
    write_all_if_possible(standard_error, report);
  }
  return exit_after_report;
}

}  // namespace vesk_mg
