#include "tests/support/raised.hpp"

#include "platform/named_error.hpp"

namespace vesk_mg::test_support {

std::string raised_by(const std::function<void()>& body) {
  try {
    body();
  } catch (const named_error& error) {
    return error.message().empty() ? error.full_name() : error.full_name() + " : " + error.message();
  }
  return "nothing raised";
}

}  // namespace vesk_mg::test_support
