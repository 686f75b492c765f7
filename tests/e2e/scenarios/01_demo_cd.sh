# The demo CD as the program sees it: every file that demo_cd lists is on Q:
# with its size, and Windows shows each one read-only, as on a pressed CD.
listed=0
while IFS=$'\t' read -r path size; do
  [[ $(stat -c %s "$(unix_path "Q:\\$path")") == "$size" ]] || scenario_fail "Q:\\$path is not $size bytes"
  ((++listed))
done < <("$KIVO_DEMO_CD_TOOL" --list)
e2e_note "ok: $listed files on Q: with their listed sizes"

attributes=$(cd "$KIVO_CD" && wine cmd /c 'attrib /s Q:\*' | tr -d '\r')
files=$(grep -c 'Q:\\' <<<"$attributes")
writable=$(grep 'Q:\\' <<<"$attributes" | grep -v '^.....R' || true)
[[ -z $writable ]] || scenario_fail "not read-only under Wine: $writable"
((files == listed + 1)) || scenario_fail "attrib listed $files files, expected $((listed + 1))"
e2e_note "ok: Wine shows all $files files of Q: read-only"
