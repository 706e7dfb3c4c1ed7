// Paths as the program holds them: UTF-8 on every system, whatever the
// system's own encoding of names, a folder as the user typed it with a name
// joined to it, and what stands in a folder. Nothing here fails: a folder
// that cannot be read holds nothing, and a name that cannot be looked at
// has nothing standing at it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.hpp"

namespace vesk_mg {

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

// `folder` ("" for the working folder) as a user recognises it wherever
// they are: its full path, or "the folder the program was started in"
// where the system has no path for that.
std::string full_path_of_folder(std::string_view folder);

// The names of the regular files in `folder`, links to them included, in
// no order; nothing is opened, so a FIFO never blocks.
std::vector<std::string> files_in(std::string_view folder);
// The names of the folders in `folder`, links to them included, in no order.
std::vector<std::string> folders_in(std::string_view folder);

}  // namespace vesk_mg
