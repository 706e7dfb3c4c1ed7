#include "platform/paths.hpp"

#include <optional>
#include <system_error>

#include "platform/text_decoding.hpp"

namespace vesk_mg {

// The standard library takes and gives UTF-8 as char8_t; on Windows a path
// made from plain char would be read in the ANSI code page.
std::filesystem::path path_of(std::string_view utf8) {
  return {std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size())};
}

namespace {

std::string utf8_of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

}  // namespace

// No folder in front gives npos + 1, which is 0.
std::size_t base_name_start(std::string_view path, system_kind system) {
  return path.find_last_of(system == system_kind::windows ? "/\\:" : "/") + 1;
}

bool file_exists(const std::string& path) {
  std::error_code error;
  try {
    return std::filesystem::exists(std::filesystem::symlink_status(path_of(path), error));
  } catch (const std::exception&) {  // a name the system cannot hold: nothing stands there
    return false;
  }
}

std::string shown(std::string_view path) {
  std::string text;
  for (std::size_t at = 0; at < path.size();) {
    const std::size_t start = at;
    const std::optional<char32_t> c = next_code_point(path, at);
    if (!c) ++at;  // a byte that is no UTF-8 is shown as it is, but for a C1 control's
    const char32_t value = c ? *c : static_cast<unsigned char>(path[start]);
    if (value >= 0x20 && value != 0x7F && (value < 0x80 || value > 0x9F)) {
      text.append(path.substr(start, at - start));
      continue;
    }
    for (std::size_t k = start; k < at; ++k) {
      const auto byte = static_cast<unsigned char>(path[k]);
      text.append("\\x").push_back("0123456789ABCDEF"[byte >> 4]);
      text.push_back("0123456789ABCDEF"[byte & 0xFU]);
    }
  }
  return text;
}

std::string path_in(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path_of(folder).has_filename()) path += static_cast<char>(std::filesystem::path::preferred_separator);
  return path.append(name);
}

std::string full_path_of_folder(std::string_view folder) {
  std::error_code error;
  const std::filesystem::path full =
      folder.empty() ? std::filesystem::current_path(error) : std::filesystem::absolute(path_of(folder), error);
  return error ? "the folder the program was started in" : utf8_of(full);
}

namespace {

std::vector<std::string> names_in(std::string_view folder, bool folders) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder.empty() ? "." : path_of(folder), error), end;
       !error && entry != end; entry.increment(error)) {
    std::error_code ignored;
    if (folders ? entry->is_directory(ignored) : entry->is_regular_file(ignored)) {
      names.push_back(utf8_of(entry->path().filename()));
    }
  }
  return names;
}

std::filesystem::path whole(std::string_view path) {
  std::error_code error;
  std::filesystem::path full =
      std::filesystem::absolute(path.empty() ? std::filesystem::path(".") : path_of(path), error).lexically_normal();
  if (!full.has_filename() && full.has_relative_path()) full = full.parent_path();
  return full;
}

}  // namespace

std::vector<std::string> files_in(std::string_view folder) { return names_in(folder, false); }

std::vector<std::string> folders_in(std::string_view folder) { return names_in(folder, true); }

folder_state state_of_folder(std::string_view folder) {
  const std::filesystem::path path = folder.empty() ? "." : path_of(folder);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  const bool missing = status.type() == std::filesystem::file_type::not_found ||
                       error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
  if (missing || error) return {missing ? folder_state::missing : folder_state::unreadable, error.message()};
  if (!std::filesystem::is_directory(status)) return {folder_state::not_a_folder, ""};
  const std::filesystem::directory_iterator listed(path, error);
  return {error ? folder_state::unreadable : folder_state::readable, error ? error.message() : ""};
}

std::string make_folder(std::string_view folder) {
  std::error_code error;
  std::filesystem::create_directory(path_of(folder), error);
  return error ? error.message() : "";
}

std::string full_path(std::string_view path) { return utf8_of(whole(path)); }

std::string folder_above(std::string_view path) { return utf8_of(whole(path).parent_path()); }

std::string last_name(std::string_view path) { return utf8_of(whole(path).filename()); }

}  // namespace vesk_mg
