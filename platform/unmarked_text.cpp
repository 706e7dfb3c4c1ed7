#include "platform/unmarked_text.hpp"

#include <algorithm>
#include <array>

#include "platform/named_error.hpp"

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

}  // namespace

void unmarked_text::find_kind() {
  std::string start;
  while (could_begin_a_mark(start)) {
    char byte = '\0';
    if (raw_.read_some(&byte, 1) == 0) break;
    start.push_back(byte);
  }
  kind_ = kind::plain;
  if (start.starts_with(utf8_mark)) return;
  if (!start.starts_with(little_endian_mark) && !start.starts_with(big_endian_mark)) {
    pending_ = start;
    return;
  }
  if (policy_ == utf16::refused) throw file_encoding_error(label_);
  kind_ = start.starts_with(little_endian_mark) ? kind::utf16_little_endian : kind::utf16_big_endian;
}

void unmarked_text::decode(std::string_view bytes) {
  undecoded_.append(bytes);
  std::size_t i = 0;
  for (; i + 1 < undecoded_.size(); i += 2) {
    const auto first = static_cast<unsigned char>(undecoded_[i]);
    const auto second = static_cast<unsigned char>(undecoded_[i + 1]);
    const auto unit =
        static_cast<char16_t>(kind_ == kind::utf16_little_endian ? first | second << 8 : first << 8 | second);
    decoder_.add(unit, pending_);
  }
  undecoded_.erase(0, i);
}

std::size_t unmarked_text::read_some(char* buffer, std::size_t capacity) {
  if (kind_ == kind::unknown) find_kind();
  while (pending_begin_ == pending_.size()) {
    pending_.clear();
    pending_begin_ = 0;
    if (kind_ == kind::plain) return raw_.read_some(buffer, capacity);
    std::array<char, 4096> chunk{};
    const std::size_t got = raw_.read_some(chunk.data(), chunk.size());
    if (got == 0) return 0;
    decode({chunk.data(), got});
  }
  const std::size_t count = std::min(capacity, pending_.size() - pending_begin_);
  std::copy_n(pending_.data() + pending_begin_, count, buffer);
  pending_begin_ += count;
  return count;
}

}  // namespace vesk_mg
