// The environment of a real run: the system's clocks and sleep, the folder
// of the program's own file, and the code page the game reads a roster in,
// which is the system's ANSI code page (1252 where that is UTF-8), or where
// the system has none, the one Windows gives the language of the locale.
#pragma once

#include "platform/run_environment.hpp"

namespace vesk_mg {

run_environment& default_env();

}  // namespace vesk_mg
