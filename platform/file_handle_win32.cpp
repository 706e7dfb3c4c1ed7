#include <windows.h>

#include <string>

#include "platform/file_handle.hpp"
#include "platform/named_error.hpp"
#include "platform/system_error.hpp"
#include "platform/text_encoding_win32.hpp"

namespace vesk_mg {

namespace {

HANDLE as_handle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

// A console takes at most about 64 KiB in one call; files get the same.
DWORD chunk(std::size_t size) { return size > 0x10000 ? 0x10000 : static_cast<DWORD>(size); }

bool exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool is_name_error(DWORD code) {
  return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME ||
         code == ERROR_BAD_PATHNAME || code == ERROR_FILENAME_EXCED_RANGE || code == ERROR_INVALID_DRIVE ||
         code == ERROR_DIRECTORY;
}

}  // namespace

file_handle file_handle::open_for_reading(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::wstring path = wide_file_name(name);
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    if (is_name_error(code)) throw file_name_error(describe_system_error(name, code));
    throw file_use_error(describe_system_error(name, code));
  }
  // Devices such as CON or NUL open too; only a file on disk is a name file.
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    throw file_use_error(describe_system_error(name, ERROR_ACCESS_DENIED));
  }
  return {reinterpret_cast<std::intptr_t>(handle), name};
}

file_handle file_handle::open_name_file(std::string_view typed) {
  std::string_view name = typed;
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
  try {
    return open_for_reading(name);
  } catch (const file_name_error&) {
    const std::size_t base = name.find_last_of("/\\:");
    const std::string_view last = base == std::string_view::npos ? name : name.substr(base + 1);
    if (last.empty() || last.find('.') != std::string_view::npos) throw;
    try {
      return open_for_reading(std::string(name) + ".txt");
    } catch (const file_name_error&) {
      throw file_name_error(describe_system_error(typed, ERROR_FILE_NOT_FOUND));
    }
  }
}

write_target file_handle::probe_for_writing(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::wstring path = wide_file_name(name);
  // Opened for writing without sharing and without truncating: a file
  // that a spreadsheet holds open is a sharing violation, and nothing in
  // the file changes.
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_NOT_FOUND && !exists(path)) return {std::string(name), std::nullopt};
    if (exists(path)) throw file_use_error(describe_system_error(name, code));
    throw file_name_error(describe_system_error(name, code));
  }
  const DWORD type = ::GetFileType(handle);
  ::CloseHandle(handle);
  if (type != FILE_TYPE_DISK) throw file_use_error(describe_system_error(name, ERROR_ACCESS_DENIED));
  return {std::string(name), std::nullopt};
}

std::optional<file_handle> file_handle::create_new(const std::string& path, const std::optional<kept_attributes>&,
                                                   std::string_view label) {
  // Shared for deletion, so that an interruption can remove it while it is open.
  HANDLE handle = ::CreateFileW(wide_file_name(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) return std::nullopt;
    throw file_name_error(describe_system_error(label, code));
  }
  return file_handle(reinterpret_cast<std::intptr_t>(handle), path);
}

file_handle file_handle::borrow(std::intptr_t native, std::string_view label) { return {native, label, false}; }

file_handle::~file_handle() {
  if (owned_ && native_ != closed) ::CloseHandle(as_handle(native_));
}

std::size_t file_handle::read_some(char* buffer, std::size_t capacity) {
  DWORD got = 0;
  if (!::ReadFile(as_handle(native_), buffer, chunk(capacity), &got, nullptr)) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF) return 0;  // the writer has gone
    throw file_read_error(describe_system_error(name_, code));
  }
  return got;
}

void file_handle::write_all(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD put = 0;
    if (!::WriteFile(as_handle(native_), bytes.data(), chunk(bytes.size()), &put, nullptr) || put == 0) {
      throw file_write_error(describe_system_error(name_, put == 0 ? ERROR_WRITE_FAULT : ::GetLastError()));
    }
    bytes.remove_prefix(put);
  }
}

void file_handle::sync() {
  if (!::FlushFileBuffers(as_handle(native_))) throw file_write_error(describe_system_error(name_, ::GetLastError()));
}

void file_handle::close() {
  if (!owned_ || native_ == closed) return;
  HANDLE handle = as_handle(native_);
  native_ = closed;
  if (!::CloseHandle(handle)) throw file_write_error(describe_system_error(name_, ::GetLastError()));
}

std::uint64_t this_process_number() { return ::GetCurrentProcessId(); }

std::optional<std::string> replace_file(const std::string& from, const std::string& to) {
  if (::MoveFileExW(wide_file_name(from).c_str(), wide_file_name(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return std::nullopt;
  }
  return system_reason(::GetLastError());
}

bool file_exists(const std::string& path) noexcept {
  try {
    return exists(wide_file_name(path));
  } catch (...) {  // no memory for the wide name
    return false;
  }
}

void remove_file(const std::string& path) noexcept {
  try {
    ::DeleteFileW(wide_file_name(path).c_str());
  } catch (...) {  // no memory for the wide name: the file stays
  }
}

}  // namespace vesk_mg
