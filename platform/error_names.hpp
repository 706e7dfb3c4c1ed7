// The full name of every named error the program can raise, in one list,
// so the end-of-run report and the tests speak of them alike. A name is
// "VESK_MG." and the raising operation's name, a point and the error's.
#pragma once

#include <array>
#include <string_view>

namespace vesk_mg::error_names {

// The platform's own: the console, the files, the clock, the memory.
inline constexpr std::string_view end_of_input = "VESK_MG.END_OF_INPUT_ERROR";
inline constexpr std::string_view number_format = "VESK_MG.NUMBER_FORMAT_ERROR";
inline constexpr std::string_view file_name = "VESK_MG.FILE_NAME_ERROR";
inline constexpr std::string_view file_use = "VESK_MG.FILE_USE_ERROR";
inline constexpr std::string_view file_read = "VESK_MG.FILE_READ_ERROR";
inline constexpr std::string_view file_write = "VESK_MG.FILE_WRITE_ERROR";
inline constexpr std::string_view file_encoding = "VESK_MG.FILE_ENCODING_ERROR";
inline constexpr std::string_view clock_range = "VESK_MG.CLOCK_RANGE_ERROR";
inline constexpr std::string_view out_of_memory = "VESK_MG.OUT_OF_MEMORY_ERROR";
// Ctrl+C, a termination signal, a hang-up or the console window closing.
inline constexpr std::string_view interrupted = "VESK_MG.INTERRUPTED_ERROR";

// The draws' guards.
inline constexpr std::string_view get_loyalty = "VESK_MG.GET_LOYALTY.GET_LOYALTY_ERROR";
inline constexpr std::string_view get_year = "VESK_MG.GET_YEAR.GET_YEAR_ERROR";
inline constexpr std::string_view wrong_alignment = "VESK_MG.GET_TRAIT.WRONG_ALIGNMENT_ERROR";
// One per alignment, in the order the personality selection tests them:
// NS, PA, FA, SC, SL, ML, SD, ST, LWR, LE.
inline constexpr auto get_trait = std::to_array<std::string_view>({
    "VESK_MG.GET_TRAIT.GET_TRAIT_NS_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_PA_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_FA_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_SC_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_SL_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_ML_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_SD_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_ST_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_LWR_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_LE_ERROR",
});

// The generation driver found every fallback name up to the 999th in use.
inline constexpr std::string_view no_free_file_name = "VESK_MG.MAIN.NO_FREE_FILE_NAME_ERROR";
// A name the game could not read as written, in a name file changed since it was checked.
inline constexpr std::string_view name_encoding = "VESK_MG.MAIN.NAME_ENCODING_ERROR";

}  // namespace vesk_mg::error_names
