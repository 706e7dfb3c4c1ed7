// Where the game keeps the rosters it loads, found from the folders a
// user names. The game's folder holds db/ministers with its rosters; a
// mod's own folder (<game>/<Mod> or <game>/Mods/<Mod>) holds a
// db/ministers of its own with the rosters it changes, and the game loads
// those and, for every other country, its own. One edition loads only the
// rosters that a list, ministers.txt beside the ministers folder, names; a
// mod's list takes the place of the game's. Folder and file names match
// with letter case ignored, as on Windows.
//
// Every folder that has to be searched is searched, or refused: a folder
// given that is not there raises file_name_error ("No such folder: X", X
// whole), one that is no folder, cannot be listed, or is the folder of the
// game's mods, where nothing is made, raises file_use_error ("Not a
// folder: X; give or drop a folder, the mod's or the game's", "Cannot read
// the folder X: Permission denied"); its message is the line that tells
// the user. The same holds for a game's or a mod's db and for
// the folders above a mod that the game is looked for in. Nothing is read
// of the rosters themselves here.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/env.hpp"
#include "platform/errors.hpp"

namespace vesk_mg {

// A folder whose rosters count, as the user would find it: a folder given
// as typed, or its db/ministers joined to it, and the game's found above a
// mod whole. "" is the folder the program was started in.
struct rosters_folder {
  std::string path;
  bool in_layout = false;  // a game's or a mod's db/ministers, not a plain folder
  bool missing = false;    // one that would be made, were folders made
};

struct roster_folders {
  // The one the roster goes to first, the game's last.
  std::vector<rosters_folder> folders;
  std::vector<std::string> typed;  // the folders as the user typed them, none for the one the program was started in
};

// The folders given, as typed; none for the folder the program was started
// in. A folder that holds a folder db is a game's or a mod's own folder,
// and its rosters' folder is db/ministers, made in the first folder given
// where db holds none; a folder named db stands for the folder it is in.
// With one folder given, a game's or a mod's own folder or the db/ministers
// of one, the game is looked for one and two folders above the mod's own
// folder: the first that holds db/ministers is it, and its rosters count
// after the mod's. One folder given that holds no db, below such a game, is
// a new mod's own folder: its db/ministers is made.
// Where `making` is look_only, nothing is made: a rosters' folder that
// would be made stands in the list, missing.
enum class folder_making { make, look_only };
roster_folders roster_folders_of(std::span<const std::string> typed, folder_making making = folder_making::make);

// The list that names the rosters the game loads, as it stands now: the
// first folder's, or else the first later folder's that has one (the mod's
// before the game's); "" where none governs. A folder that cannot be
// listed raises as above.
std::string governing_list(const roster_folders& found);
// Where the first folder's own list stands or would stand; "" where that
// folder, not named ministers, can have none.
std::string own_list(const roster_folders& found);

// The refusal of a folder that cannot be listed, for the system's `code`:
// "Cannot read the folder X: Permission denied".
file_use_error unreadable_folder(const std::string& folder, system_code code);

}  // namespace vesk_mg
