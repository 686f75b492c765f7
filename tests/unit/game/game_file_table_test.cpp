#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "file_tables.h"

namespace kivo {
namespace {

std::vector<std::string_view> split(std::string_view entry) {
  std::vector<std::string_view> parts;
  std::size_t start = 1;  // past the leading backslash
  while (start <= entry.size()) {
    const std::size_t end = std::min(entry.find('\\', start), entry.size());
    parts.push_back(entry.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool is_name_character(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

// An upper-case 8.3 name; folders have no extension.
bool is_short_name(std::string_view name, bool may_have_extension) {
  const std::size_t dot = name.find('.');
  const std::string_view base = name.substr(0, dot);
  const std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot + 1);
  if (base.empty() || base.size() > 8 || extension.size() > 3) return false;
  if (dot != std::string_view::npos && (!may_have_extension || extension.empty())) return false;
  for (const std::string_view part : {base, extension})
    for (const char c : part)
      if (!is_name_character(c)) return false;
  return true;
}

struct Group {
  std::string folder;  // "" for the top level, "\GRAPH\BG" otherwise
  std::vector<std::string_view> names;
};

std::vector<Group> groups_of(std::span<const std::string_view> table) {
  std::vector<Group> groups;
  for (const std::string_view entry : table) {
    const std::size_t last = entry.rfind('\\');
    const std::string folder(entry.substr(0, last));
    if (groups.empty() || groups.back().folder != folder) groups.push_back({folder, {}});
    groups.back().names.push_back(entry.substr(last + 1));
  }
  return groups;
}

TEST(GameFileTable, EveryEntryIsAShortUpperCasePathOfAtMostThreeLevels) {
  const auto table = game_file_table();
  ASSERT_EQ(table.size(), 410u);
  for (const std::string_view entry : table) {
    SCOPED_TRACE(std::string(entry));
    ASSERT_FALSE(entry.empty());
    EXPECT_EQ(entry.front(), '\\');
    EXPECT_LE(entry.size(), 24u);
    const auto parts = split(entry);
    ASSERT_GE(parts.size(), 1u);
    EXPECT_LE(parts.size(), 3u);
    for (std::size_t i = 0; i < parts.size(); ++i)
      EXPECT_TRUE(is_short_name(parts[i], i + 1 == parts.size())) << parts[i];
  }
}

TEST(GameFileTable, GroupsHaveTheShippedSizesAndLevels) {
  const auto groups = groups_of(game_file_table());
  const std::vector<std::size_t> sizes = {6, 59, 11, 26, 49, 14, 64, 19, 14, 4, 7, 8, 17, 80, 32};
  ASSERT_EQ(groups.size(), sizes.size());
  for (std::size_t i = 0; i < groups.size(); ++i) EXPECT_EQ(groups[i].names.size(), sizes[i]) << i;

  EXPECT_EQ(groups[0].folder, "");
  // Groups 4 to 9 are the six subfolders of one first-level folder that holds
  // no files itself; every other group is a first-level folder.
  const std::string parent = groups[3].folder.substr(0, groups[3].folder.find('\\', 1));
  for (std::size_t i = 1; i < groups.size(); ++i) {
    const auto levels = split(groups[i].folder).size();
    if (i >= 3 && i <= 8) {
      EXPECT_EQ(levels, 2u) << groups[i].folder;
      EXPECT_EQ(groups[i].folder.rfind(parent + "\\", 0), 0u) << groups[i].folder;
    } else {
      EXPECT_EQ(levels, 1u) << groups[i].folder;
      EXPECT_NE(groups[i].folder, parent);
    }
  }
}

TEST(GameFileTable, FoldersAndNamesAreInAscendingByteOrder) {
  const auto groups = groups_of(game_file_table());
  for (std::size_t i = 2; i < groups.size(); ++i)
    EXPECT_LT(groups[i - 1].folder, groups[i].folder) << "group " << i + 1;
  for (const Group& group : groups)
    for (std::size_t i = 1; i < group.names.size(); ++i)
      EXPECT_LT(group.names[i - 1], group.names[i]) << group.folder;
  // Byte order puts "_" after every capital and "." before every letter and digit.
  static_assert(std::string_view("KIVOINST.X") < std::string_view("KIVO_CFG.X"));
  static_assert(std::string_view("KIVO.X") < std::string_view("KIVOINST.X"));
}

}  // namespace
}  // namespace kivo
