#include "app/ui/form1.h"

#include "app/manual.h"
#include "app/ui/resource_ids.h"

namespace kivo {

using forms::Bounds;
using forms::Button;
using forms::Label;
using forms::Picture;

TForm1::TForm1(Services& services, SharedValues& shared)
    : Form({.name = "Form1",
            .caption = "Kivorana X68000版",
            .left = 193,
            .top = 109,
            .width = 438,
            .height = 325,
            .size_is_client = false,
            .border = forms::Border::sizeable,
            .icon_resource = IDI_KIVO68I}),
      services_(services),
      shared_(shared) {
  add<Picture>(nullptr, "Image1", Bounds{8, 16, 185, 265}, IDB_ARTWORK);
  add<Label>(nullptr, "Label1", Bounds{208, 16}, "注意：このゲームをWindows上でプレイ");
  add<Label>(nullptr, "Label2", Bounds{208, 32}, "するためには、X68000エミュレータ");
  add<Label>(nullptr, "Label3", Bounds{208, 48}, "「WinX68k高速版」のインストールが");
  add<Label>(nullptr, "Label4", Bounds{208, 64}, "必要です。");
  auto& manual = add<Button>(nullptr, "BtnManual", Bounds{208, 96, 201, 25}, "マニュアル（HTML版）", 1);
  auto& emulator =
      add<Button>(nullptr, "BtnWin68inst", Bounds{208, 136, 201, 25}, "WinX68k高速版のインストール", 0);
  auto& game = add<Button>(nullptr, "BtnKivoinst", Bounds{208, 176, 201, 25}, "Kivo68版のインストール", 4);
  auto& bonus =
      add<Button>(nullptr, "BtnWinsasikae", Bounds{208, 216, 201, 25}, "おまけ（Win版Kivoユーザー用）", 3);
  auto& quit = add<Button>(nullptr, "BtnSyuuryou", Bounds{208, 256, 201, 25}, "終了", 2);
  manual.OnClick = [this] { BtnManualClick(); };
  emulator.OnClick = [this] { BtnWin68instClick(); };
  game.OnClick = [this] { BtnKivoinstClick(); };
  bonus.OnClick = [this] { BtnWinsasikaeClick(); };
  quit.OnClick = [this] { BtnSyuuryouClick(); };
  make_main_window();
}

void TForm1::BtnManualClick() { open_manual(services_.files, services_.shell, services_.environment); }

void TForm1::BtnWin68instClick() {
  shared_.Win68instFolder = kDefaultEmulatorFolder;
  foldersel1_->show_modal();
}

void TForm1::BtnKivoinstClick() {
  shared_.KivoinstFolder = kDefaultGameFolder;
  foldersel3_->show_modal();
}

void TForm1::BtnWinsasikaeClick() { winsasi1_->show(); }

void TForm1::BtnSyuuryouClick() { close(); }

}  // namespace kivo
