// A fresh temporary folder that is the working folder for the test's
// lifetime; it is removed, and the old working folder restored, after.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vesk_mg::test_support {

class temp_folder {
 public:
  temp_folder();
  temp_folder(const temp_folder&) = delete;
  temp_folder& operator=(const temp_folder&) = delete;
  ~temp_folder();

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

void write_file(const std::filesystem::path& path, const std::string& bytes);
// Files, each with its text, to stand in the working folder, the folders
// they are in made first; a name (UTF-8) that ends in '/' is a folder.
using file_layout = std::vector<std::pair<std::string, std::string>>;
void lay_out(const file_layout& files);
// A path as the program shows it, written in a test: '|' for the system's
// separator, "<here>" for `here` whole.
std::string as_shown(std::string text, const std::filesystem::path& here);
// A name file's text: `count` names from "Name <first>" on, each line ended with `line_end`.
std::string numbered_names(int count, const std::string& line_end = "\n", int first = 1);
// A roster of `count` ministers of `tag`, their IDs from `first_id` on.
std::string roster(const std::string& tag, int first_id, int count);
// ASCII text as Windows' tools write UTF-16: a byte-order mark, then two
// bytes a character, the low one first.
std::string in_utf16(std::string_view ascii);
std::string read_file(const std::filesystem::path& path);
// The names in the working folder, sorted: a leftover temporary file shows.
std::vector<std::string> names_here();
// True when no temporary file (".tmp") of a roster is left in `folder`.
bool no_temporary_file_in(const std::filesystem::path& folder);

}  // namespace vesk_mg::test_support
