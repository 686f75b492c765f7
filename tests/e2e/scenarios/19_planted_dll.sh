# A DLL planted beside the program under the name of a system DLL that it
# loads by name (shell32.dll, which opens the manual) does not run: the program
# takes the system's copy and opens the manual. The same program built without
# its narrowed DLL search runs the planted copy, so the check would see one.
# Wine prefers its own DLLs; the override asks for the copy beside the program
# first, as Windows searches.
folder='C:\kivo-planted'
dir=$KIVO_E2E_PREFIX/drive_c/kivo-planted
rm -rf "$dir"
mkdir -p "$dir"
cp "$KIVO_PROGRAM_EXE" "$KIVO_BUILD_WIN64/tests/dll_planting/kivo68i_unrestricted.exe" "$KIVO_CD/index.htm" "$dir/"
cp "$KIVO_BUILD_WIN64/tests/dll_planting/planted.dll" "$dir/shell32.dll"
trap 'rm -rf "$dir"' EXIT

# Starts EXE from the planted folder and presses the manual button.
press_manual_beside_planted() {
  rm -f "$dir"/*.loaded
  forget_opened_documents
  WINEDLLOVERRIDES="shell32=n,b;mscoree,mshtml=" start_program "$folder\\$1"
  drv wait-window Form1
  drv click Form1.BtnManual
  drv idle Form1
}

press_manual_beside_planted kivo68i.exe
opened=$(wait_opened_document)
[[ ${opened,,} == "${folder,,}\\index.htm" ]] || scenario_fail "opened '$opened', expected $folder\\index.htm"
ran=$(cd "$dir" && ls -- *.loaded 2>/dev/null)
[[ -z $ran ]] || scenario_fail "kivo68i.exe ran planted DLLs: $ran"
e2e_note "ok: kivo68i.exe ran no planted DLL and opened the manual through the system's shell32.dll"
drv close Form1
expect_program_exit_code 0

press_manual_beside_planted kivo68i_unrestricted.exe
[[ -f $dir/shell32.dll.loaded ]] ||
  scenario_fail "without the narrowed search the planted shell32.dll did not run either: this check shows nothing"
e2e_note "ok: without the narrowed search the planted shell32.dll ran"
stop_program
