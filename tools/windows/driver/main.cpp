// kivodrv: drives the program's windows from the outside as a user would, one
// command per run, for the end-to-end scenarios. Prints "ok: ..." on stdout or
// "FAIL: ..." on stderr and exits 0 (done / holds), 1 (failed) or 2 (misuse).
#include <windows.h>

#include <cwchar>

#include "commands.h"
#include "text.h"

namespace {

using kivodrv::Command;

std::vector<const Command*> all_commands() {
  std::vector<const Command*> all;
  for (const auto* group : {&kivodrv::window_commands(), &kivodrv::input_commands(),
                            &kivodrv::message_box_commands(), &kivodrv::process_commands()})
    for (const Command& command : *group) all.push_back(&command);
  return all;
}

int usage() {
  kivodrv::print_error(
      L"usage: kivodrv [--timeout SECONDS] [--ready FILE] COMMAND ARGS...\n"
      L"W is the code name or caption of a top-level window, W.C a control in it\n"
      L"(by code name, else by its text). Checks wait up to the timeout (default 20 s).\n"
      L"--ready makes FILE once the command runs, for a caller that has started it in\n"
      L"the background and must not act before it watches.");
  for (const Command* command : all_commands())
    kivodrv::print_error(std::wstring(L"  ") + command->name + L" " + command->usage);
  return 2;
}

}  // namespace

const Command* kivodrv::find_command(const std::wstring& name) {
  for (const Command* command : all_commands())
    if (name == command->name) return command;
  return nullptr;
}

int wmain(int argc, wchar_t** argv) {
  SetProcessDPIAware();
  unsigned timeout_ms = 20000;
  const wchar_t* ready_file = nullptr;
  int next = 1;
  for (; next + 1 < argc; next += 2) {
    if (std::wcscmp(argv[next], L"--timeout") == 0)
      timeout_ms = static_cast<unsigned>(_wtof(argv[next + 1]) * 1000);
    else if (std::wcscmp(argv[next], L"--ready") == 0)
      ready_file = argv[next + 1];
    else
      break;
  }
  if (next >= argc) return usage();
  const std::wstring name = argv[next];
  const kivodrv::Args args(argv + next + 1, argv + argc);
  const Command* command = kivodrv::find_command(name);
  if (!command) {
    kivodrv::print_error(L"FAIL: unknown command " + name);
    return usage();
  }
  if (args.size() < command->min_args || args.size() > command->max_args) return usage();
  if (ready_file)
    CloseHandle(
        CreateFileW(ready_file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  const kivodrv::Outcome outcome = command->run(args, timeout_ms);
  if (outcome.ok) {
    kivodrv::print_line(L"ok: " + outcome.line);
    return 0;
  }
  kivodrv::print_error(L"FAIL: " + name + L": " + outcome.line);
  return 1;
}
