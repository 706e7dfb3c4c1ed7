#include "tests/support/answers.hpp"

namespace vesk_mg::test_support {

std::string answers::text() const {
  std::string script = tag + line_end;
  for (const std::string& entry : alignments) script += entry + line_end;
  script += "X" + line_end;
  for (const job_counts& ten : counts) {
    for (const std::int32_t count : ten) script += std::to_string(count) + line_end;
  }
  for (const std::string& name : name_files) script += name + line_end;
  if (!first_id.empty()) script += first_id + line_end;
  return script;
}

}  // namespace vesk_mg::test_support
