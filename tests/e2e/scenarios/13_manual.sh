# The manual button asks the shell to open the CD's index.htm; without the
# file nothing happens and nothing is shown.
forget_opened_documents
start_program
drv wait-window Form1
drv click Form1.BtnManual
opened=$(wait_opened_document)
e2e_note "the shell was asked to open: $opened"
[[ ${opened,,} == 'q:\index.htm' ]] || scenario_fail "opened '$opened', expected Q:\\index.htm"
drv expect-no-msgbox Form1
drv close Form1
expect_program_exit_code 0

# The same CD without its manual.
forget_opened_documents
mv "$KIVO_CD/index.htm" "$KIVO_STATE/index.htm.away"
trap 'mv "$KIVO_STATE/index.htm.away" "$KIVO_CD/index.htm"' EXIT
start_program
drv wait-window Form1
drv click Form1.BtnManual
drv idle Form1
drv expect-no-msgbox Form1
[[ -z $(opened_documents) ]] || scenario_fail "the shell was asked to open: $(opened_documents)"
e2e_note "ok: nothing was opened"
drv expect-enabled Form1
drv close Form1
expect_program_exit_code 0
