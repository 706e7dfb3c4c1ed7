#include "rosters/roster_ids.hpp"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

#include "platform/errors.hpp"
#include "platform/files.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

constexpr std::size_t block_size = std::size_t{1} << 20;
constexpr std::size_t header_room = 256;

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool ends_line(char c) { return c == '\n' || c == '\r'; }

// The end of the line that `from` stands in: its first CR or LF, or `to`.
const char* line_end_in(const char* from, const char* to) {
  const auto size = static_cast<std::size_t>(to - from);
  const auto* lf = static_cast<const char*>(std::memchr(from, '\n', size));
  const char* before = lf == nullptr ? to : lf;
  const auto* cr = static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(before - from)));
  return cr == nullptr ? before : cr;
}

// The first field of a line, taken a byte at a time.
class id_field {
 public:
  // Takes what `from` holds of the field; returns where the field ends, at
  // its ';' or line end (a field that can be no ID at the line end), or
  // `to` where it goes on.
  const char* take(const char* from, const char* to) {
    for (const char* at = from; at != to; ++at) {
      const char c = *at;
      if (c == ';' || ends_line(c)) return at;
      if (state_ == state::invalid) return line_end_in(at, to);  // nothing more to learn here
      if (is_blank(c)) {
        if (state_ == state::sign) state_ = state::invalid;
        if (state_ == state::digits) state_ = state::trailing;
      } else if ((c == '+' || c == '-') && state_ == state::leading) {
        negative_ = c == '-';
        state_ = state::sign;
      } else if (c >= '0' && c <= '9' && state_ != state::trailing) {
        state_ = state::digits;
        magnitude_ = std::min(magnitude_ * 10 + (c - '0'), too_large);
      } else {
        state_ = state::invalid;
      }
    }
    return to;
  }

  [[nodiscard]] std::optional<std::int64_t> value() const {
    if (state_ != state::digits && state_ != state::trailing) return std::nullopt;
    const std::int64_t id = negative_ ? -magnitude_ : magnitude_;
    if (id < std::numeric_limits<std::int32_t>::min() || id > std::numeric_limits<std::int32_t>::max()) {
      return std::nullopt;
    }
    return id;
  }

 private:
  enum class state { leading, sign, digits, trailing, invalid };
  // Past every 32-bit value, so that no run of digits overflows.
  static constexpr std::int64_t too_large = std::int64_t{1} << 32;
  state state_ = state::leading;
  bool negative_ = false;
  std::int64_t magnitude_ = 0;
};

std::string_view field(std::string_view line, std::size_t index) {
  for (; index > 0 && line.find(';') != std::string_view::npos; --index) line.remove_prefix(line.find(';') + 1);
  return index > 0 ? "" : line.substr(0, line.find(';'));
}

}  // namespace

std::optional<roster_ids> read_roster(const std::string& path, std::vector<char>& block) {
  block.resize(block_size);
  try {
    file_handle file = open_for_reading(path);
    roster_ids roster{path, "", {}};
    std::string header;
    bool in_header = true;
    bool first_block = true;
    bool in_first_field = true;  // of the line being read
    id_field id;
    while (const std::size_t got = file.read_some(block.data(), block.size())) {
      const char* at = block.data();
      const char* const end = at + got;
      if (std::exchange(first_block, false)) {
        const std::string_view start(at, got);
        if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) return std::nullopt;  // UTF-16
        if (start.starts_with("\xEF\xBB\xBF")) at += 3;
      }
      if (in_header) {
        const char* const reach = std::min(end, at + (header_room - header.size()));
        const char* const line_end = line_end_in(at, reach);
        header.append(at, line_end);
        if (line_end == reach) {  // no line end yet: read on, unless it is too far
          if (header.size() >= header_room) return std::nullopt;
          continue;
        }
        if (!same_but_case(field(header, 1), "Ruling Cabinet - Start")) return std::nullopt;
        in_header = false;
        at = line_end + 1;
      }
      while (at != end) {
        if (in_first_field) {
          at = id.take(at, end);
          if (at == end) break;
          if (const std::optional<std::int64_t> value = id.value()) roster.ids.push_back(*value);
          id = {};
          in_first_field = false;
        }
        // The rest of the line is passed over; a line end starts the next.
        at = line_end_in(at, end);
        if (at == end) break;
        ++at;
        in_first_field = true;
      }
    }
    // A header or a last line may end with the file, without a line end.
    if (in_header && !same_but_case(field(header, 1), "Ruling Cabinet - Start")) return std::nullopt;
    if (const std::optional<std::int64_t> value = id.value(); !in_header && in_first_field && value) {
      roster.ids.push_back(*value);
    }
    roster.tag = field(header, 0);
    return roster;
  } catch (const named_error&) {
    return std::nullopt;
  }
}

}  // namespace vesk_mg
