#include "platform/files.hpp"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <array>
#include <cstring>
#include <string>

#include "tests/support/raised.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

// The system's own words for a write to a file open only for reading,
// taken from the system, as a sentence's part: without Windows' line end
// and point.
std::string words_for_a_write_to_a_reading_file() {
#ifdef _WIN32
  std::array<wchar_t, 512> text{};
  const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        ERROR_ACCESS_DENIED, 0, text.data(), text.size(), nullptr);
  std::string words(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(length),
                                                                   nullptr, 0, nullptr, nullptr)),
                    '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(length), words.data(), static_cast<int>(words.size()),
                        nullptr, nullptr);
  while (words.ends_with('\n') || words.ends_with('\r') || words.ends_with('.')) words.pop_back();
  return words;
#else
  return std::strerror(EBADF);
#endif
}

// A write that fails gives the system's own reason, a full disk or a file
// open only for reading alike.
TEST(file_handle, a_failed_write_names_the_systems_reason) {
  test_support::temp_folder folder;
  test_support::write_file("names.txt", "a\n");
  file_handle file = open_for_reading("names.txt");
  EXPECT_EQ(test_support::raised_by([&] { file.write_all("b"); }),
            "VESK_MG.FILE_WRITE_ERROR : names.txt: " + words_for_a_write_to_a_reading_file());
}

// A pipe whose writer has gone ends as a file does: what was written, then
// nothing, and no error for the writer's going.
TEST(read_file, a_pipe_whose_writer_has_closed_ends_like_a_file) {
  native_file reader = no_file;
  native_file writer = no_file;
#ifdef _WIN32
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  ASSERT_TRUE(::CreatePipe(&read_end, &write_end, nullptr, 0));
  reader = reinterpret_cast<native_file>(read_end);
  writer = reinterpret_cast<native_file>(write_end);
#else
  std::array<int, 2> ends{};
  ASSERT_EQ(::pipe(ends.data()), 0);
  reader = ends[0];
  writer = ends[1];
#endif
  ASSERT_EQ(write_file(writer, "hello"), 0);
  ASSERT_EQ(close_file(writer), 0);
  std::array<char, 16> buffer{};
  for (const std::size_t expected : {std::size_t{5}, std::size_t{0}}) {
    std::size_t got = 99;
    EXPECT_EQ(read_file(reader, buffer.data(), buffer.size(), got), 0) << expected;
    EXPECT_EQ(got, expected);
  }
  close_file(reader);
}

}  // namespace
}  // namespace vesk_mg
