#!/usr/bin/env bash
# The desktop program starts on a virtual X display and opens each of its four windows (the hidden
# picture switch shows a window, saves it and ends); at a first start without an options file it
# greets the user (in picture mode on stderr instead of a box) and still opens:
#   tests/gui_program_starts.sh WORK [RUNNER ...] PROGRAM
# RUNNER runs the Windows build's program under Wine (scripts/wine-run.sh --display PREFIX).
set -euo pipefail
work=$1
shift
program=("$@")
fail() { echo "FAILED: $*" >&2; exit 1; }
export NO_AT_BRIDGE=1 GDK_BACKEND=x11
run() { xvfb-run -a -s "-screen 0 1280x1024x24" "${program[@]}" --workdir "$work" "$@"; }
# What the program said on stderr, without the toolkit's own log lines ("(zorbaltwerk:PID): Gtk-...").
said() { grep -v -e '^(zorbaltwerk:[0-9]*): ' -e '^$' "$1" || true; }
is_png() { [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }

rm -rf "$work"
mkdir -p "$work/RCT3"
cd "$work"
printf "'English'\r\n'%s'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n" "$work/RCT3" \
  >Zorbaltwerk_Options.txt
for window in main options install assistant; do
  run --screenshot "$window" "$window.png" 2>"$window.err" || fail "$window: $(cat "$window.err")"
  is_png "$window.png" || fail "$window.png is no PNG picture"
  [ -z "$(said "$window.err")" ] || fail "$window showed messages: $(said "$window.err")"
done

# The first start greets in the system's language. Wine takes the language of Windows from the
# locale only when the system has it.
rm Zorbaltwerk_Options.txt
greetings=("C Welcome to Zorbaltwerk!")
if [ ${#program[@]} -eq 1 ] || locale -a | grep -qix 'de_DE.utf-\?8'; then
  greetings+=("de_DE.UTF-8 Willkommen bei Zorbaltwerk!")
fi
for greeting in "${greetings[@]}"; do
  LANG=${greeting%% *} LC_ALL='' LC_MESSAGES='' run --screenshot main first.png 2>first.err || fail "first start: $(cat first.err)"
  grep -q "^${greeting#* }" first.err || fail "no greeting at the first start (LANG=${greeting%% *}): $(cat first.err)"
  is_png first.png || fail "first.png is no PNG picture"
done

if run --screenshot nowindow x.png 2>/dev/null; then fail "an unknown window was accepted"; fi
echo "all windows opened"
