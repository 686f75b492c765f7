// demo_cd: makes a folder shaped like the game's CD, for trying the program and
// for the end-to-end tests. The files are our own stand-ins with realistic sizes.
//
//   demo_cd OUT_DIR KIVO68I_EXE   write the CD folder
//   demo_cd --list                print "relative-path<TAB>size" for every generated file
#include <cstdio>
#include <string_view>

#include "cd_layout.h"
#include "cd_writer.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--list") {
    for (const demo_cd::CdFile& file : demo_cd::cd_files())
      std::printf("%s\t%llu\n", file.relative_path.c_str(), static_cast<unsigned long long>(file.size));
    return 0;
  }
  if (argc != 3) {
    std::fprintf(stderr, "usage: demo_cd OUT_DIR KIVO68I_EXE | demo_cd --list\n");
    return 2;
  }
  const demo_cd::WriteResult result = demo_cd::write_cd(argv[1], argv[2]);
  if (!result.error.empty()) {
    std::fprintf(stderr, "demo_cd: %s\n", result.error.c_str());
    return 1;
  }
  std::printf("demo CD: %llu files, %llu bytes (%.1f MiB) in %s\n",
              static_cast<unsigned long long>(result.files), static_cast<unsigned long long>(result.bytes),
              static_cast<double>(result.bytes) / (1024.0 * 1024.0), argv[1]);
  return 0;
}
