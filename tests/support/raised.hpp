// Expecting a named error by its full name: what a piece of code raised,
// written as the end-of-run report names it.
#pragma once

#include <functional>
#include <string>

namespace vesk_mg::test_support {

// "FULL_NAME : message" for the named error `body` raised ("FULL_NAME"
// alone when the message is empty), or "nothing raised".
std::string raised_by(const std::function<void()>& body);

}  // namespace vesk_mg::test_support
