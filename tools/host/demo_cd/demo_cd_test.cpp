// The demo CD must hold what the program and the tests rely on: every table
// entry at its place, boot disks whose drive-letter bytes are not yet a letter,
// sizes that match the bytes, and the same bytes on every run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "cd_layout.h"
#include "cd_writer.h"
#include "file_contents.h"
#include "file_tables.h"

namespace demo_cd {
namespace {

namespace fs = std::filesystem;

TEST(DemoCdLayout, HoldsEveryTableEntryOnceAndTheManual) {
  std::set<std::string> paths;
  for (const CdFile& file : cd_files())
    EXPECT_TRUE(paths.insert(file.relative_path).second) << file.relative_path;
  EXPECT_TRUE(paths.count("index.htm"));
  EXPECT_TRUE(paths.count("autorun.inf"));
  EXPECT_TRUE(paths.count("kivo\\tools\\emu\\kivokidou.d88"));
  for (std::string_view entry : kivo::emulator_file_list())
    EXPECT_TRUE(paths.count("tools" + std::string(entry)));
  for (std::string_view entry : kivo::game_file_table())
    EXPECT_TRUE(paths.count("kivo" + std::string(entry)));
  for (std::string_view entry : kivo::replacement_list())
    EXPECT_TRUE(paths.count("sashikae\\" + std::string(entry)));
  EXPECT_EQ(paths.size(), 3 + kivo::emulator_file_list().size() + kivo::game_file_table().size() +
                              kivo::replacement_list().size());
}

TEST(DemoCdLayout, BootDisksAreFullImagesWithUnpatchedLetterBytes) {
  int disks = 0;
  for (const CdFile& file : cd_files()) {
    if (file.content != Content::boot_disk) continue;
    ++disks;
    const std::vector<std::uint8_t> bytes = contents_of(file);
    ASSERT_EQ(bytes.size(), kBootDiskSize);
    for (std::uint64_t position : kDriveLetterPositions) {
      const std::uint8_t value = bytes[position];
      EXPECT_FALSE((value >= 'A' && value <= 'Z') || (value >= 'a' && value <= 'z')) << position;
    }
  }
  EXPECT_EQ(disks, 2);  // the emulator's copy in tools\emu and the game's in kivo\tools\emu
}

TEST(DemoCdLayout, SizesAreRealisticAndContentsReproducible) {
  for (const CdFile& file : cd_files()) {
    const std::vector<std::uint8_t> bytes = contents_of(file);
    EXPECT_EQ(bytes.size(), file.size) << file.relative_path;
    if (file.content != Content::autorun) {
      EXPECT_GE(file.size, 1024u) << file.relative_path;
    }
    EXPECT_EQ(bytes, contents_of(file)) << file.relative_path;
  }
}

// AutoPlay reads the section and keys of a CD's top folder only, line by line.
TEST(DemoCdLayout, AutorunStartsTheProgramWithItsIconAndLabel) {
  EXPECT_EQ(autorun_inf(), "[autorun]\r\nopen=kivo68i.exe\r\nicon=kivo68i.exe,0\r\nlabel=KIVO68\r\n");
}

TEST(DemoCdWriter, WritesReadOnlyFilesAndRefusesAFolderInUse) {
  const fs::path folder =
      fs::temp_directory_path() / ("demo_cd_test_" + std::to_string(std::random_device{}()));
  fs::remove_all(folder);
  const fs::path program = folder.string() + ".exe";
  std::ofstream(program) << "MZ";
  const WriteResult written = write_cd(folder, program);
  ASSERT_EQ(written.error, "");
  EXPECT_EQ(written.files, cd_files().size() + 1);
  for (const CdFile& file : cd_files()) {
    const fs::path path = host_path(folder, file.relative_path);
    EXPECT_EQ(fs::file_size(path), file.size) << path;
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read)
        << path;
  }
  EXPECT_NE(write_cd(folder, program).error, "");
  fs::remove_all(folder);
  fs::remove(program);
}

}  // namespace
}  // namespace demo_cd
