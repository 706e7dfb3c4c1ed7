#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "platform/file_handle.hpp"
#include "platform/named_error.hpp"
#include "platform/system_error.hpp"

namespace vesk_mg {

namespace {

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

// An interrupted call is tried again. A stream inherited in non-blocking
// mode answers EAGAIN instead of waiting; it is waited for, as any other.
bool try_again(int fd, short events, int error) {
  if (error == EINTR) return true;
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  pollfd wanted{fd, events, 0};
  while (::poll(&wanted, 1, -1) == -1 && errno == EINTR) {
  }
  return true;
}

}  // namespace

file_handle file_handle::open_for_reading(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd == -1) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG) {
      throw file_name_error(describe_system_error(name, error));
    }
    throw file_use_error(describe_system_error(name, error));
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    throw file_use_error(describe_system_error(name, S_ISDIR(status.st_mode) ? EISDIR : EINVAL));
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
    if (exists(path)) throw file_use_error(describe_system_error(name, error));
    throw file_name_error(describe_system_error(name, error));
  }
  // Only a regular file is ever opened: a FIFO would block, a device
  // would swallow the roster.
  if (!S_ISREG(status.st_mode)) {
    throw file_use_error(describe_system_error(name, S_ISDIR(status.st_mode) ? EISDIR : EINVAL));
  }
  // Opening for writing without truncating asks the system whether the
  // file could be written, and changes nothing.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd == -1) throw file_use_error(describe_system_error(name, errno));
  ::close(fd);

  struct stat link {};
  std::string target = path;
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    if (resolved == nullptr) throw file_use_error(describe_system_error(name, errno));
    target = resolved.get();
  }
  return {target, kept_attributes{status.st_mode & 07777U, status.st_uid, status.st_gid}};
}

std::optional<file_handle> file_handle::create_new(const std::string& path,
                                                   const std::optional<kept_attributes>& existing,
                                                   std::string_view label) {
  const auto mode = static_cast<mode_t>(existing ? existing->permissions : 0666);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd == -1 && errno == EEXIST) return std::nullopt;
  if (fd == -1) throw file_name_error(describe_system_error(label, errno));
  file_handle handle(fd, path);
  if (existing) {
    // Another owner can only be given by a privileged run; otherwise the
    // file is the user's own, as any file they write.
    [[maybe_unused]] const int ignored = ::fchown(fd, existing->owner, existing->group);
    // The mode given to open is narrowed by the umask; a replaced file keeps its own bits.
    if (::fchmod(fd, mode) != 0) throw file_write_error(describe_system_error(path, errno));
  }
  return handle;
}

file_handle file_handle::borrow(std::intptr_t native, std::string_view label) { return {native, label, false}; }

file_handle::~file_handle() {
  if (owned_ && native_ != closed) ::close(static_cast<int>(native_));
}

std::size_t file_handle::read_some(char* buffer, std::size_t capacity) {
  const int fd = static_cast<int>(native_);
  for (;;) {
    const ssize_t got = ::read(fd, buffer, capacity);
    if (got >= 0) return static_cast<std::size_t>(got);
    const int error = errno;
    if (!try_again(fd, POLLIN, error)) throw file_read_error(describe_system_error(name_, error));
  }
}

void file_handle::write_all(std::string_view bytes) {
  const int fd = static_cast<int>(native_);
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(put));
      continue;
    }
    const int error = put == 0 ? EIO : errno;
    if (!try_again(fd, POLLOUT, error)) throw file_write_error(describe_system_error(name_, error));
  }
}

void file_handle::sync() {
  if (::fsync(static_cast<int>(native_)) != 0 && errno != EINVAL) {
    throw file_write_error(describe_system_error(name_, errno));
  }
}

void file_handle::close() {
  if (!owned_ || native_ == closed) return;
  const int fd = static_cast<int>(std::exchange(native_, closed));
  if (::close(fd) != 0 && errno != EINTR) throw file_write_error(describe_system_error(name_, errno));
}

std::uint64_t this_process_number() { return static_cast<std::uint64_t>(::getpid()); }

std::optional<std::string> replace_file(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return system_reason(errno);
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

bool file_exists(const std::string& path) noexcept { return exists(path); }

void remove_file(const std::string& path) noexcept { ::unlink(path.c_str()); }

}  // namespace vesk_mg
