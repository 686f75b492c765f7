#include "music/music_operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "music_scene.h"

namespace kivo::music_test {
namespace {

using fake::AskedBox;
using fake::BoxKind;

// The paths of the replaced files, folder after folder.
std::vector<std::string> paths_in(std::initializer_list<const char*> folders) {
  std::vector<std::string> paths;
  for (const char* folder : folders)
    for (const std::string_view entry : replacement_list()) paths.push_back(folder + std::string(entry));
  return paths;
}

class MusicOperations : public ::testing::Test {
 protected:
  MusicScene scene;
};

TEST_F(MusicOperations, FirstInstallationSavesTheOriginalsAndShowsFortyPaths) {
  scene.put(kEdition, Set::originals);
  scene.install();
  EXPECT_TRUE(scene.settled(Set::fm, Set::originals, 1));
  EXPECT_TRUE(scene.prompts.asked().empty());
  EXPECT_EQ(scene.progress.events, (std::vector<std::string>{"begin", "end"}));
  EXPECT_EQ(scene.progress.steps, paths_in({kEdition, kFmSource}));
  for (const std::string& path : paths_in({kEdition}))
    EXPECT_EQ(*scene.fs.attributes_of(path) & file_attribute::read_only, 0u) << path;
}

// Marker 1 (install) or anything but 1 (restore) only says so; no marker file
// is made where there was none.
TEST_F(MusicOperations, TheMarkerDecidesWhatEachButtonDoes) {
  const AskedBox already{BoxKind::information, kAlreadyFmText};
  const AskedBox not_replaced{BoxKind::information, kNotReplacedText};
  for (const auto& [marker, install, box] :
       {std::tuple{1, true, already}, std::tuple{0, false, not_replaced}, std::tuple{2, false, not_replaced},
        std::tuple{7, false, not_replaced}, std::tuple{-1, false, not_replaced}}) {
    MusicScene s;
    s.put(kEdition, Set::fm);
    s.put(kBackup, Set::originals);
    if (marker >= 0) s.set_marker(marker);
    s.fs.add_drive('Q', false);
    const int changes = s.fs.changing_calls();
    install ? s.install() : s.restore();
    EXPECT_EQ(s.prompts.asked(), std::vector<AskedBox>{box}) << marker;
    EXPECT_EQ(s.fs.changing_calls(), changes) << marker;
    EXPECT_EQ(s.fs.exists(kMarkerFile), marker >= 0);
    EXPECT_EQ(s.marker(), std::max(marker, 0));
    EXPECT_TRUE(s.progress.events.empty());
  }
}

TEST_F(MusicOperations, RestoreAndInstallAlternateWithoutTheCd) {
  scene.put(kEdition, Set::originals);
  scene.install();
  scene.fs.add_drive('Q', false);
  for (int round = 0; round < 3; ++round) {
    scene.restore();
    ASSERT_TRUE(scene.settled(Set::originals, Set::fm, 2)) << round;
    EXPECT_EQ(scene.progress.steps.size(), 40u + 60u * (2 * round + 1));
    scene.install();
    ASSERT_TRUE(scene.settled(Set::fm, Set::originals, 1)) << round;
  }
  EXPECT_TRUE(scene.prompts.asked().empty());
  const auto last_swap =
      std::vector<std::string>(scene.progress.steps.end() - 60, scene.progress.steps.end());
  EXPECT_EQ(last_swap, paths_in({kEdition, kBackup, kBackup}));
}

// Starts an install finishes without a question: any marker but 0 and 1 reads
// as 2, copies in backup\ equal to the files in use count as saved, and a
// read-only original is saved before it is replaced (and comes back).
TEST_F(MusicOperations, InstallSettlesFromStatesThatNeedNoQuestion) {
  const std::function<void(MusicScene&)> starts[] = {
      [](MusicScene& s) {
        s.put(kBackup, Set::fm);
        s.set_marker(5);
      },
      [](MusicScene& s) {
        for (const std::size_t i : {0u, 5u, 19u})
          s.fs.add_file(kBackup + std::string(replacement_list()[i]), original_of(replacement_list()[i]));
      },
      [](MusicScene& s) {
        const std::string entry(replacement_list()[3]);
        s.fs.add_file(kEdition + entry, original_of(entry), file_attribute::read_only);
      },
  };
  for (const auto& start : starts) {
    MusicScene s;
    s.put(kEdition, Set::originals);
    start(s);
    s.install();
    EXPECT_TRUE(s.settled(Set::fm, Set::originals, 1));
    s.restore();
    EXPECT_TRUE(s.settled(Set::originals, Set::fm, 2));
    EXPECT_TRUE(s.prompts.asked().empty());
  }
}

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

TEST_F(MusicOperations, AForeignFileInBackupKeepsTheSavedSetInBackup2UntilItIsMoved) {
  scene.put(kEdition, Set::originals);
  scene.install();
  const std::string foreign = std::string(kBackup) + "mp3\\mine.txt";
  scene.fs.add_file(foreign, "user's own");
  scene.restore();
  const std::vector<std::string> folder_messages = {
      "backup2のmp3フォルダ削除に失敗", "backup2フォルダ削除に失敗", "backup2→backupフォルダリネームに失敗"};
  ASSERT_EQ(scene.prompts.asked().size(), 4u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(scene.prompts.asked()[i], (AskedBox{BoxKind::plain, folder_messages[i]}));
  EXPECT_EQ(scene.prompts.asked()[3].kind, BoxKind::warning);
  EXPECT_NE(scene.prompts.asked()[3].text.find("backup2フォルダにあります"), std::string::npos);
  EXPECT_EQ(scene.holds(kEdition), Set::originals);
  EXPECT_EQ(scene.holds(kTemporary), Set::fm);
  EXPECT_FALSE(scene.fs.exists(std::string(kBackup) + "movie"));
  EXPECT_EQ(scene.marker(), 1);

  // Either button now leads out of it and never overwrites backup2\.
  scene.install();
  EXPECT_EQ(scene.holds(kTemporary), Set::fm);
  EXPECT_EQ(scene.prompts.asked().back().kind, BoxKind::warning);

  scene.remove(foreign);
  scene.restore();
  EXPECT_EQ(scene.prompts.asked().back().kind, BoxKind::information);
  EXPECT_TRUE(scene.settled(Set::originals, Set::fm, 2));
}

TEST_F(MusicOperations, ALeftoverBackup2WithoutBackupFinishesTheEarlierRename) {
  // With backup\ gone the earlier rename is simply finished.
  scene.put(kEdition, Set::originals);
  scene.put(kTemporary, Set::fm);
  scene.set_marker(2);
  scene.restore();
  EXPECT_EQ(scene.prompts.asked().back().kind, BoxKind::information);
  EXPECT_TRUE(scene.settled(Set::originals, Set::fm, 2));
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
