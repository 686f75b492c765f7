# The harness itself: the driver finds named windows, clicks, types, reads
# texts, focus and geometry, and answers message boxes (on a stand-in window).
start_program 'C:\kivo-e2e\driver_target.exe' TargetForm
drv expect-hidden HiddenForm
drv expect-caption TargetForm "Driver target テスト"
drv expect-rect TargetForm 193 109 438 325
drv expect-rect TargetForm.BtnAsk 16 56 201 25
drv expect-focus TargetForm.BtnHello

drv click TargetForm.BtnHello
answer_msgbox OK 情報 $'こんにちは、世界。\nHello.'
drv expect-no-msgbox TargetForm

drv click TargetForm.BtnAsk
drv msgbox 続けますか
drv key Alt+Y
drv expect-text TargetForm.Label1 はい

drv type TargetForm.Edit1 'D:\ゲーム\KIVO'
drv expect-text TargetForm.Label1 'D:\ゲーム\KIVO'
drv expect-focus TargetForm.Edit1
drv key Tab
drv expect-focus TargetForm.BtnQuit
drv key Enter
expect_program_exit_code 7
