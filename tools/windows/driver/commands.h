#pragma once
// The driver's commands. Each checks or does one thing a user would, waiting
// (by polling) up to the timeout where the program may still be on its way.

#include <string>
#include <vector>

namespace kivodrv {

struct Outcome {
  bool ok = true;
  std::wstring line;  // what was found or done, or why the check failed
};

inline Outcome pass(std::wstring line) { return {true, std::move(line)}; }
inline Outcome fail(std::wstring line) { return {false, std::move(line)}; }

using Args = std::vector<std::wstring>;

// Now and then a click goes astray while the program takes the pointer's X
// events late (under qemu, or on a busy machine). A press whose effect does
// not show within kEffectMs is made again, at most kPresses times in all.
constexpr int kPresses = 3;
constexpr unsigned kEffectMs = 10000;

struct Command {
  const wchar_t* name;
  size_t min_args;
  size_t max_args;
  const wchar_t* usage;
  Outcome (*run)(const Args& args, unsigned timeout_ms);
};

// Each group of commands, in the order they are listed in the help text.
const std::vector<Command>& window_commands();
const std::vector<Command>& input_commands();
const std::vector<Command>& message_box_commands();
const std::vector<Command>& process_commands();

// The command of that name in any group, or nullptr.
const Command* find_command(const std::wstring& name);

}  // namespace kivodrv
