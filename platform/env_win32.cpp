#include <windows.h>
// windows.h first: the multimedia timer header builds on it.
#include <mmsystem.h>

#include "platform/code_page.hpp"
#include "platform/env.hpp"
#include "platform/local_time.hpp"
#include "platform/synced_clock.hpp"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vesk_mg {

namespace {

std::int64_t read_wall_clock() {
  FILETIME now{};
  ::GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = static_cast<std::int64_t>((std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime);
  const std::int64_t since_epoch = ticks - epoch_in_filetime;
  std::int64_t seconds = since_epoch / filetime_ticks_per_second;
  std::int64_t rest = since_epoch % filetime_ticks_per_second;
  if (rest < 0) {
    rest += filetime_ticks_per_second;
    --seconds;
  }
  return vesk_mg::wall_nanoseconds(seconds, rest * 100);
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
  win32_env(const win32_env&) = delete;
  win32_env& operator=(const win32_env&) = delete;
  ~win32_env() override {
    if (timer_ != nullptr) ::CloseHandle(timer_);
    if (period_set_) ::timeEndPeriod(1);
  }

  local_time local_now() override { return to_local_time(clock_.now(read_wall_clock(), monotonic_nanoseconds())); }

  std::int64_t monotonic_nanoseconds() override {
    LARGE_INTEGER count{};
    ::QueryPerformanceCounter(&count);
    const std::int64_t whole = count.QuadPart / frequency_.QuadPart;
    const std::int64_t part = count.QuadPart % frequency_.QuadPart;
    return whole * 1'000'000'000 + part * 1'000'000'000 / frequency_.QuadPart;
  }

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

 private:
  LARGE_INTEGER frequency_{};
  HANDLE timer_ = nullptr;
  bool period_set_ = false;
  synced_clock clock_;
};

}  // namespace

env& default_env() {
  static win32_env instance;
  return instance;
}

}  // namespace vesk_mg
