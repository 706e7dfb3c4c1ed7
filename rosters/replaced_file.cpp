#include "rosters/replaced_file.hpp"

#include <algorithm>
#include <utility>

#include "platform/errors.hpp"
#include "platform/paths.hpp"

namespace vesk_mg {

namespace {

constexpr int most_choices = 100;
// Longer than any name a run makes in the folder: ".999ministers_abc.csv" with "-100" among them.
constexpr std::string_view check_name = "vesk_mg_checks_this_folder";

}  // namespace

std::string temporary_name_beside(const std::string& path, int choice) {
  const std::size_t base = base_name_start(path);
  std::string ending = ".";
  ending.append(std::to_string(this_process_number()));
  if (choice > 1) ending.append("-").append(std::to_string(choice));
  ending.append(".tmp");
  const bool fits = 1 + path.size() - base + ending.size() <= longest_file_name;
  std::string name(path, 0, base);
  name.append(".").append(fits ? std::string_view(path).substr(base) : "vesk_mg").append(ending);
  return name;
}

void check_folder_takes_files(const folder_handle& folder) {
  const std::string folder_name = full_path_of_folder(folder.path());
  for (int choice = 1; choice <= most_choices; ++choice) {
    bool made = false;
    system_code not_removed = 0;
    const std::string path = temporary_name_beside(std::string(check_name), choice);
    hold_interruptions_during([&] {
      made = create_new(folder.native(), path, {}, "Cannot write in " + folder_name).has_value();
      if (made) not_removed = remove_file(folder.native(), path);
    });
    // A folder that keeps what is made in it (append-only) would keep every temporary file.
    if (not_removed != 0) {
      throw file_write_error(std::string("Cannot remove ")
                                 .append(path)
                                 .append(" from ")
                                 .append(folder_name)
                                 .append(": " + system_reason(not_removed)));
    }
    if (made) return;
  }
}

replaced_file::replaced_file(const folder_handle& folder, std::string_view name)
    : folder_(folder),
      name_(path_in(folder.path(), name)),
      target_(probe_for_writing(folder.native(), name, name_)),
      target_folder_(target_.in_folder ? folder.native() : no_file) {
  for (int choice = 1; choice <= most_choices && !handle_; ++choice) {
    const std::string path = temporary_name_beside(target_.path, choice);
    // Made and marked for removal in one step, so an interruption finds
    // neither an unmarked file of this run nor a marked one of another's.
    hold_interruptions_during([&] {
      std::optional<file_handle> made = create_new(target_folder_, path, target_, name_);
      if (!made) return;
      handle_.emplace(std::move(*made));
      temporary_path_ = path;
      remove_on_interruption(target_folder_, path);
    });
  }
  if (!handle_) throw file_name_error(name_ + ": every temporary name beside it is taken");
  try {
    keep_facts(*handle_, target_, name_);
  } catch (const named_error&) {
    discard();
    throw;
  }
}

replaced_file::~replaced_file() { discard(); }

system_code replaced_file::discard() {
  if (kept_ || temporary_path_.empty()) return 0;
  handle_.reset();
  const system_code removed = remove_file(target_folder_, temporary_path_);
  remove_on_interruption(no_file, "");
  kept_ = removed != 0;
  return removed;
}

std::string replaced_file::abandon() {
  const std::string path = temporary_path_;
  const system_code removed = discard();
  return removed == 0
             ? ""
             : "; the unfinished file " + shown_path(path) + " could not be removed: " + system_reason(removed);
}

std::string replaced_file::shown_path(const std::string& path) const {
  return target_.in_folder ? path_in(folder_.path(), path) : path;
}

std::string replaced_file::replaced_path() const { return shown_path(target_.path); }

void replaced_file::write(std::string_view text) {
  if (text.empty()) return;
  line_ended_ = text.back() == '\n' || text.back() == '\r';
  if (buffered_ + text.size() > buffer_.size()) flush();
  if (text.size() > buffer_.size()) {
    handle_->write_all(text);
  } else {
    std::ranges::copy(text, buffer_.begin() + static_cast<std::ptrdiff_t>(buffered_));
    buffered_ += text.size();
  }
}

void replaced_file::flush() {
  handle_->write_all({buffer_.data(), buffered_});
  buffered_ = 0;
}

replaced_file::renamed replaced_file::rename_as(rename_kind kind, run_clock& clock) {
  bool kept_aside{};  // by a swap, where the file system makes one
  flush();
  handle_->sync_and_close();
  const std::int64_t start = clock.monotonic_nanoseconds();
  for (;;) {
    system_code failed = 0;
    hold_interruptions_during([&] {
      failed = kind == rename_kind::replacing ? rename_file(target_folder_, temporary_path_, target_.path)
               : kind == rename_kind::new_name
                   ? rename_to_new(target_folder_, temporary_path_, target_.path)
                   : rename_keeping(target_folder_, temporary_path_, target_.path, kept_aside);
      if (failed != 0) return;
      remove_on_interruption(no_file, "");
      end_quietly_on_interruption();
    });
    if (failed == 0) break;
    // The name taken by then where it was to be new, or gone where it was to be swapped: not done.
    if (kind == rename_kind::new_name ? says_taken(failed)
                                      : kind == rename_kind::keeping_replaced && leads_to_no_file(failed)) {
      return {false, false};
    }
    if (clock.monotonic_nanoseconds() - start >= retry_for_ns) {
      std::string message = describe_system_error(name_, failed);
      // A file that has gone with its folder is not named as kept.
      file_facts facts;
      if (facts_at(target_folder_, temporary_path_, facts, false) == 0) {
        kept_ = true;
        remove_on_interruption(no_file, "");
        message += "; everything written is kept in " + shown_path(temporary_path_);
      }
      throw file_write_error(message);
    }
    clock.sleep_milliseconds(retry_every_ms);
  }
  kept_ = true;
  return {true, kept_aside};
}

void replaced_file::commit(run_clock& clock) {
  if (!line_ended_) write("\r\n");
  rename_as(rename_kind::replacing, clock);
}

std::optional<std::string> replaced_file::commit_keeping_replaced(run_clock& clock) {
  // Not done, the file stays unfinished, and goes as any unfinished one does.
  const renamed result = rename_as(rename_kind::keeping_replaced, clock);
  if (!result.done) return std::nullopt;
  return result.kept_aside ? temporary_path_ : "";
}

bool replaced_file::commit_as_new(run_clock& clock) { return rename_as(rename_kind::new_name, clock).done; }

}  // namespace vesk_mg
