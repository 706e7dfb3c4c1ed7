// The shipped exe carries what Explorer shows of it: its icon, its version
// information and a manifest that runs it as the user who starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vesk_mg {
namespace {

std::wstring version_value(const std::vector<char>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!::VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return L"";
  return {static_cast<const wchar_t*>(value), length - 1};
}

TEST(exe_resources, carry_an_icon_version_information_and_a_manifest) {
  const std::wstring exe = std::filesystem::path(VESK_MG_EXECUTABLE).wstring();
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0U) << VESK_MG_EXECUTABLE;
  std::vector<char> info(size);
  ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
  const std::wstring version = std::filesystem::path(VESK_MG_VERSION).wstring();
  EXPECT_EQ(version_value(info, L"ProductName"), L"vesk_mg");
  EXPECT_NE(version_value(info, L"FileDescription"), L"");
  EXPECT_EQ(version_value(info, L"FileVersion"), version);
  EXPECT_EQ(version_value(info, L"ProductVersion"), version);

  HMODULE module = ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)), nullptr);  // RT_GROUP_ICON
  HRSRC manifest = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));     // RT_MANIFEST
  ASSERT_NE(manifest, nullptr);
  const auto* text = static_cast<const char*>(::LockResource(::LoadResource(module, manifest)));
  const std::string manifest_text(text, ::SizeofResource(module, manifest));
  EXPECT_NE(manifest_text.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest_text.find("{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"), std::string::npos);  // Windows 8
  EXPECT_NE(manifest_text.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);  // 10 and 11
  ::FreeLibrary(module);
}

}  // namespace
}  // namespace vesk_mg
