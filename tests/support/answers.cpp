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

std::string count_prompts(std::size_t first, std::size_t last) {
  static const std::vector<std::string> prompts{
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
  std::string text = first == 0 ? "\r\n" : "";
  for (std::size_t i = first; i <= last; ++i) text += prompts[i];
  return text;
}

}  // namespace vesk_mg::test_support
