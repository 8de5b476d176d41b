#!/usr/bin/env bash
# The Windows installer and game, as a player meets them, under Wine on a
# virtual display with a small window manager, in a Wine prefix of its own:
#  1. the installer runs silently (/S) and lays the game out with its
#     Start-menu entry and its uninstaller;
#  2. the installed game starts on the main menu, whose first frame matches
#     the Linux build's (same layout, captions in place);
#  3. a click on "CLASSIC ARCADE" starts a game, "Save and Exit" ends it
#     with the game kept in the registry;
#  4. the next start asks whether to play the saved game;
#  5. the uninstaller removes what it installed and the entry, and keeps
#     a file the player put in the folder and the player's scores and
#     saved game; a silent install into a folder of other files is refused;
#  6. the portable zip, unpacked into a folder whose name the ANSI code
#     page cannot hold (as a user's own name may be), starts on its menu.
#
#   tests/windows/game_under_wine.sh SETUP_EXE LINUX_GAME [ZIP]
set -uo pipefail
# On a display of xvfb-run's (-a: a number nobody holds), which it ends
# afterwards.
if [ -z "${ON_VIRTUAL_DISPLAY:-}" ]; then
  ON_VIRTUAL_DISPLAY=1 exec xvfb-run -a -n 450 -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
fi
setup=$1
linux_game=$2
zip=${3:-}
work=$(mktemp -d)
pids=()
finish() {
  kill "${pids[@]}" 2>/dev/null
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*"; exit 1; }
say() { echo "-- $*"; }

openbox >/dev/null 2>&1 &
pids+=($!)

export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver -p >/dev/null 2>&1 </dev/null
$wine wineboot --init >/dev/null 2>&1 </dev/null
user=$(basename "$(ls -d "$WINEPREFIX"/drive_c/users/* | grep -v Public | head -1)")
installed="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Arcade Vorpex"
shortcut="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Arcade Vorpex.lnk"
game_key='HKCU\Software\Quenta\Arcade Vorpex\1.0'

say "1. the installer, silently"
$wine "$setup" /S >/dev/null 2>&1 </dev/null
[ -f "$installed/arcade-vorpex.exe" ] || fail "no program in $installed"
for file in wordcore.dll vorpex-sound.dll Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
            libstdc++-6.dll VORPEX.DICT ALLPICDATA.BMP TOLMIN.HTM CLICK.wav Uninstall.exe; do
  [ -f "$installed/$file" ] || fail "the installed folder lacks $file"
done
[ -f "$shortcut" ] || fail "no Start-menu entry"
$wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ArcadeVorpex' /v UninstallString \
  2>/dev/null | grep -q Uninstall.exe || fail "the uninstaller is not listed among the installed programs"

window_named() {  # NAME SECONDS
  local found
  for _ in $(seq $(( $2 * 10 ))); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}
start_game() {
  (cd "$installed" && $wine arcade-vorpex.exe >"$work/game.log" 2>&1 </dev/null) &
  game_pid=$!
  pids+=($game_pid)
}
client() {  # WINDOW FILE: the window's client area
  import -window "$1" "$2" 2>/dev/null
}
# click_in NAME X Y: a click at (X, Y) of the window named NAME, looked up
# afresh (Wine may map a window anew as it settles).
click_in() {
  local target
  target=$(window_named "$1" 10) || return 1
  xdotool mousemove --window "$target" "$2" "$3" click 1 2>/dev/null
}

say "2. the installed game on its main menu"
start_game
w=$(window_named "Arcade Vorpex" 60) || fail "the game's window did not show: $(cat "$work/game.log")"
sleep 2
client "$w" "$work/windows-menu.png"
# The Linux build's first frame, on the same display.
XDG_CONFIG_HOME=$work/linux-config QT_QPA_PLATFORM=xcb "$linux_game" >/dev/null 2>&1 &
linux_pid=$!
pids+=($linux_pid)
for _ in $(seq 100); do
  lw=$(xdotool search --onlyvisible --name '^Arcade Vorpex$' 2>/dev/null | grep -v "^$w\$" | head -1)
  [ -n "$lw" ] && break
  sleep 0.1
done
[ -n "${lw:-}" ] || fail "the Linux build's window did not show"
sleep 1
client "$lw" "$work/linux-menu.png"
kill "$linux_pid"
size=$(identify -format '%wx%h' "$work/windows-menu.png")
[ "$size" = 704x528 ] || fail "the Windows menu is $size, not 704x528"
# Both pictures at a quarter of their size, where a glyph's own shapes no
# longer count but a caption out of place, a missing picture or a wrong
# colour does.
convert "$work/windows-menu.png" -resize 25% "$work/windows-small.png"
convert "$work/linux-menu.png" -resize 25% "$work/linux-small.png"
difference=$(compare -metric RMSE "$work/windows-small.png" "$work/linux-small.png" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/')
say "   first frames differ by $difference (RMSE, 0 to 1, at a quarter size)"
awk -v d="$difference" 'BEGIN { exit !(d < 0.06) }' || fail "the Windows menu does not look like the Linux one ($difference)"

say "3. a Classic game, then Save and Exit"
# The board's light background where the menu is dark green; a click that
# Wine drops while it settles is made again.
for _ in $(seq 5); do
  click_in "Arcade Vorpex" 352 160
  sleep 2
  w=$(window_named "Arcade Vorpex" 10) && client "$w" "$work/board.png"
  pixel=$(convert "$work/board.png" -format '%[pixel:p{600,450}]' info: 2>/dev/null)
  case "$pixel" in srgb\(180,240,180\)|"#B4F0B4"*) break ;; esac
done
case "$pixel" in srgb\(180,240,180\)|"#B4F0B4"*) ;; *) fail "no board after the click ($pixel)" ;; esac
for _ in $(seq 3); do
  click_in "Arcade Vorpex" 60 472  # "Save and Exit"
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null || break
done
kill -0 "$game_pid" 2>/dev/null && fail "Save and Exit left the game running"
$wine reg query "$game_key\\SAVE" /v ISSTORED 2>/dev/null | grep -q ISSTORED || fail "no saved game in the registry"

