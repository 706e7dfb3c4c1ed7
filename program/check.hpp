// vesk_mg --check: what the game would load wrongly, or not at all, from
// the rosters of the folders given, found and read as a run finds and
// reads them, with nothing made, asked or written: the count lines, one
// line for each finding and each file passed over, and a closing line.
// The status is 0 with no finding and 1 with any; a console that fails
// raises its named error, as in a run.
#pragma once

#include "platform/console.hpp"
#include "rosters/used_ids.hpp"

namespace vesk_mg {

int check(console_output& out, const rosters_read& read);

}  // namespace vesk_mg
