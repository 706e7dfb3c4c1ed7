// Where the game keeps the rosters it loads, found from the folders a
// user names. The game's folder holds db/ministers with its rosters; a
// mod's own folder (<game>/<Mod> or <game>/Mods/<Mod>) holds a
// db/ministers of its own with the rosters it changes, and the game loads
// those and, for every other country, its own. One edition loads only the
// rosters that a list, ministers.txt beside the ministers folder, names; a
// mod's list takes the place of the game's. Folder and file names match
// with letter case ignored, as on Windows.
//
// A folder given that is not there, is no folder or cannot be read raises
// file_name_error ("No such folder: X") or file_use_error ("Not a folder:
// X", "Cannot read the folder X: Permission denied"), its message the line
// that tells the user. Nothing is read of the rosters themselves here.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace vesk_mg {

struct roster_folders {
  // The rosters' folders whose rosters count, the one the roster goes to
  // first and the game's last, each as the user would find it: a folder
  // given as typed, or its db/ministers joined to it, and the game's found
  // above a mod whole. "" is the folder the program was started in.
  std::vector<std::string> paths;
  bool given = false;          // named by the user, and so told as they are counted
  std::string governing_list;  // the list that names the rosters the game loads, "" for none
  std::string own_list;        // the list the first folder has, or would have; "" where it can have none
};

// The folders given, as typed; none for the folder the program was started
// in. A folder that holds a folder db is a game's or a mod's own folder,
// and its rosters' folder is db/ministers, made in the first folder given
// where db holds none (a new mod). With one folder given, a game's or a
// mod's own folder or the db/ministers of one, the game is looked for one
// and two folders above the mod's own folder: the first that holds
// db/ministers is it, and its rosters count after the mod's.
roster_folders roster_folders_of(std::span<const std::string> typed);

}  // namespace vesk_mg
