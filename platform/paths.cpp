#include "platform/paths.hpp"

#include <system_error>

namespace vesk_mg {

// The standard library takes and gives UTF-8 as char8_t; on Windows a path
// made from plain char would be read in the ANSI code page.
std::filesystem::path path_of(std::string_view utf8) {
  return {std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size())};
}

std::string utf8_of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

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
  for (std::size_t at = 0; at < path.size(); ++at) {
    const auto byte = static_cast<unsigned char>(path[at]);
    const auto before = at == 0 ? 0U : static_cast<unsigned char>(path[at - 1]);
    // U+0080 to U+009F are C2 80 to C2 9F in UTF-8; after anything but a
    // lead byte such a byte is no UTF-8, and a terminal may take it as C1.
    const bool c1 = byte >= 0x80 && byte <= 0x9F && (before < 0x80 || before == 0xC2);
    const bool c1_lead = byte == 0xC2 && at + 1 < path.size() && static_cast<unsigned char>(path[at + 1]) <= 0x9F;
    if (byte >= 0x20 && byte != 0x7F && !c1 && !c1_lead) {
      text.push_back(path[at]);
      continue;
    }
    text.append("\\x").push_back("0123456789ABCDEF"[byte >> 4]);
    text.push_back("0123456789ABCDEF"[byte & 0xFU]);
  }
  return text;
}

std::string path_in(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path_of(folder).has_filename()) path += static_cast<char>(std::filesystem::path::preferred_separator);
  return path.append(name);
}

namespace {

// Windows' prefix that hands a path to the file system as it stands, which
// the standard library does not know: a path is made whole without it.
constexpr std::string_view verbatim = R"(\\?\)";
constexpr std::string_view verbatim_share = R"(\\?\UNC\)";

struct verbatim_path {
  std::string_view prefix;  // "" for none
  std::string ordinary;     // the same path without it: \\server\share for \\?\UNC\server\share
};

verbatim_path split(std::string_view path) {
  if (this_system != system_kind::windows || !path.starts_with(verbatim)) return {"", std::string(path)};
  if (path.starts_with(verbatim_share))
    return {verbatim_share, R"(\\)" + std::string(path.substr(verbatim_share.size()))};
  return {verbatim, std::string(path.substr(verbatim.size()))};
}

std::string joined(std::string_view prefix, const std::filesystem::path& ordinary) {
  const std::string path = utf8_of(ordinary);
  return std::string(prefix) + (prefix == verbatim_share ? path.substr(path.find_first_not_of(R"(\/)")) : path);
}

// A share's path is whole as it stands.
std::filesystem::path whole(std::string_view path) {
  std::error_code error;
  const std::filesystem::path typed = path_of(path.empty() ? "." : path);
  const bool share = this_system == system_kind::windows && path.starts_with(R"(\\)");
  std::filesystem::path full = (share ? typed : std::filesystem::absolute(typed, error)).lexically_normal();
  return full.has_filename() || !full.has_relative_path() ? full : full.parent_path();
}

}  // namespace

std::string whole_path(std::string_view path) {
  const verbatim_path split_path = split(path);
  return joined(split_path.prefix, whole(split_path.ordinary));
}

std::string folder_above(std::string_view path) {
  const verbatim_path split_path = split(path);
  return joined(split_path.prefix, whole(split_path.ordinary).parent_path());
}

std::string last_name(std::string_view path) { return utf8_of(whole(split(path).ordinary).filename()); }

std::string full_path_of_folder(std::string_view folder) {
  std::error_code error;
  const std::filesystem::path full =
      folder.empty() ? std::filesystem::current_path(error) : std::filesystem::absolute(path_of(folder), error);
  return error ? "the folder the program was started in" : utf8_of(full);
}

system_code list_folder(std::string_view folder, folder_names& names) {
  names = {};
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder.empty() ? "." : path_of(folder), error), end;
       !error && entry != end; entry.increment(error)) {
    std::error_code ignored;
    if (entry->is_regular_file(ignored)) names.files.push_back(utf8_of(entry->path().filename()));
    if (entry->is_directory(ignored)) names.folders.push_back(utf8_of(entry->path().filename()));
  }
  return error.value();
}

system_code look_at(std::string_view path, bool& is_folder) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path_of(path), error);
  is_folder = std::filesystem::is_directory(status);
  return error.value();
}

system_code make_folder(std::string_view path) {
  std::error_code error;
  std::filesystem::create_directory(path_of(path), error);
  return error.value();
}

}  // namespace vesk_mg
