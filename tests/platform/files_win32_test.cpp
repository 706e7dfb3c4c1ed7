// What Windows itself does with the files and folders the program holds.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "platform/files.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

bool under_wine() { return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// The roster goes to the folder that was checked: on Windows no one moves it while it is held.
TEST(folder_handle, a_held_folder_cannot_be_moved) {
  const test_support::temp_folder folder;
  std::filesystem::create_directory("held");
  const folder_handle held = hold_folder("held");
  const bool moved = ::MoveFileExW(L"held", L"moved", 0) != 0;
  if (moved && under_wine()) GTEST_SKIP() << "wine lets a held folder be moved, as Windows does not";
  EXPECT_FALSE(moved);
  EXPECT_TRUE(std::filesystem::is_directory("held"));
}

}  // namespace
}  // namespace vesk_mg
