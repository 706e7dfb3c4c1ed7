// The name file, all that the program does with it in one place. The
// dialogue finds it as the user names it and reads, in one pass, the names
// a run will use: it counts them and checks each against what the game can
// read. Generation reads the same names again, as the game will read them,
// and tells when the file is no longer what was checked. Opening raises
// file_name_error for a name that leads to no file and file_use_error for
// one that cannot be read (a folder, a device); a failed read raises
// file_read_error, a UTF-16 file file_encoding_error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/env.hpp"
#include "platform/files.hpp"
#include "platform/text_decoding.hpp"
#include "platform/text_input.hpp"
#include "vocabulary/digest.hpp"

namespace vesk_mg {

// The path of the name file a user typed: a name without a folder part is
// looked for where the program was started and, when nothing of that name
// stands there, in `program_folder`. Windows takes a name in double quotes
// without them (Explorer's "Copy as path") and a name without an extension
// with ".txt" too (Explorer hides it). Where nothing is found, the name as
// typed.
std::string find_name_file(std::string_view typed, std::string_view program_folder, system_kind system = this_system);

// A name file read through decoded_text: its UTF-16 would be names full of NULs.
class name_file final : public byte_source {
 public:
  explicit name_file(std::string_view name)
      : handle_(open_for_reading(name)), text_(handle_, decoded_text::utf16::refused) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override;
  [[nodiscard]] const std::string& name() const noexcept { return handle_.name(); }

 private:
  file_handle handle_;
  decoded_text text_;
};

// The digest of no line: a digest is taken over each line the run uses and
// a separator, so that generation can tell the file changed since the
// dialogue checked it while the request holds nothing but the digest.
inline constexpr std::uint64_t no_names_digest = empty_digest;

struct refused_line {
  std::int64_t line;  // from 1 at the file's first line
  char32_t character;
};

struct name_check {
  std::int64_t names = 0;  // lines read: `used`, or all there are
  bool utf8 = false;
  std::vector<refused_line> refused;  // the first ten, in line order
  std::int64_t more_refused = 0;      // refused lines after those
  std::uint64_t digest = 0;           // of the lines read, which generation compares
};

// The first `used` lines of the file, read as generation reads them:
// every line counts, empty lines and a last line without a line end
// included, but an empty last line does not, and a file with enough names
// is read no further. A line longer than any name is refused, and never
// kept whole: the check reads in bounded memory. The file is UTF-8 when one of those lines is
// well-formed UTF-8 beyond plain ASCII (a line that is not UTF-8 is then
// refused), otherwise it is taken to be in the game's code page.
name_check check_names(std::string_view file_name, std::int64_t used, code_page_converter& converter);

// The name file as the dialogue checked it: what it takes to read the
// same names again.
struct names_as_checked {
  std::string file;
  std::uint64_t digest;  // of the lines checked
  bool utf8;             // the names are UTF-8, to be written in the game's code page
  unsigned code_page;    // the game's
};

// The names of the checked name file, one for each row, as the game will
// read them. A name the game could not read as written, because the file
// changed after the dialogue checked it, raises
// VESK_MG.MAIN.NAME_ENCODING_ERROR naming the file, the line and what keeps
// it out, as the dialogue words it; a file that runs out, or whose lines
// are not those checked, raises VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR.
class name_source {
 public:
  explicit name_source(names_as_checked checked)
      : checked_(std::move(checked)),
        file_(checked_.file),
        lines_(file_, file_.name()),
        converter_(checked_.code_page) {}

  // The next line's name, ready to be written into the roster.
  std::string next();
  // Once every name is read: the names written are the names checked, to the byte.
  void check_unchanged() const;

 private:
  names_as_checked checked_;
  name_file file_;
  text_input lines_;
  code_page_converter converter_;
  std::int64_t line_ = 0;
  std::uint64_t digest_ = no_names_digest;
};

}  // namespace vesk_mg
