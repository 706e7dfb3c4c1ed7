// Byte channels backed by strings: the console of a test, a benchmark or a
// fuzzer, read from a fixed text and written into one that can be looked at.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

#include "platform/errors.hpp"
#include "platform/files.hpp"

namespace vesk_mg::test_support {

class string_source final : public byte_source {
 public:
  explicit string_source(std::string text) : text_(std::move(text)) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    const std::size_t count = text_.copy(buffer, capacity, position_);
    position_ += count;
    return count;
  }

 private:
  std::string text_;
  std::size_t position_ = 0;
};

// Hands out one line a read, and runs `before_line` with a line just
// before it hands that line out: something can happen between two answers.
class line_source final : public byte_source {
 public:
  line_source(std::string text, std::function<void(std::string_view line)> before_line)
      : text_(std::move(text)), before_line_(std::move(before_line)) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    const std::size_t end = std::min(text_.find('\n', position_), text_.size() - 1) + 1;
    const std::string_view line = std::string_view(text_).substr(position_, std::min(end - position_, capacity));
    if (!line.empty()) before_line_(line);
    position_ += line.copy(buffer, line.size());
    return line.size();
  }

 private:
  std::string text_;
  std::function<void(std::string_view line)> before_line_;
  std::size_t position_ = 0;
};

class string_sink final : public byte_sink {
 public:
  void write_all(std::string_view bytes) override { text_.append(bytes); }
  [[nodiscard]] const std::string& text() const noexcept { return text_; }

 private:
  std::string text_;
};

// A console that takes every write but one: the `failing`-th (from 1)
// raises file_write_error, as a console that stops for a moment does.
class flaky_sink final : public byte_sink {
 public:
  explicit flaky_sink(int failing) : failing_(failing) {}
  void write_all(std::string_view bytes) override {
    if (++writes_ == failing_) throw file_write_error("standard output: Input/output error");
    text_.append(bytes);
  }
  [[nodiscard]] const std::string& text() const noexcept { return text_; }

 private:
  int failing_;
  int writes_ = 0;
  std::string text_;
};

}  // namespace vesk_mg::test_support
