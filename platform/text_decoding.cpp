#include "platform/text_decoding.hpp"

#include <algorithm>
#include <array>

namespace vesk_mg {

namespace {

bool could_begin_a_mark(std::string_view start) {
  return std::ranges::any_of(
      std::array{utf8_mark, little_endian_mark, big_endian_mark},
      [start](std::string_view mark) { return start.size() < mark.size() && mark.starts_with(start); });
}

}  // namespace

std::string utf8_of_code_point(char32_t code_point) {
  std::string text;
  if (code_point < 0x80) return text.append(1, static_cast<char>(code_point));
  const unsigned continuations = code_point < 0x800 ? 1 : code_point < 0x10000 ? 2 : 3;
  // The lead byte: as many high bits set as the sequence has bytes.
  text.push_back(static_cast<char>(((0xFF00U >> (continuations + 1)) & 0xFFU) | (code_point >> (6 * continuations))));
  for (unsigned k = continuations; k-- > 0;)
    text.push_back(static_cast<char>(0x80U | ((code_point >> (6 * k)) & 0x3FU)));
  return text;
}

decoded_text::decoded_text(byte_source& raw, utf16 how)
    : raw_(raw),
      utf16_refused_(how == utf16::refused),
      kind_(how == utf16::without_a_mark ? kind::utf16_little_endian : kind::unknown) {}

void decoded_text::find_kind() {
  std::string begun;
  while (could_begin_a_mark(begun)) {
    char byte = '\0';
    if (raw_.read_some(&byte, 1) == 0) break;
    begun.push_back(byte);
  }
  const bool little_endian = begun.starts_with(little_endian_mark);
  if (!little_endian && !begun.starts_with(big_endian_mark)) {
    kind_ = kind::plain;
    if (!begun.starts_with(utf8_mark)) pending_ = begun;
    return;
  }
  refused_ = utf16_refused_;
  kind_ = little_endian ? kind::utf16_little_endian : kind::utf16_big_endian;
}

void decoded_text::decode(std::string_view bytes) {
  constexpr char32_t replacement = 0xFFFD;
  undecoded_.append(bytes);
  std::size_t i = 0;
  for (; i + 1 < undecoded_.size(); i += 2) {
    const auto first = static_cast<unsigned char>(undecoded_[i]);
    const auto second = static_cast<unsigned char>(undecoded_[i + 1]);
    const auto unit =
        static_cast<char16_t>(kind_ == kind::utf16_little_endian ? first | second << 8 : first << 8 | second);
    // Half of a pair with no other half becomes U+FFFD.
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high_half_ != 0 && low) {
      pending_ += utf8_of_code_point(0x10000 + ((char32_t{high_half_} - 0xD800) << 10) + (char32_t{unit} - 0xDC00));
    } else {
      if (high_half_ != 0) pending_ += utf8_of_code_point(replacement);
      if (!high) pending_ += utf8_of_code_point(low ? replacement : char32_t{unit});
    }
    high_half_ = high ? unit : 0;
  }
  undecoded_.erase(0, i);
}

std::size_t decoded_text::read_some(char* buffer, std::size_t capacity) {
  if (kind_ == kind::unknown) find_kind();
  if (refused_) return 0;
  while (pending_begin_ == pending_.size()) {
    pending_.clear();
    pending_begin_ = 0;
    if (kind_ == kind::plain) return raw_.read_some(buffer, capacity);
    std::array<char, 4096> chunk{};
    const std::size_t got = raw_.read_some(chunk.data(), chunk.size());
    if (got == 0 && high_half_ == 0) return 0;
    if (got == 0) {  // the text ends with the first half of a pair
      pending_ += utf8_of_code_point(0xFFFD);
      high_half_ = 0;
    }
    decode({chunk.data(), got});
  }
  const std::size_t count = std::min(capacity, pending_.size() - pending_begin_);
  std::copy_n(pending_.data() + pending_begin_, count, buffer);
  pending_begin_ += count;
  return count;
}

}  // namespace vesk_mg
