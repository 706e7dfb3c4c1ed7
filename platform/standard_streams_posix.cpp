#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "platform/interruption.hpp"
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

// A stream inherited in non-blocking mode answers EAGAIN instead of
// waiting; the program waits for it, as for any other stream.
bool waited_for(int fd, short events, int error) {
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  pollfd wanted{fd, events, 0};
  while (::poll(&wanted, 1, -1) == -1 && errno == EINTR) {
  }
  return true;
}

class descriptor_source final : public byte_source {
 public:
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    for (;;) {
      const ssize_t got = ::read(STDIN_FILENO, buffer, capacity);
      if (got >= 0) return static_cast<std::size_t>(got);
      const int error = errno;
      if (error != EINTR && !waited_for(STDIN_FILENO, POLLIN, error)) {
        throw file_read_error(describe("standard input", error));
      }
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
        continue;
      }
      const int error = put == 0 ? EIO : errno;
      if (error != EINTR && !waited_for(fd_, POLLOUT, error)) throw file_write_error(describe(label_, error));
    }
  }

 private:
  int fd_;
  std::string_view label_;
};

}  // namespace

void start_platform() {
  // A closed pipe on the far side, or a file grown past the size limit,
  // becomes a write failure that is reported, instead of a signal that
  // ends the process silently.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  watch_for_interruptions();
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
