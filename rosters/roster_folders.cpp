#include "rosters/roster_folders.hpp"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

constexpr std::string_view db_folder = "db";
constexpr std::string_view rosters_folder = "ministers";
constexpr std::string_view list_file = "ministers.txt";

// The name among `names` that is `name`, letter case ignored: the name
// itself where it stands, else the first in byte order.
std::optional<std::string> named(std::vector<std::string> names, std::string_view name) {
  std::ranges::sort(names);
  if (std::ranges::binary_search(names, name)) return std::string(name);
  const auto found = std::ranges::find_if(names, [&](const std::string& n) { return same_but_case(n, name); });
  return found == names.end() ? std::nullopt : std::optional<std::string>(*found);
}

// A folder given is read as the user typed it: "" names none.
void check_readable(const std::string& folder) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path_of(folder), error);
  if (folder.empty() || status.type() == std::filesystem::file_type::not_found ||
      error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
    throw file_name_error("No such folder: " + folder);
  }
  if (!error && !std::filesystem::is_directory(status)) throw file_use_error("Not a folder: " + folder);
  if (!error) std::filesystem::directory_iterator(path_of(folder), error);  // can its names be listed?
  if (error) throw file_use_error("Cannot read the folder " + folder + ": " + error.message());
}

// `path` whole, from the root, without "." and ".." and a separator at its
// end: the same folder however it was typed.
std::filesystem::path whole(std::string_view path) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path_of(path.empty() ? "." : path), error).lexically_normal();
  return full.has_filename() || !full.has_relative_path() ? full : full.parent_path();
}

// The folder `path` stands in, whole: "/home/me/game" for "game/db" typed in /home/me.
std::string folder_above(std::string_view path) { return utf8_of(whole(path).parent_path()); }
// The last part of `path` whole: "ministers" for "." typed in it.
std::string last_name(std::string_view path) { return utf8_of(whole(path).filename()); }

// <folder>/db/ministers as the names stand there, where `folder` holds a
// folder db and is so a game's or a mod's own; `exists` tells whether db
// holds the ministers folder.
std::optional<std::string> rosters_folder_of(const std::string& folder, bool& exists) {
  const std::optional<std::string> db = named(folders_in(folder), db_folder);
  if (!db) return std::nullopt;
  const std::string db_path = path_in(folder, *db);
  const std::optional<std::string> ministers = named(folders_in(db_path), rosters_folder);
  exists = ministers.has_value();
  return path_in(db_path, ministers.value_or(std::string(rosters_folder)));
}

// The list beside a rosters' folder named ministers: the one there, or
// where it would stand when `or_where` is set; "" for another folder.
std::string list_beside(const std::string& folder, bool or_where) {
  if (!same_but_case(last_name(folder), rosters_folder)) return "";
  const std::string above = folder_above(folder);
  const std::optional<std::string> list = named(files_in(above), list_file);
  return list ? path_in(above, *list) : or_where ? path_in(above, list_file) : "";
}

// The game's rosters' folder one or two folders above a mod's own folder.
std::optional<std::string> game_above(std::string folder) {
  for (int up = 0; up < 2; ++up) {
    folder = folder_above(folder);
    bool exists = false;
    std::optional<std::string> rosters = rosters_folder_of(folder, exists);
    if (rosters && exists) return rosters;
  }
  return std::nullopt;
}

}  // namespace

roster_folders roster_folders_of(std::span<const std::string> typed) {
  roster_folders found;
  found.given = !typed.empty();
  std::string own_folder;  // a game's or a mod's, of the last folder given; "" for none
  for (const std::string& folder : typed) {
    check_readable(folder);
    bool exists = false;
    const std::optional<std::string> rosters = rosters_folder_of(folder, exists);
    own_folder.clear();
    if (!rosters) {
      found.paths.push_back(folder);
      if (same_but_case(last_name(folder), rosters_folder) &&
          same_but_case(last_name(folder_above(folder)), db_folder)) {
        own_folder = folder_above(folder_above(folder));
      }
      continue;
    }
    own_folder = folder;
    if (!exists) {
      if (!found.paths.empty()) continue;  // a later one whose db holds no rosters adds none
      if (std::error_code error; !std::filesystem::create_directory(path_of(*rosters), error) && error) {
        throw file_use_error("Cannot make the folder " + *rosters + ": " + error.message());
      }
    }
    check_readable(*rosters);
    found.paths.push_back(*rosters);
  }
  if (typed.size() == 1 && !own_folder.empty()) {
    if (const std::optional<std::string> game = game_above(own_folder)) {
      check_readable(*game);
      found.paths.push_back(*game);
    }
  }
  if (found.paths.empty()) found.paths.emplace_back();
  for (const std::string& folder : found.paths) {
    found.governing_list = list_beside(folder, false);
    if (!found.governing_list.empty()) break;
  }
  found.own_list = list_beside(found.paths.front(), true);
  return found;
}

}  // namespace vesk_mg
