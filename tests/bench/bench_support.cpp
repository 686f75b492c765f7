#include "bench_support.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "platform/prompts.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"

namespace bench {

namespace {

class SilentPrompts : public kivo::Prompts {
 public:
  bool confirm(const std::string&) override { return true; }
  void error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
  void warning(const std::string&) override {}
  void information(const std::string&) override {}
  void plain(const std::string&) override {}
};

ULONGLONG size_of(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return ~0ULL;
  return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void complain(const char* what, const std::wstring& path) {
  std::fprintf(stderr, "%s failed (%lu): %s\n", what, GetLastError(), kivo::narrow(path).c_str());
}

void create_parents(const std::wstring& path) {
  const auto last = path.find_last_of(L'\\');
  if (last == std::wstring::npos || last < 3) return;
  const std::wstring parent = path.substr(0, last);
  if (GetFileAttributesW(parent.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  create_parents(parent);
  CreateDirectoryW(parent.c_str(), nullptr);
}

void flush(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE || !FlushFileBuffers(file)) complain("FlushFileBuffers", path);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

// Calls `copy` with the source and destination of each entry.
template <typename Copy>
void for_each_file(const kivo::CopyRunRequest& request, Copy copy) {
  for (const std::string_view entry : request.entries)
    copy(kivo::widen(request.source_base + std::string(entry)),
         kivo::widen(request.destination_base + request.destination_suffix(entry)));
}

}  // namespace

void program_run(const kivo::CopyRunRequest& request, kivo::CopyRunView& view) {
  kivo::Win32FileSystem fs;
  SilentPrompts prompts;
  if (kivo::run_file_copy(request, fs, prompts, view) != kivo::CopyRunOutcome::finished)
    std::fprintf(stderr, "run stopped\n");
}

void copy_through_temporary(const kivo::CopyRunRequest& request) {
  for_each_file(request, [](const std::wstring& from, const std::wstring& to) {
    if (GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    create_parents(to);
    const std::wstring temporary = to.substr(0, to.find_last_of(L'\\') + 1) + L"~k68cpy.tmp";
    if (!CopyFileW(from.c_str(), temporary.c_str(), FALSE)) complain("CopyFileW", temporary);
    const DWORD attributes = GetFileAttributesW(temporary.c_str());
    if (attributes & FILE_ATTRIBUTE_READONLY)
      SetFileAttributesW(temporary.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    flush(temporary);
    if (size_of(from) != size_of(temporary)) complain("size check", temporary);
    if (!MoveFileExW(temporary.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) complain("MoveFileExW", to);
  });
}

void copy_directly(const kivo::CopyRunRequest& request, bool flushed) {
  for_each_file(request, [flushed](const std::wstring& from, const std::wstring& to) {
    create_parents(to);
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) complain("CopyFileW", to);
    if (!flushed) return;
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    flush(to);
  });
}

unsigned long long total_bytes(const kivo::CopyRunRequest& request) {
  unsigned long long bytes = 0;
  for_each_file(request, [&bytes](const std::wstring& from, const std::wstring&) { bytes += size_of(from); });
  return bytes;
}

std::string scratch_folder(const std::string& name) {
  const auto folder =
      std::filesystem::temp_directory_path() / (name + "_" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directory(folder);
  return kivo::narrow(folder.wstring());
}

// Read-only files included, as the CD's copies arrive.
void remove_tree(const std::string& folder) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kivo::widen(folder), ignored))
    SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(kivo::widen(folder), ignored);
}

std::vector<std::vector<double>> alternate(const std::vector<Contender>& contenders, int rounds) {
  const auto timed = [](const Contender& contender) {
    remove_tree(contender.folder);
    const auto start = std::chrono::steady_clock::now();
    contender.copy();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (const Contender& contender : contenders) timed(contender);
  std::vector<std::vector<double>> times(contenders.size());
  for (int round = 0; round < rounds; ++round)
    for (std::size_t k = 0; k < contenders.size(); ++k) {
      const std::size_t which = (round + k) % contenders.size();
      times[which].push_back(timed(contenders[which]));
    }
  for (const Contender& contender : contenders) remove_tree(contender.folder);
  return times;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double median_ratio(const std::vector<std::vector<double>>& times, std::size_t a, std::size_t b) {
  std::vector<double> ratios;
  for (std::size_t round = 0; round < times[a].size(); ++round)
    ratios.push_back(times[a][round] / times[b][round]);
  return median(ratios);
}

bool read_arguments(int argc, wchar_t** argv, const char* usage, std::string& cd, int& rounds) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s\n", usage);
    return false;
  }
  cd = kivo::narrow(argv[1]);
  rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 15;
  return true;
}

}  // namespace bench
