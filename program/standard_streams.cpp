#include "program/standard_streams.hpp"

#include "platform/files.hpp"
#include "platform/text_decoding.hpp"

namespace vesk_mg {

byte_source& standard_input() {
  constexpr std::string_view label = "standard input";
  static file_handle file(standard_file(standard_stream::input), label, false);
  static decoded_text piped(file, decoded_text::utf16::after_a_mark);
  static decoded_text typed(file, decoded_text::utf16::without_a_mark);
  return this_system == system_kind::windows && is_console(standard_stream::input) ? typed : piped;
}

byte_sink& standard_output() {
  static file_handle file(standard_file(standard_stream::output), "standard output", false);
  return file;
}

byte_sink& standard_error() {
  static file_handle file(standard_file(standard_stream::error), "standard error", false);
  return file;
}

}  // namespace vesk_mg
