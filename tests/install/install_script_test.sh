#!/usr/bin/env bash
# scripts/install and scripts/uninstall on a fake home with a fake Steam tree: what lands where,
# that a second install keeps the user's preferences and presets, that nothing is written
# outside the per-user folders, and what uninstalling leaves.
#   install_script_test.sh <source folder> <build folder>
set -euo pipefail
root=$1
build=$2

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-install-test.XXXXXX")
fail() {
  echo "FAIL: $*" >&2
  echo "(kept $tmp)" >&2
  exit 1
}
expect_file() { [ -f "$1" ] || fail "missing $1"; }
expect_gone() { [ ! -e "$1" ] || fail "still there: $1"; }
expect_line() { grep -qxF -- "$2" "$1" || { cat "$1" >&2; fail "$1 lacks the line: $2"; }; }

export HOME=$tmp/home
export XDG_DATA_HOME="$tmp/data home"
unset STEAM_DIR
mkdir -p "$HOME"

# The game in the Steam root, its prefix after the game has run once.
steam=$HOME/.local/share/Steam
game="$steam/steamapps/common/Fallout New Vegas"
settings=$steam/steamapps/compatdata/22380/pfx/drive_c/users/steamuser/Documents/My\ Games/FalloutNV
mkdir -p "$game" "$settings"
printf 'MZ' > "$game/FalloutNV.exe"
head -c 6000 /dev/zero | tr '\0' ';' > "$game/Fallout_default.ini"
printf '[General]\r\n' > "$settings/Fallout.ini"
printf '[Display]\r\n' > "$settings/FalloutPrefs.ini"
printf 'WINE REGISTRY Version 2\n' > "$steam/steamapps/compatdata/22380/pfx/user.reg"

marker=$tmp/marker
touch "$marker"
sleep 1  # so that anything written afterwards is newer than the marker

home=$XDG_DATA_HOME/quorvane
entry=$XDG_DATA_HOME/applications/quorvane.desktop

"$root/scripts/install" --build-dir "$build" > "$tmp/install.out" 2>&1 || { cat "$tmp/install.out"; fail "install failed"; }
[ -x "$home/quorvane" ] || fail "program not installed"
expect_file "$home/Data/Categories.ini"
expect_file "$home/quorvane.svg"
[ -d "$home/Presets" ] || fail "no Presets folder"
expect_file "$home/SetupInfo.ini"
expect_line "$home/SetupInfo.ini" "FO3InstallPath=$game/"$'\r'
expect_line "$home/SetupInfo.ini" "FO3INILocation=$steam/steamapps/compatdata/22380/pfx/drive_c/users/steamuser/"$'\r'
expect_line "$home/SetupInfo.ini" "SteamPath=$steam/"$'\r'
expect_file "$entry"
expect_line "$entry" "Path=$home"
expect_line "$entry" "Exec=\"$home/quorvane\""
expect_line "$entry" "Icon=$home/quorvane.svg"
grep -qF "Game: $game" "$tmp/install.out" || { cat "$tmp/install.out"; fail "not told where the game is"; }
if [ -d "$build/pictures/Data" ]; then
  expect_file "$home/Data/Readme/mainw.jpg"
fi

# The user's own files, and a file a newer catalogue no longer has.
printf '[Main]\r\nConfig1=mine\r\n' > "$home/QRZprefs.ini"
mkdir -p "$home/Presets/Evening"
printf '[General]\r\nmine=1\r\n' > "$home/Presets/Evening/Fallout.ini"
cp "$home/QRZprefs.ini" "$tmp/prefs.before"
cp "$home/Presets/Evening/Fallout.ini" "$tmp/preset.before"
touch "$home/Data/Retired.txt"

"$root/scripts/install" --build-dir "$build" > "$tmp/install2.out" 2>&1 || { cat "$tmp/install2.out"; fail "second install failed"; }
cmp -s "$home/QRZprefs.ini" "$tmp/prefs.before" || fail "QRZprefs.ini changed on re-install"
cmp -s "$home/Presets/Evening/Fallout.ini" "$tmp/preset.before" || fail "a preset changed on re-install"
expect_gone "$home/Data/Retired.txt"
expect_file "$home/Data/Categories.ini"

# Nothing written in the home folder besides the Steam tree (the data folder lies elsewhere).
stray=$(find "$HOME" -newer "$marker" ! -path "$steam" ! -path "$steam/*" ! -path "$HOME/.local" ! -path "$HOME/.local/share")
[ -z "$stray" ] || fail "written outside the per-user folders: $stray"
stray=$(find "$XDG_DATA_HOME" -newer "$marker" ! -path "$XDG_DATA_HOME" ! -path "$home" ! -path "$home/*" \
  ! -path "$XDG_DATA_HOME/applications" ! -path "$entry")
[ -z "$stray" ] || fail "unexpected files: $stray"

"$root/scripts/uninstall" > "$tmp/uninstall.out" 2>&1 || { cat "$tmp/uninstall.out"; fail "uninstall failed"; }
expect_gone "$home/quorvane"
expect_gone "$home/Data"
expect_gone "$home/SetupInfo.ini"
expect_gone "$home/quorvane.svg"
expect_gone "$entry"
cmp -s "$home/QRZprefs.ini" "$tmp/prefs.before" || fail "uninstall touched QRZprefs.ini"
cmp -s "$home/Presets/Evening/Fallout.ini" "$tmp/preset.before" || fail "uninstall touched a preset"

"$root/scripts/uninstall" --all > "$tmp/uninstall2.out" 2>&1 || { cat "$tmp/uninstall2.out"; fail "uninstall --all failed"; }
expect_gone "$home"

# Without XDG_DATA_HOME, the folder is ~/.local/share/quorvane; no game means no hints.
unset XDG_DATA_HOME
rm -rf "$steam"
"$root/scripts/install" --build-dir "$build" > "$tmp/install3.out" 2>&1 || { cat "$tmp/install3.out"; fail "install without XDG_DATA_HOME failed"; }
[ -x "$HOME/.local/share/quorvane/quorvane" ] || fail "not installed under ~/.local/share"
expect_file "$HOME/.local/share/applications/quorvane.desktop"
expect_gone "$HOME/.local/share/quorvane/SetupInfo.ini"
grep -qF "Start Fallout: New Vegas once through Steam" "$tmp/install3.out" || { cat "$tmp/install3.out"; fail "not told what to do"; }
"$root/scripts/uninstall" --all > /dev/null
expect_gone "$HOME/.local/share/quorvane"

rm -rf "$tmp"
echo "install and uninstall behave"
