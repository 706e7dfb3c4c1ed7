#include "generation/job_counting.hpp"

#include <algorithm>

namespace vesk_mg {

std::size_t type_jobs(const alignment_jobs& jobs, std::size_t previous) {
  for (std::size_t position = 0; position < position_count; ++position) {
    if (jobs.counts[position] > 0) return position;
  }
  return previous;
}

std::int32_t min_one(std::int32_t count) { return count - 1; }

void min_one_min(alignment_jobs& jobs) {
  for (std::int32_t& count : jobs.counts) count = min_one(count);
}

bool no_mins(const alignment_jobs& jobs) {
  return std::all_of(jobs.counts.begin(), jobs.counts.end(), [](std::int32_t count) { return count == 0; });
}

bool all_is_zero(const alignment_jobs& jobs) { return no_mins(jobs); }

}  // namespace vesk_mg
