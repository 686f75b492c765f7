# The manual button asks the shell to open the CD's index.htm; without the
# file nothing happens and nothing is shown.
forget_opened_documents
start_main_window
drv click Form1.BtnManual
opened=$(wait_opened_document)
[[ ${opened,,} == 'q:\index.htm' ]] || scenario_fail "opened '$opened', expected Q:\\index.htm"
drv expect-no-msgbox Form1
close_program

forget_opened_documents
mv "$KIVO_CD/index.htm" "$KIVO_STATE/index.htm.away"
trap 'mv "$KIVO_STATE/index.htm.away" "$KIVO_CD/index.htm"' EXIT
start_main_window
drv click Form1.BtnManual
drv expect-no-msgbox Form1
[[ -z $(opened_documents) ]] || scenario_fail "the shell was asked to open: $(opened_documents)"
drv expect-enabled Form1
close_program
