#!/usr/bin/env bash
# The file-manager actions as installed: every file where its file manager
# looks, valid, for the RAR types of the desktop entry; and the "Extract Here"
# actions of Dolphin's service menu, run on two archives the way the file
# manager runs them, put each archive's content where the rule says.
#   test-file-manager-actions.sh CMAKE BUILD_DIR DATA_DIR
set -euo pipefail
cmake=$1 build=$2 data=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
share=$work/prefix/share
id=org.example.marrowick

mime=$(sed -n 's/^MimeType=//p' "$share/applications/$id.desktop")
[ -n "$mime" ] || fail "the desktop entry names no MIME types"
for file in \
    "$share/kio/servicemenus/$id.servicemenu.desktop" \
    "$share/kservices5/ServiceMenus/$id.servicemenu.desktop" \
    "$share/nemo/actions/marrowick-extract-here.nemo_action" \
    "$share/nemo/actions/marrowick-extract-subfolder.nemo_action" \
    "$share/file-manager/actions/$id.extract-here.desktop" \
    "$share/file-manager/actions/$id.extract-subfolder.desktop"; do
  [ -f "$file" ] || fail "not installed: ${file#"$work/prefix/"}"
  grep -qx "Mime[Tt]ypes\?=$mime" "$file" || fail "${file##*/}: not the MIME types $mime"
  grep -q '^Exec=marrowick' "$file" || fail "${file##*/}: no Exec line for the program"
done
# Dolphin's file is a desktop entry; the others have formats of their own
# (Nemo's [Nemo Action], FileManager-Actions' Type=Action with profiles).
desktop-file-validate "$share/kio/servicemenus/$id.servicemenu.desktop" ||
  fail "the service menu is not a valid desktop file"
grep -qx 'Profiles=rar;' "$share/file-manager/actions/$id.extract-here.desktop" &&
  grep -qx '\[X-Action-Profile rar\]' "$share/file-manager/actions/$id.extract-here.desktop" ||
  fail "the FileManager-Actions description has no profile"

# The Exec line of one action of the service menu, as KIO splits it, with %F
# given the files one argument each; run from / with the installed programs.
run_action() { # action file...
  local action=$1; shift
  local line
  line=$(sed -n "/^\[Desktop Action $action\]/,/^\[/s/^Exec=//p" \
    "$share/kio/servicemenus/$id.servicemenu.desktop")
  [ -n "$line" ] || fail "no action $action"
  local words=() word
  read -r -a words <<<"$line"
  local argv=()
  for word in "${words[@]}"; do
    if [ "$word" = "%F" ]; then argv+=("$@"); else argv+=("$word"); fi
  done
  (cd / && PATH="$work/prefix/bin:$PATH" "${argv[@]}" </dev/null)
}

here=$work/here
mkdir -p "$here/basic"
cp "$data/basic.rar" "$data/commented.rar" "$here/"
out=$(run_action extractHere "$here/basic.rar" "$here/commented.rar")
# Many entries: a new folder, past the one that was there; one file: itself.
[ -f "$here/basic (2)/docs/sub/deep.txt" ] || fail "basic.rar did not land in 'basic (2)'"
[ -z "$(ls -A "$here/basic")" ] || fail "the folder that was there changed"
[ "$(cat "$here/readme.txt")" = hello ] || fail "commented.rar's one file did not land beside it"
grep -qx "$here/basic.rar: extracted to $here/basic (2)" <<<"$out" || fail "no report for basic.rar: $out"
grep -qx "$here/commented.rar: extracted to $here/readme.txt" <<<"$out" || fail "no report for commented.rar: $out"

run_action extractHereSubfolder "$here/commented.rar" >/dev/null
[ "$(cat "$here/commented/readme.txt")" = hello ] || fail "the subfolder action made no 'commented' folder"
echo "file-manager actions: installed, valid, and Extract Here lands as it should"
