// The process's standard input, output and error, read and written
// unbuffered and untranslated through file_handle (a line end is written
// as the program gives it). Input that is piped or redirected may begin
// with a byte-order mark, as an answers file saved by Notepad or
// PowerShell does: a UTF-8 mark is skipped, and UTF-16 is read and held
// as UTF-8 (unmarked_text). A console is read as typed. `start_platform`
// prepares the process once at its start.
#pragma once

#include "platform/byte_stream.hpp"

namespace vesk_mg {

void start_platform();
byte_source& standard_input();
byte_sink& standard_output();
byte_sink& standard_error();

}  // namespace vesk_mg
