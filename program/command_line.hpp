// The command line. With no argument the program runs its dialogue;
// --version and --help answer and end the run with status 0; anything
// else gets the usage on standard error and status 2, and nothing is asked
// or written. A console that fails here gets the end-of-run report and
// status 1, as anywhere else.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/env.hpp"

namespace vesk_mg {

// The exit status when the arguments end the run; nothing when the dialogue is to run.
std::optional<int> answer_command_line(std::span<const std::string_view> arguments, byte_sink& output,
                                       byte_sink& error_output);

}  // namespace vesk_mg
