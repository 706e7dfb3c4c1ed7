// The roster list kept as safely as the roster: once a roster stands under
// its own name, the list that governs then names it. The list is read
// again at that moment, and the name added to what it holds then, in its
// own form (UTF-8 or ANSI, UTF-16, its line ends), or, where the first
// folder has none, a copy of the governing list is made there with the
// name added. The list is replaced whole, and what the replacement put
// aside is looked at: a change that another run or the user made since the
// list was read is taken in, and the name added again, so that no line of
// theirs is lost. A list that is a link is changed where it leads. A list
// that cannot be read is never replaced. Nothing here fails: what goes
// wrong is told in the line it gives.
#pragma once

#include <string>
#include <string_view>

#include "platform/run_clock.hpp"
#include "rosters/roster_folders.hpp"

namespace vesk_mg {

// Makes the list that governs `found` name the roster `roster_name`, just
// written in the first folder under the name the tag gives it. The line
// that tells what changed, or what to add by hand; "" where nothing did.
std::string keep_the_list(const roster_folders& found, std::string_view roster_name, run_clock& clock);

}  // namespace vesk_mg
