#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
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

file_handle file_handle::open_name_file(std::string_view typed) { return open_for_reading(typed); }

write_target file_handle::probe_for_writing(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    const int error = errno;
    // Nothing at all there: the file is new. A link that leads nowhere is
    // something there, and not a regular file.
    if (error == ENOENT && !exists(path)) return {path, std::nullopt};
    if (exists(path)) throw file_use_error(describe(name, error));
    throw file_name_error(describe(name, error));
  }
  // Only a regular file is ever opened: a FIFO would block, a device
  // would swallow the roster.
  if (!S_ISREG(status.st_mode)) throw file_use_error(describe(name, S_ISDIR(status.st_mode) ? EISDIR : EINVAL));
  // Opening for writing without truncating asks the system whether the
  // file could be written, and changes nothing.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd == -1) throw file_use_error(describe(name, errno));
  ::close(fd);

  struct stat link {};
  std::string target = path;
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    if (resolved == nullptr) throw file_use_error(describe(name, errno));
    target = resolved.get();
  }
  return {target, static_cast<std::uint32_t>(status.st_mode & 07777)};
}

file_handle file_handle::create_new(const std::string& path, std::optional<std::uint32_t> permissions,
                                    std::string_view label) {
  const auto mode = static_cast<mode_t>(permissions.value_or(0666));
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd == -1 && errno == EEXIST) {
    // Left by an earlier process of the same number that did not end well.
    ::unlink(path.c_str());
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  }
  if (fd == -1) throw file_name_error(describe(label, errno));
  // The mode given to open is narrowed by the umask; a replaced file keeps its own bits.
  if (permissions && ::fchmod(fd, mode) != 0) {
    const int error = errno;
    ::close(fd);
    throw file_write_error(describe(path, error));
  }
  return {fd, path};
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

void file_handle::sync() {
  if (::fsync(static_cast<int>(native_)) != 0 && errno != EINVAL) throw file_write_error(describe(name_, errno));
}

void file_handle::close() {
  if (native_ == closed) return;
  const int fd = static_cast<int>(std::exchange(native_, closed));
  if (::close(fd) != 0 && errno != EINTR) throw file_write_error(describe(name_, errno));
}

std::string temporary_name_beside(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, base) + "." + path.substr(base) + "." + std::to_string(::getpid()) + ".tmp";
}

std::optional<std::string> replace_file(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return std::strerror(errno);
  // The rename itself reaches the disk with its folder.
  const std::size_t slash = to.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : to.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd != -1) {
    ::fsync(fd);
    ::close(fd);
  }
  return std::nullopt;
}

void remove_file(const std::string& path) noexcept { ::unlink(path.c_str()); }

}  // namespace vesk_mg
