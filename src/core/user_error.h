#pragma once
// An error that ends the event handler in which it happened. The form layer
// catches it and shows its text in the application's standard error box; the
// program then carries on.

#include <stdexcept>
#include <string>

namespace kivo {

class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kivo
