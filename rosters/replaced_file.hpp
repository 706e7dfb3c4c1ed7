// A file the game loads, the roster or its list, replaced whole: written in
// one pass through a buffer to a temporary file beside the file its name
// leads to, and given that name, in one rename, only when it is committed.
// Until then, and after any failure or interruption, the name holds
// exactly what it held before, and the temporary file is removed. Writing
// raises file_write_error on the first failure. Committing completes an
// unfinished last line (and gives a file with nothing in it one line end),
// so a roster always ends with CR LF; a file written whole is committed as
// it is.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/byte_channels.hpp"
#include "platform/env.hpp"
#include "platform/files.hpp"
#include "platform/run_clock.hpp"

namespace vesk_mg {

// A temporary name beside `path`, in its folder, that a user recognises:
// ".ministers_abc.csv.1234.tmp" with this process's number, and
// ".ministers_abc.csv.1234-2.tmp" for the second choice. Where that would
// be longer than a folder takes a name, ".vesk_mg.1234.tmp".
std::string temporary_name_beside(const std::string& path, int choice = 1);

// Makes a file in `folder`, where the roster goes, and removes it again,
// interruptions held off, so that a folder that takes no new file is told
// before any question is asked: file_name_error, "Cannot write in <the
// folder's full path>: <reason>". The file's name is longer than any a
// run makes there. A folder where the file cannot be removed
// again raises file_write_error naming the file: every run would leave
// its temporary file there.
void check_folder_takes_files(const folder_handle& folder);

class replaced_file final : public byte_sink {
 public:
  // Probes `name` in `folder` as probe_for_writing does (file_use_error
  // when it is in use, file_name_error when it cannot name a file) and
  // creates the temporary file under the first temporary name that is
  // free: a file kept there by an earlier run is never touched. From the
  // moment it exists, every failure and every interruption removes it.
  replaced_file(const folder_handle& folder, std::string_view name);
  replaced_file(const replaced_file&) = delete;
  replaced_file& operator=(const replaced_file&) = delete;
  ~replaced_file() override;

  void write(std::string_view text);
  void write_all(std::string_view bytes) override { write(bytes); }
  // The file's name as the user would find it, the folder as typed in front.
  [[nodiscard]] const std::string& name() const noexcept { return name_; }
  // The file the name leads to, as the user would find it: the name, or
  // where a link at it leads.
  [[nodiscard]] std::string replaced_path() const;

  // Flushes, syncs and closes the temporary file and renames it over the
  // name, interruptions held off; from then on the run has done what it
  // promised. While the rename fails (a program may hold the file for a
  // moment) it is tried again for about 2 s; then file_write_error is
  // raised, naming the temporary file, kept with everything written,
  // when it is still there.
  void commit(run_clock& clock);
  // As commit, for a file whose lines end as it was written, and where the
  // file system can swap two names, what the rename replaced is kept: its
  // path (beside the name), or "" where it could not be kept; nothing, and
  // the file left unfinished, where nothing stands at the name by then.
  std::optional<std::string> commit_keeping_replaced(run_clock& clock);
  // As commit, for a file written whole, where nothing stands at the name:
  // false, and the file left unfinished, where something does by then.
  bool commit_as_new(run_clock& clock);

  // Discards the file after a failure: "" where it is gone, or the words
  // that name it where it is left behind, for the failure's report.
  std::string abandon();

 private:
  static constexpr std::size_t buffer_size = std::size_t{64} * 1024;
  static constexpr std::int64_t retry_for_ns = 2'000'000'000;
  static constexpr std::int64_t retry_every_ms = 100;
  enum class rename_kind { replacing, keeping_replaced, new_name };

  void flush();
  system_code discard();
  // `path`, in the folder or whole, as the user would find it.
  [[nodiscard]] std::string shown_path(const std::string& path) const;
  // Renames the finished file as `kind` says, tried again while it fails:
  // not done where the new name is taken; the replaced file kept aside or not.
  struct renamed {
    bool done;
    bool kept_aside;
  };
  renamed rename_as(rename_kind kind, run_clock& clock);

  const folder_handle& folder_;
  std::string name_;  // as the user would find it
  write_target target_;
  native_file target_folder_;  // the folder's, or none for a target elsewhere
  std::string temporary_path_;
  std::optional<file_handle> handle_;
  bool kept_ = false;  // renamed, or left for the user
  // Inside the file, so that writing takes nothing from the heap.
  std::array<char, buffer_size> buffer_;
  std::size_t buffered_ = 0;
  bool line_ended_ = false;
};

}  // namespace vesk_mg
