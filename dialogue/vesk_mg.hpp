// The console dialogue: the banner and every question, asked again until
// it gets an acceptable answer, then one hand-over of the complete
// generation request to the generation driver. Only the end of the input
// (or a failure of the console itself) leaves the dialogue, with the
// named error for the end-of-run report.
#pragma once

#include <functional>
#include <string_view>

#include "dialogue/generation_request.hpp"
#include "platform/program_io.hpp"

namespace vesk_mg {

inline constexpr std::string_view discussion_address = "https://example.org/vesk_mg/discussion";

using generation_driver = std::function<void(generation_request&, program_io&)>;

// The program's entry: the dialogue, handing over to the generation driver.
void vesk_mg(program_io& io);
// The same dialogue handing over to `generate` instead.
void vesk_mg(program_io& io, const generation_driver& generate);

}  // namespace vesk_mg
