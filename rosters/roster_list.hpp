// The list of the rosters that one edition of the game loads, ministers.txt
// beside its ministers folder: one file name a line, with blank lines and
// lines that begin with '#' passed over, the blanks around a name left
// out, and lines ended as the game ends them (CR LF, LF or a lone CR). The
// game's tools write it in ANSI or UTF-8, with or without a byte-order
// mark, or in UTF-16 opened by one. A roster it does not name is never
// loaded; names match with letter case ignored, and a line longer than any
// file name (255 bytes) names none.
//
// A list is read in blocks, and only its distinct names are kept. One that
// cannot be read raises file_name_error, file_use_error or file_read_error
// as a file does, and one that names more than 65,536 files
// file_use_error, each with the line that tells the user ("Cannot read the
// roster list X: Permission denied").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/byte_channels.hpp"

namespace vesk_mg {

inline constexpr std::size_t most_listed_names = 65536;

// How a list is written, so that a name added to it is written alike.
struct list_form {
  enum class encoding { plain, utf16_little_endian, utf16_big_endian };
  encoding written_in = encoding::plain;
  std::string line_end = "\r\n";  // the first the list has; CR LF where it has none
  bool ends_open = false;         // its last line has no line end
};

struct roster_list {
  std::unordered_map<std::string, std::string> names;  // folded as lower_case folds them, and as first written
  list_form form;
  std::uint64_t digest{};  // of its bytes as they stand

  [[nodiscard]] bool names_file(std::string_view file_name) const;
};

// The list at `path`, read through.
roster_list read_roster_list(const std::string& path);

// The bytes that, added at the end of a list of `form`, name `file_name`
// (plain ASCII, as a roster's own name is) on a line of its own.
std::string addition_naming(const list_form& form, std::string_view file_name);

// Copies the bytes of `from` to `to`, and gives their digest.
std::uint64_t copy_digested(byte_source& from, byte_sink& to);

}  // namespace vesk_mg
