#include "dialogue/ask_questions.hpp"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "names/code_page.hpp"
#include "rosters/roster_report.hpp"
#include "tests/support/answers.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using test_support::banner;

const std::string tag_prompt = "What is the tag of the country you want ministers for?: ";
const std::string alignment_intro =
    "What political alignments do you want the ministers to have?\r\n"
    "The alternatives are: NS, PA, FA, SC, SL, ML, SD, ST, LWR and LE.\r\n"
    "Enter one or more alignments, press <enter> between each entry.\r\n"
    "Enter X to finish.\r\n"
    "The first entered alignment will make up the ruling cabinet.\r\n";
const std::string refusal = "Not like that, try again.\r\n";
const std::string name_question =
    "What is the name of the file where minister-names are found?\r\nNOTE: Filename is case sensitive!: ";
const std::string id_prompt = "What is the first ID you want to use?: ";
const std::string aborted = "Input aborted, try again: \r\n";
const std::string minimum = "The ruling cabinet requires at least one minister of each type.\r\n?: ";
const std::string eof_report = "\r\nraised VESK_MG.END_OF_INPUT_ERROR : standard input\r\n";

std::string heading(const std::string& name) {
  return "\r\n" + name + "\r\n\r\nEnter X to redo your present entry\r\n";
}

using test_support::count_prompts;

const std::string ten_ones = "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n";
const std::string ten_zeros = "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";

// The dialogue from the name question on, for a name file that fits.
std::string to_the_end(const std::string& after_counts = "") {
  return after_counts + "\r\n" + name_question + id_prompt;
}

struct dialogue_case {
  const char* name;
  std::string input;
  std::string expected;  // everything after the banner
  int status = 0;
  unsigned code_page = 1252;  // the game's
  // Written beside the name files, UTF-8 names; a name that ends in '/' is a folder.
  test_support::file_layout files = {};
  std::vector<std::string> folders = {};         // given on the command line
  std::optional<unsigned> given_code_page = {};  // given on the command line
  friend void PrintTo(const dialogue_case& c, std::ostream* os) { *os << c.name; }
};

class dialogue : public ::testing::TestWithParam<dialogue_case> {
 protected:
  test_support::temp_folder folder;
  test_support::fake_clock clock;
  std::optional<dialogue_answers> handed_over;
  unsigned code_page = western_code_page;  // the game's, as the user's system gives it

  void SetUp() override {
    const std::string forty = test_support::numbered_names(40);
    test_support::write_file("names.txt", forty);
    std::filesystem::create_directory("program");  // where the program's file stands
    test_support::write_file("program/beside.txt", forty);
    test_support::write_file("a_name_file_of_more_than_thirty_characters.txt", forty);
    test_support::write_file("empty.txt", "");
    test_support::write_file("five.txt", "a\nb\nc\nd\ne\n\n");  // an empty last line does not count
    test_support::write_file("six.txt", "a\nb\n\nc\nd\ne\n");   // an empty line between names does
    std::filesystem::create_directory("sub");
    // Notepad's "UTF-8 with BOM" and "UTF-16 LE", and a name that is not ASCII.
    test_support::write_file("bom.txt",
                             "\xEF\xBB\xBF"
                             "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n");
    test_support::write_file("utf16.txt", std::string("\xFF\xFE"
                                                      "a\0\n\0",
                                                      6));
    test_support::write_file(std::filesystem::path(u8"navne_\u00D8.txt"), forty);
    // Names the game would read wrongly; the eleventh line is never used.
    using namespace std::string_literals;
    test_support::write_file("spoiled.txt", "Name\nsemi;colon\ntab\tis fine\nnul\0x\ncr\rx\ndel\x7F\n"s +
                                                test_support::numbered_names(4) + "unused;\n");
    test_support::write_file("lacking.txt",
                             "\xC5\x81ukasz\nC1 \xC2\x85\nJos\xC3\xA9\n" + test_support::numbered_names(7));
    std::string semicolons;
    for (int i = 0; i < 12; ++i) semicolons += "a;b\n";
    test_support::write_file("semicolons.txt", semicolons);
    test_support::write_file("polish.txt", "\xC5\x81ukasz\n" + test_support::numbered_names(9));
    // A UTF-8 file with one Latin-1 line pasted in; a sign that 932 would write as a backslash.
    test_support::write_file("mixed.txt", "Jos\xC3\xA9\nHans M\xFCller\n" + test_support::numbered_names(8));
    test_support::write_file("yen.txt", "\u00A5en\n" + test_support::numbered_names(9));
    // Files that would hold a run for good, were they read.
    std::filesystem::create_directory("endless");
#ifndef _WIN32
    ::mkfifo("endless/fifo.csv", 0600);  // never a roster, and never to be opened
    // A first line without an end, 100 GB long, is no header: read no further than one.
    test_support::write_file("endless/endless.csv", "");
    std::filesystem::resize_file("endless/endless.csv", std::uintmax_t{100} << 30);
    test_support::write_file("endless/endless_header.csv", "XYZ;Ruling Cabinet - Start;");
    std::filesystem::resize_file("endless/endless_header.csv", std::uintmax_t{100} << 30);
#endif
  }

