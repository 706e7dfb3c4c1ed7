#include "dialogue/ask_questions.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "dialogue/get_jobs.hpp"
#include "names/game_text.hpp"
#include "names/name_file.hpp"
#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "rosters/roster_report.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

constexpr std::string_view refusal = "Not like that, try again.";
constexpr std::string_view discussion_address = "https://example.org/vesk_mg/discussion";

void write_banner(console_output& out) {
  out.write_line_ends(25);
  out.write_line("Quellmar's VESK minister-generator");
  out.write_line("beta 1.3");
  out.write_line_ends(2);
  out.write_line("Leave any comments or questions here:");
  out.write_line(discussion_address);
  out.write_line_ends(2);
  out.write_line("      ----------------------------------------------------------------");
  out.write_line("      |The default filename for the output-file is ministers_XXX.csv,|");
  out.write_line("NOTE: |where XXX is the country tag.                                 |");
  out.write_line("      |Any existing file with this name will be overwritten          |");
  out.write_line("      ----------------------------------------------------------------");
  out.write_line_ends(2);
}

// The tag becomes part of the file name and the first field of the
// header, so it must be three printable ASCII characters that every
// platform allows in a file name (a byte above 0x7F names the file
// differently in every code page) and that do not split a field. The
// game's tags hold no blank: "ministers_ ge.csv" is a roster no country reads.
bool usable_in_file_name(std::string_view tag) {
  return std::ranges::all_of(tag, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > 0x20 && byte < 0x7F && std::string_view("/\\:*?\"<>|;").find(c) == std::string_view::npos;
  });
}

void ask_tag(program_io& io, generation_request& request) {
  for (;;) {
    io.out.write_text("What is the tag of the country you want ministers for?: ");
    const std::string line = io.in.read_line(request.tag.size());
    // A short line's own line end is already consumed: nothing to discard.
    if (line.size() < request.tag.size()) {
      io.out.write_line(refusal);
      continue;
    }
    io.in.skip_line();
    if (!usable_in_file_name(line)) {
      io.out.write_line(refusal);
      continue;
    }
    line.copy(request.tag.data(), request.tag.size());
    lower_case(request.tag);
    io.out.write_line_ends(1);
    return;
  }
}

// Returns the ruling alignment.
alignment ask_alignments(program_io& io, generation_request& request) {
  io.out.write_line("What political alignments do you want the ministers to have?");
  io.out.write_line("The alternatives are: NS, PA, FA, SC, SL, ML, SD, ST, LWR and LE.");
  io.out.write_line("Enter one or more alignments, press <enter> between each entry.");
  io.out.write_line("Enter X to finish.");
  io.out.write_line("The first entered alignment will make up the ruling cabinet.");
  for (;;) {
    io.out.write_text("?: ");
    std::string entry = io.in.read_line(4);
    upper_case(entry);
    bool matched = false;
    for (const alignment a : prompt_order) {
      if (entry != info(a).code) continue;
      matched = true;
      request.jobs_of(a).active = true;
      if (!request.ruling) request.ruling = a;
    }
    if (matched) continue;
    if (entry == "X" && request.ruling) return *request.ruling;
    io.out.write_line(refusal);
  }
}

struct entry_state {
  std::int32_t total = 0;
  bool first = true;
};

void ask_counts(program_io& io, generation_request& request, alignment a, entry_state& state) {
  io.out.write_line_ends(1);
  io.out.write_line(info(a).heading);
  io.out.write_line_ends(1);
  io.out.write_line("Enter X to redo your present entry");
  state.total = get_jobs(io, request.jobs_of(a), state.total, state.first);
  state.first = false;
}

// too_few_names_exception: the name file holds fewer names than the run
// uses; the user is told how many more it needs, and asked again.
void write_too_few_names_exception(console_output& out, std::int64_t missing) {
  out.write_line("There are too few names in name-file.");
  out.write_text("You need ");
  out.write_text(std::to_string(missing));
  out.write_line(" more names in the file to generate all ministers");
}

// Tells the user, line by line, which names the game could not read as written.
void write_refusals(console_output& out, const name_check& check, unsigned code_page) {
  for (const refused_line& refused : check.refused) {
    out.write_line("Line " + std::to_string(refused.line) + " of the name file " +
                   why_refused(refused.character, code_page) + ".");
  }
  if (check.more_refused == 1) out.write_line("1 more line of the name file holds such characters.");
  if (check.more_refused > 1) {
    out.write_line(std::to_string(check.more_refused) + " more lines of the name file hold such characters.");
  }
  out.write_line("Change these names, then try again: ");
}