say "4. the next start offers the saved game"
start_game
window_named "Do you want to exit" 60 >/dev/null || fail "the next start did not ask about the saved game"
# Esc answers "No thanks". Wine may map the dialog anew as it settles, so
# the dialog is looked up again until it has gone.
for _ in $(seq 10); do
  q=$(window_named "Do you want to exit" 2) || break
  xdotool windowactivate "$q" 2>/dev/null
  xdotool key Escape 2>/dev/null
  sleep 1
done
window_named "Do you want to exit" 1 >/dev/null && fail "the question did not take Esc"
click_in "Arcade Vorpex" 352 451 || fail "no main menu after the question"  # "EXIT"
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end when its window was closed"

say "5. the uninstaller, with a file of the player's in the program folder"
echo "the player's own" > "$installed/my notes.txt"
$wine "$installed/Uninstall.exe" /S >/dev/null 2>&1 </dev/null
# The uninstaller copies itself away and goes on from there.
for _ in $(seq 300); do [ -f "$installed/Uninstall.exe" ] || break; sleep 0.1; done
left=$(cd "$installed" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./my notes.txt " ] || fail "the uninstaller left or took the wrong things: $left"
rm "$installed/my notes.txt"
rmdir "$installed"
[ -f "$shortcut" ] && fail "the Start-menu entry is still there"
say "5b. a silent install into a folder holding someone's files is refused"
foreign="$WINEPREFIX/drive_c/users/$user/Documents/Letters"
mkdir -p "$foreign"
echo "dear ..." > "$foreign/letter.txt"
$wine "$setup" /S "/D=C:\\users\\$user\\Documents\\Letters" >/dev/null 2>&1 </dev/null && fail "the installer went on into a folder of someone's files"
[ -f "$foreign/arcade-vorpex.exe" ] && fail "the game was installed among someone's files"
[ "$(ls "$foreign")" = letter.txt ] || fail "the foreign folder was changed: $(ls "$foreign")"
$wine reg query "$game_key" /v SOLVINGDATA 2>/dev/null | grep -q SOLVINGDATA || fail "uninstalling lost the player's settings"
if [ -n "$zip" ]; then
  say "6. the zip in a folder named in Greek"
  greek="$WINEPREFIX/drive_c/users/$user/Λέξεις"
  mkdir -p "$greek"
  unzip -q "$zip" -d "$greek"
  installed="$greek/ArcadeVorpex"
  start_game
  w=$(window_named "Arcade Vorpex" 60) || fail "the game in the Greek folder did not show: $(cat "$work/game.log")"
  sleep 2
  client "$w" "$work/greek-menu.png"
  size=$(identify -format '%wx%h' "$work/greek-menu.png")
  [ "$size" = 704x528 ] || fail "in the Greek folder the game shows a ${size} window, not its menu (a failure box?)"
  click_in "Arcade Vorpex" 352 451  # "EXIT"
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
fi
echo "PASS: installed, played, saved, resumed and uninstalled under Wine"
