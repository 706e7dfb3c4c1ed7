#include "platform/text_input.hpp"

#include <algorithm>

#include "platform/named_error.hpp"

namespace vesk_mg {

namespace {
constexpr std::size_t chunk_size = std::size_t{64} * 1024;
}

text_input::text_input(byte_source& source, std::string_view label)
    : source_(source), label_(label), buffer_(chunk_size) {}

int text_input::peek(std::size_t ahead) {
  if (begin_ + ahead < end_) return static_cast<unsigned char>(buffer_[begin_ + ahead]);
  return peek_slow(ahead);
}

int text_input::peek_slow(std::size_t ahead) {
  while (begin_ + ahead >= end_ && !source_finished_) {
    // Move what is pending to the front so the lookahead always fits.
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
    end_ -= begin_;
    begin_ = 0;
    const std::size_t got = source_.read_some(buffer_.data() + end_, buffer_.size() - end_);
    if (got == 0) source_finished_ = true;
    end_ += got;
  }
  if (begin_ + ahead < end_) return static_cast<unsigned char>(buffer_[begin_ + ahead]);
  return end;
}

std::size_t text_input::line_end_length(std::size_t ahead) {
  const int c = peek(ahead);
  if (c == '\n') return 1;
  if (c == '\r' && peek(ahead + 1) == '\n') return 2;
  return 0;
}

void text_input::raise_end_of_input() const { throw end_of_input_error(label_); }

std::string text_input::read_line(std::size_t capacity) {
  if (peek(0) == end) raise_end_of_input();
  std::string line;
  while (line.size() < capacity) {
    const int c = peek(0);
    if (c == end) break;  // a last line without a line end
    if (const std::size_t length = line_end_length(0); length != 0) {
      advance(length);
      break;
    }
    line.push_back(static_cast<char>(c));
    advance(1);
  }
  return line;
}

void text_input::skip_line() {
  if (peek(0) == end) raise_end_of_input();
  while (peek(0) != end) {
    if (const std::size_t length = line_end_length(0); length != 0) {
      advance(length);
      return;
    }
    advance(1);
  }
}

std::int32_t text_input::read_integer() {
  for (;;) {
    const int c = peek(0);
    if (c == ' ' || c == '\t') {
      advance(1);
    } else if (const std::size_t length = line_end_length(0); length != 0) {
      advance(length);
    } else if (c == end) {
      raise_end_of_input();
    } else {
      break;
    }
  }
  bool negative = false;
  if (peek(0) == '+' || peek(0) == '-') {
    negative = peek(0) == '-';
    advance(1);
  }
  if (peek(0) < '0' || peek(0) > '9') throw number_format_error(label_);
  // The magnitude is capped just past the range so that any run of digits
  // is consumed without overflow.
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  while (peek(0) >= '0' && peek(0) <= '9') {
    magnitude = std::min(limit + 1, magnitude * 10 + (peek(0) - '0'));
    advance(1);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min()) {
    throw number_format_error(label_);
  }
  return static_cast<std::int32_t>(value);
}

bool text_input::at_end_of_file() {
  if (peek(0) == end) return true;
  const std::size_t length = line_end_length(0);
  return length != 0 && peek(length) == end;
}

}  // namespace vesk_mg
