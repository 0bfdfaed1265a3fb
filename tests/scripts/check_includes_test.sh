#!/usr/bin/env bash
# scripts/check-includes on a small tree with one include of each wrong kind beside right ones:
# it names each wrong one, file and line, and nothing else. Prints "N passed, N failed".
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

put() { mkdir -p "$work/$(dirname "$1")"; printf '%s\n' "${@:2}" >"$work/$1"; }
put core/outline.h '#pragma once' '#include <string>' '#include "core/error.h"'
put core/outline.cpp '#include "core/outline.h"' '#include "ui/file.h"' '  #  include "logsheet/sheet.h"'
put core/rtf/reader.cpp '// #include "ui/exception.h" is what it must not do' '#include "core/cp932.h"'
put ui/view.h '#include "core/outline.h"' '#include "ui/control.h"'
put ui/headless/peer.cpp '#include "ui/view.h"' '#include "memo/memo_window.h"'
put ui/win32/peer.cpp '#include <windows.h>' '#include "ui/win32/native.h"'
put logsheet/sheet.cpp '#include "logsheet/sheet.h"' '#include "ui/view.h"' '#include "core/outline.h"'
put app/main.cpp '#include "app/startup.h"' '#include <Windows.h>'
put help/help.cpp '#include "help/help.h"' '#include "ui/win32/peer.h"'

out=$(bash "$top/scripts/check-includes" "$work" 2>&1)
rc=$?
expected='core/outline.cpp:2: core/ includes a floor above it: ui/file.h
core/outline.cpp:3: core/ includes a floor above it: logsheet/sheet.h
ui/headless/peer.cpp:2: the toolkit includes the program: memo/memo_window.h
app/main.cpp:2: the program includes <windows.h>
include directions: 4 include(s) point the wrong way'

passed=0 failed=0
expect() {  # expect NAME CONDITION
  if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
expect "a tree with wrong includes fails" '[ "$rc" -ne 0 ]'
expect "each wrong include is named once, with its file and line" '[ "$out" = "$expected" ]'
[ "$out" = "$expected" ] || printf 'got:\n%s\n' "$out"

# Taken out, the tree is clean.
sed -i '/ui\/file.h\|logsheet\/sheet.h/d' "$work/core/outline.cpp"
sed -i '/memo_window.h/d' "$work/ui/headless/peer.cpp"
sed -i '/Windows.h/d' "$work/app/main.cpp"
out=$(bash "$top/scripts/check-includes" "$work" 2>&1)
rc=$?
expect "a clean tree passes and says so" '[ "$rc" -eq 0 ] && [ "$out" = "include directions: ok" ]'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
