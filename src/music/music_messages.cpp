#include "music/music_messages.h"

#include "platform/file_ops.h"

namespace kivo {

namespace {

constexpr const char* kFmSet = "FM音源版のファイル";
constexpr const char* kOriginalSet = "元のファイル（Win版のオリジナル）";

// Swap to marker 1 brings the FM versions into use; to 2 the originals.
const char* set_in_use_after(std::int32_t target) { return target == 1 ? kFmSet : kOriginalSet; }
const char* set_in_use_before(std::int32_t target) { return target == 1 ? kOriginalSet : kFmSet; }

const char* action_text(StepAction action) {
  switch (action) {
    case StepAction::create_folder:
      return "フォルダを作成できませんでした";
    case StepAction::back_up:
      return "バックアップのコピーに失敗しました";
    case StepAction::copy:
      return "ファイルのコピーに失敗しました";
    case StepAction::verify:
      return "コピーしたファイルの確認に失敗しました";
    case StepAction::delete_file:
      return "ファイルを削除できませんでした";
    case StepAction::remove_folder:
      return "フォルダを削除できませんでした";
    case StepAction::rename_folder:
      return "フォルダの名前を変更できませんでした";
    case StepAction::record:
      return "記録ファイルに書き込めませんでした";
  }
  return "";
}

std::string reason_text(FileSystem& fs, std::uint32_t code) {
  switch (code) {
    case music_error::contents_differ:
      return "コピーしたファイルの内容が元のファイルと一致しません。";
    case music_error::not_saved:
      return "このファイルの控えが確認できないため、上書き・削除をしませんでした。";
    case music_error::source_missing:
      return "CD-ROMにこのファイルが見つかりません。";
    case music_error::no_backup_folder:
      return "backupフォルダが見つかりません。";
    case music_error::backup_differs:
      return "backupフォルダのこのファイルは、使用中のファイルと内容が違います。";
    default:
      return trimmed_error_text(fs, code);
  }
}

constexpr const char* kTryAgain =
    "原因を取り除いてから、もう一度どちらかのボタンを押すと、続きから最後まで行います。";

std::string first_installation_text(const ChangeReport& report, const std::string& cause) {
  switch (report.end) {
    case ChangeEnd::not_started:
      if (report.failure.code == music_error::backup_differs)
        return "backupフォルダに、使用中のファイルと内容の違うファイルがあります。\n" + report.failure.path +
               "\n\nこのままインストールすると元のファイルが失われるおそれがあるため、"
               "FM音源版のインストールを中止しました。ファイルは何も変更していません。\n"
               "backupフォルダのこのファイルを別の場所に移してから、もう一度お試し下さい。";
      if (report.failure.code == music_error::source_missing)
        return "CD-ROMの「sashikae」フォルダにFM音源版のファイルがそろっていません。\n" +
               report.failure.path +
               "\n\nCD-ROMを入れてから、もう一度お試し下さい。ファイルは何も変更していません。";
      return cause + "\n\nファイルは何も変更していません。";
    case ChangeEnd::undone:
      return cause +
             "\n\n元のファイルのバックアップができなかったため、FM音源版のインストールを中止しました。"
             "Kivoのフォルダのファイルは何も置き換えていません。";
    default:
      break;
  }
  if (report.phase == ChangePhase::marker)
    return cause +
           "\n\nFM音源版のインストールは終わっています。元のファイルはbackupフォルダにあります。"
           "状態の記録だけができませんでした。もう一度どちらかのボタンを押すと、記録を書き直します。";
  if (report.phase == ChangePhase::backup)
    return cause + "\n\nKivoのフォルダのファイルは何も置き換えていません。";
  return cause +
         "\n\nFM音源版のインストールを途中で中止しました。置き換えた元のファイルはすべてbackupフォルダに"
         "保存されています（Kivoのフォルダでは、FM音源版と元のファイルが混ざっています）。\n" +
         kTryAgain + "（CD-ROMが必要です）";
}

std::string swap_text(std::int32_t target, const ChangeReport& report, const std::string& cause) {
  const std::string before = set_in_use_before(target);
  const std::string after = set_in_use_after(target);
  if (report.failure.code == music_error::no_backup_folder)
    return "backupフォルダが見つかりません。\n" + report.failure.path +
           "\n\n入れ替えを行いませんでした。ファイルは何も変更していません"
           "（使用中のファイルはそのままです）。backupフォルダを元の場所に戻してから、もう一度お試し下さい。";
  if (report.failure.code == music_error::temporary_missing)
    return "前回中断されたファイルの入れ替えを続けられません。\n入れ替えの途中でファイルを保存していた"
           "backup2フォルダが見つかりません。\n" +
           report.failure.path +
           "\n\nファイルは何も変更していません。backup2フォルダを（ごみ箱などから）元の場所に戻してから、"
           "もう一度どちらかのボタンを押して下さい。";
  switch (report.end) {
    case ChangeEnd::not_started:
    case ChangeEnd::undone:
      return cause + "\n\n入れ替えを中止しました。ファイルは何も変更していません。" + before +
             "はKivoのフォルダに、" + after + "はbackupフォルダにあります。";
    case ChangeEnd::rename_blocked:
      return "backup2フォルダの名前をbackupに変更できませんでした。\n\n" + after +
             "はKivoのフォルダで使われています。" + before +
             "はbackup2フォルダにあります。backupフォルダに残っているファイルを別の場所に移してから、"
             "もう一度どちらかのボタンを押して下さい。";
    default:
      break;
  }
  switch (report.phase) {
    case ChangePhase::save:
      return cause + "\n\n入れ替えを中止しました。" + before + "はKivoのフォルダに、" + after +
             "はbackupフォルダにあります。途中で作ったbackup2フォルダは、次にボタンを押したときに片付けます"
             "。";
    case ChangePhase::restore:
      return cause + "\n\n入れ替えを途中で中止しました。" + before + "はbackup2フォルダに、" + after +
             "はbackupフォルダに、どちらも欠けずにあります（Kivoのフォルダでは両方が混ざっています）。\n" +
             kTryAgain;
    case ChangePhase::clear:
    case ChangePhase::rename:
      return cause + "\n\n入れ替えを途中で中止しました。" + after + "はKivoのフォルダに、" + before +
             "はbackup2フォルダにあります（backupフォルダには" + after + "の一部が残っています）。\n" +
             kTryAgain;
    default:
      return cause + "\n\nファイルの入れ替えは終わっています。" + after + "はKivoのフォルダに、" + before +
             "はbackupフォルダにあります。状態の記録だけができませんでした。もう一度どちらかのボタンを押すと"
             "、"
             "記録を書き直します。";
  }
}

}  // namespace

std::string failure_text(FileSystem& fs, const StepFailure& failure) {
  if (failure.code == music_error::marker_unwritable) return failure.path + " に書き込めません";
  return std::string(action_text(failure.action)) + "。\n" + failure.path + "\n" +
         reason_text(fs, failure.code);
}

std::string change_report_text(FileSystem& fs, ChangeKind kind, std::int32_t target,
                               const ChangeReport& report) {
  const std::string cause = failure_text(fs, report.failure);
  return kind == ChangeKind::first_installation ? first_installation_text(report, cause)
                                                : swap_text(target, report, cause);
}

std::string completed_text(ChangeKind kind, std::int32_t target) {
  if (kind == ChangeKind::first_installation)
    return "前回中断されたFM音源版のインストールを最後まで行いました。\n元のファイルはbackupフォルダにありま"
           "す。";
  return std::string("前回中断されたファイルの入れ替えを最後まで行いました。\n現在は") +
         set_in_use_after(target) + "が使われています。" + set_in_use_before(target) +
         "はbackupフォルダにあります。";
}

std::string with_edition_folder(const std::string& text, const std::string& edition) {
  return text + "\n\nKivoのフォルダ：" + edition;
}

std::string path_too_long_text(const std::string& longest) {
  return "Kivoのフォルダのパスが長すぎるため、ファイルを入れ替えられません。\n" + longest +
         "\n\nファイルは何も変更していません。";
}

std::string no_music_folder_text(const std::string& music) {
  return "Kivoのフォルダにmp3フォルダが見つかりません。\n" + music +
         "\n\nFM音源版のインストールを中止しました。ファイルは何も変更していません。";
}

std::string leftover_temporary_text(const std::string& temporary) {
  return "backup2フォルダが残っています。\n" + temporary +
         "\n\nこのフォルダには、以前の入れ替えで保存したファイルが入っている可能性があるため"
         "、入れ替えを行いません。"
         "backupフォルダの中身を確認して別の場所に移してから、もう一度ボタンを押して下さい。"
         "ファイルは何も変更していません。";
}

std::string unreadable_journal_text(const std::string& journal) {
  return "前回の入れ替えの記録ファイルが読めません。\n" + journal +
         "\n\nファイルは何も変更していません。この記録ファイルは入れ替えの途中にだけ作られるものです。"
         "Kivoのフォルダ、backupフォルダ、backup2フォルダのファイルを確認し、必要なファイルを別の場所に"
         "控えてから、この記録ファイルを削除して、もう一度ボタンを押して下さい。";
}

std::string backups_only_record_text(const std::string& failure) {
  return failure + "\n\nKivoのフォルダのファイルは何も置き換えていません。";
}

std::string marker_lost_question(const std::string& marker) {
  return "backupフォルダにFM音源版のファイルがそろっていて、Kivoのフォルダでは別のファイル（元のファイル）"
         "が使われています。「オリジナルに戻す」の後で、状態の記録\n" +
         marker +
         "\nが失われたと考えられます。\n\nbackupフォルダのFM音源版と使用中のファイルを入れ替えますか？\n"
         "（「いいえ」を選ぶと、ファイルは何も変更しません。）";
}

std::string unsaved_files_question(const std::vector<std::string>& unsaved) {
  // Five names are enough to recognise the set; the rest are counted.
  std::string list;
  for (std::size_t i = 0; i < unsaved.size() && i < 5; ++i) list += unsaved[i] + "\n";
  if (unsaved.size() > 5) list += "ほか" + std::to_string(unsaved.size() - 5) + "個\n";
  return "backupフォルダに、次のファイルに代わるファイルがありません。\n" + list +
         "\nこのまま入れ替えると、これらのファイルはbackupフォルダに移り、"
         "Kivoのフォルダからはなくなります。\n"
         "入れ替えますか？（「いいえ」を選ぶと、ファイルは何も変更しません。）";
}

}  // namespace kivo
