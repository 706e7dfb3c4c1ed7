// The generation driver's bookkeeping over one alignment's remaining
// counts, which are never below zero: which position gets the next row,
// counting ministers down, and telling when an alignment has none left.
// Plain arithmetic; nothing fails.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// type_jobs: the first position, in position order, whose count is above
// zero; an alignment still active always has one.
std::size_t type_jobs(const alignment_jobs& jobs);

std::int32_t min_one(std::int32_t count);
// Once the ruling cabinet is written.
void min_one_min(alignment_jobs& jobs);

// no_mins and all_is_zero, one check under both names: true when the
// alignment has no minister left to write.
bool no_mins(const alignment_jobs& jobs);
inline bool all_is_zero(const alignment_jobs& jobs) { return no_mins(jobs); }

}  // namespace vesk_mg
