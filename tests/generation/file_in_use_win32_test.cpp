// On Windows a spreadsheet that holds the minister file open makes creating
// it fail with a sharing violation: that is a file in use, and the ministers
// go to the first fallback name.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "generation/generation_driver.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/requests.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

TEST(file_in_use, a_file_held_open_by_another_program_gets_the_fallback_name) {
  struct holding_case {
    DWORD access;
    DWORD sharing;  // never FILE_SHARE_DELETE, so the roster could not be renamed over it
  };
  const std::vector<holding_case> cases{
      {GENERIC_READ | GENERIC_WRITE, 0},
      {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE},  // as a spreadsheet that reads it
  };
  for (const holding_case& c : cases) {
    test_support::temp_folder folder;
    test_support::fake_clock clock;
    test_support::write_file("names.txt", test_support::numbered_names(10));
    HANDLE held =
        ::CreateFileA("ministers_abc.csv", c.access, c.sharing, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    const test_support::built_request request = test_support::request_builder(alignment::ns, 1).build();
    const test_support::script_result result =
        test_support::run_body("", clock, [&](program_io& io) { test_support::generate(request, io); });
    ::CloseHandle(held);

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("The ministers will instead be put in a file called: 1ministers_abc.csv!\r\n"),
              std::string::npos);
    EXPECT_EQ(test_support::read_file("ministers_abc.csv"), "");
    EXPECT_EQ(test_support::read_file("1ministers_abc.csv").substr(0, 4), "ABC;");
  }
}

}  // namespace
}  // namespace vesk_mg
