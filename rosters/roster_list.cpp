#include "rosters/roster_list.hpp"

#include <array>

#include "platform/errors.hpp"
#include "platform/files.hpp"
#include "platform/paths.hpp"
#include "platform/text_decoding.hpp"
#include "platform/text_input.hpp"
#include "vocabulary/case_folding.hpp"
#include "vocabulary/digest.hpp"

namespace vesk_mg {

namespace {

constexpr std::string_view blanks = " \t";

// The bytes read through it, digested as they go by.
class digested final : public byte_source {
 public:
  explicit digested(byte_source& raw) : raw_(raw) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    const std::size_t got = raw_.read_some(buffer, capacity);
    digest_ = digest_with(digest_, {buffer, got});
    return got;
  }
  [[nodiscard]] std::uint64_t digest() const noexcept { return digest_; }

 private:
  byte_source& raw_;
  std::uint64_t digest_ = empty_digest;
};

// The text read through it, watched for its first line end and its last byte.
class line_ends_watched final : public byte_source {
 public:
  explicit line_ends_watched(byte_source& text) : text_(text) {}
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    const std::size_t got = text_.read_some(buffer, capacity);
    for (std::size_t i = 0; i < got && !found_; ++i) {
      if (cr_before_ || buffer[i] == '\n') {
        first_ = cr_before_ && buffer[i] == '\n' ? "\r\n" : cr_before_ ? "\r" : "\n";
        found_ = true;
      }
      cr_before_ = buffer[i] == '\r';
    }
    if (got > 0) last_ = buffer[got - 1];
    return got;
  }
  // Once the text is read through.
  [[nodiscard]] std::string first_line_end() const { return found_ ? first_ : cr_before_ ? "\r" : "\r\n"; }
  [[nodiscard]] bool ends_open() const noexcept { return last_ != '\0' && last_ != '\n' && last_ != '\r'; }

 private:
  byte_source& text_;
  bool found_ = false;
  bool cr_before_ = false;
  std::string first_;
  char last_ = '\0';
};

list_form::encoding encoding_of(decoded_text::kind kind) {
  switch (kind) {
    case decoded_text::kind::utf16_little_endian:
      return list_form::encoding::utf16_little_endian;
    case decoded_text::kind::utf16_big_endian:
      return list_form::encoding::utf16_big_endian;
    default:
      return list_form::encoding::plain;
  }
}

std::string folded(std::string_view name) {
  std::string text(name);
  lower_case(text);
  return text;
}

// The system's reason in a message that names `path` first.
std::string reason_in(const named_error& error, const std::string& path) {
  const std::string& message = error.message();
  return message.starts_with(path + ": ") ? message.substr(path.size() + 2) : message;
}

// More names than any list the game keeps.
struct too_many_names {};

roster_list read_list(const std::string& path) {
  roster_list list;
  file_handle file = open_for_reading(path);
  digested raw(file);
  decoded_text text(raw, decoded_text::utf16::after_a_mark);
  line_ends_watched watched(text);
  text_input lines(watched, path, text_input::lone_cr_ends_a_line);
  while (!lines.at_end_of_file()) {
    const std::string line = lines.read_line(longest_file_name + 1);
    if (line.size() > longest_file_name) {  // names no file, and is never kept whole
      if (!lines.at_end_of_file()) lines.skip_line();
      continue;
    }
    const std::size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos || line[first] == '#') continue;
    const std::string_view name = std::string_view(line).substr(first, line.find_last_not_of(blanks) + 1 - first);
    list.names.try_emplace(folded(name), name);
    if (list.names.size() > most_listed_names) throw too_many_names{};
  }
  // at_end_of_file has read the text through.
  list.form = {encoding_of(text.written_as()), watched.first_line_end(), watched.ends_open()};
  list.digest = raw.digest();
  return list;
}

}  // namespace

bool roster_list::names_file(std::string_view file_name) const { return names.contains(folded(file_name)); }

roster_list read_roster_list(const std::string& path) {
  const std::string line = "Cannot read the roster list " + path + ": ";
  try {
    return read_list(path);
  } catch (const too_many_names&) {
    throw file_use_error(line + "it names more than " + std::to_string(most_listed_names) + " files");
  } catch (const file_name_error& error) {
    throw file_name_error(line + reason_in(error, path));
  } catch (const named_error& error) {
    throw file_use_error(line + reason_in(error, path));
  }
}

std::string addition_naming(const list_form& form, std::string_view file_name) {
  std::string line = form.ends_open ? form.line_end : "";
  line.append(file_name).append(form.line_end);
  if (form.written_in == list_form::encoding::plain) return line;
  std::string units;
  for (const char c : line) {
    units += form.written_in == list_form::encoding::utf16_little_endian ? std::string{c, '\0'} : std::string{'\0', c};
  }
  return units;
}

std::uint64_t copy_digested(byte_source& from, byte_sink& to) {
  digested raw(from);
  std::array<char, 65536> block{};
  while (const std::size_t got = raw.read_some(block.data(), block.size())) to.write_all({block.data(), got});
  return raw.digest();
}

}  // namespace vesk_mg
