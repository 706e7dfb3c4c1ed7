#include "program/vesk_mg.hpp"

#include <new>
#include <string>

#include "dialogue/ask_questions.hpp"
#include "generation/generation_driver.hpp"
#include "platform/errors.hpp"
#include "rosters/replaced_file.hpp"
#include "rosters/roster_report.hpp"

namespace vesk_mg {

void vesk_mg(program_io& io, const roster_folders& found, const rosters_read& rosters,
             const name_file_setting& setting) {
  // Held from its check to the roster's commit: the roster lands in the folder that was checked.
  const folder_handle folder = hold_folder(found.folders.front().path);
  check_folder_takes_files(folder);
  // With folders given, how many rosters each counts, so that a wrong folder
  // shows at once, and how many IDs they share already.
  std::vector<std::string> told_first;
  if (!found.typed.empty()) {
    told_first = counted_lines(rosters);
    if (std::string shared = used_more_than_once_line(rosters, found.typed); !shared.empty()) {
      told_first.push_back(std::move(shared));
    }
  }
  const dialogue_answers answers = ask_questions(io, rosters, told_first, setting);
  write_roster(answers.request, answers.names, io, folder, found);
}

int run_program(byte_source& input, byte_sink& output, byte_sink& error_output, run_clock& clock,
                const std::function<void(program_io&)>& body) {
  console_output out(output);
  // Made before the run: there may be no memory left for it after.
  const std::string out_of_memory = report_text(error_names::out_of_memory, "");
  std::string report;
  try {
    // Everything the run allocates, the console's buffers included, is made
    // in here, so that running out of memory is reported.
    text_input in(input, "standard input");
    program_io io{in, out, clock};
    body(io);
    out.complete_line();
    return exit_normal;
  } catch (const named_error& error) {
    report = report_text(error.full_name(), error.message());
  } catch (const std::bad_alloc&) {
  }
  // The console line is still completed if it can be; a second failure on
  // the way must not hide the first.
  try {
    out.complete_line();
  } catch (const named_error&) {
  } catch (const std::bad_alloc&) {
  }
  write_report(error_output, report.empty() ? out_of_memory : report);
  return exit_after_report;
}

}  // namespace vesk_mg
