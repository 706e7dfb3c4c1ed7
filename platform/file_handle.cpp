#include "platform/file_handle.hpp"

namespace vesk_mg {

namespace {

#ifdef _WIN32
constexpr std::string_view folder_separators = "/\\:";
#else
constexpr std::string_view folder_separators = "/";
#endif

}  // namespace

bool names_a_file(std::string_view name) { return !name.empty() && name.find('\0') == std::string_view::npos; }

std::string temporary_name_beside(const std::string& path, int choice) {
  const std::size_t separator = path.find_last_of(folder_separators);
  const std::size_t base = separator == std::string::npos ? 0 : separator + 1;
  std::string name = path.substr(0, base) + "." + path.substr(base) + "." + std::to_string(this_process_number());
  if (choice > 1) name.append("-").append(std::to_string(choice));
  return name + ".tmp";
}

}  // namespace vesk_mg
