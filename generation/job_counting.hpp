// The generation driver's bookkeeping over one alignment's remaining
// counts: which position gets the next row, counting ministers down, and
// telling when an alignment has none left. Plain arithmetic; nothing fails.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// type_jobs: the first position, in position order, whose count is above
// zero; when there is none, `previous` unchanged.
std::size_t type_jobs(const alignment_jobs& jobs, std::size_t previous);

// min_one: the count once one more minister of the position is written.
std::int32_t min_one(std::int32_t count);

// min_one_min: takes one minister off each of the ten counts (the ruling
// cabinet has just been written).
void min_one_min(alignment_jobs& jobs);

// no_mins: true when the alignment has no minister left to write.
bool no_mins(const alignment_jobs& jobs);

// all_is_zero: the same test as no_mins, used for the ruling alignment
// before the replacement rows.
bool all_is_zero(const alignment_jobs& jobs);

}  // namespace vesk_mg
