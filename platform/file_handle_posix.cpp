#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "platform/file_handle.hpp"
#include "platform/named_error.hpp"

namespace vesk_mg {

namespace {

std::string describe(std::string_view name, int error) {
  std::string text(name);
  text.append(": ");
  text.append(std::strerror(error));
  return text;
}

bool names_a_file(std::string_view name) { return !name.empty() && name.find('\0') == std::string_view::npos; }

bool exists(const std::string& name) {
  struct stat status {};
  return ::lstat(name.c_str(), &status) == 0;
}

// Opening without blocking keeps a FIFO from hanging the program; the flag
// is cleared again once the file is known to be what was asked for.
void clear_non_blocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags != -1) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

}  // namespace

file_handle file_handle::open_for_reading(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd == -1) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG) {
      throw file_name_error(describe(name, error));
    }
    throw file_use_error(describe(name, error));
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    throw file_use_error(describe(name, S_ISDIR(status.st_mode) ? EISDIR : EINVAL));
  }
  clear_non_blocking(fd);
  return {fd, name};
}

file_handle file_handle::create_for_writing(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd == -1) {
    const int error = errno;
    // Only a file that is there but refuses to be written is "in use";
    // a name that cannot be created at all is a different failure.
    if (error == EISDIR || exists(path)) throw file_use_error(describe(name, error));
    throw file_name_error(describe(name, error));
  }
  clear_non_blocking(fd);
  return {fd, name};
}

file_handle::~file_handle() {
  if (native_ != closed) ::close(static_cast<int>(native_));
}

std::size_t file_handle::read_some(char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t got = ::read(static_cast<int>(native_), buffer, capacity);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) throw file_read_error(describe(name_, errno));
  }
}

void file_handle::write_all(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(static_cast<int>(native_), bytes.data(), bytes.size());
    if (put > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(put));
    } else if (put == 0 || errno != EINTR) {
      throw file_write_error(describe(name_, put == 0 ? EIO : errno));
    }
  }
}

void file_handle::close() {
  if (native_ == closed) return;
  const int fd = static_cast<int>(std::exchange(native_, closed));
  if (::close(fd) != 0 && errno != EINTR) throw file_write_error(describe(name_, errno));
}

}  // namespace vesk_mg
