// env.hpp on Windows.
#include "platform/env.hpp"

#include <windows.h>
// windows.h first: the multimedia timer header builds on it.
#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <mutex>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vesk_mg {

const system_kind this_system = system_kind::windows;

namespace {

HANDLE as_handle(native_file file) { return reinterpret_cast<HANDLE>(file); }

// A console takes at most about 64 KiB in one call; files get the same.
DWORD chunk(std::size_t size) { return size > 0x10000 ? 0x10000 : static_cast<DWORD>(size); }

std::wstring widen(std::string_view text, unsigned code_page, DWORD flags = 0) {
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(code_page, flags, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  ::MultiByteToWideChar(code_page, flags, text.data(), size, wide.data(), length);
  return wide;
}

// The program holds names as UTF-8; one that is not is taken in the ANSI
// code page, as Windows' own narrow API would take it.
std::wstring wide_file_name(std::string_view name) {
  std::wstring wide = widen(name, CP_UTF8, MB_ERR_INVALID_CHARS);
  return wide.empty() ? widen(name, CP_ACP) : wide;
}

// `path` in a held folder, by the folder's own path as the system has it now.
std::wstring wide_path_in(native_file folder, const std::string& path) {
  if (folder == no_file) return wide_file_name(path);
  std::wstring held(32768, L'\0');
  held.resize(::GetFinalPathNameByHandleW(as_handle(folder), held.data(), 32768, FILE_NAME_NORMALIZED));
  return held + L"\\" + wide_file_name(path);
}

std::string utf8_of(std::wstring_view wide) {
  const int size = static_cast<int>(wide.size());
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

system_code last_error_unless(bool succeeded) { return succeeded ? 0 : ::GetLastError(); }

// The handle made, or the system's reason why none was.
system_code made(HANDLE handle, native_file& made_file) {
  if (handle == INVALID_HANDLE_VALUE) return ::GetLastError();
  made_file = reinterpret_cast<native_file>(handle);
  return 0;
}

}  // namespace

std::string system_reason(system_code code) {
  std::array<wchar_t, 512> text{};
  const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(code), 0, text.data(), text.size(), nullptr);
  std::string reason = utf8_of({text.data(), length});
  reason.erase(reason.find_last_not_of("\r\n.") + 1);
  return reason.empty() ? "Windows error " + std::to_string(code) : reason;
}

system_code open_folder(const std::string& path, native_file& folder) {
  // Shared for reading and writing but not for deletion: no one moves or removes it while it is held.
  return made(
      ::CreateFileW(wide_file_name(path.empty() ? "." : path).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr),
      folder);
}

system_code open_file(native_file folder, const std::string& path, file_access access, native_file& file,
                      std::uint32_t) {
  // A file that another program holds is a sharing violation when it is to
  // be written; a new file is shared for deletion, so that an interruption
  // can remove it while it is open.
  constexpr std::array<DWORD, 3> rights{GENERIC_READ, GENERIC_WRITE, GENERIC_WRITE};
  constexpr std::array<DWORD, 3> sharing{FILE_SHARE_READ | FILE_SHARE_WRITE, 0, FILE_SHARE_READ | FILE_SHARE_DELETE};
  const auto index = static_cast<std::size_t>(access);
  return made(::CreateFileW(wide_path_in(folder, path).c_str(), rights.at(index), sharing.at(index), nullptr,
                            access == file_access::create ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
              file);
}

// Devices such as CON or NUL open too; only a file on disk is a file.
system_code facts_of(native_file file, file_facts& facts) {
  facts = {::GetFileType(as_handle(file)) == FILE_TYPE_DISK ? 0 : ERROR_ACCESS_DENIED};
  return 0;
}

system_code facts_at(native_file folder, const std::string& path, file_facts& facts, bool) {
  const DWORD attributes = ::GetFileAttributesW(wide_path_in(folder, path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return ::GetLastError();
  facts = {(attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? ERROR_ACCESS_DENIED : 0};
  return 0;
}

// Windows keeps no mode bits, and a new file is the user's own.
system_code give_facts(native_file, const file_facts&) { return 0; }

system_code read_file(native_file file, char* buffer, std::size_t capacity, std::size_t& got) {
  static bool console_finished = false;
  DWORD mode = 0;
  DWORD read = 0;
  got = 0;
  if (::GetConsoleMode(as_handle(file), &mode)) {
    std::array<wchar_t, 2048> wide{};
    const auto room = static_cast<DWORD>(std::min(wide.size(), capacity / sizeof(wchar_t)));
    if (console_finished) return 0;
    if (!::ReadConsoleW(as_handle(file), wide.data(), room, &read, nullptr)) return ::GetLastError();
    console_finished = read == 0 || wide[0] == L'\x1A';
    got = console_finished ? 0 : read * sizeof(wchar_t);
    std::copy_n(reinterpret_cast<const char*>(wide.data()), got, buffer);
    return 0;
  }
  const DWORD code = ::ReadFile(as_handle(file), buffer, chunk(capacity), &read, nullptr) ? 0 : ::GetLastError();
  got = read;
  return code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF ? 0 : code;  // the writer has gone: the end
}

system_code write_file(native_file file, std::string_view bytes) {
  DWORD mode = 0;
  const bool console = ::GetConsoleMode(as_handle(file), &mode) != 0;
  const std::wstring wide = console ? widen(bytes, CP_UTF8) : std::wstring();
  const std::size_t unit = console ? sizeof(wchar_t) : 1;
  const char* next = console ? reinterpret_cast<const char*>(wide.data()) : bytes.data();
  for (std::size_t left = console ? wide.size() : bytes.size(); left > 0;) {
    DWORD put = 0;
    const bool written = console ? ::WriteConsoleW(as_handle(file), next, chunk(left), &put, nullptr)
                                 : ::WriteFile(as_handle(file), next, chunk(left), &put, nullptr);
    if (!written) return ::GetLastError();
    if (put == 0) return ERROR_WRITE_FAULT;  // nothing taken, and no reason given
    next += put * unit;
    left -= put;
  }
  return 0;
}

system_code sync_file(native_file file) { return last_error_unless(::FlushFileBuffers(as_handle(file))); }

system_code close_file(native_file file) { return last_error_unless(::CloseHandle(as_handle(file))); }

system_code rename_file(native_file folder, const std::string& from, const std::string& to) {
  return last_error_unless(::MoveFileExW(wide_path_in(folder, from).c_str(), wide_path_in(folder, to).c_str(),
                                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

system_code rename_keeping(native_file folder, const std::string& from, const std::string& to, bool& kept) {
  kept = false;
  const std::wstring replacement = wide_path_in(folder, from);
  const std::wstring backup = replacement + L".old";
  if (!::ReplaceFileW(wide_path_in(folder, to).c_str(), replacement.c_str(), backup.c_str(),
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
    return ::GetLastError();
  }
  kept = ::MoveFileExW(backup.c_str(), replacement.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
  return 0;
}

system_code rename_to_new(native_file folder, const std::string& from, const std::string& to) {
  return last_error_unless(
      ::MoveFileExW(wide_path_in(folder, from).c_str(), wide_path_in(folder, to).c_str(), MOVEFILE_WRITE_THROUGH));
}

system_code remove_file(native_file folder, const std::string& path) {
  return last_error_unless(::DeleteFileW(wide_path_in(folder, path).c_str()));
}

// The roster's own name is replaced, whatever it is.
system_code link_target(native_file, const std::string& path, std::string& target) {
  target = path;
  return 0;
}

std::uint64_t this_process_number() { return ::GetCurrentProcessId(); }

// The narrow arguments are in the ANSI code page, which cannot hold every name.
std::vector<std::string> program_arguments(int, char**) { return {utf8_of(::GetCommandLineW())}; }

std::string program_folder() {
  std::wstring path(32768, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return utf8_of(std::wstring_view(path).substr(0, path.find_last_of(L"\\/") + 1));
}

native_file standard_file(standard_stream stream) {
  constexpr std::array<DWORD, 3> handles{STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  return reinterpret_cast<native_file>(::GetStdHandle(handles.at(static_cast<std::size_t>(stream))));
}

bool is_console(standard_stream stream) {
  DWORD mode = 0;
  return ::GetConsoleMode(as_handle(standard_file(stream)), &mode) != 0;
}

bool console_window_of_its_own() {
  // A console made for this process alone lists only it; cmd, PowerShell
  // or a terminal that started it are attached too.
  std::array<DWORD, 2> processes{};
  return ::GetConsoleProcessList(processes.data(), static_cast<DWORD>(processes.size())) == 1 &&
         is_console(standard_stream::input);
}

// The clocks: FILETIME counts 100 ns ticks since 1601-01-01.
namespace {

constexpr std::int64_t ticks_per_second = 10'000'000;
constexpr std::int64_t ticks_before_1970 = 116'444'736'000'000'000;

}  // namespace

wall_time wall_clock() {
  FILETIME now{};
  ::GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = static_cast<std::int64_t>((std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime);
  // Whole seconds, down before 1970 too, and the 100 ns ticks beyond them.
  const std::chrono::duration<std::int64_t, std::ratio<1, ticks_per_second>> since_1970(ticks - ticks_before_1970);
  const auto seconds = std::chrono::floor<std::chrono::seconds>(since_1970);
  return {seconds.count(), (since_1970 - seconds).count() * 100};
}

std::int64_t monotonic_nanoseconds() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER counts{};
    ::QueryPerformanceFrequency(&counts);
    return counts;
  }();
  LARGE_INTEGER count{};
  ::QueryPerformanceCounter(&count);
  return count.QuadPart / frequency.QuadPart * 1'000'000'000 +
         count.QuadPart % frequency.QuadPart * 1'000'000'000 / frequency.QuadPart;
}

void sleep_milliseconds(std::int64_t milliseconds) {
  // Windows' default timer turns a 1 ms sleep into about 15.6 ms; a
  // high-resolution timer, or else a 1 ms timer period for the run, keeps a
  // draw's pause close to what it asks for.
  static HANDLE timer = [] {
    HANDLE made = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (made == nullptr) ::timeBeginPeriod(1);
    return made;
  }();
  LARGE_INTEGER due{};
  due.QuadPart = -milliseconds * 10'000;  // relative, in 100 ns units
  if (timer != nullptr && ::SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    ::WaitForSingleObject(timer, INFINITE);
  } else {
    ::Sleep(static_cast<DWORD>(milliseconds));
  }
}

bool local_date_at(std::int64_t seconds_since_1970, local_date& date) {
  std::int64_t ticks = 0;
  // A time too far off for FILETIME's 64 bits has no local date.
  if (__builtin_mul_overflow(seconds_since_1970, ticks_per_second, &ticks) ||
      __builtin_add_overflow(ticks, ticks_before_1970, &ticks)) {
    return false;
  }
  const auto bits = static_cast<std::uint64_t>(ticks);
  const FILETIME file_time{static_cast<DWORD>(bits & 0xFFFFFFFFU), static_cast<DWORD>(bits >> 32)};
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  // No zone given: the system's active zone and its daylight-saving rules.
  if (ticks < 0 || !::FileTimeToSystemTime(&file_time, &utc) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    return false;
  }
  date = {local.wYear, local.wMonth, local.wDay, (std::int64_t{local.wHour} * 60 + local.wMinute) * 60 + local.wSecond};
  return true;
}

unsigned ansi_code_page() { return ::GetACP(); }

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
  const std::wstring wide = widen(bytes, code_page_, MB_ERR_INVALID_CHARS);
  if (wide.empty()) return std::nullopt;
  return utf8_of(wide);
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

DWORD WINAPI write_the_report(void* event) {
  const std::string& report = static_cast<handled_event*>(event)->report;
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  return 0;
}

BOOL WINAPI on_console_event(DWORD event) {
  handled_event* const handled = std::ranges::find(handled_events, event, &handled_event::event);
  if (handled == handled_events.end()) return FALSE;
  const std::lock_guard lock(disk_step);
  if (armed.load()) ::DeleteFileW(pending_path.data());
  if (committed.load()) ::ExitProcess(0);
  // The report is tried on a thread of its own, so that a console that
  // takes no more output cannot hold the end for more than a moment.
  HANDLE writer = ::CreateThread(nullptr, 0, write_the_report, handled, 0, nullptr);
  if (writer != nullptr) ::WaitForSingleObject(writer, 200);
  ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

}  // namespace

void start_platform(const std::function<std::string(std::string_view)>& report_of) {
  for (handled_event& handled : handled_events) handled.report = report_of(handled.what);
  ::SetConsoleCtrlHandler(on_console_event, TRUE);
}

void remove_on_interruption(native_file folder, const std::string& path) {
  armed.store(false);
  const std::wstring wide = path.empty() ? std::wstring() : wide_path_in(folder, path);
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

}  // namespace vesk_mg
