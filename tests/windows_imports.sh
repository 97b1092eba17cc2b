#!/usr/bin/env bash
# A Windows program imports only DLLs that every Windows 10/11 has, and is a GUI program:
#   tests/windows_imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1
program=$2
headers=$("$objdump" -p "$program")
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|winspool\.drv|winmm|rpcrt4|uxtheme|version|ws2_32|oleacc|msvcrt|imm32|msimg32|usp10|dwmapi|winhttp|wininet|gdiplus|uiautomationcore|api-ms-win-[a-z0-9-]+)\.dll$|^winspool\.drv$'
status=0
found=0
while read -r dll; do
  found=1
  name=$(printf '%s' "$dll" | tr 'A-Z' 'a-z')
  if ! [[ $name =~ $system ]]; then
    echo "FAILED: $program imports $dll, which Windows does not bring" >&2
    status=1
  fi
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
[ $found = 1 ] || { echo "FAILED: no imports listed for $program" >&2; exit 1; }
# Subsystem 2 is the Windows GUI (no console window opens with the program).
grep -Eq '^Subsystem\s+0+2\s' <<<"$headers" || { echo "FAILED: $program is no GUI program" >&2; exit 1; }
exit $status
