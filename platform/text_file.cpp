#include "platform/text_file.hpp"

#include <optional>
#include <utility>

#include "platform/interruption.hpp"
#include "platform/named_error.hpp"

namespace vesk_mg {

temporary_file::~temporary_file() {
  if (released_ || path_.empty()) return;
  remove_file(path_);
  remove_nothing_on_interruption();
}

file_handle temporary_file::create_beside(const write_target& target, std::string_view label) {
  for (int choice = 1; choice <= most_choices; ++choice) {
    const std::string path = temporary_name_beside(target.path, choice);
    std::optional<file_handle> handle;
    // Made and marked for removal in one step, so an interruption finds
    // neither an unmarked file of this run nor a marked one of another's.
    hold_interruptions_during([&] {
      std::optional<file_handle> made = file_handle::create_new(path, target.existing, label);
      if (!made) return;
      handle.emplace(std::move(*made));
      path_ = path;
      remove_on_interruption(path_);
    });
    if (handle) return std::move(*handle);
  }
  throw file_name_error(std::string(label) + ": every temporary name beside it is taken");
}

void temporary_file::release() {
  released_ = true;
  remove_nothing_on_interruption();
}

output_file::output_file(std::string_view name)
    : name_(name), target_(file_handle::probe_for_writing(name)), handle_(temporary_.create_beside(target_, name_)) {
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
  std::optional<std::string> reason;
  while (!commit_uninterrupted([&] {
    reason = replace_file(temporary_.path(), target_.path);
    return !reason;
  })) {
    if (clock.monotonic_nanoseconds() - start >= retry_for_ns) {
      std::string message = name_ + ": " + *reason;
      // A file that has gone with its folder is not named as kept.
      if (file_exists(temporary_.path())) {
        temporary_.release();
        message += "; everything written is kept in " + temporary_.path();
      }
      throw file_write_error(message);
    }
    clock.sleep_milliseconds(retry_every_ms);
  }
  temporary_.release();
}

}  // namespace vesk_mg
