#include "generation/generation_driver.hpp"

#include <string>

#include "dialogue/case_folding.hpp"
#include "draws/get_trait.hpp"
#include "draws/loyalty_and_year.hpp"
#include "generation/job_counting.hpp"
#include "generation/minister_file_name.hpp"
#include "platform/named_error.hpp"

namespace vesk_mg {

namespace {

void write_title(output_file& file, std::size_t position) {
  file.write(";");
  file.write(positions[position].title);
  file.write(";");
}

// A name is the whole line, however long, copied byte for byte.
void write_name(output_file& file, text_input& names) { file.write(names.read_line(whole_line)); }

output_file& create_minister_file(program_io& io, const generation_request& request, std::string& name) {
  for (int fallback = 0;; ++fallback) {
    name = minister_file_name(request.tag, fallback);
    try {
      return io.minister_file.emplace(name);
    } catch (const file_use_error&) {
      if (fallback == last_fallback_number) throw named_error(no_free_file_name_error, name);
      io.out.write_line_ends(2);
      io.out.write_line("A file with the default minister-filename exists and is in use.");
      io.out.write_text("The ministers will instead be put in a file called: ");
      io.out.write_text(minister_file_name(request.tag, fallback + 1));
      io.out.write_line("!");
    }
  }
}

void write_replacement_row(output_file& file, std::int64_t row_id, alignment a, generation_request& request,
                           text_input& names, program_io& io, std::size_t& position) {
  alignment_jobs& jobs = request.jobs_of(a);
  file.write(std::to_string(row_id));
  position = type_jobs(jobs, position);
  write_title(file, position);
  write_name(file, names);
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

const alignment* first_active(const generation_request& request) {
  for (const alignment& a : replacement_order) {
    if (request.jobs_of(a).active) return &a;
  }
  return nullptr;
}

}  // namespace

void put_first(output_file& file, std::size_t position, generation_request& request, text_input& names,
               program_io& io) {
  const alignment ruling = *alignment_of_draw_code(text_of(request.ruling));
  file.write(std::to_string(request.next_id));
  write_title(file, position);
  write_name(file, names);
  file.write(";NA;");
  file.write(info(ruling).code);
  file.write(";");
  file.write(get_trait(io.clock, text_of(request.ruling), positions[position].draw_code));
  file.write(";");
  file.write(get_loyalty(io.clock));
  file.write(";;x");
  file.new_line();
  ++request.next_id;
  io.out.write_text(".");
}

namespace {

// The header, the ruling cabinet, the section line and the replacements.
void write_rows(output_file& file, generation_request& request, text_input& names, program_io& io) {
  upper_case(request.tag);
  file.write(text_of(request.tag));
  file.write(";Ruling Cabinet - Start;Name;Pool;Ideology;Personality;Loyalty;Picturename;x");
  file.new_line();

  io.out.write_line_ends(3);
  io.out.write_text("Generating ministers");
  for (std::size_t position = 0; position < position_count; ++position) {
    put_first(file, position, request, names, io);
  }

  alignment_jobs& ruling_jobs = request.jobs_of(*alignment_of_draw_code(text_of(request.ruling)));
  min_one_min(ruling_jobs);
  if (all_is_zero(ruling_jobs)) ruling_jobs.active = false;
  for (alignment_jobs& jobs : request.jobs) {
    if (jobs.active && no_mins(jobs)) jobs.active = false;
  }
  file.write(";Replacements;;;;;;;x");
  file.new_line();

  std::size_t position = 0;
  const std::int64_t last_id = request.last_id;
  for (std::int64_t row_id = request.next_id; row_id <= last_id; ++row_id) {
    const alignment* a = first_active(request);
    if (a == nullptr) break;
    write_replacement_row(file, row_id, *a, request, names, io, position);
  }
}

}  // namespace

void main(generation_request& request, program_io& io) {
  std::string file_name;
  {
    input_file name_file(request.name_file_name);
    text_input names(name_file, name_file.name());
    output_file& file = create_minister_file(io, request, file_name);
    write_rows(file, request, names, io);
  }  // the name file is closed here, before the closing lines

  // Nothing is reported as done before every row has reached the system.
  io.minister_file->flush();
  io.out.write_line_ends(2);
  io.out.write_line("DONE!");
  io.out.write_text("Your ministers are in the file called ");
  io.out.write_text(file_name);
}

}  // namespace vesk_mg
