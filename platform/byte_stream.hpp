// The raw byte channels under the console and the files: a source that
// hands out what it has and 0 at its end, and a sink that takes all or
// raises. The string-backed pair lets tests, benchmarks and fuzzers drive
// the program without a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk_mg {

class byte_source {
 public:
  virtual ~byte_source() = default;
  // Stores up to `capacity` bytes and returns how many; 0 means end of input.
  // A read failure raises file_read_error.
  virtual std::size_t read_some(char* buffer, std::size_t capacity) = 0;
};

class byte_sink {
 public:
  virtual ~byte_sink() = default;
  // Writes every byte or raises file_write_error.
  virtual void write_all(std::string_view bytes) = 0;
};

class string_source final : public byte_source {
 public:
  explicit string_source(std::string text) : text_(std::move(text)) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override;

 private:
  std::string text_;
  std::size_t position_ = 0;
};

class string_sink final : public byte_sink {
 public:
  void write_all(std::string_view bytes) override { text_.append(bytes); }
  [[nodiscard]] const std::string& text() const noexcept { return text_; }

 private:
  std::string text_;
};

}  // namespace vesk_mg
