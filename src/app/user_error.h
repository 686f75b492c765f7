#pragma once
// An error that ends the event handler in which it happened. The form layer
// catches it and shows its text in the application's standard error box; the
// program then carries on. It keeps its text itself: the library's own error
// classes would link in a second, copy-on-write string implementation.

#include <exception>
#include <string>
#include <utility>

namespace kivo {

class UserError : public std::exception {
 public:
  explicit UserError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace kivo
