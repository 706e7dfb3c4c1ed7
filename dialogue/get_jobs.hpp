// Cabinet size entry for one alignment: ten counts, one per position, added
// to the running total. While `first` is set (the ruling cabinet) every
// count must be at least 1; otherwise it must not be negative. An answer
// that is not a number, or a count that would carry the total past
// 2147483647, aborts the attempt and the entry starts again from the first
// position, and so does a failure to read. End of input leaves the call
// with end_of_input_error, a failure to write to the console with its own.
#pragma once

#include <cstdint>

#include "platform/console.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// get_jobs: asks the ten counts of one alignment into `jobs`; returns the
// new total.
std::int32_t get_jobs(program_io& io, alignment_jobs& jobs, std::int32_t total, bool first);

}  // namespace vesk_mg
