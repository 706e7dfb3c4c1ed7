#include "platform/text_decoding.hpp"

#include <algorithm>
#include <array>

#include "platform/errors.hpp"

namespace vesk_mg {

namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view little_endian_mark = "\xFF\xFE";
constexpr std::string_view big_endian_mark = "\xFE\xFF";

bool could_begin_a_mark(std::string_view start) {
  return std::ranges::any_of(
      std::array{utf8_mark, little_endian_mark, big_endian_mark},
      [start](std::string_view mark) { return start.size() < mark.size() && mark.starts_with(start); });
}

void append_utf8(std::string& text, char32_t code_point) {
  if (code_point < 0x80) {
    text.push_back(static_cast<char>(code_point));
    return;
  }
  const unsigned continuations = code_point < 0x800 ? 1 : code_point < 0x10000 ? 2 : 3;
  // The lead byte: as many high bits set as the sequence has bytes.
  text.push_back(static_cast<char>(((0xFF00U >> (continuations + 1)) & 0xFFU) | (code_point >> (6 * continuations))));
  for (unsigned k = continuations; k-- > 0;)
    text.push_back(static_cast<char>(0x80U | ((code_point >> (6 * k)) & 0x3FU)));
}

}  // namespace

std::optional<char32_t> next_code_point(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
  // The range of the second byte, narrowed where overlong forms and surrogates would begin.
  const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (length == 0 || text.size() - at < length) return std::nullopt;
  char32_t code_point = lead & (0xFFU >> (length + 1));
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return std::nullopt;
    code_point = code_point << 6 | (next & 0x3FU);
  }
  at += length;
  return code_point;
}

bool is_valid_utf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (!next_code_point(text, at)) return false;
  }
  return true;
}

bool is_ascii(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

decoded_text::decoded_text(byte_source& raw, std::string_view label, start how)
    : raw_(raw),
      label_(label),
      utf16_refused_(how == start::name_file),
      kind_(how == start::utf16_little_endian ? kind::utf16_little_endian : kind::unknown) {}

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
  if (utf16_refused_) throw file_encoding_error(label_);
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
      append_utf8(pending_, 0x10000 + ((char32_t{high_half_} - 0xD800) << 10) + (char32_t{unit} - 0xDC00));
    } else {
      if (high_half_ != 0) append_utf8(pending_, replacement);
      if (!high) append_utf8(pending_, low ? replacement : char32_t{unit});
    }
    high_half_ = high ? unit : 0;
  }
  undecoded_.erase(0, i);
}

std::size_t decoded_text::read_some(char* buffer, std::size_t capacity) {
  if (kind_ == kind::unknown) find_kind();
  while (pending_begin_ == pending_.size()) {
    pending_.clear();
    pending_begin_ = 0;
    if (kind_ == kind::plain) return raw_.read_some(buffer, capacity);
    std::array<char, 4096> chunk{};
    const std::size_t got = raw_.read_some(chunk.data(), chunk.size());
    if (got == 0 && high_half_ == 0) return 0;
    if (got == 0) {  // the text ends with the first half of a pair
      append_utf8(pending_, 0xFFFD);
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
