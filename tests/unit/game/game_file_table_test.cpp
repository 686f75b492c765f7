#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string_view>
#include <utility>

#include "file_tables.h"

namespace kivo {
namespace {

// The folder and the name of an entry; the top level's folder is "".
std::pair<std::string_view, std::string_view> folder_and_name(std::string_view entry) {
  const std::size_t last = entry.rfind('\\');
  return {entry.substr(0, last), entry.substr(last + 1)};
}

TEST(GameFileTable, ShortUpperCasePathsOfAtMostThreeLevelsFolderByFolderInByteOrder) {
  // Upper-case 8.3 names; folders have no extension.
  const std::regex short_path(R"((\\[A-Z0-9_]{1,8}){0,2}\\[A-Z0-9_]{1,8}(\.[A-Z0-9_]{1,3})?)");
  const auto table = game_file_table();
  ASSERT_EQ(table.size(), 410u);
  for (const std::string_view entry : table) {
    EXPECT_TRUE(std::regex_match(entry.begin(), entry.end(), short_path)) << entry;
    EXPECT_LE(entry.size(), 24u) << entry;
  }
  // Byte order puts "_" after every capital and "." before every letter and digit.
  EXPECT_TRUE(std::is_sorted(table.begin(), table.end(), [](std::string_view a, std::string_view b) {
    return folder_and_name(a) < folder_and_name(b);
  }));
}

}  // namespace
}  // namespace kivo
