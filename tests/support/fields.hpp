// Splitting what the program wrote into lines and fields, so tests can
// compare a minister file or a console transcript piece by piece.
#pragma once

#include <string>
#include <vector>

namespace vesk_mg::test_support {

// The parts between separators; a text without one is one part.
std::vector<std::string> split(const std::string& text, const std::string& separator);

// The CR LF lines of a text; a last line without its line end is marked
// "<no line end>".
std::vector<std::string> lines_of(const std::string& text);

}  // namespace vesk_mg::test_support
