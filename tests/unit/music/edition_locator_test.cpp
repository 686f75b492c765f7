#include "music/edition_locator.h"

#include <gtest/gtest.h>

#include "core/user_error.h"
#include "music_scene.h"

namespace kivo::music_test {
namespace {

using fake::AskedBox;
using fake::BoxKind;

const AskedBox kNotDetected{BoxKind::information, "Kivoをこのマシン上に検出できませんでした。"};

std::optional<EditionLocation> locate(MusicScene& scene) {
  return locate_edition(scene.registry, scene.fs, scene.shell, scene.profiles, scene.prompts);
}

TEST(EditionLocator, NoShortcutOrNoProgramsValueMeansNotDetectedAndNothingTouched) {
  MusicScene scene;
  scene.registry.values.clear();
  const int changes = scene.fs.changing_calls();
  EXPECT_FALSE(locate(scene));
  scene.registry.set_text(kShellFoldersKey, "Programs", "C:\\Elsewhere");
  EXPECT_FALSE(locate(scene));
  EXPECT_EQ(scene.prompts.asked(), (std::vector<AskedBox>{kNotDetected, kNotDetected}));
  EXPECT_EQ(scene.fs.changing_calls(), changes);
}

TEST(EditionLocator, AProgramsValueOfTheWrongTypeEndsTheClickWithTheRegistryError) {
  MusicScene scene;
  scene.registry.values[std::string(kShellFoldersKey) + "|Programs"] =
      RegistryText{RegistryText::Kind::wrong_type, ""};
  try {
    locate(scene);
    FAIL();
  } catch (const UserError& e) {
    EXPECT_STREQ(e.what(), "'Programs' のデータ型が不正です");
  }
}

TEST(EditionLocator, AnUnreadableShortcutStopsWithTheNotDetectedInformation) {
  const std::pair<LinkReadResult, std::vector<AskedBox>> cases[] = {
      {LinkReadResult::no_link_object, {kNotDetected}},
      {LinkReadResult::load_failed, {{BoxKind::plain, "ショートカットがLoadできません"}, kNotDetected}},
      {LinkReadResult::get_failed, {{BoxKind::plain, "パスのGetに失敗しました"}, kNotDetected}},
  };
  for (const auto& [result, boxes] : cases) {
    MusicScene scene;
    scene.shell.read_result = result;
    EXPECT_FALSE(locate(scene));
    EXPECT_EQ(scene.prompts.asked(), boxes);
  }
}

TEST(EditionLocator, ATargetWithoutADriveIsNeverUsedAsARelativeFolder) {
  for (const char* target : {"", "Kivo.exe", "Games\\Kivo.exe", "\\Games\\Kivo.exe", "C:Kivo.exe"}) {
    MusicScene scene;
    scene.point_shortcut_at(target);
    EXPECT_FALSE(locate(scene)) << target;
    EXPECT_EQ(scene.prompts.asked(), std::vector<AskedBox>{kNotDetected}) << target;
  }
  MusicScene unc;
  unc.point_shortcut_at("\\\\srv\\games\\Kivo\\k.exe");
  EXPECT_EQ(locate(unc)->edition_folder, "\\\\srv\\games\\Kivo\\");
}

}  // namespace
}  // namespace kivo::music_test
