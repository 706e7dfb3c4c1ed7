// The generation driver: creates the minister file (or the first fallback
// name that can be created), writes the header, the ten ruling cabinet
// rows, the section line and every replacement row, one name and its
// draws per minister, and prints the progress dots and the closing lines.
// The file stays open in the run's program_io; the end of the run closes
// it. A name file that runs out, a failed write, or no free file name
// after the 999th fallback raise named errors that end the run; the rows
// written so far stay in the file.
#pragma once

#include <cstddef>
#include <string_view>

#include "dialogue/generation_request.hpp"
#include "platform/program_io.hpp"

namespace vesk_mg {

inline constexpr std::string_view no_free_file_name_error = "VESK_MG.MAIN.NO_FREE_FILE_NAME_ERROR";

// Writes one ruling cabinet row for `position` and advances next_id.
void put_first(output_file& file, std::size_t position, generation_request& request, text_input& names, program_io& io);

void main(generation_request& request, program_io& io);

}  // namespace vesk_mg
