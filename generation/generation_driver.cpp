#include "generation/generation_driver.hpp"

#include <algorithm>
#include <optional>
#include <string>

#include "draws/get_trait.hpp"
#include "draws/loyalty_and_year.hpp"
#include "generation/job_counting.hpp"
#include "generation/minister_file_name.hpp"
#include "platform/error_names.hpp"
#include "platform/named_error.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

// What generation changes as it goes; the request stays as the dialogue made it.
struct generation_work {
  std::array<char, 3> tag;                                // upper case, for the header
  std::int64_t next_id;                                   // the ID of the next row
  std::array<alignment_jobs, alignment_count> remaining;  // counted down; active cleared once finished

  alignment_jobs& remaining_of(alignment a) { return remaining[static_cast<std::size_t>(a)]; }
};

generation_work start_work(const generation_request& request) {
  generation_work work{request.tag, request.next_id, request.jobs};
  upper_case(work.tag);
  for (alignment_jobs& jobs : work.remaining) {
    // Counts below zero never come from the dialogue; taken as zero, they
    // cannot keep an alignment active for ever.
    for (std::int32_t& count : jobs.counts) count = std::max(count, 0);
  }
  return work;
}

void write_title(output_file& file, std::size_t position) {
  file.write(";");
  file.write(positions[position].title);
  file.write(";");
}

// Creates the file under the first name not in use; returns that name.
std::string create_minister_file(program_io& io, const std::array<char, 3>& tag, std::optional<output_file>& file) {
  for (int fallback = 0;; ++fallback) {
    std::string name = minister_file_name(tag, fallback);
    try {
      file.emplace(name);
      return name;
    } catch (const file_use_error&) {
      if (fallback == last_fallback_number) throw named_error(error_names::no_free_file_name, name);
      io.out.write_line_ends(2);
      io.out.write_line("A file with the default minister-filename exists and is in use.");
      io.out.write_text("The ministers will instead be put in a file called: ");
      io.out.write_text(minister_file_name(tag, fallback + 1));
      io.out.write_line("!");
    }
  }
}

void write_replacement_row(output_file& file, alignment a, generation_work& work, name_source& names, program_io& io,
                           std::size_t& position) {
  alignment_jobs& jobs = work.remaining_of(a);
  file.write(std::to_string(work.next_id++));
  position = type_jobs(jobs, position);
  write_title(file, position);
  file.write(names.next());
  file.write(";");
  file.write(std::to_string(get_year(io.clock)));
  file.write(";");
  file.write(info(a).code);
  file.write(";");
  io.out.write_text(".");
  file.write(get_trait(io.clock, info(a).draw_code, positions[position].draw_code));
  jobs.counts[position] = min_one(jobs.counts[position]);
  if (no_mins(jobs)) jobs.active = false;
  file.write(";");
  file.write(get_loyalty(io.clock));
  file.write(";;x");
  file.new_line();
}

std::optional<alignment> first_active(const generation_work& work) {
  for (const alignment a : replacement_order) {
    if (work.remaining[static_cast<std::size_t>(a)].active) return a;
  }
  return std::nullopt;
}

// The header, the ruling cabinet, the section line and the replacements.
void write_rows(output_file& file, const generation_request& request, name_source& names, program_io& io) {
  generation_work work = start_work(request);
  const alignment ruling = request.ruling.value();
  file.write(text_of(work.tag));
  file.write(";Ruling Cabinet - Start;Name;Pool;Ideology;Personality;Loyalty;Picturename;x");
  file.new_line();

  io.out.write_line_ends(3);
  io.out.write_text("Generating ministers");
  for (std::size_t position = 0; position < position_count; ++position) {
    put_first(file, position, ruling, work.next_id, names, io);
  }

  alignment_jobs& ruling_jobs = work.remaining_of(ruling);
  min_one_min(ruling_jobs);
  if (all_is_zero(ruling_jobs)) ruling_jobs.active = false;
  for (alignment_jobs& jobs : work.remaining) {
    if (jobs.active && no_mins(jobs)) jobs.active = false;
  }
  file.write(";Replacements;;;;;;;x");
  file.new_line();

  // Every row takes one minister off its alignment, so the rows end when
  // no alignment has one left: at the last ID.
  std::size_t position = 0;
  while (const std::optional<alignment> a = first_active(work)) {
    write_replacement_row(file, *a, work, names, io, position);
  }
}

}  // namespace

void put_first(output_file& file, std::size_t position, alignment ruling, std::int64_t& next_id, name_source& names,
               program_io& io) {
  file.write(std::to_string(next_id));
  write_title(file, position);
  file.write(names.next());
  file.write(";NA;");
  file.write(info(ruling).code);
  file.write(";");
  file.write(get_trait(io.clock, info(ruling).draw_code, positions[position].draw_code));
  file.write(";");
  file.write(get_loyalty(io.clock));
  file.write(";;x");
  file.new_line();
  ++next_id;
  io.out.write_text(".");
}

void main(const generation_request& request, program_io& io) {  // NOLINT(bugprone-exception-escape)
  // Should anything fail before the commit, the file is discarded as it
  // unwinds, and the name keeps the roster it held.
  std::optional<output_file> file;
  std::string file_name;
  {
    input_file name_file(request.name_file_name);
    text_input lines(name_file, name_file.name());
    name_source names(lines, request);
    file_name = create_minister_file(io, request.tag, file);
    write_rows(*file, request, names, io);
  }  // the name file is closed here, before the closing lines

  // Nothing is reported as done before the whole roster stands under its name.
  file->commit(io.clock);
  try {
    io.out.write_line_ends(2);
    io.out.write_line("DONE!");
    io.out.write_text("Your ministers are in the file called ");
    io.out.write_text(file_name);
    io.out.complete_line();
  } catch (const named_error& error) {
    // The roster is written: a console that fails now must not say otherwise.
    throw named_error(error.full_name(), error.message() + "; the ministers are in " + file_name);
  }
}

}  // namespace vesk_mg
