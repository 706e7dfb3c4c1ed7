// The standard streams as the program uses them, made once. Input as piped
// or redirected may begin with a byte-order mark: a UTF-8 one is skipped,
// and UTF-16 is read as UTF-8. A Windows console is read as typed, in its
// own UTF-16, and written so that it shows UTF-8 as it is. Reading and
// writing raise as files do.
#pragma once

#include "platform/byte_channels.hpp"

namespace vesk_mg {

byte_source& standard_input();
byte_sink& standard_output();
byte_sink& standard_error();

}  // namespace vesk_mg
