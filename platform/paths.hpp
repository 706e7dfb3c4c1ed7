// Paths as the program holds them: UTF-8 on every system, whatever the
// system's own encoding of names, a folder as the user typed it with a name
// joined to it, and what stands in a folder. Nothing here fails: a folder
// that cannot be listed gives the system's code, and a name that cannot be
// looked at has nothing standing at it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.hpp"

namespace vesk_mg {

// The longest name of a file, in bytes, that ext4, XFS, Btrfs and NTFS take.
inline constexpr std::size_t longest_file_name = 255;

// A path's UTF-8 as the standard library takes and gives it.
std::filesystem::path path_of(std::string_view utf8);
std::string utf8_of(const std::filesystem::path& path);

// Where the last part of a path begins, after its folder: Windows also
// parts folders with '\' and a drive with ':'.
std::size_t base_name_start(std::string_view path, system_kind system = this_system);
// True when something stands at `path`, a link that leads nowhere included.
bool file_exists(const std::string& path);

// A path as the console shows it: a control character (U+0000 to U+001F,
// U+007F, U+0080 to U+009F) is written visibly, "\x1B" a byte, so that a
// name cannot move the cursor, retitle the window or clear it.
std::string shown(std::string_view path);

// `name` in `folder` as the user typed it ("" for the working folder), with
// the system's separator between them unless the folder ends in one:
// "mymod/ministers/ministers_abc.csv".
std::string path_in(std::string_view folder, std::string_view name);

// `path` whole, from the root, without "." and ".." and a separator at its
// end: the same folder however it was typed, a Windows path that begins
// with \\?\ or \\?\UNC\ included.
std::string whole_path(std::string_view path);
// The folder `path` stands in, whole: "/home/me/game" for "game/db" typed in /home/me.
std::string folder_above(std::string_view path);
// The last part of `path` whole: "ministers" for "." typed in it.
std::string last_name(std::string_view path);

// `folder` ("" for the working folder) as a user recognises it wherever
// they are: its full path, or "the folder the program was started in"
// where the system has no path for that.
std::string full_path_of_folder(std::string_view folder);

// What stands in a folder: the names of its regular files and of its
// folders, links to either included, in no order. Nothing is opened, so a
// FIFO never blocks.
struct folder_names {
  std::vector<std::string> files;
  std::vector<std::string> folders;
};
// The names in `folder` ("" for the working folder), or the system's code
// for why it cannot be listed.
system_code list_folder(std::string_view folder, folder_names& names);
// Whether `path` names a folder, a link followed: 0 and `is_folder` set or
// not, or the system's code for why nothing can be looked at there.
system_code look_at(std::string_view path, bool& is_folder);
// Makes the folder `path`, or gives the system's code for why it cannot.
system_code make_folder(std::string_view path);

}  // namespace vesk_mg
