#include "tests/support/temp_folder.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace vesk_mg::test_support {

temp_folder::temp_folder() : previous_(std::filesystem::current_path()) {
  std::random_device entropy;
  for (int attempt = 0; path_.empty(); ++attempt) {
    const auto candidate = std::filesystem::temp_directory_path() /
                           ("vesk_mg_test_" + std::to_string(entropy()) + std::to_string(entropy()));
    if (std::filesystem::create_directory(candidate)) path_ = candidate;
    if (attempt > 100) throw std::runtime_error("no temporary folder could be made");
  }
  std::filesystem::current_path(path_);
}

temp_folder::~temp_folder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void write_file(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
}

void lay_out(const file_layout& files) {
  for (const auto& [name, text] : files) {
    const std::filesystem::path path(std::u8string(name.begin(), name.end()));
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    if (!name.ends_with('/')) write_file(path, text);
  }
}

std::string as_shown(std::string text, const std::filesystem::path& here) {
  const auto separator = static_cast<char>(std::filesystem::path::preferred_separator);
  for (std::size_t at = 0; (at = text.find('|', at)) != std::string::npos;) text[at] = separator;
  for (std::size_t at = 0; (at = text.find("<here>", at)) != std::string::npos;) text.replace(at, 6, here.string());
  return text;
}

std::string numbered_names(int count, const std::string& line_end, int first) {
  std::string names;
  for (int i = first; i < first + count; ++i) names += "Name " + std::to_string(i) + line_end;
  return names;
}

std::string roster(const std::string& tag, int first_id, int count) {
  std::string text = tag + ";Ruling Cabinet - Start;Name;Pool;Ideology;Personality;Loyalty;Picturename;x\r\n";
  for (std::int64_t id = first_id; id < std::int64_t{first_id} + count; ++id) {
    text += std::to_string(id) + ";Head of State;N;NA;NS;P;L;;x\r\n";
  }
  return text + ";Replacements;;;;;;;x\r\n";
}

std::string in_utf16(std::string_view ascii) {
  std::string text = "\xFF\xFE";
  for (const char c : ascii) text += {c, '\0'};
  return text;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> names_here() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(".")) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool no_temporary_file_in(const std::filesystem::path& folder) {
  return std::ranges::none_of(std::filesystem::directory_iterator(folder),
                              [](const auto& entry) { return entry.path().extension() == ".tmp"; });
}

}  // namespace vesk_mg::test_support
