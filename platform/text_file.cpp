#include "platform/text_file.hpp"

#include "platform/named_error.hpp"

namespace vesk_mg {

output_file::output_file(std::string_view name) : handle_(file_handle::create_for_writing(name)) {
  buffer_.reserve(buffer_size);
}

output_file::~output_file() {
  try {
    close();
  } catch (const named_error&) {  // already reported, or unwinding from a report
  }
}

void output_file::write(std::string_view text) {
  if (text.empty()) return;
  buffer_.append(text);
  anything_written_ = true;
  last_byte_ = text.back();
  if (buffer_.size() >= buffer_size) flush();
}

void output_file::flush() {
  if (failed_ || buffer_.empty()) return;
  std::string pending;
  pending.swap(buffer_);
  buffer_.reserve(buffer_size);
  try {
    handle_.write_all(pending);
  } catch (const file_write_error&) {
    // A device that refused once is not written again, so the failure is
    // reported once and the end of the run does not repeat it.
    failed_ = true;
    throw;
  }
}

void output_file::close() {
  if (!open_) return;
  open_ = false;
  if (!anything_written_ || last_byte_ != '\n') buffer_.append("\r\n");
  flush();
  handle_.close();
}

}  // namespace vesk_mg
