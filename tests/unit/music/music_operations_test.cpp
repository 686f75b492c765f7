#include <gtest/gtest.h>

#include <functional>

#include "core/user_error.h"
#include "music/swap_journal.h"
#include "music_scene.h"

namespace kivo::music_test {
namespace {

using fake::AskedBox;
using fake::BoxKind;

class MusicOperations : public ::testing::Test, protected MusicScene {
 protected:
  // The one box the last press showed, and that it changed nothing.
  void expect_only(BoxKind kind, int changes_before) {
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].kind, kind);
    EXPECT_EQ(fs.changing_calls(), changes_before);
  }
  bool says(const std::string& text) const {
    return prompts.asked().back().text.find(text) != std::string::npos;
  }
};

TEST_F(MusicOperations, TheFmSetSavedBesideOtherFilesInUseIsSwappedOnlyWhenTheUserSaysSo) {
  put(kBackup, Set::fm);
  prompts.answer({false, true});
  const int changes = fs.changing_calls();
  install();
  expect_only(BoxKind::confirm, changes);
  EXPECT_TRUE(says(kMarkerFile));
  EXPECT_FALSE(fs.exists(kMarkerFile));
  install();
  ASSERT_EQ(prompts.asked().size(), 2u);
  EXPECT_EQ(prompts.asked()[1], prompts.asked()[0]);
  EXPECT_TRUE(settled(Set::fm, Set::originals, 1));
}

TEST_F(MusicOperations, AnOriginalTheEditionLacksStaysAbsentAfterARestoreButTheFmFileIsKept) {
  const std::string entry(replacement_list()[4]);
  remove(at(kEdition, entry));
  install();
  EXPECT_EQ(fs.read(at(kEdition, entry)), fm_of(entry));
  EXPECT_FALSE(fs.exists(at(kBackup, entry)));
  // The restore says which file in use has nothing to come back in its place,
  // and goes on only when told to.
  const int changes = fs.changing_calls();
  restore();
  expect_only(BoxKind::confirm, changes);
  EXPECT_TRUE(says(at(kEdition, entry) + "\n"));
  prompts.answer({true});
  restore();
  EXPECT_EQ(prompts.asked().size(), 2u);
  EXPECT_FALSE(fs.exists(at(kEdition, entry)));
  EXPECT_EQ(fs.read(at(kBackup, entry)), fm_of(entry));
  EXPECT_EQ(marker(), 2);
  install();
  EXPECT_EQ(fs.read(at(kEdition, entry)), fm_of(entry));
  EXPECT_FALSE(fs.exists(at(kBackup, entry)));
}

// Each refusal says what is where and what the user can do, and none claims
// more than is true; nothing changes.
TEST(MusicRefusals, SayWhatIsWrongAndChangeNothing) {
  const std::string unchanged = "ファイルは何も変更していません";
  const std::string deep = "C:\\" + std::string(230, 'd') + "\\";
  const struct {
    std::function<void(MusicScene&)> set_up;
    std::vector<std::string> says = {};
    std::string never_says = {};
  } cases[] = {
      {[](MusicScene& s) { s.set_marker(2); },  // a swap without the backup folder
       {"backupフォルダが見つかりません。\n" + std::string(kBackup), unchanged},
       "FM音源版のファイルはbackupフォルダにあります"},
      {[](MusicScene& s) { s.fs.add_file(kJournal, "\x82\xa0"); },
       {kJournal, "この記録ファイルを削除して、もう一度ボタンを押して下さい"}},
      {[](MusicScene& s) {  // the temporary folder removed in the middle of a swap
         s.put(kBackup, Set::none);
         s.set_marker(1);
         s.profiles.write_string(kJournal, "KIVOSWAP", "STATE", "swap 2 clear");
       },
       {"backup2フォルダが見つかりません", unchanged},
       "最後まで行いました"},
      {[](MusicScene& s) { s.fs.add_file(nth(kBackup, 5), "EARLIER BACKUP"); },
       {"backupフォルダに、使用中のファイルと内容の違うファイルがあります。\n" + nth(kBackup, 5) + "\n",
        unchanged}},
      {[](MusicScene& s) { s.remove(nth(kFmSource, 7)); }, {nth(kFmSource, 7)}},
      {[](MusicScene& s) {  // a leftover temporary folder without a record
        s.put(kBackup, Set::fm);
        s.put(kTemporary, Set::originals);
        s.set_marker(2);
      }},
      {[](MusicScene& s) { s.point_shortcut_at("C:\\Tools\\Other.exe"); }},
      {[&](MusicScene& s) {  // an edition path too long
        s.point_shortcut_at(deep + "Kivo.exe");
        s.put(deep, Set::originals);
      }},
  };
  for (const auto& c : cases) {
    MusicScene s;
    c.set_up(s);
    const int changes = s.fs.changing_calls();
    s.install();
    const std::string where = "case " + std::to_string(&c - cases);
    ASSERT_EQ(s.prompts.asked().size(), 1u) << where;
    const AskedBox& box = s.prompts.asked()[0];
    EXPECT_EQ(box.kind, BoxKind::error) << where;
    for (const std::string& text : c.says) EXPECT_NE(box.text.find(text), std::string::npos) << where << text;
    EXPECT_TRUE(c.never_says.empty() || box.text.find(c.never_says) == std::string::npos) << where;
    EXPECT_EQ(s.fs.changing_calls(), changes) << where;
  }
}

