// Expecting a named error by its full name: what a piece of code raised,
// written as the end-of-run report names it.
#pragma once

#include <functional>
#include <string>

#include "platform/errors.hpp"

namespace vesk_mg::test_support {

// "FULL_NAME : message" for the named error `body` raised ("FULL_NAME"
// alone when the message is empty), or "nothing raised".
inline std::string raised_by(const std::function<void()>& body) {
  try {
    body();
  } catch (const named_error& error) {
    return error.message().empty() ? error.full_name() : error.full_name() + " : " + error.message();
  }
  return "nothing raised";
}

}  // namespace vesk_mg::test_support
