// A console window that the program has to itself, as a double-click on
// the program gives it, closes the moment the program ends, and takes the
// last lines with it. Only then does the program wait for Enter before it
// ends; started from cmd, PowerShell or a terminal, or with its input piped
// or redirected, it never waits. Nothing here raises.
#pragma once

#include "platform/byte_stream.hpp"

namespace vesk_mg {

struct console_facts {
  bool console_of_its_own;     // no other process is attached to the console
  bool input_is_that_console;  // standard input is the console, not a pipe or a file
};

// What this process's console is; on Linux never a window of its own.
console_facts this_console();

bool should_wait_before_closing(const console_facts& facts);

// Writes "Press Enter to close this window." and reads until a line end
// or the end of the input; a console that fails ends the wait too.
void wait_for_enter(byte_source& input, byte_sink& output);

}  // namespace vesk_mg
