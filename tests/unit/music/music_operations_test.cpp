#include "music/music_operations.h"

#include <gtest/gtest.h>

#include <functional>

#include "music_scene.h"

namespace kivo::music_test {
namespace {

using fake::AskedBox;
using fake::BoxKind;

class MusicOperations : public ::testing::Test {
 protected:
  MusicScene scene;
};

TEST_F(MusicOperations, TheFmSetSavedBesideOtherFilesInUseIsSwappedOnlyWhenTheUserSaysSo) {
  for (const bool yes : {false, true}) {
    MusicScene s;
    s.put(kEdition, Set::originals);
    s.put(kBackup, Set::fm);
    s.prompts.answer({yes});
    const int changes = s.fs.changing_calls();
    s.install();
    ASSERT_EQ(s.prompts.asked().size(), 1u);
    EXPECT_EQ(s.prompts.asked()[0].kind, BoxKind::confirm);
    EXPECT_NE(s.prompts.asked()[0].text.find(kMarkerFile), std::string::npos);
    if (yes) {
      EXPECT_TRUE(s.settled(Set::fm, Set::originals, 1));
    } else {
      EXPECT_EQ(s.fs.changing_calls(), changes);
      EXPECT_FALSE(s.fs.exists(kMarkerFile));
    }
  }
}

TEST_F(MusicOperations, AnOriginalTheEditionLacksStaysAbsentAfterARestoreButTheFmFileIsKept) {
  scene.put(kEdition, Set::originals);
  const std::string entry(replacement_list()[4]);
  scene.remove(kEdition + entry);
  scene.install();
  EXPECT_EQ(scene.fs.read(kEdition + entry), fm_of(entry));
  EXPECT_FALSE(scene.fs.exists(kBackup + entry));
  // The restore says which file in use has nothing to come back in its place,
  // and goes on only when told to.
  const int changes = scene.fs.changing_calls();
  scene.restore();
  ASSERT_EQ(scene.prompts.asked().size(), 1u);
  EXPECT_EQ(scene.prompts.asked()[0].kind, BoxKind::confirm);
  EXPECT_NE(scene.prompts.asked()[0].text.find(kEdition + entry + "\n"), std::string::npos);
  EXPECT_EQ(scene.fs.changing_calls(), changes);
  scene.prompts.answer({true});
  scene.restore();
  EXPECT_EQ(scene.prompts.asked().size(), 2u);
  EXPECT_FALSE(scene.fs.exists(kEdition + entry));
  EXPECT_EQ(scene.fs.read(kBackup + entry), fm_of(entry));
  EXPECT_EQ(scene.marker(), 2);
  scene.install();
  EXPECT_EQ(scene.fs.read(kEdition + entry), fm_of(entry));
  EXPECT_FALSE(scene.fs.exists(kBackup + entry));
}

// Each refusal says what is where and what the user can do, and none claims
// more than is true; nothing changes.
TEST_F(MusicOperations, RefusalsSayWhatIsWrongAndChangeNothing) {
  struct Case {
    const char* name;
    std::function<void(MusicScene&)> set_up;
    std::vector<std::string> says;
    std::vector<std::string> never_says;
  };
  const Case cases[] = {
      {"a swap without backup\\",
       [](MusicScene& s) {
         s.put(kEdition, Set::originals);
         s.set_marker(2);
       },
       {"backupフォルダが見つかりません。\n" + std::string(kBackup), "ファイルは何も変更していません"},
       {"FM音源版のファイルはbackupフォルダにあります"}},
      {"an unreadable change record",
       [](MusicScene& s) {
         s.put(kEdition, Set::originals);
         s.fs.add_file(kJournal, "\x82\xa0");
       },
       {kJournal, "この記録ファイルを削除して、もう一度ボタンを押して下さい"},
       {}},
      {"backup2\\ removed in the middle of a swap",
       [](MusicScene& s) {
         s.put(kEdition, Set::originals);
         s.put(kBackup, Set::none);
         s.set_marker(1);
         s.profiles.write_string(kJournal, "KIVOSWAP", "STATE", "swap 2 clear");
       },
       {"backup2フォルダが見つかりません", "ファイルは何も変更していません"},
       {"最後まで行いました"}},
      {"a file of another tool in backup\\",
       [](MusicScene& s) {
         s.put(kEdition, Set::originals);
         s.fs.add_file(kBackup + std::string(replacement_list()[5]), "EARLIER BACKUP");
       },
       {"backupフォルダに、使用中のファイルと内容の違うファイルがあります。\n" + std::string(kBackup) +
            std::string(replacement_list()[5]) + "\n",
        "ファイルは何も変更していません"},
       {}},
      {"an FM file missing on the CD",
       [](MusicScene& s) {
         s.put(kEdition, Set::originals);
         s.remove(kFmSource + std::string(replacement_list()[7]));
       },
       {kFmSource + std::string(replacement_list()[7])},
       {}},
      {"a leftover backup2\\ without a record",
       [](MusicScene& s) {
         s.put(kEdition, Set::originals);
         s.put(kBackup, Set::fm);
         s.put(kTemporary, Set::originals);
         s.set_marker(2);
       },
       {},
       {}},
      {"a shortcut to a folder without the edition's music folder",
       [](MusicScene& s) { s.point_shortcut_at("C:\\Tools\\Other.exe"); },
       {},
       {}},
      {"an edition path too long",
       [](MusicScene& s) {
         const std::string deep = "C:\\" + std::string(230, 'd') + "\\";
         s.point_shortcut_at(deep + "Kivo.exe");
         s.put(deep, Set::originals);
       },
       {},
       {}},
  };
  for (const Case& c : cases) {
    MusicScene s;
    c.set_up(s);
    const int changes = s.fs.changing_calls();
    s.install();
    ASSERT_EQ(s.prompts.asked().size(), 1u) << c.name;
    const AskedBox& box = s.prompts.asked()[0];
    EXPECT_EQ(box.kind, BoxKind::error) << c.name;
    for (const std::string& text : c.says)
      EXPECT_NE(box.text.find(text), std::string::npos) << c.name << text;
    for (const std::string& text : c.never_says) EXPECT_EQ(box.text.find(text), std::string::npos) << c.name;
    EXPECT_EQ(s.fs.changing_calls(), changes) << c.name;
  }
}

TEST_F(MusicOperations, AMarkerThatCannotBeWrittenIsWrittenByTheNextRun) {
  scene.put(kEdition, Set::originals);
  scene.install();
  scene.profiles.fail_write(win_error::access_denied, "kivomus");
  scene.restore();
  EXPECT_EQ(scene.prompts.asked().back().kind, BoxKind::error);
  EXPECT_EQ(scene.prompts.asked().back().text.rfind(std::string(kMarkerFile) + " に書き込めません\n", 0), 0u);
  EXPECT_EQ(scene.marker(), 1);
  EXPECT_TRUE(scene.fs.exists(kJournal));
  scene.restore();
  EXPECT_EQ(scene.prompts.asked().back().kind, BoxKind::information);
  EXPECT_TRUE(scene.settled(Set::originals, Set::fm, 2));
}

TEST_F(MusicOperations, ADeepProgramFolderBlocksOnlyWhatReadsTheCd) {
  const std::string deep = "Q:\\" + std::string(225, 'q') + "\\";
  scene.environment.program = deep + "kivo68i.exe";
  scene.fs.add_directory(deep);
  scene.put(kEdition, Set::originals);
  scene.install();
  EXPECT_EQ(scene.prompts.asked().back().kind, BoxKind::error);
  EXPECT_NE(scene.prompts.asked().back().text.find("長すぎる"), std::string::npos);
  EXPECT_EQ(scene.holds(kEdition), Set::originals);

  scene.put(kBackup, Set::fm);
  scene.set_marker(2);
  scene.install();
  EXPECT_TRUE(scene.settled(Set::fm, Set::originals, 1));
  scene.install();
  EXPECT_EQ(scene.prompts.asked().back(), (AskedBox{BoxKind::information, kAlreadyFmText}));
}

}  // namespace
}  // namespace kivo::music_test