names_as_checked ask_name_file(program_io& io, std::int32_t total, const name_file_setting& setting) {
  code_page_converter converter(setting.game_code_page);
  for (;;) {
    io.out.write_line("What is the name of the file where minister-names are found?");
    io.out.write_text("NOTE: Filename is case sensitive!: ");
    const std::string file = find_name_file(io.in.read_line(whole_line), setting.program_folder);
    try {
      const name_check check = check_names(file, total, converter);
      if (total > check.names) {
        write_too_few_names_exception(io.out, total - check.names);
      } else if (check.utf8 && !converter.available()) {
        // Every letter beyond ASCII would be refused; the cure is the file's encoding.
        const std::string number = std::to_string(converter.code_page());
        io.out.write_line("This system cannot write names in code page " + number + ", the game's.");
        io.out.write_line("Save the name file in code page " + number + ", then try again: ");
      } else if (check.refused.empty()) {
        return {file, check.digest, check.utf8, converter.code_page()};
      } else {
        write_refusals(io.out, check, converter.code_page());
      }
    } catch (const file_name_error&) {
      io.out.write_line("Invalid filename, try again: ");
    } catch (const file_use_error&) {
      // A folder or an unreadable file: the user can name another one.
      io.out.write_line("Invalid filename, try again: ");
    } catch (const file_encoding_error&) {
      io.out.write_line("The name file is UTF-16 text; save it as ANSI or UTF-8, then try again: ");
    }
  }
}

// Tells the user which rosters already use IDs of the range, and where the
// first whole free range starts, if there is one.
void write_clash(console_output& out, const id_clash& clash, std::int64_t first_id, std::int64_t last_id) {
  out.write_line_ends(1);
  out.write_line("IDs " + std::to_string(first_id) + " to " + std::to_string(last_id) + " are already used by " +
                 std::to_string(clash.ministers) + (clash.ministers == 1 ? " minister in " : " ministers in ") +
                 rosters_named(clash.rosters, 3) + ".");
  if (clash.next_free) {
    out.write_line("The next " + std::to_string(last_id - first_id + 1) + " free IDs in a row start at " +
                   std::to_string(*clash.next_free) + ".");
  }
}

void ask_first_id(program_io& io, generation_request& request, std::int32_t total, const rosters_read& rosters) {
  std::optional<used_ids> used;  // once a first ID is otherwise fit
  for (;;) {
    io.out.write_text("What is the first ID you want to use?: ");
    try {
      const std::int32_t first_id = io.in.read_integer();
      const std::int64_t last_id = std::int64_t{first_id} + total - 1;
      if (last_id > std::numeric_limits<std::int32_t>::max()) throw number_format_error("first ID");
      if (!used) used = ids_used_in(rosters, text_of(request.tag));
      if (const std::optional<id_clash> clash = clash_of(*used, first_id, last_id)) {
        write_clash(io.out, *clash, first_id, last_id);
        io.in.skip_line();
        continue;
      }
      request.next_id = first_id;
      return;
    } catch (const number_format_error&) {
      io.out.write_line_ends(1);
      io.out.write_line("I pity the fool who cannot enter a correct ID!");
      io.out.write_line("Try again: ");
      io.in.skip_line();
    }
  }
}

}  // namespace

dialogue_answers ask_questions(program_io& io, const rosters_read& rosters, const std::vector<std::string>& told_first,
                               const name_file_setting& setting) {
  generation_request request;
  entry_state state;

  write_banner(io.out);
  for (const std::string& line : told_first) io.out.write_line(line);
  if (!told_first.empty()) io.out.write_line_ends(1);
  ask_tag(io, request);
  const alignment ruling = ask_alignments(io, request);

  ask_counts(io, request, ruling, state);
  for (const alignment a : count_entry_order) {
    const alignment_jobs& jobs = request.jobs_of(a);
    if (jobs.active && !jobs.entered) ask_counts(io, request, a, state);
  }
  io.out.write_line_ends(1);

  names_as_checked names = ask_name_file(io, state.total, setting);
  ask_first_id(io, request, state.total, rosters);
  return {request, std::move(names)};
}

}  // namespace vesk_mg
