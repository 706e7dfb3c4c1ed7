#include "tests/support/fields.hpp"

namespace vesk_mg::test_support {

std::vector<std::string> split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, end - start));
    start = end + separator.size();
  }
}

std::vector<std::string> lines_of(const std::string& text) {
  if (text.empty()) return {};
  const bool ended = text.ends_with("\r\n");
  std::vector<std::string> lines = split(ended ? text.substr(0, text.size() - 2) : text, "\r\n");
  if (!ended) lines.back() += "<no line end>";
  return lines;
}

}  // namespace vesk_mg::test_support
