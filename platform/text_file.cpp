#include "platform/text_file.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/interruption.hpp"
#include "platform/named_error.hpp"

namespace vesk_mg {

input_file::input_file(std::string_view name) : handle_(file_handle::open_name_file(name)) {
  while (start_end_ < start_.size()) {
    const std::size_t got = handle_.read_some(start_.data() + start_end_, start_.size() - start_end_);
    if (got == 0) break;
    start_end_ += got;
  }
  const std::string_view start(start_.data(), start_end_);
  if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) throw file_encoding_error(handle_.name());
  if (start == "\xEF\xBB\xBF") start_begin_ = start_end_;
}

std::size_t input_file::read_some(char* buffer, std::size_t capacity) {
  if (start_begin_ == start_end_) return handle_.read_some(buffer, capacity);
  const std::size_t count = std::min(capacity, start_end_ - start_begin_);
  std::copy_n(start_.data() + start_begin_, count, buffer);
  start_begin_ += count;
  return count;
}

temporary_file::temporary_file(std::string path) : path_(std::move(path)) { remove_on_interruption(path_); }

temporary_file::~temporary_file() {
  if (released_) return;
  remove_file(path_);
  remove_nothing_on_interruption();
}

void temporary_file::release() {
  released_ = true;
  remove_nothing_on_interruption();
}

output_file::output_file(std::string_view name)
    : name_(name),
      target_(file_handle::probe_for_writing(name)),
      temporary_(temporary_name_beside(target_.path)),
      handle_(file_handle::create_new(temporary_.path(), target_.permissions, name_)) {
  buffer_.reserve(buffer_size);
}

void output_file::write(std::string_view text) {
  if (text.empty()) return;
  buffer_.append(text);
  anything_written_ = true;
  last_byte_ = text.back();
  if (buffer_.size() >= buffer_size) flush();
}

void output_file::flush() {
  if (buffer_.empty()) return;
  std::string pending;
  pending.swap(buffer_);
  buffer_.reserve(buffer_size);
  handle_.write_all(pending);
}

void output_file::commit(env& clock) {
  if (!anything_written_ || last_byte_ != '\n') buffer_.append("\r\n");
  flush();
  handle_.sync();
  handle_.close();
  const std::int64_t start = clock.monotonic_nanoseconds();
  while (const std::optional<std::string> reason = replace_file(temporary_.path(), target_.path)) {
    if (clock.monotonic_nanoseconds() - start >= retry_for_ns) {
      temporary_.release();
      throw file_write_error(name_ + ": " + *reason + "; everything written is kept in " + temporary_.path());
    }
    clock.sleep_milliseconds(retry_every_ms);
  }
  temporary_.release();
}

}  // namespace vesk_mg
