#include "platform/text_input.hpp"

#include <algorithm>
#include <cstring>

#include "platform/errors.hpp"

namespace vesk_mg {

int text_input::refill_and_peek(std::size_t ahead) {
  while (begin_ + ahead >= end_ && !source_finished_) {
    // Move what is pending to the front so the lookahead always fits.
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    const std::size_t got = source_.read_some(buffer_.data() + end_, buffer_.size() - end_);
    source_finished_ = got == 0;
    end_ += got;
  }
  return begin_ + ahead < end_ ? static_cast<unsigned char>(buffer_[begin_ + ahead]) : end;
}

std::size_t text_input::line_end_length() {
  const int c = peek(0);
  if (c != '\r') return c == '\n' ? 1 : 0;
  return peek(1) == '\n' ? 2 : lone_cr_ends_ ? 1 : 0;
}

std::string text_input::read_line(std::size_t capacity) {
  std::string line;
  take_line(&line, capacity);
  return line;
}

void text_input::skip_line() { take_line(nullptr, whole_line); }

void text_input::take_line(std::string* line, std::size_t capacity) {
  if (peek(0) == end) throw end_of_input_error(label_);
  // A last line without a line end ends at the end of the input. Runs
  // without CR or LF are taken whole, so a long line goes at memchr's pace.
  for (std::size_t taken = 0; taken < capacity && peek(0) != end;) {
    const char* const from = buffer_.data() + begin_;
    const std::size_t room = std::min(end_ - begin_, capacity - taken);
    const auto* lf = static_cast<const char*>(std::memchr(from, '\n', room));
    const std::size_t before_lf = lf == nullptr ? room : static_cast<std::size_t>(lf - from);
    const auto* cr = static_cast<const char*>(std::memchr(from, '\r', before_lf));
    const std::size_t run = cr == nullptr ? before_lf : static_cast<std::size_t>(cr - from);
    if (line != nullptr) line->append(from, run);
    taken += run;
    advance(run);
    if (run == room) continue;
    if (const std::size_t length = line_end_length(); length != 0) {
      advance(length);
      return;
    }
    if (line != nullptr) line->push_back('\r');  // a CR that ends no line
    ++taken;
    advance(1);
  }
}

std::int32_t text_input::read_integer() {
  for (;;) {
    const std::size_t blank = peek(0) == ' ' || peek(0) == '\t' ? 1 : line_end_length();
    if (blank == 0) break;
    advance(blank);
  }
  if (peek(0) == end) throw end_of_input_error(label_);
  const bool negative = peek(0) == '-';
  if (negative || peek(0) == '+') advance(1);
  if (peek(0) < '0' || peek(0) > '9') throw number_format_error(label_);
  // The magnitude is capped just past the range so that any run of digits
  // is consumed without overflow.
  constexpr std::int64_t cap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
  std::int64_t magnitude = 0;
  for (; peek(0) >= '0' && peek(0) <= '9'; advance(1)) magnitude = std::min(cap, magnitude * 10 + (peek(0) - '0'));
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min()) {
    throw number_format_error(label_);
  }
  return static_cast<std::int32_t>(value);
}

bool text_input::at_end_of_file() {
  const std::size_t length = line_end_length();
  return peek(0) == end || (length != 0 && peek(length) == end);
}

}  // namespace vesk_mg
