// Line-oriented reading over a byte source, with exactly the behaviour the
// dialogue and the name file rely on. A line ends with CR LF or with LF
// alone; a CR not followed by LF is an ordinary character, unless the
// reader is told to end a line there too, as the game's readers do. Reads that find
// nothing left raise end_of_input_error; integer reads that find no number,
// or one outside the 32-bit range, raise number_format_error.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "platform/byte_channels.hpp"

namespace vesk_mg {

inline constexpr std::size_t whole_line = std::numeric_limits<std::size_t>::max();

class text_input {
 public:
  enum line_ends { crlf_or_lf, lone_cr_ends_a_line };
  // `label` names the input in the messages of its errors.
  text_input(byte_source& source, std::string_view label, line_ends ends = crlf_or_lf)
      : source_(source), label_(label), lone_cr_ends_(ends == lone_cr_ends_a_line) {}

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
  static constexpr std::size_t chunk_size = std::size_t{64} * 1024;

  // Consumes a line up to its line end or `capacity` characters, keeping
  // them in `line` when it is given.
  void take_line(std::string* line, std::size_t capacity);
  // The byte `ahead` of the next one, or `end`; the buffer is refilled
  // only when it has run out, which keeps the common case inline.
  int peek(std::size_t ahead) {
    return begin_ + ahead < end_ ? static_cast<unsigned char>(buffer_[begin_ + ahead]) : refill_and_peek(ahead);
  }
  int refill_and_peek(std::size_t ahead);
  // 2 for CR LF, 1 for LF (or a lone CR where it ends a line), 0 for anything else.
  std::size_t line_end_length();
  void advance(std::size_t count) { begin_ += count; }

  byte_source& source_;
  std::string label_;
  bool lone_cr_ends_;
  // Inside the reader, so that reading takes nothing from the heap.
  std::array<char, chunk_size> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool source_finished_ = false;
};

}  // namespace vesk_mg
