#include "platform/errors.hpp"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

// A system's failure to open a file, caused on the system the test runs
// on, is sorted by the code the system gives for it.
TEST(open_error, is_sorted_as_the_system_gives_it) {
  const test_support::temp_folder folder;
  test_support::write_file("names.txt", "a\n");
  std::filesystem::create_directory("folder");
  struct caused_case {
    std::string path;
    file_access access;
    bool no_file;  // a name that leads to no file, else a file that cannot be used
    bool taken;    // something stands where a new file was to be made
  };
  const std::vector<caused_case> cases{
      {"missing.txt", file_access::read, true, false},           // ENOENT, ERROR_FILE_NOT_FOUND
      {"missing/names.txt", file_access::read, true, false},     // ENOENT, ERROR_PATH_NOT_FOUND
      {"names.txt/inside", file_access::read, true, false},      // ENOTDIR, ERROR_PATH_NOT_FOUND
      {std::string(5000, 'n'), file_access::read, true, false},  // ENAMETOOLONG
      {"a*b?", file_access::read, true, false},                  // ERROR_INVALID_NAME on Windows
      {"folder", file_access::write, false, false},              // EISDIR, ERROR_ACCESS_DENIED
      {"names.txt", file_access::create, false, true},           // EEXIST, ERROR_FILE_EXISTS
  };
  for (const caused_case& c : cases) {
    native_file file = no_file;
    const system_code code = open_file(no_file, c.path, c.access, file);
    ASSERT_NE(code, 0) << c.path.substr(0, 40);
    EXPECT_EQ(leads_to_no_file(code), c.no_file) << c.path.substr(0, 40) << ": " << code;
    EXPECT_EQ(says_taken(code), c.taken) << c.path.substr(0, 40) << ": " << code;
  }
}

// The codes no test here can cause, as the system names them: access
// denied, which root never meets, and Windows' for a drive not there, a bad
// path, a name too long (wine gives ERROR_FILE_NOT_FOUND), a file where a
// folder was named, a sharing violation and a file or folder made where one
// stands.
TEST(open_error, is_sorted_by_codes_no_test_causes) {
  struct sorting_case {
    system_code code;
    system_kind system;
    bool no_file;
    bool taken;
  };
  const std::vector<sorting_case> cases{
      {EACCES, system_kind::posix, false, false},
#ifdef _WIN32
      {ERROR_INVALID_DRIVE, system_kind::windows, true, false},
      {ERROR_BAD_PATHNAME, system_kind::windows, true, false},
      {ERROR_FILENAME_EXCED_RANGE, system_kind::windows, true, false},
      {ERROR_DIRECTORY, system_kind::windows, true, false},
      {ERROR_SHARING_VIOLATION, system_kind::windows, false, false},
      {ERROR_ACCESS_DENIED, system_kind::windows, false, false},
      {ERROR_FILE_EXISTS, system_kind::windows, false, true},
      {ERROR_ALREADY_EXISTS, system_kind::windows, false, true},
#endif
  };
  for (const sorting_case& c : cases) {
    EXPECT_EQ(leads_to_no_file(c.code, c.system), c.no_file) << c.code;
    EXPECT_EQ(says_taken(c.code, c.system), c.taken) << c.code;
  }
}

}  // namespace
}  // namespace vesk_mg
