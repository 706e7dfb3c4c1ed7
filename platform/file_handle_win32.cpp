#include <windows.h>

#include <string>

#include "platform/file_handle.hpp"
#include "platform/named_error.hpp"
#include "platform/win32_error.hpp"

namespace vesk_mg {

namespace {

HANDLE native(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

bool names_a_file(std::string_view name) { return !name.empty() && name.find('\0') == std::string_view::npos; }

bool exists(const std::string& name) { return ::GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool is_name_error(DWORD code) {
  return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME ||
         code == ERROR_BAD_PATHNAME || code == ERROR_FILENAME_EXCED_RANGE || code == ERROR_INVALID_DRIVE ||
         code == ERROR_DIRECTORY;
}

}  // namespace

file_handle file_handle::open_for_reading(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    if (is_name_error(code)) throw file_name_error(describe_win32_error(name, code));
    throw file_use_error(describe_win32_error(name, code));
  }
  // Devices such as CON or NUL open too; only a file on disk is a name file.
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    throw file_use_error(describe_win32_error(name, ERROR_ACCESS_DENIED));
  }
  return {reinterpret_cast<std::intptr_t>(handle), name};
}

file_handle file_handle::create_for_writing(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    // A file that is there but refuses to be written, held open by another
    // program (a sharing violation) above all, is "in use"; a name that
    // cannot be created at all is a different failure.
    if (exists(path)) throw file_use_error(describe_win32_error(name, code));
    throw file_name_error(describe_win32_error(name, code));
  }
  return {reinterpret_cast<std::intptr_t>(handle), name};
}

file_handle::~file_handle() {
  if (native_ != closed) ::CloseHandle(native(native_));
}

std::size_t file_handle::read_some(char* buffer, std::size_t capacity) {
  const DWORD wanted = capacity > 0x10000000 ? 0x10000000 : static_cast<DWORD>(capacity);
  DWORD got = 0;
  if (!::ReadFile(native(native_), buffer, wanted, &got, nullptr)) {
    throw file_read_error(describe_win32_error(name_, ::GetLastError()));
  }
  return got;
}

void file_handle::write_all(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD wanted = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD put = 0;
    if (!::WriteFile(native(native_), bytes.data(), wanted, &put, nullptr) || put == 0) {
      throw file_write_error(describe_win32_error(name_, put == 0 ? ERROR_WRITE_FAULT : ::GetLastError()));
    }
    bytes.remove_prefix(put);
  }
}

void file_handle::close() {
  if (native_ == closed) return;
  HANDLE handle = native(native_);
  native_ = closed;
  if (!::CloseHandle(handle)) throw file_write_error(describe_win32_error(name_, ::GetLastError()));
}

}  // namespace vesk_mg
