#include "core/profile_accessor.h"

#include "core/core_messages.h"
#include "core/user_error.h"

namespace kivo {

namespace {

std::optional<std::int32_t> parse_hex(std::string_view digits, bool negative) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  const auto result = static_cast<std::int32_t>(value);
  return negative ? static_cast<std::int32_t>(0u - value) : result;
}

std::optional<std::int32_t> parse_decimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i < text.size() && text[i] == '$') return parse_hex(text.substr(i + 1), negative);
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> parse_profile_integer(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return parse_hex(text.substr(2), false);
  return parse_decimal(text);
}

void ProfileAccessor::write_text(const std::string& section, const std::string& key,
                                 const std::string& value) {
  if (const Status written = store_.write_string(file_, section, key, value); written.failed())
    throw UserError(cannot_write_message(file_), written.code);
}

void ProfileAccessor::write_integer(const std::string& section, const std::string& key, std::int32_t value) {
  write_text(section, key, std::to_string(value));
}

std::string ProfileAccessor::read_text(const std::string& section, const std::string& key,
                                       const std::string& default_value) {
  return store_.read_string(file_, section, key, default_value);
}

std::int32_t ProfileAccessor::read_integer(const std::string& section, const std::string& key,
                                           std::int32_t default_value) {
  return parse_profile_integer(read_text(section, key, "")).value_or(default_value);
}

}  // namespace kivo
