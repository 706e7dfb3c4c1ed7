#include "generation/generation_driver.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "rosters/replaced_file.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/fields.hpp"
#include "tests/support/requests.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using generation_result = test_support::script_result;

class generation : public ::testing::Test {
 protected:
  test_support::temp_folder folder;
  test_support::fake_clock clock;

  generation_result run(const test_support::built_request& request) {
    return test_support::run_body("", clock, [&](program_io& io) { test_support::generate(request, io); });
  }

  static void write_names(int count) { test_support::write_file("names.txt", test_support::numbered_names(count)); }
};

using test_support::lines_of;
using test_support::request_builder;

const std::string header = "ABC;Ruling Cabinet - Start;Name;Pool;Ideology;Personality;Loyalty;Picturename;x";

TEST_F(generation, writes_the_worked_example_line_for_line) {
  test_support::write_file(
      "names.txt", "Helge Brannvik\nOttar Selmund\nC\nD\nE\nF\nG\nH\nI\nJ\nIvar Kjellsand\nRuna Falkvik\nunused\n");
  const test_support::built_request request = request_builder(alignment::ns, 601)
                                                  .counts(alignment::ns, {2, 1, 1, 1, 1, 1, 1, 1, 1, 1})
                                                  .counts(alignment::fa, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0})
                                                  .build();
  // Ruling rows draw personality then loyalty; replacement rows year,
  // personality, loyalty.
  clock.queue_draws({50, 300, 200, 100});
  for (int row = 3; row <= 10; ++row) clock.queue_draws({1, 1});
  clock.queue_draws({200, 130, 20, 300, 250, 450});

  const generation_result result = run(request);

  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "\r\n\r\n\r\nGenerating ministers............\r\n\r\nDONE!\r\n"
            "Your ministers are in the file called ministers_abc.csv\r\n");
  const std::vector<std::string> expected{
      header,
      "601;Head of State;Helge Brannvik;NA;NS;Powerhungry Demagogue;High;;x",
      "602;Head of Government;Ottar Selmund;NA;NS;Silent Workhorse;Medium;;x",
      "603;Foreign Minister;C;NA;NS;Iron Fisted Brute;Very Low;;x",
      "604;Minister of Armament;D;NA;NS;Military Entrepreneur;Very Low;;x",
      "605;Minister of Security;E;NA;NS;Crooked Kleptocrat;Very Low;;x",
      "606;Head of Military Intelligence;F;NA;NS;Industrial Specialist;Very Low;;x",
      "607;Chief of Staff;G;NA;NS;School of Fire Support;Very Low;;x",
      "608;Chief of Army;H;NA;NS;Guns and Butter Doctrine;Very Low;;x",
      "609;Chief of Navy;I;NA;NS;Open Seas Doctrine;Very Low;;x",
      "610;Chief of Air Force;J;NA;NS;Carpet Bombing Doctrine;Very Low;;x",
      ";Replacements;;;;;;;x",
      "611;Head of State;Ivar Kjellsand;38;NS;Stern Imperialist;Low;;x",
      "612;Foreign Minister;Runa Falkvik;41;FA;Great Compromiser;Very High;;x",
  };
  EXPECT_EQ(lines_of(test_support::read_file("ministers_abc.csv")), expected);
  EXPECT_TRUE(clock.readings.empty());
}

TEST_F(generation, ruling_cabinet_alone_makes_twelve_lines) {
  write_names(10);
  const test_support::built_request request = request_builder(alignment::lwr, -3).build();
  const generation_result result = run(request);
  ASSERT_EQ(result.status, 0);
  const std::vector<std::string> lines = lines_of(test_support::read_file("ministers_abc.csv"));
  ASSERT_EQ(lines.size(), 12U);
  EXPECT_EQ(lines.back(), ";Replacements;;;;;;;x");
  const std::vector<std::string> ids{"-3", "-2", "-1", "0", "1", "2", "3", "4", "5", "6"};
  for (std::size_t row = 0; row < ids.size(); ++row) {
    EXPECT_EQ(lines[row + 1].substr(0, lines[row + 1].find(';')), ids[row]);
    EXPECT_NE(lines[row + 1].find(";NA;LWR;"), std::string::npos) << lines[row + 1];
  }
}

