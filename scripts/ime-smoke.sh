#!/usr/bin/env bash
# Types into the desktop program through a real input method framework: IBus with the
# Mozc and Hangul engines, on an X display and a D-Bus session of its own, with keys
# sent by xdotool. Japanese: "shuwa", converted and committed in the word box of JSL
# with the Japanese interface, must leave "ｼｭﾜ" in the reading box. Korean: "dkssud"
# on the two-set keyboard in the word box of KSL must show "안녕" there.
#
# Usage: scripts/ime-smoke.sh [BUILD_DIR]   (default: build beside scripts/; needs tovaro)
#        IME_SMOKE_SHOTS=DIR keeps a screen picture per engine after typing.
# Exit status 0 when both words arrived, 1 when one did not, 2 when the framework
# could not be started.
set -euo pipefail
script="$(realpath "$0")"
build="$(realpath -m "${1:-$(dirname "$script")/../build}")"
[ -x "$build/tovaro" ] || { echo "ime-smoke: $build/tovaro is not built" >&2; exit 2; }

# The Mozc server refuses to run as root: as root, the test runs as nobody, on a copy
# of the program that nobody may read.
if [ "$(id -u)" = 0 ]; then
  stage="$(mktemp -d /tmp/tovaro-ime-stage.XXXXXX)"
  cp "$build/tovaro" "$build"/Position*.csv "$script" "$stage/"
  chown -R nobody:nogroup "$stage"
  run_status=0
  (cd "$stage" && setpriv --reuid=nobody --regid=nogroup --clear-groups --inh-caps=-all \
     "$stage/ime-smoke.sh" "$stage") || run_status=$?
  rm -rf "$stage"
  exit "$run_status"
fi

work="$(mktemp -d /tmp/tovaro-ime.XXXXXX)"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_for() {
  local tenths="$1"; shift
  for ((t = 0; t < tenths; t++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# A display of its own: Xvfb picks a free number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 100 test -s "$work/display" || { echo "ime-smoke: Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$(head -n1 "$work/display")"

# A home of its own, so the user's input method settings are neither read nor changed.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
export GSETTINGS_BACKEND=keyfile
mkdir -p "$HOME/.mozc" "$XDG_CONFIG_HOME/glib-2.0/settings" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Mozc and Hangul start in direct input unless told otherwise.
cat >"$HOME/.mozc/ibus_config.textproto" <<'EOF'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
EOF
cat >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile" <<'EOF'
[org/freedesktop/ibus/engine/hangul]
initial-input-mode='hangul'
EOF

eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
ibus-daemon --xim --panel=disable --config=/usr/libexec/ibus-memconf --replace \
  >"$work/ibus.log" 2>&1 &
pids+=($!)
wait_for 100 ibus list-engine || { echo "ime-smoke: ibus-daemon did not start" >&2; exit 2; }
export QT_IM_MODULE=ibus

# The program in a folder of its own, with the angle data and a settings file.
program="$work/program"
mkdir -p "$program"
cp "$build/tovaro" "$build"/Position*.csv "$program/"

# Starts the program on system $1 with the Japanese interface, types with engine $2
# what the remaining arguments say (xdotool commands), and prints the reading box.
type_word() {
  local system="$1" engine="$2"; shift 2
  printf 'Message,1\r\nLanguage,%s\r\nEnglishFont,DejaVu Sans,10\r\nJapaneseFont,IPAGothic,10\r\nKoreanFont,NanumGothic,12\r\nSpeed,100\r\nEditable,0\r\n' \
    "$system" >"$program/Tovaro.ini"
  "$program/tovaro" >"$work/tovaro-$engine.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local window="" tries=0
  while [ -z "$window" ] && [ "$tries" -lt 200 ]; do
    window="$(xdotool search --onlyvisible --name '^Tovaro( — .*)?$' 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] || sleep 0.1
    tries=$((tries + 1))
  done
  [ -n "$window" ] || { echo "ime-smoke: the window did not open" >&2; return 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.5  # the word box has the focus from start-up; its input context is made now
  ibus engine "$engine" || true  # "no input context" unless one has the focus: harmless
  sleep 0.3
  for step in "$@"; do
    # shellcheck disable=SC2086
    xdotool $step
    sleep 0.3
  done
  # IME_SMOKE_SHOTS=DIR keeps a picture of the screen after typing, for a look.
  if [ -n "${IME_SMOKE_SHOTS:-}" ]; then import -window root "$IME_SMOKE_SHOTS/$engine.png"; fi
  # Tab goes to the reading box, which selects all it holds; Ctrl+C copies it.
  xdotool key Tab
  sleep 0.5
  xdotool key ctrl+c
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null || true
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

status=0
japanese="$(type_word 4 mozc-jp "type --delay 60 shuwa" "key space" "key Return")"
echo "Mozc: shuwa, converted and committed, gives '$japanese' in FuriganaTxt"
[ "$japanese" = "ｼｭﾜ" ] || status=1
korean="$(type_word 5 hangul "type --delay 60 dkssud")"
echo "Hangul: dkssud gives '$korean' in FuriganaTxt"
[ "$korean" = "안녕" ] || status=1
[ "$status" = 0 ] && echo "ime-smoke: passed" || echo "ime-smoke: FAILED" >&2
exit "$status"
