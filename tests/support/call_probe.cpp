// Preloaded into the built program (LD_PRELOAD), it records in the file
// that VESK_MG_CALL_LOG names, one line a call, the order in which the
// program syncs and renames: "fsync file", "fsync folder", "rename";
// where VESK_MG_FAIL_FCHMOD holds an errno, every fchmod fails with it; and
// where VESK_MG_PLAIN_RENAMES_ONLY is set, a rename that would swap or refuse
// fails with EINVAL, as on a file system that cannot (FAT).
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace {

void record(std::string_view what) {
  const char* log = std::getenv("VESK_MG_CALL_LOG");
  if (log == nullptr) return;
  const int fd = ::open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd == -1) return;
  [[maybe_unused]] const ssize_t put = ::write(fd, what.data(), what.size());
  ::close(fd);
}

template <typename function>
function next(const char* name) {
  return reinterpret_cast<function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

int fsync(int fd) {
  struct stat status {};
  record(::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) ? "fsync folder\n" : "fsync file\n");
  return next<int (*)(int)>("fsync")(fd);
}

int fchmod(int fd, mode_t mode) {
  if (const char* failure = std::getenv("VESK_MG_FAIL_FCHMOD")) {
    errno = std::atoi(failure);
    return -1;
  }
  return next<int (*)(int, mode_t)>("fchmod")(fd, mode);
}

int rename(const char* from, const char* to) {
  record("rename\n");
  return next<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat(int from_folder, const char* from, int to_folder, const char* to) {
  record("rename\n");
  return next<int (*)(int, const char*, int, const char*)>("renameat")(from_folder, from, to_folder, to);
}

int renameat2(int from_folder, const char* from, int to_folder, const char* to, unsigned flags) {
  record("rename\n");
  if (flags != 0 && std::getenv("VESK_MG_PLAIN_RENAMES_ONLY") != nullptr) {
    errno = EINVAL;
    return -1;
  }
  return next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(from_folder, from, to_folder, to,
                                                                                  flags);
}
}
