#include "platform/console_window.hpp"

namespace vesk_mg {

// A terminal outlives the programs started in it.
console_facts this_console() { return {false, false}; }

}  // namespace vesk_mg
