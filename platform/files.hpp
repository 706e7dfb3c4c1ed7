// Files as byte channels, read and written unbuffered and untranslated,
// and the folder the roster goes to, held. Opening sorts the system's
// failures into named errors: a name that leads to no file is
// file_name_error, a file that cannot be used as asked file_use_error; a
// failed read or write raises file_read_error or file_write_error naming
// the file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/byte_channels.hpp"
#include "platform/env.hpp"

namespace vesk_mg {

// An open file, or a standard stream; one the process was given, such as
// standard input, is not owned and never closed.
class file_handle final : public byte_source, public byte_sink {
 public:
  file_handle(native_file native, std::string_view name, bool owned = true)
      : native_(native), name_(name), owned_(owned) {}
  // Moved, never copied: one owner closes it.
  file_handle(file_handle&& other) noexcept
      : native_(std::exchange(other.native_, no_file)), name_(std::move(other.name_)), owned_(other.owned_) {}
  ~file_handle() override;

  std::size_t read_some(char* buffer, std::size_t capacity) override;
  void write_all(std::string_view bytes) override;
  // Waits until everything written is on the disk, then closes.
  void sync_and_close();
  [[nodiscard]] const std::string& name() const noexcept { return name_; }
  [[nodiscard]] native_file native() const noexcept { return native_; }

 private:
  native_file native_ = no_file;
  std::string name_;
  bool owned_ = true;
};

// Opens a file on disk for reading; a folder, a FIFO or a device is a
// file_use_error, and never blocks.
file_handle open_for_reading(std::string_view name);

// A folder held open from the check that it takes files to the roster's
// commit, so that the roster lands in the folder that was checked wherever
// it is moved meanwhile (on Windows it cannot be moved). `path` is the
// folder as the user typed it, "" for the working folder; a folder
// holding no_file finds names from the working folder.
class folder_handle {
 public:
  folder_handle(native_file native, std::string_view path) : native_(native), path_(path) {}
  folder_handle(folder_handle&& other) noexcept
      : native_(std::exchange(other.native_, no_file)), path_(std::move(other.path_)) {}
  folder_handle& operator=(folder_handle&&) = delete;
  ~folder_handle();

  [[nodiscard]] native_file native() const noexcept { return native_; }
  [[nodiscard]] const std::string& path() const noexcept { return path_; }

 private:
  native_file native_;
  std::string path_;
};

// Holds `folder`; one that cannot be held raises file_name_error,
// "Cannot write in <the folder's full path>: <reason>".
folder_handle hold_folder(std::string_view folder);

// Where a file written under a name goes: the path it is renamed to, in
// the folder given or, for a link that leads elsewhere, whole; and what a
// new file there keeps of one that stands there.
struct write_target {
  std::string path;
  bool in_folder = true;
  std::optional<file_facts> existing;
};

// Looks at what stands at `name` in `folder` without changing it or
// blocking on it: a file that cannot be written, or anything but a file on
// disk, is a file_use_error; a name that cannot name a file is a
// file_name_error. Both name `label`.
write_target probe_for_writing(native_file folder, std::string_view name, std::string_view label);

// Creates `path` in `folder` with the mode that `target` keeps, or nothing
// when something stands there already, which is never touched. Its
// failures, a folder that takes no new file among them (file_name_error),
// name `label`.
std::optional<file_handle> create_new(native_file folder, const std::string& path, const write_target& target,
                                      std::string_view label);
// Gives a new file the owner and group of the file it replaces, and its
// mode whatever the umask; file_write_error naming `label`.
void keep_facts(const file_handle& file, const write_target& target, std::string_view label);

}  // namespace vesk_mg
