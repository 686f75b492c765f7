# A shell32.dll planted beside the program does not run; built without its
# narrowed DLL search the program runs it, so the check would see one. (The
# override asks Wine for the copy beside the program first, as Windows does.)
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
  WINEDLLOVERRIDES="shell32=n,b;mscoree,mshtml=" start_program "$folder\\$1" Form1
  drv click Form1.BtnManual
  drv idle Form1
}

press_manual_beside_planted kivo68i.exe
expect_opened_document "$folder\\index.htm"
ran=$(cd "$dir" && ls -- *.loaded 2>/dev/null)
[[ -z $ran ]] || scenario_fail "kivo68i.exe ran planted DLLs: $ran"
close_program

press_manual_beside_planted kivo68i_unrestricted.exe
[[ -f $dir/shell32.dll.loaded ]] ||
  scenario_fail "without the narrowed search the planted shell32.dll did not run either: this check shows nothing"
stop_program