TEST_F(MusicOperations, AMarkerThatCannotBeWrittenIsWrittenByTheNextRun) {
  install();
  profiles.fail_write(win_error::access_denied, "kivomus");
  restore();
  EXPECT_EQ(prompts.asked().back().kind, BoxKind::error);
  EXPECT_EQ(prompts.asked().back().text.rfind(std::string(kMarkerFile) + " に書き込めません\n", 0), 0u);
  EXPECT_EQ(marker(), 1);
  EXPECT_TRUE(fs.exists(kJournal));
  restore();
  EXPECT_EQ(prompts.asked().back().kind, BoxKind::information);
  EXPECT_TRUE(settled(Set::originals, Set::fm, 2));
}

TEST_F(MusicOperations, ADeepProgramFolderBlocksOnlyWhatReadsTheCd) {
  const std::string deep = "Q:\\" + std::string(225, 'q') + "\\";
  environment.program = deep + "kivo68i.exe";
  fs.add_directory(deep);
  install();
  EXPECT_EQ(prompts.asked().back().kind, BoxKind::error);
  EXPECT_TRUE(says("長すぎる"));
  EXPECT_EQ(holds(kEdition), Set::originals);

  put(kBackup, Set::fm);
  set_marker(2);
  install();
  EXPECT_TRUE(settled(Set::fm, Set::originals, 1));
  install();
  EXPECT_EQ(prompts.asked().back(), (AskedBox{BoxKind::information, kAlreadyFmText}));
}

// No Programs value, no shortcut, an unreadable one or one whose target names
// no drive: not detected, with the reason when the shortcut gave one, and
// nothing touched. Never a relative folder.
TEST(EditionLocator, WithoutAUsableShortcutTheEditionIsNotDetected) {
  const AskedBox not_detected{BoxKind::information, "Kivoをこのマシン上に検出できませんでした。"};
  std::vector<std::pair<std::function<void(MusicScene&)>, std::vector<AskedBox>>> cases = {
      {[](MusicScene& s) { s.registry.values.clear(); }, {not_detected}},
      {[](MusicScene& s) { s.registry.set_text(kShellFoldersKey, "Programs", "C:\\Elsewhere"); },
       {not_detected}},
      {[](MusicScene& s) { s.shell.read_result = LinkReadResult::no_link_object; }, {not_detected}},
      {[](MusicScene& s) { s.shell.read_result = LinkReadResult::load_failed; },
       {{BoxKind::plain, "ショートカットがLoadできません"}, not_detected}},
      {[](MusicScene& s) { s.shell.read_result = LinkReadResult::get_failed; },
       {{BoxKind::plain, "パスのGetに失敗しました"}, not_detected}},
  };
  for (const char* target : {"", "Kivo.exe", "Games\\Kivo.exe", "\\Games\\Kivo.exe", "C:Kivo.exe"})
    cases.push_back({[target](MusicScene& s) { s.point_shortcut_at(target); }, {not_detected}});
  for (const auto& [set_up, boxes] : cases) {
    SCOPED_TRACE(boxes.size() == 2 ? boxes[0].text : "");
    MusicScene s;
    set_up(s);
    const int changes = s.fs.changing_calls();
    EXPECT_FALSE(locate_edition(s.registry, s.fs, s.shell, s.profiles, s.prompts));
    EXPECT_EQ(s.prompts.asked(), boxes);
    EXPECT_EQ(s.fs.changing_calls(), changes);
  }
  MusicScene s;
  s.point_shortcut_at("\\\\srv\\games\\Kivo\\k.exe");
  EXPECT_EQ(locate_edition(s.registry, s.fs, s.shell, s.profiles, s.prompts)->edition_folder,
            "\\\\srv\\games\\Kivo\\");
  s.registry.values[std::string(kShellFoldersKey) + "|Programs"] =
      RegistryText{RegistryText::Kind::wrong_type, ""};
  try {
    locate_edition(s.registry, s.fs, s.shell, s.profiles, s.prompts);
    FAIL();
  } catch (const UserError& e) {
    EXPECT_STREQ(e.what(), "'Programs' のデータ型が不正です");
  }
}

TEST(SwapJournal, EveryStateRoundTripsAndForeignTextIsRejected) {
  for (const JournalState state : {JournalState{ChangeKind::first_installation, 1, ChangePhase::install},
                                   JournalState{ChangeKind::swap, 2, ChangePhase::rename},
                                   JournalState{ChangeKind::swap, 1, ChangePhase::marker}})
    EXPECT_EQ(parse_journal_text(journal_text(state)), state);
  for (const char* bad : {"", "swap", "swap 2", "swap 3 save", "first 1 save", "swap 2 install",
                          "swap 2 save x", "move 1 save"})
    EXPECT_FALSE(parse_journal_text(bad)) << bad;
}

}  // namespace
}  // namespace kivo::music_test
