#pragma once
// Outcome of one call to the operating system, carried as a value so that the
// rules decide what the user is told and the test fakes can inject any failure.

#include <cstdint>

namespace kivo {

struct Status {
  std::uint32_t code = 0;  // a Windows error code; 0 means success

  constexpr bool ok() const { return code == 0; }
  constexpr bool failed() const { return code != 0; }
  static constexpr Status success() { return {}; }
  static constexpr Status error(std::uint32_t c) { return {c}; }
  friend constexpr bool operator==(Status, Status) = default;
};

// The Windows error codes the rules and the fakes speak of by name.
namespace win_error {
inline constexpr std::uint32_t file_not_found = 2;
inline constexpr std::uint32_t path_not_found = 3;
inline constexpr std::uint32_t access_denied = 5;
inline constexpr std::uint32_t invalid_handle = 6;
inline constexpr std::uint32_t not_ready = 21;
inline constexpr std::uint32_t write_fault = 29;
inline constexpr std::uint32_t read_fault = 30;
inline constexpr std::uint32_t sharing_violation = 32;
inline constexpr std::uint32_t handle_eof = 38;
inline constexpr std::uint32_t file_exists = 80;
inline constexpr std::uint32_t invalid_parameter = 87;
inline constexpr std::uint32_t disk_full = 112;
inline constexpr std::uint32_t invalid_name = 123;
inline constexpr std::uint32_t dir_not_empty = 145;
inline constexpr std::uint32_t already_exists = 183;
inline constexpr std::uint32_t filename_too_long = 206;
inline constexpr std::uint32_t not_found = 1168;
inline constexpr std::uint32_t unable_to_remove_replaced = 1175;
inline constexpr std::uint32_t unable_to_move_replacement = 1176;
inline constexpr std::uint32_t unable_to_move_replacement_2 = 1177;
}  // namespace win_error

// File attribute bits, as Windows defines them.
namespace file_attribute {
inline constexpr std::uint32_t read_only = 0x1;
inline constexpr std::uint32_t hidden = 0x2;
inline constexpr std::uint32_t system = 0x4;
inline constexpr std::uint32_t directory = 0x10;
inline constexpr std::uint32_t archive = 0x20;
inline constexpr std::uint32_t normal = 0x80;
}  // namespace file_attribute

}  // namespace kivo
