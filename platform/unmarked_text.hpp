// Text that may begin with a byte-order mark, as Windows editors and
// PowerShell save it. A UTF-8 mark is skipped. A text that begins with a
// UTF-16 mark (FF FE or FE FF) is, as the caller asks, refused with
// file_encoding_error naming the text, or read as UTF-16 and handed on as
// UTF-8. More bytes are waited for only while those read could still
// begin a mark, so a one-byte line typed into a pipe is handed on at once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/byte_stream.hpp"
#include "platform/utf8.hpp"

namespace vesk_mg {

class unmarked_text final : public byte_source {
 public:
  enum class utf16 { refused, read };

  unmarked_text(byte_source& raw, std::string_view label, utf16 policy) : raw_(raw), label_(label), policy_(policy) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override;

 private:
  enum class kind { unknown, plain, utf16_little_endian, utf16_big_endian };

  void find_kind();
  void decode(std::string_view bytes);

  byte_source& raw_;
  std::string label_;
  utf16 policy_;
  kind kind_ = kind::unknown;
  std::string pending_;  // read and not yet handed on, as UTF-8 when the text is UTF-16
  std::size_t pending_begin_ = 0;
  std::string undecoded_;  // the first byte of a UTF-16 unit whose second has not come yet
  utf16_decoder decoder_;
};

}  // namespace vesk_mg
