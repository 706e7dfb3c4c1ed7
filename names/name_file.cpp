#include "names/name_file.hpp"

#include <string>

#include "names/game_text.hpp"
#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "vocabulary/digest.hpp"

namespace vesk_mg {

namespace {

constexpr std::size_t refused_lines_shown = 10;
// Each line and a line feed, which no line holds, so that the same bytes in other lines differ.
std::uint64_t digest_with_line(std::uint64_t digest, std::string_view line) {
  return digest_with(digest_with(digest, line), "\n");
}

void note(name_check& check, std::int64_t line, const game_name& name) {
  if (!name.refused) return;
  if (check.refused.size() < refused_lines_shown) {
    check.refused.push_back({line, *name.refused});
  } else {
    ++check.more_refused;
  }
}

named_error changed(const names_as_checked& checked) {
  return {"VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR", checked.file + " changed after its names were checked"};
}

}  // namespace

std::size_t name_file::read_some(char* buffer, std::size_t capacity) {
  const std::size_t got = text_.read_some(buffer, capacity);
  if (text_.refused_utf16()) throw file_encoding_error(name());
  return got;
}

std::string find_name_file(std::string_view typed, std::string_view program_folder, system_kind system) {
  const bool windows = system == system_kind::windows;
  std::string_view name = typed;
  if (windows && name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
  if (name.empty()) return std::string(typed);
  const std::size_t base = base_name_start(name, system);
  const std::string with_txt = std::string(name) + ".txt";
  const bool txt_too = windows && base < name.size() && name.find('.', base) == std::string_view::npos;
  for (const std::string_view folder : {std::string_view(), program_folder}) {
    if (!folder.empty() && base != 0) break;
    for (const std::string_view candidate : {name, std::string_view(with_txt)}) {
      std::string path = path_in(folder, candidate);
      if (file_exists(path)) return path;
      if (!txt_too) break;
    }
  }
  return std::string(name);
}

name_check check_names(std::string_view file_name, std::int64_t used, code_page_converter& converter) {
  name_file file(file_name);
  text_input names(file, file.name());
  // Both readings are kept until the whole file has shown which it is.
  name_check as_utf8;
  as_utf8.utf8 = true;
  name_check as_bytes;
  std::uint64_t digest = no_names_digest;
  bool utf8 = false;
  std::int64_t line = 0;
  while (line < used && !names.at_end_of_file()) {
    ++line;
    const std::string name = names.read_line(longest_minister_name + 1);
    if (name.size() > longest_minister_name) {  // the rest of the line is passed over, never kept
      if (!names.at_end_of_file()) names.skip_line();
      note(as_bytes, line, {{}, too_long});
      note(as_utf8, line, {{}, too_long});
      continue;
    }
    digest = digest_with_line(digest, name);
    utf8 = utf8 || (!is_ascii(name) && is_valid_utf8(name));
    note(as_bytes, line, name_for_game(name, false, converter));
    note(as_utf8, line, name_for_game(name, true, converter));
  }
  name_check& check = utf8 ? as_utf8 : as_bytes;
  check.names = line;
  check.digest = digest;
  return check;
}

std::string name_source::next() {
  if (lines_.at_end_of_file()) throw changed(checked_);
  // A line longer than any name was not there when the names were checked.
  const std::string line = lines_.read_line(longest_minister_name + 1);
  if (line.size() > longest_minister_name) throw changed(checked_);
  ++line_;
  digest_ = digest_with_line(digest_, line);
  game_name name = name_for_game(line, checked_.utf8, converter_);
  if (name.refused) {
    throw named_error("VESK_MG.MAIN.NAME_ENCODING_ERROR", checked_.file + ": line " + std::to_string(line_) + " " +
                                                              why_refused(*name.refused, checked_.code_page));
  }
  return std::move(name.bytes);
}

void name_source::check_unchanged() const {
  if (digest_ != checked_.digest) throw changed(checked_);
}

}  // namespace vesk_mg
