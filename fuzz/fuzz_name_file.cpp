// The name file on arbitrary bytes: as many names can be read as the check
// counted, and then the file is at its end; only a UTF-16 file is refused;
// when the check refuses no name, every name is written without a ';' or
// a line end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "names/game_text.hpp"
#include "names/name_file.hpp"
#include "platform/errors.hpp"
#include "platform/text_decoding.hpp"
#include "platform/text_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("vesk_mg_fuzz_names_" + std::to_string(::getpid()) + ".txt")).string();
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  // Names that pass the check are written as generation reads them, each
  // one to a field of its own.
  vesk_mg::code_page_converter converter(1252);
  vesk_mg::name_check check;
  try {
    check = vesk_mg::check_names(path, INT64_MAX, converter);
  } catch (const vesk_mg::file_encoding_error&) {
    // A UTF-16 file is refused whole; nothing more to read.
    if (size < 2 || (data[0] != 0xFF && data[0] != 0xFE)) std::abort();
    return 0;
  }
  const std::int64_t count = check.names;
  if (count < 0 || static_cast<std::size_t>(count) > size) std::abort();
  vesk_mg::name_file file(path);
  vesk_mg::text_input names(file, path);
  std::size_t bytes = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const std::string line = names.read_line(vesk_mg::whole_line);
    bytes += line.size();
    const vesk_mg::game_name name = vesk_mg::name_for_game(line, check.utf8, converter);
    if (check.refused.empty() && (name.refused || name.bytes.find_first_of(";\r\n") != std::string::npos)) std::abort();
  }
  if (bytes > size || !names.at_end_of_file()) std::abort();
  return 0;
}
