#include "rosters/roster_folders.hpp"

#include <optional>

#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "rosters/roster_names.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

constexpr std::string_view db_folder = "db";
constexpr std::string_view rosters_folder_name = "ministers";
constexpr std::string_view list_file = "ministers.txt";
constexpr std::string_view mods_folder = "mods";

// What stands in `folder`, or the line that refuses it.
folder_names listed(const std::string& folder) {
  folder_names names;
  if (const system_code code = list_folder(folder, names)) throw unreadable_folder(folder, code);
  return names;
}

// A folder given is read as the user typed it: "" names none.
void check_readable(const std::string& folder) {
  if (folder.empty()) throw file_name_error("No such folder: ");
  bool is_folder = false;
  const system_code code = look_at(folder, is_folder);
  // Named whole: where it was looked for shows.
  if (leads_to_no_file(code)) throw file_name_error("No such folder: " + whole_path(folder));
  if (code != 0) throw unreadable_folder(folder, code);
  // A roster or a list given, or dropped, for its folder.
  if (!is_folder) throw file_use_error("Not a folder: " + folder + "; give or drop a folder, the mod's or the game's");
  listed(folder);
}

// The db folder of a game's or a mod's own folder, as the names stand there.
std::optional<std::string> db_of(const std::string& folder) {
  const std::optional<std::string> db = name_among(listed(folder).folders, db_folder);
  return db ? std::optional<std::string>(path_in(folder, *db)) : std::nullopt;
}

// The rosters' folder of a db folder, as the names stand there; `exists`
// tells whether the db holds it.
std::string rosters_in(const std::string& db, bool& exists) {
  const std::optional<std::string> ministers = name_among(listed(db).folders, rosters_folder_name);
  exists = ministers.has_value();
  return path_in(db, ministers.value_or(std::string(rosters_folder_name)));
}

// The game's rosters' folder, whole, one or two folders above a mod's own folder.
std::optional<std::string> game_above(std::string folder) {
  for (int up = 0; up < 2; ++up) {
    folder = folder_above(folder);
    bool exists = false;
    if (const std::optional<std::string> db = db_of(folder)) {
      std::string rosters = rosters_in(*db, exists);
      if (exists) return rosters;
    }
  }
  return std::nullopt;
}

// The folder that holds a game's mods: nothing is made in it.
bool holds_the_mods(const std::string& folder) {
  if (!same_but_case(last_name(folder), mods_folder)) return false;
  const std::optional<std::string> db = db_of(folder_above(folder));
  bool exists = false;
  if (db) rosters_in(*db, exists);
  return exists;
}

void make(const std::string& folder) {
  if (const system_code code = make_folder(folder)) {
    throw file_use_error(describe_system_error("Cannot make the folder " + folder, code));
  }
}

// A game's or a mod's own folder, or a db folder standing for one, and its rosters' folder.
struct own_folder {
  std::string whole;  // the own folder, where the game is looked for above
  std::string db;     // as the user would find them
  std::string rosters;
  bool exists{};  // the rosters' folder is there
};

std::optional<own_folder> own_folder_of(const std::string& folder) {
  own_folder own;
  if (same_but_case(last_name(folder), db_folder)) {
    own = {folder_above(folder), folder, "", false};
  } else if (const std::optional<std::string> db = db_of(folder)) {
    own = {whole_path(folder), *db, "", false};
  } else {
    return std::nullopt;
  }
  own.rosters = rosters_in(own.db, own.exists);
  return own;
}

// A new mod's own folder: one given alone, without db, below a game, and
// no rosters' folder of its own. Its db/ministers is to be made.
std::optional<own_folder> new_mod_of(const std::string& folder) {
  if (same_but_case(last_name(folder), rosters_folder_name) || !game_above(folder)) return std::nullopt;
  const std::string db = path_in(folder, db_folder);
  return own_folder{whole_path(folder), db, path_in(db, rosters_folder_name), false};
}

// Makes what a rosters' folder to be made lacks, but never in the folder
// of the game's mods; where nothing is made, it stands missing.
rosters_folder made_rosters_folder(const own_folder& own, const std::string& typed, folder_making making) {
  if (holds_the_mods(own.whole)) {
    throw file_use_error("Not a mod's folder: " + typed + " holds the game's mods; give the folder of one of them");
  }
  if (making == folder_making::look_only) return {own.rosters, true, true};
  if (bool is_folder = false; look_at(own.db, is_folder) != 0) make(own.db);
  make(own.rosters);
  check_readable(own.rosters);
  return {own.rosters, true};
}

}  // namespace

roster_folders roster_folders_of(std::span<const std::string> typed, folder_making making) {
  roster_folders found;
  found.typed.assign(typed.begin(), typed.end());
  std::string mod;  // the own folder of the one folder given, where the game is looked for above
  for (const std::string& folder : typed) {
    check_readable(folder);
    std::optional<own_folder> own = own_folder_of(folder);
    if (!own && typed.size() == 1) own = new_mod_of(folder);
    if (!own) {
      // A db/ministers given is a game's or a mod's, and its own folder two above.
      const bool in_layout = same_but_case(last_name(folder), rosters_folder_name) &&
                             same_but_case(last_name(folder_above(folder)), db_folder);
      if (in_layout) mod = folder_above(folder_above(folder));
      found.folders.push_back({folder, in_layout});
      continue;
    }
    mod = own->whole;
    if (own->exists) {
      check_readable(own->rosters);
      found.folders.push_back({own->rosters, true});
    } else if (found.folders.empty()) {  // a later one whose db holds no rosters adds none
      found.folders.push_back(made_rosters_folder(*own, folder, making));
    }
  }
  if (typed.size() == 1 && !mod.empty()) {
    if (const std::optional<std::string> game = game_above(mod)) {
      check_readable(*game);
      found.folders.push_back({*game, true});
    }
  }
  if (found.folders.empty()) found.folders.emplace_back();
  return found;
}

namespace {

// The list beside a rosters' folder named ministers: the one there, or
// where it would stand when `or_where` is set; "" for another folder.
std::string list_beside(const std::string& folder, bool or_where) {
  if (!same_but_case(last_name(folder), rosters_folder_name)) return "";
  const std::string above = folder_above(folder);
  folder_names names;
  if (const system_code code = list_folder(above, names)) {
    // A new mod's db, where --check makes none, holds no list yet.
    if (!leads_to_no_file(code)) throw unreadable_folder(above, code);
    return or_where ? path_in(above, list_file) : "";
  }
  const std::optional<std::string> list = name_among(std::move(names.files), list_file);
  return list ? path_in(above, *list) : or_where ? path_in(above, list_file) : "";
}

}  // namespace

std::string governing_list(const roster_folders& found) {
  for (const rosters_folder& folder : found.folders) {
    if (std::string list = list_beside(folder.path, false); !list.empty()) return list;
  }
  return "";
}

std::string own_list(const roster_folders& found) { return list_beside(found.folders.front().path, true); }

file_use_error unreadable_folder(const std::string& folder, system_code code) {
  return file_use_error(describe_system_error("Cannot read the folder " + folder, code));
}

}  // namespace vesk_mg
