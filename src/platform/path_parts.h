#pragma once
// Parts of Windows paths. Text is UTF-8, so no byte of a multi-byte character
// can be mistaken for a backslash (in Shift-JIS the trail byte of 表 is 0x5C;
// in UTF-8 every trail byte is 0x80 or above).

#include <cstddef>
#include <string>
#include <string_view>

namespace kivo {

// "C:" for "C:\x", "\\server\share" for "\\server\share\x", otherwise empty.
std::string drive_part(std::string_view path);
// First character of the drive part, or 0 when there is none.
char drive_letter(std::string_view path);
// Up to the last backslash or colon; the final backslash is dropped unless the
// character before it is a colon or another backslash ("C:\Winx68k\" -> "C:\Winx68k",
// "C:\Winx68k" -> "C:\", "C:\" -> "C:\").
std::string folder_part(std::string_view path);
// Everything up to and including the last backslash or colon ("D:\a\b.exe" -> "D:\a\").
std::string folder_with_separator(std::string_view path);
// The path without its one trailing backslash, when it has one ("C:\a\" -> "C:\a").
std::string without_trailing_backslash(std::string_view path);
// Everything up to and including the last backslash; empty when there is none.
std::string up_to_last_backslash(std::string_view path);
// An entry "\winx68k\WinX68kHighSpeed.exe" without its first character and
// without everything before its first remaining backslash: "\WinX68kHighSpeed.exe".
std::string flattened_name(std::string_view entry);

// Length in UTF-16 code units, which is what Windows counts in a path.
std::size_t utf16_length(std::string_view utf8);
// The longest path the installers build, in UTF-16 code units. Longer paths
// are refused with a message instead of being truncated.
inline constexpr std::size_t kMaxPathLength = 255;
bool path_fits(std::string_view path);
// What the Windows path functions accept without the long-path prefix, in
// UTF-16 code units, terminator excluded (MAX_PATH - 1).
inline constexpr std::size_t kLongestSystemPath = 259;

// ASCII-only case folding for comparing drive letters and paths as Windows does.
char to_lower_ascii(char c);
// 'A'-'Z' and 'a'-'z': what can name a drive.
bool is_ascii_letter(char c);
bool equals_ignoring_case(std::string_view a, std::string_view b);

}  // namespace kivo
