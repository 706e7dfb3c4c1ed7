// Bytes in and out, whatever carries them: a source hands out what it has
// and 0 at its end, a sink takes every byte or raises. Files, the standard
// streams, decoded text and the strings of tests are such channels.
#pragma once

#include <cstddef>
#include <string_view>

namespace vesk_mg {

class byte_source {
 public:
  virtual ~byte_source() = default;
  virtual std::size_t read_some(char* buffer, std::size_t capacity) = 0;
};

class byte_sink {
 public:
  virtual ~byte_sink() = default;
  virtual void write_all(std::string_view bytes) = 0;
};

}  // namespace vesk_mg