  test_support::script_result run(const std::string& input, const std::vector<std::string>& folders = {},
                                  std::optional<unsigned> given_code_page = {}) {
    return test_support::run_body(input, clock, [&](program_io& io) {
      const roster_folders found = roster_folders_of(folders);
      const rosters_read rosters = read_rosters(found);
      const std::vector<std::string> told = found.typed.empty() ? std::vector<std::string>{} : counted_lines(rosters);
      handed_over = ask_questions(io, rosters, told, {"program", given_code_page.value_or(code_page)});
    });
  }
};

TEST_P(dialogue, writes_exactly_its_transcript) {
  const dialogue_case& c = GetParam();
  code_page = c.code_page;
  test_support::lay_out(c.files);
  const test_support::script_result result = run(c.input, c.folders, c.given_code_page);
  ASSERT_EQ(result.out.substr(0, banner().size()), banner());
  // "<here>" stands for the whole path of the folder the test works in.
  std::string expected = c.expected;
  for (std::size_t at = 0; (at = expected.find("<here>", at)) != std::string::npos;) {
    expected.replace(at, 6, folder.path().string());
  }
  EXPECT_EQ(result.out.substr(banner().size()), expected);
  EXPECT_EQ(result.status, c.status);
  EXPECT_EQ(result.err, c.status == 0 ? "" : eof_report);
  EXPECT_EQ(handed_over.has_value(), c.status == 0);
}

std::string case_name(const ::testing::TestParamInfo<dialogue_case>& param) { return param.param.name; }

const std::string intro = tag_prompt + "\r\n" + alignment_intro;
const std::string ns_ruling = intro + "?: ?: " + heading("National Socialist");

INSTANTIATE_TEST_SUITE_P(whole_runs, dialogue,
                         ::testing::Values(dialogue_case{"typical", test_support::answers{}.text(),
                                                         ns_ruling + count_prompts() + to_the_end() + "\r\n"},
                                           dialogue_case{"crlf_input", test_support::answers{.line_end = "\r\n"}.text(),
                                                         ns_ruling + count_prompts() + to_the_end() + "\r\n"},
                                           dialogue_case{"no_last_line_end",
                                                         test_support::answers{.first_id = ""}.text() + "601",
                                                         ns_ruling + count_prompts() + to_the_end() + "\r\n"}),
                         case_name);

