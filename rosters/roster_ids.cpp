#include "rosters/roster_ids.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

#include "platform/errors.hpp"
#include "platform/files.hpp"
#include "platform/text_decoding.hpp"
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

// The first field of a line, taken a byte at a time, and its start kept
// for the user to be shown.
class id_field {
 public:
  static constexpr std::size_t kept = 32;

  // Takes what `from` holds of the field; returns where the field ends, at
  // its ';' or line end (a field that can be no ID at the line end), or
  // `to` where it goes on.
  const char* take(const char* from, const char* to) {
    for (const char* at = from; at != to; ++at) {
      const char c = *at;
      if (c == ';' || ends_line(c)) return at;
      if (start_size_ < kept) start_[start_size_++] = c;
      if (state_ == state::invalid) {
        if (start_size_ < kept) continue;  // the rest of its start is kept, then nothing more is learnt here
        return line_end_in(at, to);
      }
      if (is_blank(c)) {
        if (state_ == state::sign) state_ = state::invalid;
        if (state_ == state::digits) state_ = state::trailing;
        continue;
      }
      written_ = true;
      if ((c == '+' || c == '-') && state_ == state::leading) {
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
  // Blanks at most: a line the game takes for no minister.
  [[nodiscard]] bool empty() const noexcept { return !written_; }
  [[nodiscard]] std::string start() const { return {start_.data(), start_size_}; }

 private:
  enum class state { leading, sign, digits, trailing, invalid };
  // Past every 32-bit value, so that no run of digits overflows.
  static constexpr std::int64_t too_large = std::int64_t{1} << 32;
  state state_ = state::leading;
  bool negative_ = false;
  bool written_ = false;
  std::int64_t magnitude_ = 0;
  std::array<char, kept> start_{};
  std::size_t start_size_ = 0;
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

bool is_tag(std::string_view text) {
  return text.size() == 3 && std::ranges::all_of(text, [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
         });
}

// Why a first line is no roster's header by `rule`; "" where it is one.
std::string header_fault(std::string_view header, header_rule rule) {
  if (rule == header_rule::tag) return is_tag(field(header, 0)) ? "" : "it is no roster: its first field holds no tag";
  return same_but_case(field(header, 1), "Ruling Cabinet - Start") ? ""
                                                                   : "it is no roster: its first line is no header";
}

// Past the line end at `at` (a CR or an LF): CR LF is one, even where its
// LF comes in the next block (`cr_before` then says so).
const char* past_line_end(const char* at, const char* end, bool& cr_before) {
  if (*at == '\n') return at + 1;
  if (at + 1 == end) {
    cr_before = true;
    return end;
  }
  return at[1] == '\n' ? at + 2 : at + 1;
}

// Reads a roster file through, a block at a time: its header, checked by
// `rule`, then the first field of every later line, handed to `on_row`
// with the line's number. The header's tag, or why the file is no roster.
template <typename on_row_type>
roster_reading scan(const std::string& path, std::vector<char>& block, header_rule rule, on_row_type&& on_row) {
  block.resize(block_size);
  file_handle file = open_for_reading(path);
  std::string header;
  bool in_header = true;
  bool first_block = true;
  bool cr_before = false;      // the last block ended with a CR
  bool in_first_field = true;  // of the line being read
  std::int64_t line = 1;
  id_field id;
  while (const std::size_t got = file.read_some(block.data(), block.size())) {
    const char* at = block.data();
    const char* const end = at + got;
    if (std::exchange(first_block, false)) {
      const std::string_view start(at, got);
      if (start.starts_with(little_endian_mark) || start.starts_with(big_endian_mark)) {
        return {std::nullopt, "it is UTF-16 text, which the game does not read"};
      }
      if (start.starts_with(utf8_mark)) at += utf8_mark.size();
    }
    if (std::exchange(cr_before, false) && *at == '\n') ++at;
    if (in_header) {
      const char* const reach = std::min(end, at + (header_room - header.size()));
      const char* const line_end = line_end_in(at, reach);
      header.append(at, line_end);
      if (line_end == reach) {  // no line end yet: read on, unless it is too far
        if (header.size() >= header_room) return {std::nullopt, "it is no roster: its first line is too long"};
        continue;
      }
      if (std::string why = header_fault(header, rule); !why.empty()) return {std::nullopt, why};
      in_header = false;
      at = past_line_end(line_end, end, cr_before);
      ++line;
    }
    while (at != end) {
      if (in_first_field) {
        at = id.take(at, end);
        if (at == end) break;
        on_row(line, id);
        id = {};
        in_first_field = false;
      }
      // The rest of the line is passed over; a line end starts the next.
      at = line_end_in(at, end);
      if (at == end) break;
      at = past_line_end(at, end, cr_before);
      ++line;
      in_first_field = true;
    }
  }
  // A header or a last line may end with the file, without a line end.
  if (in_header) {
    if (std::string why = header_fault(header, rule); !why.empty()) return {std::nullopt, why};
  } else if (in_first_field && !id.empty()) {
    on_row(line, id);
  }
  roster_ids roster;
  roster.path = path;
  roster.read_by = rule;
  roster.tag = field(header, 0);
  return {std::move(roster), ""};
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

roster_reading read_roster(const std::string& path, std::vector<char>& block, header_rule rule) {
  try {
    id_runs ids;
    std::vector<row_without_id> without_id;
    std::int64_t ministers = 0;
    std::int64_t more_without_id = 0;
    roster_reading reading = scan(path, block, rule, [&](std::int64_t line, const id_field& id) {
      if (const std::optional<std::int64_t> value = id.value()) {
        ids.add(*value);
        ++ministers;
      } else if (!id.empty() && without_id.size() < rows_without_id_kept) {
        without_id.push_back({line, id.start()});
      } else if (!id.empty()) {
        ++more_without_id;
      }
    });
    if (reading.roster) {
      reading.roster->ids = std::move(ids).ranges();
      reading.roster->ministers = ministers;
      reading.roster->without_id = std::move(without_id);
      reading.roster->more_without_id = more_without_id;
    }
    return reading;
  } catch (const named_error& error) {
    const std::string& message = error.message();
    return {std::nullopt,
            "it cannot be read: " + (message.starts_with(path + ": ") ? message.substr(path.size() + 2) : message)};
  }
}

std::map<std::int64_t, std::vector<std::int64_t>> lines_using(const std::string& path, std::vector<char>& block,
                                                              header_rule rule, const std::vector<id_range>& wanted) {
  std::map<std::int64_t, std::vector<std::int64_t>> lines;
  try {
    scan(path, block, rule, [&](std::int64_t line, const id_field& id) {
      const std::optional<std::int64_t> value = id.value();
      if (!value) return;
      const auto range = std::ranges::lower_bound(wanted, *value, {}, &id_range::last);
      if (range == wanted.end() || range->first > *value) return;
      std::vector<std::int64_t>& used = lines[*value];
      if (used.size() < 2) used.push_back(line);
    });
  } catch (const named_error&) {  // a roster gone since it was read shows no lines
  }
  return lines;
}

}  // namespace vesk_mg
