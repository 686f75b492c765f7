#pragma once
// The yardsticks of the benchmark, each over the same file list.

#include <span>
#include <string>
#include <string_view>

namespace bench {

// The run's file operations without its checks or its window: existence test,
// parent folders, copy to a temporary name, clear read-only, flush, size
// check, move into place.
void copy_through_temporary(std::span<const std::string_view> entries, const std::string& source_base,
                            const std::string& destination_base);

// What a copy that does not care about interruptions costs: CopyFileW only;
// with `flush`, also the flush of each copy, the one step of the safe copy
// that waits on the disk.
void copy_directly(std::span<const std::string_view> entries, const std::string& source_base,
                   const std::string& destination_base, bool flush = false);

// Creates every missing folder of `path`'s parent.
void create_parents(const std::wstring& path);

}  // namespace bench
