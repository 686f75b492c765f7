#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "file_tables.h"

namespace kivo {
namespace {

// Runs of entries in one folder, in table order; "" is the top level.
struct Group {
  std::string folder;
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
  // Upper-case 8.3 names; folders have no extension.
  const std::regex short_path(R"((\\[A-Z0-9_]{1,8}){0,2}\\[A-Z0-9_]{1,8}(\.[A-Z0-9_]{1,3})?)");
  const auto table = game_file_table();
  ASSERT_EQ(table.size(), 410u);
  for (const std::string_view entry : table) {
    EXPECT_TRUE(std::regex_match(entry.begin(), entry.end(), short_path)) << entry;
    EXPECT_LE(entry.size(), 24u) << entry;
  }
}

TEST(GameFileTable, GroupsHaveTheShippedSizesAndLevelsInAscendingByteOrder) {
  const auto groups = groups_of(game_file_table());
  const std::vector<std::size_t> sizes = {6, 59, 11, 26, 49, 14, 64, 19, 14, 4, 7, 8, 17, 80, 32};
  ASSERT_EQ(groups.size(), sizes.size());
  EXPECT_EQ(groups[0].folder, "");
  // Groups 4 to 9 are the six subfolders of one first-level folder that holds
  // no files itself; every other group is a first-level folder.
  const std::string parent = groups[3].folder.substr(0, groups[3].folder.find('\\', 1));
  for (std::size_t i = 0; i < groups.size(); ++i) {
    SCOPED_TRACE(groups[i].folder);
    EXPECT_EQ(groups[i].names.size(), sizes[i]);
    EXPECT_TRUE(std::is_sorted(groups[i].names.begin(), groups[i].names.end()));
    if (i == 0) continue;
    EXPECT_LT(groups[i - 1].folder, groups[i].folder);
    const bool in_parent = i >= 3 && i <= 8;
    EXPECT_EQ(std::count(groups[i].folder.begin(), groups[i].folder.end(), '\\'), in_parent ? 2 : 1);
    EXPECT_EQ(groups[i].folder.rfind(parent + "\\", 0) == 0, in_parent);
  }
  // Byte order puts "_" after every capital and "." before every letter and digit.
  static_assert(std::string_view("KIVOINST.X") < std::string_view("KIVO_CFG.X"));
  static_assert(std::string_view("KIVO.X") < std::string_view("KIVOINST.X"));
}

}  // namespace
}  // namespace kivo
