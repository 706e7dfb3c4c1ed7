// Reads the names a run will use, the first `used` lines of a name file
// read as generation reads them, in one pass, and checks them against what
// the game can read: it counts them (every line counts, empty lines and a
// last line without a line end included, but an empty last line does
// not; a file with fewer than `used` is counted exactly), tells whether
// the file is UTF-8 (one of those lines well-formed UTF-8 beyond plain
// ASCII is enough, and a line that is not UTF-8 is then refused;
// otherwise the file is taken to be in the game's code page), which lines
// hold a character that would spoil their row, and the digest of the
// lines read. A file with enough names is read no further. Opening raises
// file_name_error or file_use_error; a failed read raises
// file_read_error, a UTF-16 file file_encoding_error.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/env.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

struct refused_line {
  std::int64_t line;  // from 1 at the file's first line
  char32_t character;
};

struct name_check {
  std::int64_t names = 0;  // lines read: `used`, or all there are
  bool utf8 = false;
  std::vector<refused_line> refused;  // the first ten, in line order
  std::int64_t more_refused = 0;      // refused lines after those
  name_digest digest;                 // of the lines read
};

name_check check_names(std::string_view file_name, std::int64_t used, code_page_converter& converter);

}  // namespace vesk_mg
