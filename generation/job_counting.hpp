// The bookkeeping of the generation driver over one alignment's counts:
// which position gets the next row, counting ministers down, and telling
// when an alignment has none left.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dialogue/generation_request.hpp"

namespace vesk_mg {

// The first position, in position order, whose count is above zero; when
// there is none, `previous` unchanged.
std::size_t type_jobs(const alignment_jobs& jobs, std::size_t previous);

std::int32_t min_one(std::int32_t count);

void min_one_min(alignment_jobs& jobs);

bool no_mins(const alignment_jobs& jobs);

// The same test as no_mins, used for the ruling alignment before the
// replacement rows.
bool all_is_zero(const alignment_jobs& jobs);

}  // namespace vesk_mg
