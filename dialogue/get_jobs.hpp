// Cabinet size entry for one alignment: ten counts, one per position, added
// to the running total. While `first` is set (the ruling cabinet) every
// count must be at least 1; otherwise it must not be negative. An answer
// that is not a number, or a count that would carry the total past
// 2147483647, aborts the attempt and the entry starts again from the first
// position. End of input leaves the call with end_of_input_error.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/program_io.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

struct jobs_entry {
  std::int32_t total;
  bool first;
};

inline constexpr std::array<std::string_view, position_count> count_prompts{
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

// get_jobs: asks the ten counts of one alignment into `jobs`; returns the
// new total and `first` switched off.
jobs_entry get_jobs(program_io& io, alignment_jobs& jobs, std::int32_t total, bool first);

}  // namespace vesk_mg
