#include "platform/files.hpp"

#include "platform/errors.hpp"
#include "platform/paths.hpp"

namespace vesk_mg {

namespace {

bool names_a_file(std::string_view name) { return !name.empty() && name.find('\0') == std::string_view::npos; }

}  // namespace

file_handle::~file_handle() {
  if (owned_ && native_ != no_file) close_file(native_);
}

std::size_t file_handle::read_some(char* buffer, std::size_t capacity) {
  std::size_t got = 0;
  if (const system_code code = read_file(native_, buffer, capacity, got)) {
    throw file_read_error(describe_system_error(name_, code));
  }
  return got;
}

void file_handle::write_all(std::string_view bytes) {
  if (const system_code code = write_file(native_, bytes)) throw file_write_error(describe_system_error(name_, code));
}

void file_handle::sync_and_close() {
  const system_code synced = sync_file(native_);
  const system_code closed = close_file(std::exchange(native_, no_file));
  if (synced != 0 || closed != 0) throw file_write_error(describe_system_error(name_, synced != 0 ? synced : closed));
}

file_handle open_for_reading(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  native_file native = no_file;
  if (const system_code code = open_file(no_file, std::string(name), file_access::read, native)) {
    if (leads_to_no_file(code)) throw file_name_error(describe_system_error(name, code));
    throw file_use_error(describe_system_error(name, code));
  }
  file_handle file(native, name);
  file_facts facts;
  const system_code code = facts_of(native, facts);
  if (code != 0 || facts.unusable != 0)
    throw file_use_error(describe_system_error(name, code != 0 ? code : facts.unusable));
  return file;
}

folder_handle::~folder_handle() {
  if (native_ != no_file) close_file(native_);
}

folder_handle hold_folder(std::string_view folder) {
  native_file native = no_file;
  if (const system_code code = open_folder(std::string(folder), native)) {
    throw file_name_error(describe_system_error("Cannot write in " + full_path_of_folder(folder), code));
  }
  return {native, folder};
}

write_target probe_for_writing(native_file folder, std::string_view name, std::string_view label) {
  if (!names_a_file(name)) throw file_name_error(label);
  const std::string path(name);
  file_facts facts;
  // Nothing at all there: the file is new. A link that leads nowhere is
  // something there, and no file.
  if (const system_code code = facts_at(folder, path, facts, false)) {
    if (leads_to_no_file(code)) return {path, true, std::nullopt};
    throw file_name_error(describe_system_error(label, code));
  }
  // Only a file on disk is ever written: a FIFO would block, a device would
  // swallow the roster. Opening for writing without truncating asks the
  // system whether the file could be written, and changes nothing.
  system_code code = facts_at(folder, path, facts);
  native_file native = no_file;
  if (code == 0) code = facts.unusable != 0 ? facts.unusable : open_file(folder, path, file_access::write, native);
  if (code == 0) {
    const system_code looked = facts_of(native, facts);
    code = looked != 0 ? looked : facts.unusable;
    close_file(native);
  }
  if (code != 0) throw file_use_error(describe_system_error(label, code));
  write_target target{path, true, facts};
  if ((code = link_target(folder, path, target.path)) != 0) throw file_use_error(describe_system_error(label, code));
  target.in_folder = target.path == path;
  return target;
}

std::optional<file_handle> create_new(native_file folder, const std::string& path, const write_target& target,
                                      std::string_view label) {
  native_file native = no_file;
  if (const system_code code =
          open_file(folder, path, file_access::create, native, target.existing ? target.existing->mode : 0666)) {
    if (says_taken(code)) return std::nullopt;
    throw file_name_error(describe_system_error(label, code));
  }
  return file_handle(native, label);
}

void keep_facts(const file_handle& file, const write_target& target, std::string_view label) {
  // The mode given to the new file is narrowed by the umask; a replaced file keeps its own.
  if (!target.existing) return;
  if (const system_code code = give_facts(file.native(), *target.existing)) {
    throw file_write_error(describe_system_error(label, code));
  }
}

}  // namespace vesk_mg
