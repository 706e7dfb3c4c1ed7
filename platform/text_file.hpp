// Text files as the program uses them: a name file read forward once, and
// the minister file written in one pass through a buffer. The minister
// file is written to a temporary file beside the file its name leads to,
// and replaces that name whole, in one rename, only when it is committed;
// until then, and after any failure or interruption, the name holds
// exactly what it held before. Writing raises file_write_error on the
// first failure. Committing completes an unfinished last line (and gives
// a file with nothing in it one line end), so a file always ends with CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/byte_stream.hpp"
#include "platform/env.hpp"
#include "platform/file_handle.hpp"
#include "platform/unmarked_text.hpp"

namespace vesk_mg {

// A name file, found as the user names it (file_handle::open_name_file).
// A leading UTF-8 byte-order mark is skipped; a file that begins with a
// UTF-16 one raises file_encoding_error as it is read, since its names
// would come out as bytes full of NULs.
class input_file final : public byte_source {
 public:
  explicit input_file(std::string_view name)
      : handle_(file_handle::open_name_file(name)), text_(handle_, handle_.name(), unmarked_text::utf16::refused) {}
  input_file(const input_file&) = delete;
  input_file& operator=(const input_file&) = delete;
  ~input_file() override = default;
  std::size_t read_some(char* buffer, std::size_t capacity) override { return text_.read_some(buffer, capacity); }
  [[nodiscard]] const std::string& name() const noexcept { return handle_.name(); }

 private:
  file_handle handle_;
  unmarked_text text_;
};

// The temporary file of an output_file: an interruption removes it, and so
// does its end, unless it was renamed or is kept for the user.
class temporary_file {
 public:
  temporary_file() = default;
  temporary_file(temporary_file&&) = delete;
  temporary_file& operator=(temporary_file&&) = delete;
  temporary_file(const temporary_file&) = delete;
  temporary_file& operator=(const temporary_file&) = delete;
  ~temporary_file();

  // Creates the file beside `target` under the first temporary name that
  // is free: a file already standing at one is never touched, so a file
  // kept for the user by an earlier run survives. A folder that takes no
  // new file is a file_name_error naming `label`.
  file_handle create_beside(const write_target& target, std::string_view label);
  // The file has gone where it belongs, or holds what the user must keep.
  void release();
  [[nodiscard]] const std::string& path() const noexcept { return path_; }

 private:
  static constexpr int most_choices = 100;

  std::string path_;  // empty until the file is made
  bool released_ = false;
};

class output_file {
 public:
  // Probes `name` as file_handle::probe_for_writing does (file_use_error
  // when it is in use, file_name_error when it cannot name a file) and
  // creates the temporary file beside what it leads to.
  explicit output_file(std::string_view name);
  output_file(output_file&&) = delete;
  output_file& operator=(output_file&&) = delete;
  output_file(const output_file&) = delete;
  output_file& operator=(const output_file&) = delete;
  // An output file that was not committed is removed; the name keeps what it held.
  ~output_file() = default;

  void write(std::string_view text);
  void new_line() { write("\r\n"); }
  // Flushes, syncs and closes the temporary file and renames it over the
  // name, interruptions held off; from then on the run has done what it
  // promised. While the rename fails (a program may hold the file for a
  // moment) it is tried again for about 2 s; then file_write_error is
  // raised, naming the temporary file, kept with everything written,
  // when it is still there.
  void commit(env& clock);

 private:
  static constexpr std::size_t buffer_size = std::size_t{64} * 1024;
  static constexpr std::int64_t retry_for_ns = 2'000'000'000;
  static constexpr std::int64_t retry_every_ms = 100;

  void flush();

  std::string name_;
  write_target target_;
  temporary_file temporary_;
  file_handle handle_;
  std::string buffer_;
  bool anything_written_ = false;
  char last_byte_ = '\0';
};

}  // namespace vesk_mg
