#include <iconv.h>

#include <string>

#include "platform/code_page.hpp"

namespace vesk_mg {

namespace {

// One converter, kept for the run: every name goes into the same code page.
class converter {
 public:
  converter() = default;
  converter(const converter&) = delete;
  converter& operator=(const converter&) = delete;
  ~converter() { close(); }

  // The converter from UTF-8 to `code_page`, or nothing when the system has none.
  std::optional<iconv_t> to(unsigned code_page) {
    if (code_page != code_page_) {
      close();
      code_page_ = code_page;
      handle_ = ::iconv_open(("CP" + std::to_string(code_page)).c_str(), "UTF-8");
    }
    if (handle_ == none) return std::nullopt;
    return handle_;
  }

 private:
  void close() {
    if (handle_ != none) ::iconv_close(handle_);
    handle_ = none;
  }

  static inline const auto none = reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
  unsigned code_page_ = 0;
  iconv_t handle_ = none;
};

}  // namespace

std::optional<std::string> in_code_page(std::string_view utf8, unsigned code_page) {
  static converter cache;
  const std::optional<iconv_t> handle = cache.to(code_page);
  if (!handle) return std::nullopt;
  ::iconv(*handle, nullptr, nullptr, nullptr, nullptr);
  // No code page takes more bytes for a character than UTF-8 does.
  std::string text(utf8.size() + 8, '\0');
  char* in = const_cast<char*>(utf8.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast): iconv reads only
  std::size_t in_left = utf8.size();
  char* out = text.data();
  std::size_t out_left = text.size();
  const std::size_t irreversible = ::iconv(*handle, &in, &in_left, &out, &out_left);
  // A character replaced by a look-alike counts as irreversible: no best fit.
  if (irreversible != 0 || ::iconv(*handle, nullptr, nullptr, &out, &out_left) != 0) return std::nullopt;
  text.resize(text.size() - out_left);
  return text;
}

}  // namespace vesk_mg
