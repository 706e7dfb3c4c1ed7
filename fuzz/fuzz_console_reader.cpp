// The console reader on arbitrary bytes: the first bytes choose a cycle of
// reads, the rest is the input. Every read must end, keep within its
// capacity and never return a line end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/errors.hpp"
#include "platform/text_input.hpp"
#include "tests/support/string_streams.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t program_size = size < 8 ? size : 8;
  const std::string program(reinterpret_cast<const char*>(data), program_size);
  vesk_mg::test_support::string_source source(
      std::string(reinterpret_cast<const char*>(data) + program_size, size - program_size));
  vesk_mg::text_input in(source, "fuzz");
  if (program.empty()) return 0;

  int ends = 0;
  for (std::size_t step = 0; ends < 3 && step < 4 * size + 64; ++step) {
    const auto op = static_cast<unsigned char>(program[step % program.size()]);
    try {
      switch (op % 5) {
        case 0: {
          const std::size_t capacity = 1 + op / 5 % 40;
          const std::string line = in.read_line(capacity);
          if (line.size() > capacity || line.find('\n') != std::string::npos) std::abort();
          break;
        }
        case 1:
          if (in.read_line(vesk_mg::whole_line).find('\n') != std::string::npos) std::abort();
          break;
        case 2:
          in.skip_line();
          break;
        case 3:
          (void)in.read_integer();
          break;
        default:
          (void)in.at_end_of_file();
          break;
      }
    } catch (const vesk_mg::end_of_input_error&) {
      ++ends;
    } catch (const vesk_mg::number_format_error&) {
    }
  }
  return 0;
}
