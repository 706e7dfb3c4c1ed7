// The whole program, dialogue and generation, on arbitrary standard input,
// with the fake clock and sleep, in a temporary folder holding name files.
// Every run must end with status 0 and its closing lines, or status 1 and
// the report.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "program/vesk_mg.hpp"
#include "tests/support/fake_clock.hpp"
#include "tests/support/string_streams.hpp"
#include "tests/support/temp_folder.hpp"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The working folder for the whole fuzzing run, removed as it ends.
  static const vesk_mg::test_support::temp_folder folder;
  using vesk_mg::test_support::numbered_names;
  vesk_mg::test_support::write_file("names.txt", numbered_names(15));
  vesk_mg::test_support::write_file("crlf.txt", numbered_names(11, "\r\n") + "\r\n");
  vesk_mg::test_support::write_file("few.txt", numbered_names(2));
  std::filesystem::create_directory("folder");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each run starts without the minister files of the runs before it.
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    if (entry.path().extension() == ".csv") std::filesystem::remove(entry.path());
  }
  vesk_mg::test_support::string_source source(std::string(reinterpret_cast<const char*>(data), size));
  vesk_mg::test_support::string_sink out_sink;
  vesk_mg::test_support::string_sink err_sink;
  vesk_mg::test_support::fake_clock clock;
  const int status = vesk_mg::run_program(source, out_sink, err_sink, clock, [](vesk_mg::program_io& io) {
    const vesk_mg::roster_folders here = vesk_mg::roster_folders_of({});
    vesk_mg::vesk_mg(io, here, vesk_mg::read_rosters(here), {"", 1252});
  });

  const bool done = out_sink.text().find("\r\nDONE!\r\nYour ministers are in the file called ") != std::string::npos;
  if (status == 0 && (!done || !err_sink.text().empty())) std::abort();
  if (status == 1 && (done || err_sink.text().rfind("\r\nraised VESK_MG.", 0) != 0)) std::abort();
  if (status != 0 && status != 1) std::abort();
  return 0;
}