INSTANTIATE_TEST_SUITE_P(
    tags, dialogue,
    ::testing::Values(
        dialogue_case{"short_line_refused", "ab\nabc\nNS\nX\n" + ten_ones + "names.txt\n1\n",
                      tag_prompt + refusal + ns_ruling + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"empty_line_refused", "\nabc\nNS\nX\n" + ten_ones + "names.txt\n1\n",
                      tag_prompt + refusal + ns_ruling + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{
            "file_name_characters_refused", "a/cdef\nx:y\nabc\nNS\nX\n" + ten_ones + "names.txt\n1\n",
            tag_prompt + refusal + tag_prompt + refusal + ns_ruling + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"field_separator_and_bytes_above_ascii_refused",
                      std::string("a;c\n\xc3\xa5"
                                  "bc\nab\xff\nabc\nNS\nX\n") +
                          ten_ones + "names.txt\n1\n",
                      tag_prompt + refusal + tag_prompt + refusal + tag_prompt + refusal + ns_ruling + count_prompts() +
                          to_the_end() + "\r\n"},
        dialogue_case{"a_blank_refused", " ge\na b\nge \nabc\nNS\nX\n" + ten_ones + "names.txt\n1\n",
                      tag_prompt + refusal + tag_prompt + refusal + tag_prompt + refusal + ns_ruling + count_prompts() +
                          to_the_end() + "\r\n"},
        dialogue_case{
            "control_character_refused", std::string("a\tc\nab\x7f\nabc\nNS\nX\n") + ten_ones + "names.txt\n1\n",
            tag_prompt + refusal + tag_prompt + refusal + ns_ruling + count_prompts() + to_the_end() + "\r\n"}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    alignments, dialogue,
    ::testing::Values(
        dialogue_case{"lower_case_entries", "abc\nns\nx\n" + ten_ones + "names.txt\n1\n",
                      ns_ruling + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"nothing_trimmed", "abc\n NS\nNS \nN S\nNs\nX\n" + ten_ones + "names.txt\n1\n",
                      intro + "?: " + refusal + "?: " + refusal + "?: " + refusal +
                          "?: ?: " + heading("National Socialist") + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"x_first_refused", "abc\nX\nNS\nX\n" + ten_ones + "names.txt\n1\n",
                      intro + "?: " + refusal + "?: ?: " + heading("National Socialist") + count_prompts() +
                          to_the_end() + "\r\n"},
        dialogue_case{"four_characters_leave_an_empty_remainder", "abc\nNSPA\nNS\nX\n" + ten_ones + "names.txt\n1\n",
                      intro + "?: " + refusal + "?: " + refusal + "?: ?: " + heading("National Socialist") +
                          count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"pending_remainder_is_the_next_entry", "abc\nABCDNS\nX\n" + ten_ones + "names.txt\n1\n",
                      intro + "?: " + refusal + "?: ?: " + heading("National Socialist") + count_prompts() +
                          to_the_end() + "\r\n"},
        dialogue_case{"first_entry_rules_and_repeats_change_nothing",
                      "abc\nSL\nNS\nSL\nX\n" + ten_ones + ten_zeros + "names.txt\n1\n",
                      intro + "?: ?: ?: ?: " + heading("Social Liberal") + count_prompts() +
                          heading("National Socialist") + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"others_in_fixed_order",
                      "abc\nST\nLE\nFA\nX\n" + ten_ones + ten_zeros + ten_zeros + "names.txt\n1\n",
                      intro + "?: ?: ?: ?: " + heading("Stalinist") + count_prompts() + heading("Fascist") +
                          count_prompts() + heading("Leninist") + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"lwr", "abc\nlwr\nX\n" + ten_ones + "names.txt\n1\n",
                      intro + "?: ?: " + heading("Left Wing Radical") + count_prompts() + to_the_end() + "\r\n"}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    counts, dialogue,
    ::testing::Values(
        dialogue_case{"ruling_minimum", "abc\nNS\nX\n0\n-3\n2\n1\n1\n1\n1\n1\n1\n1\n1\n1\nnames.txt\n1\n",
                      ns_ruling + count_prompts(0, 0) + minimum + minimum + count_prompts(1) + to_the_end() + "\r\n"},
        dialogue_case{"redo_at_a_middle_prompt", "abc\nNS\nX\n1\n1\n1\n1\nX\n" + ten_ones + "names.txt\n1\n",
                      ns_ruling + count_prompts(0, 4) + aborted + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"redo_at_the_minimum_prompt", "abc\nNS\nX\n0\nX\n" + ten_ones + "names.txt\n1\n",
                      ns_ruling + count_prompts(0, 0) + minimum + aborted + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"rest_of_line_discarded_and_empty_lines_skipped",
                      "abc\nNS\nX\n3 apples\n\n\n1\n1\n1\n1\n1\n1\n1\n1\n1\nnames.txt\n1\n",
                      ns_ruling + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"too_large_a_number", "abc\nNS\nX\n2147483648\n" + ten_ones + "names.txt\n1\n",
                      ns_ruling + count_prompts(0, 0) + aborted + count_prompts() + to_the_end() + "\r\n"},
        dialogue_case{"others_may_be_zero_but_not_negative",
                      "abc\nNS\nPA\nX\n" + ten_ones + "0\n-2\n0\n0\n0\n0\n0\n0\n0\n0\n0\nnames.txt\n1\n",
                      intro + "?: ?: ?: " + heading("National Socialist") + count_prompts() +
                          heading("Paternal Autocrat") + count_prompts(0, 1) +
                          "The number of ministers cannot be negative.\r\n?: " + count_prompts(2) + to_the_end() +
                          "\r\n"},
        dialogue_case{"a_total_past_the_32_bit_range_redoes_the_entry",
                      "abc\nNS\nPA\nX\n" + ten_ones + "2147483637\n1\n" + ten_zeros + "names.txt\n1\n",
                      intro + "?: ?: ?: " + heading("National Socialist") + count_prompts() +
                          heading("Paternal Autocrat") + count_prompts(0, 1) + aborted + count_prompts() +
                          to_the_end() + "\r\n"}),
    case_name);

const std::string counted = ns_ruling + count_prompts() + "\r\n";
#ifdef _WIN32
const std::string device = "NUL";
#else
const std::string device = "/dev/null";
#endif
const std::string cannot_show = ", which the game cannot show.";
// Where another of the game's code pages holds the character.
std::string shown_in(const std::string& code_page) {
  return ", which the game cannot show; the edition that reads code page " + code_page + " can (--code-page " +
         code_page + ").";
}
const std::string change_them = "Change these names, then try again: \r\n";

std::string spoiled_line(int line, const std::string& what) {
  return "Line " + std::to_string(line) + " of the name file holds " + what + "\r\n";
}

std::string ten_semicolon_lines() {
  std::string lines;
  for (int line = 1; line <= 10; ++line) lines += spoiled_line(line, "a ';', which would split the minister's row.");
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    name_files, dialogue,
    ::testing::Values(
        dialogue_case{"missing_and_empty_names", "abc\nNS\nX\n" + ten_ones + "nofile.txt\n\nnames.txt\n1\n",
                      counted + name_question + "Invalid filename, try again: \r\n" + name_question +
                          "Invalid filename, try again: \r\n" + name_question + id_prompt + "\r\n"},
        dialogue_case{
            "a_device_is_refused_like_a_missing_file", "abc\nNS\nX\n" + ten_ones + device + "\nnames.txt\n1\n",
            counted + name_question + "Invalid filename, try again: \r\n" + name_question + id_prompt + "\r\n"},
        // Where there are FIFOs, this is one: it is refused at once, never waited on.
        dialogue_case{
            "a_fifo_is_refused_like_a_missing_file", "abc\nNS\nX\n" + ten_ones + "endless/fifo.csv\nnames.txt\n1\n",
            counted + name_question + "Invalid filename, try again: \r\n" + name_question + id_prompt + "\r\n"},
        dialogue_case{
            "a_folder_is_refused_like_a_missing_file", "abc\nNS\nX\n" + ten_ones + "sub\nnames.txt\n1\n",
            counted + name_question + "Invalid filename, try again: \r\n" + name_question + id_prompt + "\r\n"},
        dialogue_case{"too_few_names", "abc\nNS\nX\n" + ten_ones + "empty.txt\nfive.txt\nsix.txt\nnames.txt\n1\n",
                      counted + name_question +
                          "There are too few names in name-file.\r\nYou need 10 more names in "
                          "the file to generate all ministers\r\n" +
                          name_question +
                          "There are too few names in name-file.\r\nYou need 5 more names in the file "
                          "to generate all ministers\r\n" +
                          name_question +
                          "There are too few names in name-file.\r\nYou need 4 more names in the file "
                          "to generate all ministers\r\n" +
                          name_question + id_prompt + "\r\n"},
        dialogue_case{"long_names_are_taken_whole",
                      "abc\nNS\nX\n" + ten_ones + "a_name_file_of_more_than_thirty_characters.txt\n1\n",
                      counted + name_question + id_prompt + "\r\n"},
        dialogue_case{"a_utf8_byte_order_mark_is_not_a_name", "abc\nNS\nX\n" + ten_ones + "bom.txt\n1\n",
                      counted + name_question + id_prompt + "\r\n"},
        dialogue_case{"utf16_is_refused", "abc\nNS\nX\n" + ten_ones + "utf16.txt\nnames.txt\n1\n",
                      counted + name_question +
                          "The name file is UTF-16 text; save it as ANSI or UTF-8, then try again: \r\n" +
                          name_question + id_prompt + "\r\n"},
        dialogue_case{"a_name_that_is_not_ascii", "abc\nNS\nX\n" + ten_ones + "navne_\xC3\x98.txt\n1\n",
                      counted + name_question + id_prompt + "\r\n"},
        dialogue_case{
            "a_name_found_beside_the_program_but_not_with_a_folder_part",
            "abc\nNS\nX\n" + ten_ones + "./beside.txt\nbeside.txt\n1\n",
            counted + name_question + "Invalid filename, try again: \r\n" + name_question + id_prompt + "\r\n"},
        dialogue_case{"names_that_would_spoil_their_rows", "abc\nNS\nX\n" + ten_ones + "spoiled.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(2, "a ';', which would split the minister's row.") +
                          spoiled_line(4, "U+0000" + cannot_show) + spoiled_line(5, "U+000D" + cannot_show) +
                          spoiled_line(6, "U+007F" + cannot_show) + change_them + name_question + id_prompt + "\r\n"},
        dialogue_case{"utf8_names_the_code_page_lacks", "abc\nNS\nX\n" + ten_ones + "lacking.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(1, "U+0141 (\xC5\x81)" + shown_in("1250")) +
                          spoiled_line(2, "U+0085" + cannot_show) + change_them + name_question + id_prompt + "\r\n"},
        dialogue_case{"ten_refused_lines_are_shown",
                      "abc\nNS\nX\n2\n2\n1\n1\n1\n1\n1\n1\n1\n1\nsemicolons.txt\nnames.txt\n1\n",
                      counted + name_question + ten_semicolon_lines() +
                          "2 more lines of the name file hold such characters.\r\n" + change_them + name_question +
                          id_prompt + "\r\n"},
        dialogue_case{"one_more_refused_line",
                      "abc\nNS\nX\n2\n1\n1\n1\n1\n1\n1\n1\n1\n1\nsemicolons.txt\nnames.txt\n1\n",
                      counted + name_question + ten_semicolon_lines() +
                          "1 more line of the name file holds such characters.\r\n" + change_them + name_question +
                          id_prompt + "\r\n"},
        // Control characters at the edges of their ranges are named, never shown.
        dialogue_case{"control_characters_at_their_edges",
                      "abc\nNS\nX\n" + ten_ones + "edges.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(1, "U+001F" + cannot_show) +
                          spoiled_line(2, "U+009F" + cannot_show) + spoiled_line(3, "U+007F" + cannot_show) +
                          change_them + name_question + id_prompt + "\r\n",
                      0,
                      1252,
                      {{"edges.txt",
                        "a\x1F"
                        "b\nc\xC2\x9F"
                        "d\ne\x7F"
                        "f\n\xC2\xA0h\n" +
                            test_support::numbered_names(6)}}},
        dialogue_case{"a_character_beyond_the_first_64_ki_is_named_whole",
                      "abc\nNS\nX\n" + ten_ones + "smiley.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(1, "U+1F600 (\xF0\x9F\x98\x80)" + cannot_show) +
                          change_them + name_question + id_prompt + "\r\n",
                      0,
                      1252,
                      {{"smiley.txt", "\xF0\x9F\x98\x80\n" + test_support::numbered_names(9)}}},
        // 1252 has no letter at 0x81; Windows would still convert U+0081 to it.
        dialogue_case{"a_c1_control_the_code_page_would_pass",
                      "abc\nNS\nX\n" + ten_ones + "c1.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(1, "U+0081" + cannot_show) + change_them + name_question +
                          id_prompt + "\r\n",
                      0,
                      1252,
                      {{"c1.txt",
                        "A\xC2\x81"
                        "B\n" +
                            test_support::numbered_names(9)}}},
        dialogue_case{"a_line_too_long_to_be_a_name",
                      "abc\nNS\nX\n" + ten_ones + "long.txt\nnames.txt\n1\n",
                      counted + name_question + "Line 2 of the name file is too long to be a name.\r\n" + change_them +
                          name_question + id_prompt + "\r\n",
                      0,
                      1252,
                      {{"long.txt", "Name\n" + std::string(5000, 'x') + "\n" + test_support::numbered_names(9)}}},
        dialogue_case{"a_line_as_long_as_a_name_can_be",
                      "abc\nNS\nX\n" + ten_ones + "longest.txt\n1\n",
                      counted + name_question + id_prompt + "\r\n",
                      0,
                      1252,
                      {{"longest.txt", std::string(4096, 'x') + "\n" + test_support::numbered_names(9)}}},
        // A line too long is refused whole, and the reading goes on at the next.
        dialogue_case{"a_line_too_long_and_then_a_semicolon",
                      "abc\nNS\nX\n" + ten_ones + "longer.txt\nnames.txt\n1\n",
                      counted + name_question + "Line 1 of the name file is too long to be a name.\r\n" +
                          spoiled_line(2, "a ';', which would split the minister's row.") + change_them +
                          name_question + id_prompt + "\r\n",
                      0,
                      1252,
                      {{"longer.txt", std::string(10000, 'a') + "\nBad;Name\n" + test_support::numbered_names(8)}}},
        dialogue_case{"a_line_not_in_utf8_among_utf8_ones", "abc\nNS\nX\n" + ten_ones + "mixed.txt\nnames.txt\n1\n",
                      counted + name_question +
                          "Line 2 of the name file is not written in UTF-8, as the rest of the file is.\r\n" +
                          change_them + name_question + id_prompt + "\r\n"},
        dialogue_case{"a_character_the_code_page_would_show_as_another",
                      "abc\nNS\nX\n" + ten_ones + "yen.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(1, "U+00A5 (\xC2\xA5)" + shown_in("1252")) + change_them +
                          name_question + id_prompt + "\r\n",
                      0, 932},
        // Each character by itself: the game shows one glyph a byte, and none of these is one byte.
        dialogue_case{"a_vietnamese_letter_taken_apart",
                      "abc\nNS\nX\n" + ten_ones + "vi.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(1, "U+1EC5 (\xE1\xBB\x85)" + cannot_show) + change_them +
                          name_question + id_prompt + "\r\n",
                      0,
                      1258,
                      {{"vi.txt", "Nguy\u1EC5n\n" + test_support::numbered_names(9)}}},
        dialogue_case{"a_hebrew_letter_with_its_dot_taken_apart",
                      "abc\nNS\nX\n" + ten_ones + "he.txt\nnames.txt\n1\n",
                      counted + name_question + spoiled_line(1, "U+FB2A (\xEF\xAC\xAA)" + cannot_show) + change_them +
                          name_question + id_prompt + "\r\n",
                      0,
                      1255,
                      {{"he.txt", "\uFB2A\n" + test_support::numbered_names(9)}}},
        // The game's edition named on the command line, over the system's language.
        dialogue_case{"a_code_page_given",
                      "abc\nNS\nX\n" + ten_ones + "polish.txt\n1\n",
                      counted + name_question + id_prompt + "\r\n",
                      0,
                      1252,
                      {},
                      {},
                      1250},
        dialogue_case{"no_converter_for_the_code_page", "abc\nNS\nX\n" + ten_ones + "polish.txt\nnames.txt\n1\n",
                      counted + name_question + "This system cannot write names in code page 99999, the game's.\r\n" +
                          "Save the name file in code page 99999, then try again: \r\n" + name_question + id_prompt +
                          "\r\n",
                      0, 99999}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    first_ids, dialogue,
    ::testing::Values(dialogue_case{"not_a_number", "abc\nNS\nX\n" + ten_ones + "names.txt\nabc\n-5\n",
                                    counted + name_question + id_prompt +
                                        "\r\nI pity the fool who cannot enter a correct ID!\r\nTry again: \r\n" +
                                        id_prompt + "\r\n"},
                      dialogue_case{"last_id_past_the_32_bit_range",
                                    "abc\nNS\nX\n" + ten_ones + "names.txt\n2147483639\n2147483638\n",
                                    counted + name_question + id_prompt +
                                        "\r\nI pity the fool who cannot enter a correct ID!\r\nTry again: \r\n" +
                                        id_prompt + "\r\n"}),
    case_name);

// Rosters beside the one written: a first ID whose range one of them uses
// is refused (`used` says how), and the next free range, when there is one,
// is the answer that follows; an ID none of them uses is taken at once.
using roster_files = test_support::file_layout;
// With folders given, `each_folder` is what is told of them first, one line each.
dialogue_case first_id_beside(const char* name, roster_files files, const std::string& id, const std::string& used = "",
                              const std::string& next = "", std::vector<std::string> folders = {},
                              const std::vector<std::string>& each_folder = {}) {
  const std::string free_range = next.empty() ? "" : "The next 10 free IDs in a row start at " + next + ".\r\n";
  const std::string told = used.empty() ? "" : "\r\n" + used + "\r\n" + free_range + id_prompt;
  std::string folders_told;
  for (const std::string& line : each_folder) folders_told += line + "\r\n";
  return {name,
          "abc\nNS\nX\n" + ten_ones + "names.txt\n" + id + "\n" + (next.empty() ? "1" : next) + "\n",
          (folders.empty() ? "" : folders_told + "\r\n") + counted + name_question + id_prompt + told + "\r\n",
          0,
          1252,
          std::move(files),
          std::move(folders)};
}
using test_support::roster;
const std::string mod =
    "m\xC3\xB8"
    "d";  // a folder beyond ASCII
const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));

INSTANTIATE_TEST_SUITE_P(
    ids_of_other_rosters, dialogue,
    ::testing::Values(
        first_id_beside("a_range_another_roster_uses", {{"ministrar_\xC3\xB8.csv", roster("NOR", 5001, 30)}}, "5001",
                        "IDs 5001 to 5010 are already used by 10 ministers in ministrar_\xC3\xB8.csv.", "5031"),
        first_id_beside(
            "rosters_named_in_order_case_ignored",
            {{"ministers_ger.csv", roster("GER", 5001, 30)}, {"Ministers_ita.csv", roster("ita", 5031, 20)}}, "5025",
            "IDs 5025 to 5034 are already used by 10 ministers in ministers_ger.csv and Ministers_ita.csv.", "5051"),
        first_id_beside(
            "more_than_three_rosters",
            {{"r_c.csv", roster("C", 6002, 1)},
             {"R_b.csv", roster("B", 6001, 1)},
             {"r_a.csv", roster("A", 6000, 1)},
             {"r_e.csv", roster("E", 6004, 1)},
             {"r_d.csv", roster("D", 6003, 1)}},
            "6000", "IDs 6000 to 6009 are already used by 5 ministers in r_a.csv, R_b.csv, r_c.csv and 2 more files.",
            "6005"),
        first_id_beside(
            "four_rosters",
            {{"r_c.csv", roster("C", 6002, 1)},
             {"R_b.csv", roster("B", 6001, 1)},
             {"r_a.csv", roster("A", 6000, 1)},
             {"r_d.csv", roster("D", 6003, 1)}},
            "6000", "IDs 6000 to 6009 are already used by 4 ministers in r_a.csv, R_b.csv, r_c.csv and 1 more file.",
            "6004"),
        first_id_beside("no_free_range_left_above", {{"top.csv", roster("TOP", 2147483637, 11)}}, "2147483628",
                        "IDs 2147483628 to 2147483637 are already used by 1 minister in top.csv."),
        first_id_beside("a_free_range_ending_at_the_top", {{"top.csv", roster("TOP", 2147483628, 10)}}, "2147483628",
                        "IDs 2147483628 to 2147483637 are already used by 10 ministers in top.csv.", "2147483638"),
        first_id_beside("this_runs_own_roster_is_passed_over", {{"ministers_abc.csv", roster("Abc", 7000, 10)}},
                        "7000"),
        // Copies of this run's roster, one opened by a byte-order mark, under names of their own.
        first_id_beside("copies_of_this_runs_roster_are_passed_over",
                        {{"ministers_abc (copy).csv", "\xEF\xBB\xBF" + roster("ABC", 7000, 10)},
                         {"ministers_abc_old.csv", roster("abc", 7000, 10)}},
                        "7000"),
        first_id_beside("this_runs_own_file_is_passed_over_whatever_its_tag",
                        {{"ministers_abc.csv", roster("XYZ", 7000, 10)}}, "7000"),
        first_id_beside("an_extension_in_capitals", {{"ministers_nor.CSV", roster("NOR", 7000, 10)}}, "7000",
                        "IDs 7000 to 7009 are already used by 10 ministers in ministers_nor.CSV.", "7010"),
        first_id_beside("what_is_not_a_roster_is_passed_over",
                        {{"notes.CSV", "TAG;Notes\r\n7000;x\r\n"}, {"ministers_xyz.txt", roster("XYZ", 7000, 10)}},
                        "7000"),
        first_id_beside("a_fifo_and_an_endless_line_are_never_read", {}, "7000", "", "", {"endless"},
                        {"Counting the IDs of 0 rosters in endless."}),
        // A row longer than the start that is read of it, and an ID field with a tail.
        first_id_beside("only_the_first_field_of_a_row_is_an_id",
                        {{"xyz.csv", roster("XYZ", 1, 0) + "1;" + std::string(40, 'x') + "7005;x\r\n7000abc;x\r\n"}},
                        "7000"),
        // Cut where the reader's room for a row's start ends, the tail would read as an ID of its own.
        first_id_beside("a_long_rows_tail_is_no_row",
                        {{"xyz.csv", roster("XYZ", 1, 0) + "1;" + std::string(30, 'x') + "7005;x\r\n"}}, "7000"),
        // The whole field, as the game reads it: blanks, leading zeros, and no value past 32 bits.
        first_id_beside("an_id_field_read_whole",
                        {{"xyz.csv", roster("XYZ", 1, 0) + std::string(30, ' ') + "601;a\r\n" + std::string(32, '0') +
                                         "605;b\r\n2147483648;c\r\n4294967897;d\r\n-2147483649;e\r\n"}},
                        "601", "IDs 601 to 610 are already used by 2 ministers in xyz.csv.", "606"),
        first_id_beside("two_signs_are_no_id", {{"xyz.csv", roster("XYZ", 1, 0) + "+-606;f\r\n"}}, "-606"),
        first_id_beside("ids_as_the_games_readers_take_them",
                        {{"xyz.csv", roster("XYZ", 1, 0) + "+601;a\r 602;b\r\n604 ;c\n\t605;d\r-603;e\r+-606;f\r\n"}},
                        "601", "IDs 601 to 610 are already used by 4 ministers in xyz.csv.", "606"),
        first_id_beside("rosters_of_every_folder_given_count_an_earlier_one_hiding_its_namesake",
                        {{mod + "/Ministers_GER.csv", roster("GER", 5009, 10)},
                         {"game/ministers_ger.csv", roster("GER", 5001, 30)},
                         {"game/ministers_ita.csv", roster("ITA", 5008, 10)}},
                        "5001",
                        "IDs 5001 to 5010 are already used by 5 ministers in game/ministers_ita.csv and " + mod +
                            separator + "Ministers_GER.csv.",
                        "5019", {mod, "game/"},
                        {"Counting the IDs of 1 roster in " + mod + ".", "Counting the IDs of 1 roster in game/."}),
        // The game's own folder given for its rosters' folder: they are in its db/ministers.
        first_id_beside("a_games_folder_given",
                        {{"mod/MyMod/ministers/", ""}, {"db/ministers/ministers_ger.csv", roster("GER", 1000, 20)}},
                        "1005",
                        "IDs 1005 to 1014 are already used by 10 ministers in ." + separator + "db" + separator +
                            "ministers" + separator + "ministers_ger.csv.",
                        "1020", {"mod/MyMod/ministers", "."},
                        {"Counting the IDs of 0 rosters in mod/MyMod/ministers.",
                         "Counting the IDs of 1 roster in ." + separator + "db" + separator + "ministers."}),
        // A mod's own folder given alone: its db/ministers is made, and the game is found two folders up.
        first_id_beside(
            "a_mods_folder_given_alone",
            {{"game/Mods/MyMod/db/", ""}, {"game/db/ministers/ministers_ger.csv", roster("GER", 1000, 20)}}, "1005",
            "IDs 1005 to 1014 are already used by 10 ministers in <here>" + separator + "game" + separator +
                "db" + separator + "ministers" + separator + "ministers_ger.csv.",
            "1020", {"game/Mods/MyMod"},
            {"Counting the IDs of 0 rosters in game/Mods/MyMod" + separator + "db" + separator + "ministers.",
             "Counting the IDs of 1 roster in <here>" + separator + "game" + separator + "db" + separator +
                 "ministers."}),
        // The game's list names the rosters it loads; one it does not name never counts.
        first_id_beside("an_unlisted_roster_does_not_count",
                        {{"game/MyMod/db/ministers/", ""},
                         {"game/db/ministers/ministers_ger.csv", roster("GER", 1000, 20)},
                         {"game/db/ministers/ministers_ita.csv", roster("ITA", 2000, 20)},
                         {"game/db/ministers.txt", "# the game's\r\n\r\n  Ministers_GER.csv \r\n"}},
                        "2005", "", "", {"game/MyMod/db/ministers"},
                        {"Counting the IDs of 0 rosters in game/MyMod/db/ministers.",
                         "Counting the IDs of 1 roster in <here>" + separator + "game" + separator + "db" + separator +
                             "ministers."}),
        // In a mod's rosters' folder a file counts whose first field holds a tag, as the game loads it.
        first_id_beside(
            "a_tag_makes_a_roster_in_the_games_layout",
            {{"game/db/ministers/", ""},
             {"game/Mods/MyMod/db/ministers/ministers_xyz.csv", "XYZ;Ruling Cabinet Start;x\r\n2500;a\r\n"}},
            "2500",
            "IDs 2500 to 2509 are already used by 1 minister in game/Mods/MyMod" + separator + "db" + separator +
                "ministers" + separator + "ministers_xyz.csv.",
            "2501", {"game/Mods/MyMod"},
            {"Counting the IDs of 1 roster in game/Mods/MyMod" + separator + "db" + separator + "ministers.",
             "Counting the IDs of 0 rosters in <here>" + separator + "game" + separator + "db" + separator +
                 "ministers."}),
        // A mod's list takes the place of the game's, and names rosters of the game's folder too.
        first_id_beside("a_mods_list_governs",
                        {{"game/db/ministers/ministers_ger.csv", roster("GER", 1000, 20)},
                         {"game/db/ministers/ministers_ita.csv", roster("ITA", 2000, 20)},
                         {"game/db/ministers.txt", "ministers_ger.csv\n"},
                         {"game/MyMod/db/ministers/ministers_ita.csv", roster("ITA", 3000, 20)},
                         {"game/MyMod/db/ministers/ministers_fra.csv", roster("FRA", 4000, 20)},
                         {"game/MyMod/db/ministers.txt", "ministers_ita.csv"}},
                        "1005", "", "", {"game/MyMod/db/ministers"},
                        {"Counting the IDs of 1 roster in game/MyMod/db/ministers.",
                         "Counting the IDs of 0 rosters in <here>" + separator + "game" + separator + "db" + separator +
                             "ministers."})),
    case_name);

#ifndef _WIN32  // names Windows does not take
// A roster's name whose control characters would retitle or clear the terminal.
INSTANTIATE_TEST_SUITE_P(posix_names, dialogue,
                         ::testing::Values(first_id_beside("control_characters_in_a_rosters_name_are_shown",
                                                           {{"x\x1B]2;PWNED\x07.csv", roster("XYZ", 601, 10)}}, "601",
                                                           "IDs 601 to 610 are already used by 10 ministers in "
                                                           "x\\x1B]2;PWNED\\x07.csv.",
                                                           "611"),
                                           first_id_beside("a_delete_in_a_rosters_name_is_shown",
                                                           {{"x\x7F.csv", roster("XYZ", 601, 10)}}, "601",
                                                           "IDs 601 to 610 are already used by 10 ministers in "
                                                           "x\\x7F.csv.",
                                                           "611")),
                         case_name);
#endif

INSTANTIATE_TEST_SUITE_P(
    end_of_input, dialogue,
    ::testing::Values(dialogue_case{"at_the_tag", "", tag_prompt + "\r\n", 1},
                      dialogue_case{"after_a_tag_without_line_end", "abc", tag_prompt + "\r\n", 1},
                      dialogue_case{"at_the_alignments", "abc\nNS\n", intro + "?: ?: \r\n", 1},
                      dialogue_case{"at_a_count", "abc\nNS\nX\n1\n",
                                    ns_ruling + count_prompts(0, 1) + "An unknown error occurred, try again: \r\n", 1},
                      dialogue_case{"at_a_count_after_a_redo", "abc\nNS\nX\nX",
                                    ns_ruling + count_prompts(0, 0) + aborted + count_prompts(0, 0) +
                                        "An unknown error occurred, try again: \r\n",
                                    1},
                      dialogue_case{"at_the_name_file", "abc\nNS\nX\n" + ten_ones, counted + name_question + "\r\n", 1},
                      dialogue_case{"at_the_first_id", "abc\nNS\nX\n" + ten_ones + "names.txt\n",
                                    counted + name_question + id_prompt + "\r\n", 1}),
    case_name);

class dialogue_request : public dialogue {};

TEST_F(dialogue_request, hands_over_every_choice) {
  const test_support::script_result result =
      run(test_support::answers{.tag = "GeRMANY",
                                .alignments = {"SC", "PA", "FA", "ns"},
                                .counts = {{2, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {}, {}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 3}},
                                .first_id = "1000"}
              .text());
  ASSERT_EQ(result.status, 0);
  ASSERT_TRUE(handed_over);
  const generation_request& request = handed_over->request;
  EXPECT_EQ(text_of(request.tag), "ger");
  EXPECT_EQ(request.ruling, alignment::sc);
  EXPECT_EQ(handed_over->names.file, "names.txt");
  EXPECT_EQ(request.next_id, 1000);
  for (std::size_t a = 0; a < alignment_count; ++a) {
    const auto which = static_cast<alignment>(a);
    const bool chosen =
        which == alignment::sc || which == alignment::pa || which == alignment::fa || which == alignment::ns;
    EXPECT_EQ(request.jobs[a].active, chosen) << a;
    EXPECT_EQ(request.jobs[a].entered, chosen) << a;
  }
  EXPECT_EQ(request.jobs_of(alignment::sc).counts, (std::array<std::int32_t, 10>{2, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(request.jobs_of(alignment::pa).counts, (std::array<std::int32_t, 10>{0, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
}

// The range of a first ID ends at it and the total less one.
TEST_F(dialogue_request, first_id_and_total_give_the_last_id) {
  test_support::write_file("x.csv", test_support::roster("XYZ", 40, 2));
  const test_support::script_result result =
      run(test_support::answers{.counts = {{2, 2, 2, 2, 2, 2, 2, 2, 2, 11}}, .first_id = " 12abc\n42"}.text());
  ASSERT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.ends_with(id_prompt +
                                   "\r\nIDs 12 to 40 are already used by 1 minister in x.csv.\r\n"
                                   "The next 29 free IDs in a row start at 42.\r\n" +
                                   id_prompt + "\r\n"))
      << result.out;
  EXPECT_EQ(handed_over->request.next_id, 42);
}

TEST_F(dialogue_request, hands_over_how_the_names_are_written) {
  const std::vector<std::pair<std::string, bool>> cases{{"names.txt", false}, {"polish.txt", true}};
  code_page = 1250;  // where "Łukasz" has a place
  for (const auto& [file, utf8] : cases) {
    ASSERT_EQ(run(test_support::answers{.name_files = {file}}.text()).status, 0) << file;
    EXPECT_EQ(handed_over->names.utf8, utf8) << file;
    EXPECT_EQ(handed_over->names.code_page, 1250U) << file;
  }
}

}  // namespace
}  // namespace vesk_mg
