// The whole program, dialogue and generation, on arbitrary standard input,
// with the fake clock and sleep, in a temporary folder holding name files.
// Every run must end with status 0 and its closing lines, or status 1 and
// the report.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "program/vesk_mg.hpp"
#include "tests/support/fake_env.hpp"

namespace {

void write(const char* name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string folder = (std::filesystem::temp_directory_path() / "vesk_mg_fuzz_XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) std::abort();
  std::filesystem::current_path(folder);
  write("names.txt", "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\nK\nL\nM\nN\nO\n");
  write("crlf.txt", "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\nK\r\n\r\n");
  write("few.txt", "A\nB\n");
  std::filesystem::create_directory("folder");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each run starts without the minister files of the runs before it.
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    if (entry.path().extension() == ".csv") std::filesystem::remove(entry.path());
  }
  vesk_mg::string_source source(std::string(reinterpret_cast<const char*>(data), size));
  vesk_mg::string_sink out_sink;
  vesk_mg::string_sink err_sink;
  vesk_mg::test_support::fake_env clock;
  const int status = vesk_mg::run_program(source, out_sink, err_sink, clock);

  const bool done = out_sink.text().find("\r\nDONE!\r\nYour ministers are in the file called ") != std::string::npos;
  if (status == 0 && (!done || !err_sink.text().empty())) std::abort();
  if (status == 1 && (done || err_sink.text().rfind("\r\nraised VESK_MG.", 0) != 0)) std::abort();
  if (status != 0 && status != 1) std::abort();
  return 0;
}
