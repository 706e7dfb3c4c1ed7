#include "generation/generation_driver.hpp"

#include <algorithm>
#include <optional>
#include <string>

#include "draws/get_trait.hpp"
#include "draws/loyalty_and_year.hpp"
#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "rosters/list_keeping.hpp"
#include "rosters/replaced_file.hpp"
#include "rosters/roster_names.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

// What generation changes as it goes; the request stays as the dialogue made it.
struct generation_work {
  std::int64_t next_id;                                   // the ID of the next row
  std::array<alignment_jobs, alignment_count> remaining;  // counted down; active cleared once finished

  alignment_jobs& remaining_of(alignment a) { return remaining[static_cast<std::size_t>(a)]; }
};

// The bookkeeping over one alignment's remaining counts, which are never
// below zero. type_jobs: the first position, in position order, whose
// count is above zero; an alignment still active always has one.
std::size_t type_jobs(const alignment_jobs& jobs) {
  return static_cast<std::size_t>(std::ranges::find_if(jobs.counts, [](std::int32_t count) { return count > 0; }) -
                                  jobs.counts.begin());
}

// min_one_min: takes the ruling cabinet's ten ministers off its counts once they are written.
void min_one_min(alignment_jobs& jobs) {
  for (std::int32_t& count : jobs.counts) --count;
}

// no_mins: true when the alignment has no minister left to write.
bool no_mins(const alignment_jobs& jobs) {
  return std::ranges::all_of(jobs.counts, [](std::int32_t count) { return count == 0; });
}

// Creates the file in the folder under the first name not in use.
void create_minister_file(program_io& io, const generation_request& request, const folder_handle& folder,
                          std::optional<replaced_file>& file) {
  for (int fallback = 0;; ++fallback) {
    const std::string name = fallback == 0 ? roster_name_in(folder.path(), text_of(request.tag))
                                           : minister_file_name(text_of(request.tag), fallback);
    try {
      file.emplace(folder, name);
      return;
    } catch (const file_use_error&) {
      if (fallback == last_fallback_number) {
        throw named_error("VESK_MG.MAIN.NO_FREE_FILE_NAME_ERROR", path_in(folder.path(), name));
      }
      io.out.write_line_ends(2);
      io.out.write_line("A file with the default minister-filename exists and is in use.");
      io.out.write_text("The ministers will instead be put in a file called: ");
      io.out.write_text(minister_file_name(text_of(request.tag), fallback + 1));
      io.out.write_line("!");
    }
  }
}

// One minister, as its row holds it.
struct minister {
  std::int64_t id;
  std::size_t position;
  alignment side;
  std::string name;
  std::string pool;  // "NA" in the ruling cabinet, else the start year
  std::string_view personality{};
  std::string_view loyalty{};
};

// "601;Head of State;Name;NA;NS;Personality;Loyalty;;x" and its line end.
std::string row_of(const minister& m) {
  std::string row = std::to_string(m.id);
  for (const std::string_view field : {positions[m.position].title, std::string_view(m.name), std::string_view(m.pool),
                                       info(m.side).code, m.personality, m.loyalty}) {
    row.append(";").append(field);
  }
  return row.append(";;x\r\n");
}

// The personality and the loyalty, each a draw, in the order of their fields.
void draw_the_rest(minister& m, run_clock& clock) {
  m.personality = get_trait(clock, info(m.side).draw_code, positions[m.position].draw_code);
  m.loyalty = get_loyalty(clock);
}

// put_first: the ruling cabinet row of `position`, its dot shown once written.
void put_first(replaced_file& file, generation_work& work, alignment ruling, std::size_t position, name_source& names,
               program_io& io) {
  minister m{work.next_id++, position, ruling, names.next(), "NA"};
  draw_the_rest(m, io.clock);
  file.write(row_of(m));
  io.out.write_text(".");
}

// A replacement row, its start year drawn after its name, and its dot
// shown before its personality is drawn.
void put_replacement(replaced_file& file, generation_work& work, alignment a, std::size_t position, name_source& names,
                     program_io& io) {
  minister m{work.next_id++, position, a, names.next(), ""};
  m.pool = std::to_string(get_year(io.clock));
  io.out.write_text(".");
  draw_the_rest(m, io.clock);
  file.write(row_of(m));
}

std::optional<alignment> first_active(const generation_work& work) {
  for (const alignment a : replacement_order) {
    if (work.remaining[static_cast<std::size_t>(a)].active) return a;
  }
  return std::nullopt;
}

// The header, the ruling cabinet, the section line and the replacements.
void write_rows(replaced_file& file, const generation_request& request, name_source& names, program_io& io) {
  generation_work work{request.next_id, request.jobs};
  std::array<char, 3> tag = request.tag;
  upper_case(tag);
  file.write(text_of(tag));
  file.write(";Ruling Cabinet - Start;Name;Pool;Ideology;Personality;Loyalty;Picturename;x\r\n");

  io.out.write_line_ends(3);
  io.out.write_text("Generating ministers");
  const alignment ruling = request.ruling.value();
  for (std::size_t position = 0; position < position_count; ++position) {
    put_first(file, work, ruling, position, names, io);
  }
  min_one_min(work.remaining_of(ruling));
  // An alignment with no minister left, the ruling one once its cabinet is
  // written included, has no replacement row.
  for (alignment_jobs& jobs : work.remaining) {
    if (no_mins(jobs)) jobs.active = false;
  }
  file.write(";Replacements;;;;;;;x\r\n");

  // Every row takes one minister off its alignment, so the rows end when
  // no alignment has one left: at the last ID.
  while (const std::optional<alignment> a = first_active(work)) {
    alignment_jobs& jobs = work.remaining_of(*a);
    const std::size_t position = type_jobs(jobs);
    put_replacement(file, work, *a, position, names, io);
    --jobs.counts[position];
    if (no_mins(jobs)) jobs.active = false;
  }
}

}  // namespace

void write_roster(const generation_request& request, const names_as_checked& checked, program_io& io,
                  const folder_handle& folder, const roster_folders& found) {
  // Should anything fail before the commit, the file is discarded as it
  // unwinds, and the name keeps the roster it held.
  std::optional<replaced_file> file;
  try {
    name_source names(checked);
    create_minister_file(io, request, folder, file);
    write_rows(*file, request, names, io);
    names.check_unchanged();
  } catch (const named_error& error) {
    const std::string left = file ? file->abandon() : "";
    if (left.empty()) throw;
    throw named_error(error.full_name(), error.message() + left);
  }  // the name file is closed here, before the closing lines

  // Nothing is reported as done before the whole roster stands under its name.
  file->commit(io.clock);
  const std::string& roster_path = file->name();
  const std::string roster_name = roster_path.substr(base_name_start(roster_path));
  const std::string list_changed =
      names_the_roster_of(roster_name, text_of(request.tag)) ? keep_the_list(found, roster_name, io.clock) : "";
  try {
    io.out.write_line_ends(2);
    io.out.write_line("DONE!");
    io.out.write_text("Your ministers are in the file called ");
    io.out.write_text(shown(roster_path));
    io.out.complete_line();
    if (!list_changed.empty()) io.out.write_line(list_changed);
  } catch (const named_error& error) {
    // The roster is written: a console that fails now must not say otherwise.
    throw named_error(error.full_name(), error.message() + "; the ministers are in " + roster_path);
  }
}

}  // namespace vesk_mg
