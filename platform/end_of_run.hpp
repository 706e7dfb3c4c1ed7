// The end of a run, normal or not. Every open output is completed: an
// unfinished console line gets its line end and the minister file is
// completed and closed. A named error that nothing handled then becomes
// the report on standard error (an empty line, then
// "raised NAME : message") and exit status 1; a normal end is status 0.
#pragma once

#include <functional>

#include "platform/byte_stream.hpp"
#include "platform/named_error.hpp"
#include "platform/program_io.hpp"

namespace vesk_mg {

inline constexpr int exit_normal = 0;
inline constexpr int exit_after_report = 1;

void write_report(byte_sink& standard_error, const named_error& error);

// Runs `body` and ends the run; returns the exit status.
int run_to_end(program_io& io, byte_sink& standard_error, const std::function<void(program_io&)>& body);

}  // namespace vesk_mg
