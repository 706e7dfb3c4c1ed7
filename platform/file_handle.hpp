// An open file of the operating system, or one of the process's standard
// streams: bytes read and written unbuffered and untranslated, a stream
// that answers "not now" waited for, an interrupted call tried again.
// Opening tells a name that leads to no file (file_name_error) from a
// file that exists but cannot be opened as asked (file_use_error); failed
// reads, writes and syncs raise file_read_error and file_write_error with
// the file's name in the message, in the system's words (system_error).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/byte_stream.hpp"

namespace vesk_mg {

// What a file that stands at a name has and a new file in its place keeps:
// its permission bits, and its owner and group where the system allows.
struct kept_attributes {
  std::uint32_t permissions;
  std::uint32_t owner;
  std::uint32_t group;
};

// Where a file written under a name goes: the path it is renamed to (a
// symbolic link followed to the file it leads to) and what a file already
// there has.
struct write_target {
  std::string path;
  std::optional<kept_attributes> existing;
};

class file_handle final : public byte_source, public byte_sink {
 public:
  // Only a regular file can be read: a folder or a device is a file_use_error.
  static file_handle open_for_reading(std::string_view name);
  // Opens a name file as a user names it. On Windows, where a file name
  // cannot hold '"' and Explorer hides extensions, a name in double quotes
  // (Explorer's "Copy as path") is taken without them, and a name without
  // an extension that is not found is tried again with ".txt".
  static file_handle open_name_file(std::string_view typed);
  // Looks at what stands at `name` without changing it or blocking on it:
  // a file that cannot be written, or anything but a regular file (a
  // folder, a FIFO, a device, a link to one), is a file_use_error; a name
  // that cannot name a file is a file_name_error.
  static write_target probe_for_writing(std::string_view name);
  // Creates `path` with what `existing` gives; nothing when a file of
  // that name is there already, which is never touched. A folder that
  // takes no new file is a file_name_error naming `label`.
  static std::optional<file_handle> create_new(const std::string& path, const std::optional<kept_attributes>& existing,
                                               std::string_view label);
  // A descriptor or handle the process was given, such as standard input,
  // used under `label` and never closed.
  static file_handle borrow(std::intptr_t native, std::string_view label);

  file_handle(file_handle&& other) noexcept
      : native_(std::exchange(other.native_, closed)), name_(std::move(other.name_)), owned_(other.owned_) {}
  file_handle& operator=(file_handle&&) = delete;
  file_handle(const file_handle&) = delete;
  file_handle& operator=(const file_handle&) = delete;
  ~file_handle() override;

  std::size_t read_some(char* buffer, std::size_t capacity) override;
  void write_all(std::string_view bytes) override;
  // Waits until everything written is on the disk.
  void sync();
  void close();

  [[nodiscard]] const std::string& name() const noexcept { return name_; }

 private:
  file_handle(std::intptr_t native, std::string_view name, bool owned = true)
      : native_(native), name_(name), owned_(owned) {}

  static constexpr std::intptr_t closed = -1;
  std::intptr_t native_ = closed;
  std::string name_;
  bool owned_ = true;
};

// True when `name` can name a file at all: not empty, and no NUL inside.
bool names_a_file(std::string_view name);

// The name of a temporary file beside `path`, in its folder, that a user
// recognises: ".ministers_abc.csv.1234.tmp" with this process's number,
// and ".ministers_abc.csv.1234-2.tmp" for the second choice when the
// first name is taken.
std::string temporary_name_beside(const std::string& path, int choice = 1);

// This process's number, as the system shows it.
std::uint64_t this_process_number();

// Renames `from` over `to` in one step; on failure returns the reason.
std::optional<std::string> replace_file(const std::string& from, const std::string& to);

// True when something stands at `path`.
bool file_exists(const std::string& path) noexcept;

// Removes a file if it is there; nothing is reported.
void remove_file(const std::string& path) noexcept;

}  // namespace vesk_mg
