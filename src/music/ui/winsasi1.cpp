#include "music/ui/winsasi1.h"

#include "music/music_operations.h"

namespace kivo {

using forms::Bounds;
using forms::Button;
using forms::Label;

Twinsasi1::Twinsasi1(Services& services)
    : Form({.name = "winsasi1",
            .caption = "kivo68i / KivoWin用おまけ",
            .left = 246,
            .top = 207,
            .width = 333,
            .height = 253,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      services_(services) {
  add<Label>(nullptr, "Label1", Bounds{8, 8}, "おまけモード：Windows版「Kivo」をお持ちの方へ")
      .set_font_pixels(13);
  add<Label>(nullptr, "Label2", Bounds{8, 32}, "このツールでは、お手持ちの「KivoWin」の音楽を、");
  add<Label>(nullptr, "Label3", Bounds{8, 48}, "X68000/X68030のFM 音源のものに差し替えることができます。");
  auto& install = add<Button>(nullptr, "Button1", Bounds{16, 64, 297, 25}, "FM音源版をインストールする", 0);
  auto& restore = add<Button>(nullptr, "Button2", Bounds{16, 96, 297, 25}, "オリジナルに戻す", 1);
  add<Label>(nullptr, "Label4", Bounds{8, 128}, "旧ファイルは自動バックアップしますので、変更後でも");
  add<Label>(nullptr, "Label5", Bounds{8, 144}, "入れ替えを行うことができます。");
  add<Label>(nullptr, "Label6", Bounds{8, 168}, "FM音源に変えたい場合は上のボタンを、");
  add<Label>(nullptr, "Label7", Bounds{8, 184}, "元からのファイルに変えたい場合は下のボタンを押して下さい。");
  auto& quit = add<Button>(nullptr, "Button3", Bounds{216, 208, 89, 25}, "終了", 2);
  install.OnClick = [this] { Button1Click(); };
  restore.OnClick = [this] { Button2Click(); };
  quit.OnClick = [this] { Button3Click(); };
}

void Twinsasi1::Button1Click() { install_fm_versions(services_, *progress_); }

void Twinsasi1::Button2Click() { restore_originals(services_, *progress_); }

void Twinsasi1::Button3Click() { close(); }

}  // namespace kivo
