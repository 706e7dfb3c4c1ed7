// The names the program gives the roster it writes: "ministers_<tag>.csv"
// for the tag as the request holds it, and fallback number k (1 to 999)
// with its digits in front ("1ministers_abc.csv") where that name is in
// use; and names found as the game finds them, letter case ignored.
// Nothing here fails.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk_mg {

inline constexpr int last_fallback_number = 999;

std::string minister_file_name(std::string_view tag, int fallback_number = 0);

// The name among `names` that is `name`, letter case ignored, as the game
// finds its files: `name` itself where it stands, else the first in byte
// order.
std::optional<std::string> name_among(std::vector<std::string> names, std::string_view name);

// True for the name of the roster of `tag`, letter case ignored: the
// roster a run for that tag replaces.
bool names_the_roster_of(std::string_view file_name, std::string_view tag);
// The name of the roster of `tag` in `folder` as it stands there: where
// file names tell letter case apart, "ministers_GER.csv" for "ger" is the
// roster a run replaces, as it would be where they do not. Where none
// stands, or the folder cannot be listed, the name the tag gives.
std::string roster_name_in(const std::string& folder, std::string_view tag);

}  // namespace vesk_mg
