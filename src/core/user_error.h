#pragma once
// An error that ends the event handler in which it happened. The form layer
// catches it and shows its text in the application's standard error box; the
// program then carries on. It carries the Windows error code of the call that
// failed, or 0 when the error is the program's own finding. It keeps its text
// itself: the library's own error classes would link in a second,
// copy-on-write string implementation.

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

namespace kivo {

class UserError : public std::exception {
 public:
  explicit UserError(std::string message, std::uint32_t code = 0)
      : message_(std::move(message)), code_(code) {}

  const char* what() const noexcept override { return message_.c_str(); }
  std::uint32_t code() const { return code_; }

 private:
  std::string message_;
  std::uint32_t code_;
};

}  // namespace kivo
