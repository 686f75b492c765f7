#pragma once
// An error that ends the event handler in which it happened. The form layer
// catches it and shows its text in the application's standard error box; the
// program then carries on. It carries the Windows error code of the call that
// failed, or 0 when the error is the program's own finding.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kivo {

class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message, std::uint32_t code = 0)
      : std::runtime_error(message), code_(code) {}

  std::uint32_t code() const { return code_; }

 private:
  std::uint32_t code_;
};

}  // namespace kivo
