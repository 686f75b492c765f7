#pragma once
// A machine for the chooser tests: drives C (with C:\Winx68k), D (with a few
// folders), an empty CD drive E and the program's drive Q; the values the
// openers hand the choosers,
// the error boxes shown and the number of times a dialog closed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "choosers/chooser_services.h"
#include "choosers/drive_selector_model.h"
#include "choosers/folder_list_model.h"
#include "choosers/text_box.h"
#include "fake_drives.h"
#include "fake_file_system.h"
#include "fake_system.h"

namespace kivo {

// Named as the program names the values the choosers answer in.
struct Answers {
  std::string Win68instFolder;
  std::string KivoinstFolder;
  char PickedDrive = 0;
};

class ChooserTest : public ::testing::Test {
 protected:
  ChooserTest() {
    fs.add_directory("C:\\Winx68k");
    fs.add_directory("C:\\Program Files");
    fs.add_drive('D');
    fs.add_directory("D:\\games");  // parents made on the way keep upper-case names
    fs.add_directory("D:\\games\\old");
    fs.add_directory("D:\\emu");
    fs.add_drive('E', /*ready=*/false);  // a CD drive without a disc
    fs.add_drive('Q');
    fs.add_file("Q:\\kivo68i.exe", "MZ");
    drives.add('c');
    drives.add('d');
    drives.add('e', DriveKind::cd_rom);
    drives.add('q', DriveKind::cd_rom);
    drives.process_folder = "Q:\\";
  }

  ChooserServices services() {
    return ChooserServices{fs, env, [this](const std::string& m) { errors.push_back(m); },
                           [this] { ++closes; }};
  }

  fake::FakeFileSystem fs;
  fake::FakeDrives drives;
  fake::FakeEnvironment env;  // the program runs as Q:\kivo68i.exe
  Answers shared;
  std::vector<std::string> errors;
  int closes = 0;
};

}  // namespace kivo
