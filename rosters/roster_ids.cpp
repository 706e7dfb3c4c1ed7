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

// The IDs of a roster as its rows give them, runs merged as they come: a
// row one above the last extends its run, a row with the one ID of its run
// again counts once more. Kept in bounds however the rows come.
class id_runs {
 public:
  void add(std::int64_t id) {
    if (!runs_.empty()) {
      id_range& run = runs_.back();
      if (run.times == 1 && id == run.last + 1) {
        run.last = id;
        return;
      }
      if (run.first == run.last && id == run.first) {
        ++run.times;
        return;
      }
    }
    if (runs_.size() == next_merge_) {
      runs_ = normalized(runs_);
      next_merge_ = std::max(next_merge_, 2 * runs_.size());
    }
    runs_.push_back({id, id});
  }
  std::vector<id_range> ranges() && { return normalized(runs_); }

 private:
  std::vector<id_range> runs_;
  std::size_t next_merge_ = 4096;
};

std::string_view field(std::string_view line, std::size_t index) {
  for (; index > 0 && line.find(';') != std::string_view::npos; --index) line.remove_prefix(line.find(';') + 1);
  return index > 0 ? "" : line.substr(0, line.find(';'));
}

}  // namespace

std::vector<id_range> normalized(const std::vector<id_range>& ranges) {
  // Where the times change: +times at a range's first ID, -times past its last.
  std::vector<std::pair<std::int64_t, std::int64_t>> edges;
  edges.reserve(2 * ranges.size());
  for (const id_range& range : ranges) {
    edges.emplace_back(range.first, range.times);
    edges.emplace_back(range.last + 1, -range.times);
  }
  std::ranges::sort(edges);
  std::vector<id_range> merged;
  std::int64_t times = 0;
  for (std::size_t i = 0; i < edges.size();) {
    const std::int64_t at = edges[i].first;
    for (; i < edges.size() && edges[i].first == at; ++i) times += edges[i].second;
    if (times == 0 || i == edges.size()) continue;
    const std::int64_t last = edges[i].first - 1;
    if (!merged.empty() && merged.back().times == times && merged.back().last + 1 == at) {
      merged.back().last = last;
    } else {
      merged.push_back({at, last, times});
    }
  }
  return merged;
}

std::optional<roster_ids> read_roster(const std::string& path, std::vector<char>& block) {
  block.resize(block_size);
  try {
    file_handle file = open_for_reading(path);
    roster_ids roster{path, "", {}};
    id_runs ids;
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
          if (const std::optional<std::int64_t> value = id.value()) ids.add(*value);
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
    if (const std::optional<std::int64_t> value = id.value(); !in_header && in_first_field && value) ids.add(*value);
    roster.tag = field(header, 0);
    roster.ids = std::move(ids).ranges();
    return roster;
  } catch (const named_error&) {
    return std::nullopt;
  }
}

}  // namespace vesk_mg
