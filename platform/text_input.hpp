// Line-oriented reading over a byte source, with exactly the behaviour the
// dialogue and the name file rely on. A line ends with CR LF or with LF
// alone; a CR not followed by LF is an ordinary character. Reads that find
// nothing left raise end_of_input_error; integer reads that find no number,
// or one outside the 32-bit range, raise number_format_error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_stream.hpp"

namespace vesk_mg {

inline constexpr std::size_t whole_line = std::numeric_limits<std::size_t>::max();

class text_input {
 public:
  // `label` names the input in the messages of its errors.
  text_input(byte_source& source, std::string_view label);

  // Stores characters until the line end or until `capacity` are stored.
  // A line end met first is consumed; when the capacity is reached first,
  // the line end and the rest of the line stay pending for the next read.
  std::string read_line(std::size_t capacity);

  // Consumes everything up to and including the next line end.
  void skip_line();

  // Skips blanks, tabs and line ends, then reads an optional sign and
  // decimal digits; stops before the first character that cannot continue.
  std::int32_t read_integer();

  // True when nothing is left, or only one line end.
  bool at_end_of_file();

 private:
  static constexpr int end = -1;

  int peek(std::size_t ahead);
  int peek_slow(std::size_t ahead);
  std::size_t line_end_length(std::size_t ahead);
  void advance(std::size_t count) { begin_ += count; }
  [[noreturn]] void raise_end_of_input() const;

  byte_source& source_;
  std::string label_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool source_finished_ = false;
};

}  // namespace vesk_mg
