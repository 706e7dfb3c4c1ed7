#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "platform/named_error.hpp"
#include "platform/standard_streams.hpp"

namespace vesk_mg {

namespace {

std::string describe(std::string_view stream, int error) {
  std::string text(stream);
  text.append(": ");
  text.append(std::strerror(error));
  return text;
}

class descriptor_source final : public byte_source {
 public:
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    for (;;) {
      const ssize_t got = ::read(STDIN_FILENO, buffer, capacity);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) throw file_read_error(describe("standard input", errno));
    }
  }
};

class descriptor_sink final : public byte_sink {
 public:
  descriptor_sink(int fd, std::string_view label) : fd_(fd), label_(label) {}
  void write_all(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
      if (put > 0) {
        bytes.remove_prefix(static_cast<std::size_t>(put));
      } else if (put == 0 || errno != EINTR) {
        throw file_write_error(describe(label_, put == 0 ? EIO : errno));
      }
    }
  }

 private:
  int fd_;
  std::string_view label_;
};

}  // namespace

void start_platform() {
  // A closed pipe on the far side becomes a write failure that is
  // reported, instead of a signal that ends the process silently.
  std::signal(SIGPIPE, SIG_IGN);
}

byte_source& standard_input() {
  static descriptor_source source;
  return source;
}

byte_sink& standard_output() {
  static descriptor_sink sink(STDOUT_FILENO, "standard output");
  return sink;
}

byte_sink& standard_error() {
  static descriptor_sink sink(STDERR_FILENO, "standard error");
  return sink;
}

}  // namespace vesk_mg