TEST_F(generation, groups_replacements_in_the_fixed_order_and_positions_within) {
  write_names(40);
  const test_support::built_request request = request_builder(alignment::sc, 1)
                                                  .counts(alignment::sc, {2, 1, 1, 1, 1, 1, 1, 1, 1, 2})
                                                  .counts(alignment::pa, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0})
                                                  .counts(alignment::fa, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                                                  .counts(alignment::ns, {0, 0, 0, 0, 0, 0, 0, 0, 2, 1})
                                                  .counts(alignment::le, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                                                  .build();
  ASSERT_EQ(run(request).status, 0);
  const std::vector<std::string> lines = lines_of(test_support::read_file("ministers_abc.csv"));
  std::vector<std::string> replacements;
  for (std::size_t i = 12; i < lines.size(); ++i) {
    const std::vector<std::string> fields = test_support::split(lines[i], ";");
    replacements.push_back(fields[0] + ";" + fields[1] + "|" + fields[4]);
    EXPECT_GE(std::stoi(fields[3]), 36);
    EXPECT_LE(std::stoi(fields[3]), 47);
  }
  const std::vector<std::string> expected{
      "11;Chief of Navy|NS", "12;Chief of Navy|NS",      "13;Chief of Air Force|NS", "14;Head of Government|PA",
      "15;Head of State|SC", "16;Chief of Air Force|SC", "17;Head of State|LE",
  };
  EXPECT_EQ(replacements, expected);
  EXPECT_EQ(lines.back().substr(0, 3), "17;");
}

TEST_F(generation, names_are_copied_byte_for_byte_whole) {
  const std::string long_name(4096, 'L');  // as long as a name can be
  // A byte-order mark in front of the first name is not part of it.
  test_support::write_file("names.txt",
                           "\xEF\xBB\xBF"
                           "  spaced  \r\n\r\nRen\xE9 in ANSI\r\n" +
                               long_name + "\r\nE\nF\nG\nH\nI\nlast without end");
  const test_support::built_request request = request_builder(alignment::ns, 1).build();
  ASSERT_EQ(run(request).status, 0);
  const std::vector<std::string> lines = lines_of(test_support::read_file("ministers_abc.csv"));
  const std::vector<std::string> starts{"1;Head of State;  spaced  ;NA;", "2;Head of Government;;NA;",
                                        "3;Foreign Minister;Ren\xE9 in ANSI;NA;",
                                        "4;Minister of Armament;" + long_name + ";NA;"};
  for (std::size_t row = 0; row < starts.size(); ++row) {
    EXPECT_EQ(lines[row + 1].substr(0, starts[row].size()), starts[row]);
  }
  EXPECT_EQ(lines[10].substr(0, 42), "10;Chief of Air Force;last without end;NA;");
}

TEST_F(generation, writes_names_of_a_utf8_file_in_the_games_code_page) {
  struct code_page_case {
    std::string utf8;
    unsigned code_page;
    std::string written;
  };
  const std::vector<code_page_case> cases{
      {"Jos\xC3\xA9 M\xC3\xBCller", 1252, "Jos\xE9 M\xFCller"},
      {"\xC3\x85sa \xC3\x98rnulf", 1252, "\xC5sa \xD8rnulf"},
      {"\xC5\x81ukasz", 1250, "\xA3ukasz"},
      {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", 1251, "\xC8\xE2\xE0\xED"},
      {"\xE5\xB1\xB1\xE7\x94\xB0", 932, "\x8E\x52\x93\x63"},
      {"\xEA\xB9\x80", 949, "\xB1\xE8"},
      {"\xE5\xB1\xB1", 950, "\xA4\x73"},
      {"Plain\tASCII", 1252, "Plain\tASCII"},
      {"Nguye\xCC\x83n", 1258, "Nguye\xDEn"},  // a letter and its combining mark, each a glyph of its own
      {"\xC5\x81ukasz", 1252, ""},             // the file changed since the dialogue checked it
  };
  for (const code_page_case& c : cases) {
    const test_support::temp_folder inner;
    test_support::write_file("names.txt", c.utf8 + "\n" + test_support::numbered_names(9));
    const generation_result result = run(request_builder(alignment::ns, 1).names_in_utf8(c.code_page).build());
    if (c.written.empty()) {
      EXPECT_EQ(
          result.err,
          "\r\nraised VESK_MG.MAIN.NAME_ENCODING_ERROR : names.txt: line 1 holds U+0141 (\xC5\x81), which the game "
          "cannot show; the edition that reads code page 1250 can (--code-page 1250)\r\n");
      EXPECT_FALSE(std::filesystem::exists("ministers_abc.csv"));
      continue;
    }
    ASSERT_EQ(result.status, 0) << c.written;
    EXPECT_EQ(test_support::split(lines_of(test_support::read_file("ministers_abc.csv"))[1], ";")[2], c.written);
  }
}

struct fallback_case {
  int taken;  // default name, then fallbacks 1, 2, ... held by folders
  std::string used;
  std::string folder{};                    // the request's
  std::vector<std::string> existing = {};  // files that stand there before
};

TEST_F(generation, falls_back_to_numbered_names_while_files_are_in_use) {
  const std::string in_mod = "mod" + std::string(1, static_cast<char>(std::filesystem::path::preferred_separator));
  // Where file names tell case apart, the roster of the tag in another case is the one replaced.
  const std::string other_case = this_system == system_kind::posix ? "ministers_ABC.csv" : "ministers_abc.csv";
  const std::vector<fallback_case> cases{
      {0, "ministers_abc.csv"},
      {1, "1ministers_abc.csv"},
      {2, "2ministers_abc.csv"},
      {10, "10ministers_abc.csv"},
      {0, in_mod + "ministers_abc.csv", "mod"},
      {1, "mod/1ministers_abc.csv", "mod/"},
      {0, other_case, "", {"ministers_ABC.csv", "ministers_ABc.csv"}},
      {0, "ministers_abc.csv", "", {"ministers_ABC.csv", "ministers_abc.csv"}},
      // The first in byte order, whichever the folder lists first.
      {0, other_case, "", {"ministers_abC.csv", "ministers_aBC.csv", "ministers_ABC.csv"}},
      {1, "1ministers_abc.csv", "", {"1ministers_ABC.csv"}},
  };
  for (const fallback_case& c : cases) {
    test_support::temp_folder inner;
    write_names(10);
    std::filesystem::create_directory("mod");
    for (const std::string& file : c.existing) test_support::write_file(file, "an old roster\r\n");
    std::string expected_out;
    for (int k = 0; k < c.taken; ++k) {
      std::filesystem::create_directory(std::filesystem::path(c.folder) /
                                        (k == 0 ? "ministers_abc.csv" : std::to_string(k) + "ministers_abc.csv"));
      expected_out +=
          "\r\n\r\nA file with the default minister-filename exists and is in use.\r\n"
          "The ministers will instead be put in a file called: " +
          std::to_string(k + 1) + "ministers_abc.csv!\r\n";
    }
    const test_support::built_request request = request_builder(alignment::ns, 1).folder(c.folder).build();
    const std::size_t files_before = test_support::names_here().size() + (std::filesystem::exists(c.used) ? 0 : 1);
    const generation_result result = run(request);
    ASSERT_EQ(result.status, 0) << result.err;
    expected_out +=
        "\r\n\r\n\r\nGenerating ministers..........\r\n\r\nDONE!\r\n"
        "Your ministers are in the file called " +
        c.used + "\r\n";
    EXPECT_EQ(result.out, expected_out);
    EXPECT_EQ(test_support::read_file(c.used).substr(0, header.size()), header);
    // A roster in another letter case is replaced, not joined by a second one.
    EXPECT_EQ(test_support::names_here().size(), files_before - (c.folder.empty() ? 0 : 1)) << c.used;
  }
}

TEST_F(generation, a_writable_existing_file_is_replaced_silently) {
  write_names(10);
  test_support::write_file("ministers_abc.csv", std::string(100000, 'z'));
  // Kept for the user by an earlier run of the same process number.
  const std::string kept = temporary_name_beside("ministers_abc.csv");
  test_support::write_file(kept, "kept\r\n");
  const test_support::built_request request = request_builder(alignment::ns, 1).build();
  const generation_result result = run(request);
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(result.out.find("in use"), std::string::npos);
  EXPECT_EQ(lines_of(test_support::read_file("ministers_abc.csv")).size(), 12U);
  EXPECT_EQ(test_support::read_file(kept), "kept\r\n");
}

TEST_F(generation, no_free_name_after_the_last_fallback_ends_the_run) {
  write_names(10);
  std::filesystem::create_directory("ministers_abc.csv");
  for (int k = 1; k <= 999; ++k) std::filesystem::create_directory(std::to_string(k) + "ministers_abc.csv");
  const test_support::built_request request = request_builder(alignment::ns, 1).build();
  const generation_result result = run(request);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "\r\nraised VESK_MG.MAIN.NO_FREE_FILE_NAME_ERROR : 999ministers_abc.csv\r\n");
  EXPECT_NE(result.out.find("999ministers_abc.csv!\r\n"), std::string::npos);
  EXPECT_EQ(result.out.find("1000ministers"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("1000ministers_abc.csv"));
}

TEST_F(generation, a_name_that_cannot_be_created_is_not_a_file_in_use) {
  write_names(10);
  const test_support::built_request request = request_builder(alignment::ns, 1).tag("n/a").build();  // no such folder
  const generation_result result = run(request);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.find("\r\nraised VESK_MG.FILE_NAME_ERROR : ministers_n/a.csv"), 0U) << result.err;
  EXPECT_EQ(result.out.find("in use"), std::string::npos);
}

TEST_F(generation, a_name_file_that_runs_out_leaves_the_old_roster) {
  write_names(11);
  test_support::write_file("ministers_abc.csv", "the old roster\r\n");
  const test_support::built_request request =
      request_builder(alignment::ns, 601).counts(alignment::ns, {2, 2, 1, 1, 1, 1, 1, 1, 1, 1}).build();
  const generation_result result = run(request);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "\r\nraised VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR : names.txt changed after its names were checked\r\n");
  EXPECT_EQ(result.out, "\r\n\r\n\r\nGenerating ministers...........\r\n");
  EXPECT_EQ(test_support::read_file("ministers_abc.csv"), "the old roster\r\n");
  EXPECT_EQ(test_support::names_here(), (std::vector<std::string>{"ministers_abc.csv", "names.txt"}));
}

TEST_F(generation, a_name_file_gone_before_generation_ends_the_run) {
  const test_support::built_request request = request_builder(alignment::ns, 1).build();
  const generation_result result = run(request);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.find("\r\nraised VESK_MG.FILE_NAME_ERROR : names.txt"), 0U) << result.err;
  EXPECT_FALSE(std::filesystem::exists("ministers_abc.csv"));
}

}  // namespace
}  // namespace vesk_mg
