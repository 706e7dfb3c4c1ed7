#include "platform/paths.hpp"

#include <system_error>

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

std::vector<std::string> files_in(std::string_view folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder.empty() ? "." : path_of(folder), error), end;
       !error && entry != end; entry.increment(error)) {
    std::error_code ignored;
    if (entry->is_regular_file(ignored)) names.push_back(utf8_of(entry->path().filename()));
  }
  return names;
}

}  // namespace vesk_mg
