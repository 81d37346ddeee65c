#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program under a virtual X server, driven by real key presses: an entry typed
# from the start focus, the file menu by Alt+F, exit by its access key. Exit 77: skipped.
#   keyboard_smoke.sh PROGRAM
set -uo pipefail
program=$1
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in Xvfb xdotool sqlite3; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display number the server picks itself, so parallel runs never meet.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "no X server could be started ($(head -c 200 "$work/xvfb.log"))"
export DISPLAY=:$(head -n1 "$work/display")
# The test preset runs everything offscreen; this test needs the real window.
unset QT_QPA_PLATFORM

cp "$program" "$work/kotsu"
cp "$(dirname "$program")/kotsu-jet-reader" "$work/" 2>/dev/null
ledger=$work/kotsu.mdb

fail() { echo "FAILED: $*"; cat "$work/app.log" 2>/dev/null; exit 1; }
keys() { for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.2; done; }

start() {
    (cd "$work" && exec ./kotsu >"$work/app.log" 2>&1) &
    app_pid=$!
    win=
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --name "コツコツ帳。" 2>/dev/null | head -1)
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || fail "the main window did not appear"
    xdotool windowfocus --sync "$win"
    sleep 0.5
}

# Leaves by ﾌｧｲﾙ(&F) and 終了(&X), from the keyboard alone.
quit() {
    keys alt+f x
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "Alt+F then X did not end the program"
    app_pid=
}

start
quit
[ -f "$ledger" ] || fail "no ledger was created"
sqlite3 "$ledger" "INSERT INTO 科目テーブル(科目名前,収支,予算) VALUES ('給与','+',0),('食費','-',30000)"

start
keys Down Tab
xdotool type --delay 50 "1500"
keys Tab
# ASCII only: xdotool types other characters by remapping a key for each one, which races the
# program's reading of the keymap and drops characters under load. Mixed case guards against
# anything that rewrites typed text; Japanese input is covered by the offscreen tests.
xdotool type --delay 50 "Lunch AMT"
keys alt+s
sleep 0.5
quit

got=$(sqlite3 "$ledger" "SELECT k.科目名前 || '|' || m.金額 || '|' || m.コメント FROM 明細テーブル m JOIN 科目テーブル k ON k.ID = m.科目ID")
[ "$got" = "食費|1500|Lunch AMT" ] || fail "the ledger holds '$got' instead of '食費|1500|Lunch AMT'"
echo "PASSED: an entry typed from the keyboard alone was stored ($got)"
