// The end of a run, normal or not. The files a run opens are its own and
// are closed as their owners unwind; here an unfinished console line gets
// its line end. A named error that nothing handled then becomes the
// report on standard error (an empty line, then "raised NAME : message")
// and exit status 1, and so does running out of memory; a normal end is
// status 0.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/byte_stream.hpp"
#include "platform/console_output.hpp"
#include "platform/named_error.hpp"

namespace vesk_mg {

inline constexpr int exit_normal = 0;
inline constexpr int exit_after_report = 1;

// The report of an error that ends the run: "\r\nraised NAME : MESSAGE\r\n",
// without " : " when the message is empty.
std::string report_text(std::string_view full_name, std::string_view message);
void write_report(byte_sink& standard_error, const named_error& error);

// Runs `body` and ends the run, completing the console line of `out`;
// returns the exit status. Everything `body` allocates, the console's
// buffers included, is made inside, so running out of memory is reported.
int run_to_end(console_output& out, byte_sink& standard_error, const std::function<void()>& body);

}  // namespace vesk_mg
