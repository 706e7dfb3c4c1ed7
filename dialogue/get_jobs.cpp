#include "dialogue/get_jobs.hpp"

#include <array>
#include <limits>
#include <string_view>

#include "platform/errors.hpp"

namespace vesk_mg {

namespace {

constexpr std::array<std::string_view, position_count> count_prompts{
    "Enter how many Heads of State you want for this alignment: ",
    "Enter how many Heads of Government you want for this alignment: ",
    "Enter how many Foreign Ministers you want for this alignment: ",
    "Enter how many Armaments Ministers you want for this alignment: ",
    "Enter how many Ministers of Security you want for this alignment: ",
    "Enter how many Ministers of Intelligence you want for this alignment: ",
    "Enter how many Chiefs of Staff you want for this alignment: ",
    "Enter how many Chiefs of Army you want for this alignment: ",
    "Enter how many Chiefs of Navy you want for this alignment: ",
    "Enter how many Chiefs of Air Force you want for this alignment: ",
};

// The total would pass the 32-bit range; the attempt starts again.
struct total_too_large {};

std::int32_t read_count(program_io& io) {
  const std::int32_t count = io.in.read_integer();
  io.in.skip_line();
  return count;
}

std::int32_t read_acceptable_count(program_io& io, bool first) {
  std::int32_t count = read_count(io);
  for (;;) {
    if (first && count <= 0) {
      io.out.write_line("The ruling cabinet requires at least one minister of each type.");
    } else if (!first && count < 0) {
      io.out.write_line("The number of ministers cannot be negative.");
    } else {
      return count;
    }
    io.out.write_text("?: ");
    count = read_count(io);
  }
}

// One attempt from the first position to the tenth; returns the new total.
std::int32_t enter_counts(program_io& io, alignment_jobs& jobs, std::int32_t total, bool first) {
  for (std::size_t position = 0; position < position_count; ++position) {
    io.out.write_text(count_prompts[position]);
    const std::int32_t count = read_acceptable_count(io, first);
    jobs.counts[position] = count;
    if (count > std::numeric_limits<std::int32_t>::max() - total) throw total_too_large{};
    total += count;
  }
  return total;
}

}  // namespace

std::int32_t get_jobs(program_io& io, alignment_jobs& jobs, std::int32_t total, bool first) {
  for (;;) {
    io.out.write_line_ends(1);
    try {
      const std::int32_t new_total = enter_counts(io, jobs, total, first);
      jobs.entered = true;
      return new_total;
    } catch (const number_format_error&) {
      io.out.write_line("Input aborted, try again: ");
      jobs.counts = {};
      io.in.skip_line();
    } catch (const total_too_large&) {
      io.out.write_line("Input aborted, try again: ");
      jobs.counts = {};
    } catch (const file_write_error&) {
      throw;  // the console takes no more: no typo, and nothing to start over
    } catch (const named_error&) {
      // At the end of input this discard fails in turn and ends the entry.
      io.out.write_line("An unknown error occurred, try again: ");
      jobs.counts = {};
      io.in.skip_line();
    }
  }
}

}  // namespace vesk_mg
