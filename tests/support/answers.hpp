// Answer scripts for whole runs, as a user would type them. By default the
// short session: the tag abc, NS alone, one minister of each position, the
// name file names.txt and the first ID 601, each answer on a line of its own.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/support/requests.hpp"

namespace vesk_mg::test_support {

struct answers {
  std::string tag = "abc";
  std::vector<std::string> alignments{"NS"};                       // "X" follows them
  std::vector<job_counts> counts{{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};  // per alignment, in the order asked
  std::vector<std::string> name_files{"names.txt"};                // answered in turn
  std::string first_id = "601";                                    // when empty, the input ends before it
  std::string line_end = "\n";

  [[nodiscard]] std::string text() const;
};

// The prompts of one attempt at an alignment's counts, from position
// `first` to `last`, as the console shows them, the blank line that opens
// the attempt before the first position's.
std::string count_prompts(std::size_t first = 0, std::size_t last = 9);

}  // namespace vesk_mg::test_support
