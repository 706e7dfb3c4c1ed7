#include "generation/job_counting.hpp"

#include <algorithm>

namespace vesk_mg {

std::size_t type_jobs(const alignment_jobs& jobs) {
  return static_cast<std::size_t>(std::ranges::find_if(jobs.counts, [](std::int32_t count) { return count > 0; }) -
                                  jobs.counts.begin());
}

std::int32_t min_one(std::int32_t count) { return count - 1; }

void min_one_min(alignment_jobs& jobs) {
  for (std::int32_t& count : jobs.counts) count = min_one(count);
}

bool no_mins(const alignment_jobs& jobs) {
  return std::ranges::all_of(jobs.counts, [](std::int32_t count) { return count == 0; });
}

}  // namespace vesk_mg
