#include "platform/files.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/raised.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

// A write that fails gives the system's own reason, a full disk or a file
// open only for reading alike.
TEST(file_handle, a_failed_write_names_the_systems_reason) {
  test_support::temp_folder folder;
  test_support::write_file("names.txt", "a\n");
  file_handle file = open_for_reading("names.txt");
  const std::string reason = this_system == system_kind::windows ? "Access denied" : "Bad file descriptor";
  EXPECT_EQ(test_support::raised_by([&] { file.write_all("b"); }), "VESK_MG.FILE_WRITE_ERROR : names.txt: " + reason);
}

}  // namespace
}  // namespace vesk_mg
