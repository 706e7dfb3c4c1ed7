// env.hpp on Windows.
#include <windows.h>
// windows.h first: the multimedia timer header builds on it.
#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <mutex>

#include "platform/errors.hpp"
#include "platform/game_text.hpp"
#include "platform/text_decoding.hpp"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vesk_mg {

const system_kind this_system = system_kind::windows;

namespace {

HANDLE as_handle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

// A console takes at most about 64 KiB in one call; files get the same.
DWORD chunk(std::size_t size) { return size > 0x10000 ? 0x10000 : static_cast<DWORD>(size); }

std::wstring widen(std::string_view text, unsigned code_page) {
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

// The program holds names as UTF-8; one that is not is taken in the ANSI
// code page, as Windows' own narrow API would take it.
std::wstring wide_file_name(std::string_view name) { return widen(name, is_valid_utf8(name) ? CP_UTF8 : CP_ACP); }

std::string utf8_of(std::wstring_view wide) {
  const int size = static_cast<int>(wide.size());
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

// The codes that say a name leads to no file, as against one that cannot be opened.
constexpr std::array<DWORD, 7> name_errors{ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND,       ERROR_INVALID_NAME,
                                           ERROR_BAD_PATHNAME,   ERROR_FILENAME_EXCED_RANGE, ERROR_INVALID_DRIVE,
                                           ERROR_DIRECTORY};

}  // namespace

file_handle file_handle::open_for_reading(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  HANDLE handle = ::CreateFileW(wide_file_name(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    if (std::ranges::count(name_errors, code) != 0) throw file_name_error(describe_system_error(name, code));
    throw file_use_error(describe_system_error(name, code));
  }
  // Devices such as CON or NUL open too; only a file on disk is a name file.
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    throw file_use_error(describe_system_error(name, ERROR_ACCESS_DENIED));
  }
  return {reinterpret_cast<std::intptr_t>(handle), name};
}

write_target file_handle::probe_for_writing(std::string_view name) {
  if (!names_a_file(name)) throw file_name_error(name);
  const std::string path(name);
  // Opened for writing without sharing and without truncating: a file
  // that a spreadsheet holds open is a sharing violation, and nothing in
  // the file changes.
  HANDLE handle = ::CreateFileW(wide_file_name(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    const bool something_there = file_exists(path);
    if (code == ERROR_FILE_NOT_FOUND && !something_there) return {path};
    if (something_there) throw file_use_error(describe_system_error(name, code));
    throw file_name_error(describe_system_error(name, code));
  }
  const DWORD type = ::GetFileType(handle);
  ::CloseHandle(handle);
  if (type != FILE_TYPE_DISK) throw file_use_error(describe_system_error(name, ERROR_ACCESS_DENIED));
  return {path};
}

std::optional<file_handle> file_handle::create_new(const std::string& path, const write_target&,
                                                   std::string_view label) {
  // Shared for deletion, so that an interruption can remove it while it is open.
  HANDLE handle = ::CreateFileW(wide_file_name(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) return std::nullopt;
    throw file_name_error(describe_system_error(label, code));
  }
  return file_handle(reinterpret_cast<std::intptr_t>(handle), label);
}

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

void file_handle::sync_and_close() {
  if (!::FlushFileBuffers(as_handle(native_)) || !::CloseHandle(as_handle(std::exchange(native_, closed)))) {
    throw file_write_error(describe_system_error(name_, ::GetLastError()));
  }
}

std::uint64_t this_process_number() { return ::GetCurrentProcessId(); }

std::optional<std::string> replace_file(const std::string& from, const std::string& to) {
  if (::MoveFileExW(wide_file_name(from).c_str(), wide_file_name(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return std::nullopt;
  }
  return system_reason(::GetLastError());
}

bool file_exists(const std::string& path) {
  return ::GetFileAttributesW(wide_file_name(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> program_arguments(int, char**) {
  // The narrow arguments are in the ANSI code page, which cannot hold every name.
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(utf8_of(wide[i]));
  ::LocalFree(static_cast<void*>(wide));
  return arguments;
}

std::int64_t remove_file(const std::string& path) noexcept {
  try {
    return ::DeleteFileW(wide_file_name(path).c_str()) ? 0 : ::GetLastError();
  } catch (...) {  // no memory for the wide name: the file stays
    return ERROR_NOT_ENOUGH_MEMORY;
  }
}

// Interruptions. Windows calls the handler on a thread of its own. The
// lock keeps it out while the temporary file is made or renamed; the path
// and the flags are set before the file exists and cleared after it has gone.
namespace {

std::mutex disk_step;
std::array<wchar_t, 32768> pending_path{};
std::atomic<bool> armed{false};
std::atomic<bool> committed{false};

struct handled_event {
  DWORD event;
  const char* what;
  std::string report;
};
std::array<handled_event, 3> handled_events{{{CTRL_C_EVENT, "Ctrl+C", {}},
                                             {CTRL_BREAK_EVENT, "Ctrl+Break", {}},
                                             {CTRL_CLOSE_EVENT, "the console window closed", {}}}};

DWORD WINAPI write_report(void* event) {
  const std::string& report = static_cast<handled_event*>(event)->report;
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  return 0;
}

BOOL WINAPI on_console_event(DWORD event) {
  handled_event* const handled = std::ranges::find(handled_events, event, &handled_event::event);
  if (handled == handled_events.end()) return FALSE;
  const std::lock_guard lock(disk_step);
  if (committed.load()) ::ExitProcess(0);  // the roster has its name: the run did what it promised
  if (armed.load()) ::DeleteFileW(pending_path.data());
  // The report is tried on a thread of its own, so that a console that
  // takes no more output cannot hold the end for more than a moment.
  HANDLE writer = ::CreateThread(nullptr, 0, write_report, handled, 0, nullptr);
  if (writer != nullptr) ::WaitForSingleObject(writer, 200);
  ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

}  // namespace

void remove_on_interruption(const std::string& path) {
  armed.store(false);
  const std::wstring wide = wide_file_name(path);
  if (wide.empty() || wide.size() >= pending_path.size()) return;
  wide.copy(pending_path.data(), wide.size());
  pending_path[wide.size()] = L'\0';
  armed.store(true);
}

void end_quietly_on_interruption() { committed.store(true); }

void hold_interruptions_during(const std::function<void()>& step) {
  const std::lock_guard lock(disk_step);
  step();
}

// The console and the standard streams. These are the standard handles
// themselves, below the C runtime, so no text-mode translation ever
// touches a line end in either direction.
namespace {

bool is_a_console(DWORD which) {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(which), &mode) != 0;
}

// Typed at a console, input is read as the console's own UTF-16,
// whatever its code page; Ctrl+Z and Enter is the end of input there.
class console_source final : public byte_source {
 public:
  std::size_t read_some(char* buffer, std::size_t capacity) override {
    std::array<wchar_t, 2048> wide{};
    DWORD got = 0;
    if (finished_) return 0;
    const auto units = static_cast<DWORD>(std::min(wide.size(), capacity / sizeof(wchar_t)));
    if (!::ReadConsoleW(::GetStdHandle(STD_INPUT_HANDLE), wide.data(), units, &got, nullptr)) {
      throw file_read_error(describe_system_error("standard input", ::GetLastError()));
    }
    finished_ = got == 0 || wide[0] == L'\x1A';
    if (finished_) return 0;
    std::memcpy(buffer, wide.data(), got * sizeof(wchar_t));
    return got * sizeof(wchar_t);
  }

 private:
  bool finished_ = false;
};

// A console shows bytes in its own code page, so the program's UTF-8 goes
// to it as UTF-16; output to a file or a pipe stays UTF-8 bytes.
class console_sink final : public byte_sink {
 public:
  console_sink(DWORD which, std::string_view label) : handle_(::GetStdHandle(which)), label_(label) {}
  void write_all(std::string_view bytes) override {
    const std::wstring wide = widen(bytes, CP_UTF8);
    for (std::wstring_view rest = wide; !rest.empty();) {
      DWORD put = 0;
      if (!::WriteConsoleW(handle_, rest.data(), chunk(rest.size()), &put, nullptr) || put == 0) {
        throw file_write_error(describe_system_error(label_, put == 0 ? ERROR_WRITE_FAULT : ::GetLastError()));
      }
      rest.remove_prefix(put);
    }
  }

 private:
  HANDLE handle_;
  std::string label_;
};

file_handle borrowed(DWORD which, std::string_view label) {
  return {reinterpret_cast<std::intptr_t>(::GetStdHandle(which)), label, false};
}

}  // namespace

void start_platform() {
  for (handled_event& handled : handled_events) handled.report = report_text(error_names::interrupted, handled.what);
  ::SetConsoleCtrlHandler(on_console_event, TRUE);
}

byte_source& standard_input() {
  static file_handle piped = borrowed(STD_INPUT_HANDLE, "standard input");
  static console_source typed;
  static decoded_text text(
      is_a_console(STD_INPUT_HANDLE) ? static_cast<byte_source&>(typed) : piped, "standard input",
      is_a_console(STD_INPUT_HANDLE) ? decoded_text::start::utf16_little_endian : decoded_text::start::piped);
  return text;
}

byte_sink& standard_output() {
  static console_sink console(STD_OUTPUT_HANDLE, "standard output");
  static file_handle output = borrowed(STD_OUTPUT_HANDLE, "standard output");
  return is_a_console(STD_OUTPUT_HANDLE) ? static_cast<byte_sink&>(console) : output;
}

byte_sink& standard_error() {
  static console_sink console(STD_ERROR_HANDLE, "standard error");
  static file_handle error = borrowed(STD_ERROR_HANDLE, "standard error");
  return is_a_console(STD_ERROR_HANDLE) ? static_cast<byte_sink&>(console) : error;
}

bool console_window_of_its_own() {
  // A console made for this process alone lists only it; cmd, PowerShell
  // or a terminal that started it are attached too.
  std::array<DWORD, 2> processes{};
  return ::GetConsoleProcessList(processes.data(), static_cast<DWORD>(processes.size())) == 1 &&
         is_a_console(STD_INPUT_HANDLE);
}

// The clock: FILETIME counts 100 ns ticks since 1601-01-01.
namespace {

constexpr std::int64_t ticks_per_second = 10'000'000;
constexpr std::int64_t ticks_before_1970 = 116'444'736'000'000'000;

local_time local_time_of_ticks(std::int64_t ticks) {
  const auto bits = static_cast<std::uint64_t>(ticks);
  const FILETIME file_time{static_cast<DWORD>(bits & 0xFFFFFFFFU), static_cast<DWORD>(bits >> 32)};
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  // No zone given: the system's active zone and its daylight-saving rules.
  if (ticks < 0 || !::FileTimeToSystemTime(&file_time, &utc) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    throw clock_range_error("the clock's time has no local date");
  }
  // Zone offsets are whole minutes, so the fraction of the second carries over.
  return checked_local_time(local.wYear, local.wMonth, local.wDay,
                            (std::int64_t{local.wHour} * 60 + local.wMinute) * 60 + local.wSecond,
                            ticks % ticks_per_second * 100);
}

class win32_env final : public env {
 public:
  win32_env() {
    ::QueryPerformanceFrequency(&frequency_);
    // Windows' default timer turns a 1 ms sleep into about 15.6 ms; a
    // high-resolution timer, or else a 1 ms timer period for the run,
    // keeps a draw's pause close to what it asks for.
    timer_ = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (timer_ == nullptr) period_set_ = ::timeBeginPeriod(1) == TIMERR_NOERROR;
  }
  ~win32_env() override {
    if (timer_ != nullptr) ::CloseHandle(timer_);
    if (period_set_) ::timeEndPeriod(1);
  }

  local_time local_now() override {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = static_cast<std::int64_t>((std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime);
    return clock_.local_now(wall_time_of(ticks - ticks_before_1970, ticks_per_second), counter_in(1'000'000'000));
  }

  std::int64_t monotonic_nanoseconds() override { return counter_in(1'000'000'000); }

  void sleep_milliseconds(std::int64_t milliseconds) override {
    if (timer_ != nullptr) {
      LARGE_INTEGER due{};
      due.QuadPart = -milliseconds * 10'000;  // relative, in 100 ns units
      if (::SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
        ::WaitForSingleObject(timer_, INFINITE);
        return;
      }
    }
    ::Sleep(static_cast<DWORD>(milliseconds));
  }

  unsigned game_code_page() override { return game_code_page_of_ansi(::GetACP()); }

  std::string program_folder() override {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::string file = utf8_of(path);
    return file.substr(0, base_name_start(file));
  }

 private:
  // The performance counter in units of which `per_second` make a second.
  std::int64_t counter_in(std::int64_t per_second) const {
    LARGE_INTEGER count{};
    ::QueryPerformanceCounter(&count);
    return count.QuadPart / frequency_.QuadPart * per_second +
           count.QuadPart % frequency_.QuadPart * per_second / frequency_.QuadPart;
  }

  LARGE_INTEGER frequency_{};
  HANDLE timer_ = nullptr;
  bool period_set_ = false;
  synced_clock clock_{2'000'000'000};
};

}  // namespace

local_time local_time_at(std::int64_t seconds_since_1970, std::int64_t nanoseconds) {
  return local_time_of_ticks(seconds_since_1970 * ticks_per_second + ticks_before_1970 + nanoseconds / 100);
}

env& default_env() {
  static win32_env instance;
  return instance;
}

code_page_converter::~code_page_converter() = default;

bool code_page_converter::available() { return ::IsValidCodePage(code_page_) != 0; }

std::optional<std::string> code_page_converter::encode(std::string_view utf8) {
  const std::wstring wide = widen(utf8, CP_UTF8);
  const int size = static_cast<int>(wide.size());
  // No best-fit substitute: a character the code page lacks is a failure.
  BOOL used_default = FALSE;
  const int length =
      ::WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &used_default);
  if (length <= 0 || used_default) return std::nullopt;
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

std::optional<std::string> code_page_converter::decode(std::string_view bytes) {
  const int size = static_cast<int>(bytes.size());
  const int length = ::MultiByteToWideChar(code_page_, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(code_page_, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
  return utf8_of(wide);
}

std::string system_reason(std::int64_t code) {
  std::array<wchar_t, 512> text{};
  const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(code), 0, text.data(), text.size(), nullptr);
  std::string reason = utf8_of({text.data(), length});
  reason.erase(reason.find_last_not_of("\r\n.") + 1);
  if (reason.empty()) return "Windows error " + std::to_string(code);
  return reason;
}

}  // namespace vesk_mg
