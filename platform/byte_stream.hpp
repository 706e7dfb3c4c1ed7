// The raw byte channels under the console and the files: a source that
// hands out what it has and 0 at its end, and a sink that takes all or
// raises. file_handle is the platform's own; tests drive the program
// through string-backed ones.
#pragma once

#include <cstddef>
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

}  // namespace vesk_mg
