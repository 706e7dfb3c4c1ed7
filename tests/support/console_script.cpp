#include "tests/support/console_script.hpp"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "names/code_page.hpp"
#include "program/vesk_mg.hpp"
#include "tests/support/string_streams.hpp"

namespace vesk_mg::test_support {

namespace {

// Ends the test binary should a run outlast the bound: a run that reads a
// huge file through or blocks on a FIFO fails within seconds, instead of
// holding the suite until ctest kills it.
class deadline {
 public:
  explicit deadline(std::chrono::seconds bound)
      : watcher_([this, bound] {
          std::unique_lock lock(mutex_);
          if (!ended_.wait_for(lock, bound, [this] { return over_; })) {
            std::fputs("a whole run outlasted its bound: it reads or waits without end\n", stderr);
            std::_Exit(EXIT_FAILURE);
          }
        }) {}
  deadline(const deadline&) = delete;
  deadline& operator=(const deadline&) = delete;
  ~deadline() {
    {
      const std::lock_guard lock(mutex_);
      over_ = true;
    }
    ended_.notify_one();
    watcher_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable ended_;
  bool over_ = false;
  std::thread watcher_;
};

}  // namespace

script_result run_body(const std::string& input, fake_clock& clock, const std::function<void(program_io&)>& body) {
  string_source source(input);
  return run_body(source, clock, body);
}

script_result run_body(byte_source& source, fake_clock& clock, const std::function<void(program_io&)>& body) {
  const deadline bound(std::chrono::seconds(30));
  string_sink out_sink;
  string_sink err_sink;
  const int status = run_program(source, out_sink, err_sink, clock, body);
  return {out_sink.text(), err_sink.text(), status};
}

script_result run_script(const std::string& input, fake_clock& clock, std::span<const std::string> folders) {
  string_source source(input);
  return run_script(source, clock, folders);
}

script_result run_script(byte_source& input, fake_clock& clock, std::span<const std::string> folders) {
  return run_body(input, clock, [&](program_io& io) {
    const roster_folders found = roster_folders_of(folders);
    vesk_mg(io, found, read_rosters(found), {"", western_code_page});
  });
}

std::string banner() {
  std::string text;
  for (int i = 0; i < 25; ++i) text += "\r\n";
  text +=
      "Quellmar's VESK minister-generator\r\n"
      "beta 1.3\r\n"
      "\r\n\r\n"
      "Leave any comments or questions here:\r\n"
      "https://example.org/vesk_mg/discussion\r\n"
      "\r\n\r\n"
      "      ----------------------------------------------------------------\r\n"
      "      |The default filename for the output-file is ministers_XXX.csv,|\r\n"
      "NOTE: |where XXX is the country tag.                                 |\r\n"
      "      |Any existing file with this name will be overwritten          |\r\n"
      "      ----------------------------------------------------------------\r\n"
      "\r\n\r\n";
  return text;
}

}  // namespace vesk_mg::test_support
