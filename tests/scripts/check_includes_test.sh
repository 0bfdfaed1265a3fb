#!/usr/bin/env bash
# scripts/check-includes on a small tree with one include of each wrong kind beside right ones:
# it names each wrong one, file and line, and nothing else; taken out, the tree passes. Prints
# "N passed, N failed".
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

put() { mkdir -p "$work/$(dirname "$1")"; printf '%s\n' "${@:2}" >"$work/$1"; }
# Right: each floor including its own and those below it, in both forms.
put core/outline.h '#pragma once' '#include <string>' '#include <cstdint>' '#include "core/error.h"'
put core/error.h '#pragma once' '#include <stdint.h>'
put core/rtf/reader.cpp '// #include "ui/exception.h" is what it must not do' '#include "../outline.h"' '#include "core/rtf/reader.h"'
put core/rtf/reader.h '#pragma once'
put ui/view.h '#pragma once' '#include "core/outline.h"' '#include <ui/control.h>'
put ui/control.h '#pragma once'
put ui/headless/world.h '#pragma once' '#include "ui/view.h"' '#include "peer.h"'
put ui/headless/peer.h '#pragma once'
put ui/win32/peer.cpp '#include <windows.h>' '#include "ui/win32/native.h"' '#include "../view.h"'
put ui/win32/native.h '#pragma once' '#include <commctrl.h>'
put logsheet/sheet.h '#pragma once'
put logsheet/sheet.cpp '#include "logsheet/sheet.h"' '#include "ui/view.h"' '#include "core/outline.h"' '#include "../memo/memo.h"'
put memo/memo.h '#pragma once' '#include <vector>'
put app/main.cpp '#include "app/startup.h"' '#include <memory>'
put app/startup.h '#pragma once'
put tests/helper.h '#pragma once'
# Wrong: one of each kind, marked so that the second pass can take them out.
put core/outline.cpp '#include "core/outline.h"' '#include <ui/file.h> // WRONG' '  #  include "logsheet/sheet.h" // WRONG' \
    '#include <windows.h> // WRONG'
put core/parse.cc '#include "core/outline.h"' '#include "ui/view.h" // WRONG'
put core/inline.ipp '#include "../tests/helper.h" // WRONG'
put ui/menu.cpp '#include "ui/view.h"' '#include "../memo/memo.h" // WRONG' '#include "ui/headless/peer.h" // WRONG' \
    '#include <Windows.h> // WRONG'
put ui/headless/peer.cpp '#include "ui/view.h"' '#include <unistd.h>' '#include "memo/memo.h" // WRONG' \
    '#include "ui/win32/native.h" // WRONG' '#include <windows.h> // WRONG'
put ui/win32/menu.cpp '#include "ui/win32/native.h"' '#include "../headless/world.h" // WRONG'
put logsheet/window.cpp '#include "logsheet/sheet.h"' '#include "ui/headless/world.h" // WRONG'
put help/help.cpp '#include "ui/view.h"' '#include "ui/win32/native.h" // WRONG'
put app/tool.cxx '#include <WINDOWS.H> // WRONG' '#include <iconv.h> // WRONG'
put memo/form.hh '#include "../tests/helper.h" // WRONG'

out=$(bash "$top/scripts/check-includes" "$work" 2>&1)
rc=$?
expected='app/tool.cxx:1: the program includes <windows.h>
app/tool.cxx:2: the program includes what is not the standard library: <iconv.h>
core/inline.ipp:1: includes a file outside the floors: ../tests/helper.h
core/outline.cpp:2: core/ includes a floor above it: ui/file.h
core/outline.cpp:3: core/ includes a floor above it: logsheet/sheet.h
core/outline.cpp:4: core/ includes what is not the standard library: <windows.h>
core/parse.cc:2: core/ includes a floor above it: ui/view.h
help/help.cpp:2: the program includes a toolkit backend: ui/win32/native.h
logsheet/window.cpp:2: the program includes a toolkit backend: ui/headless/world.h
memo/form.hh:1: includes a file outside the floors: ../tests/helper.h
ui/headless/peer.cpp:3: the toolkit includes the program: memo/memo.h
ui/headless/peer.cpp:4: a backend includes the other backend: ui/win32/native.h
ui/headless/peer.cpp:5: only ui/win32 includes <windows.h>
ui/menu.cpp:2: the toolkit includes the program: memo/memo.h
ui/menu.cpp:3: the portable toolkit includes a backend: ui/headless/peer.h
ui/menu.cpp:4: the portable toolkit includes what is not the standard library: <Windows.h>
ui/win32/menu.cpp:2: a backend includes the other backend: ui/headless/world.h
include directions: 17 include(s) point the wrong way'

passed=0 failed=0
expect() {  # expect NAME CONDITION
  if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
expect "a tree with wrong includes fails" '[ "$rc" -ne 0 ]'
expect "each wrong include is named once, with its file and line" '[ "$out" = "$expected" ]'
[ "$out" = "$expected" ] || diff <(printf '%s\n' "$expected") <(printf '%s\n' "$out")

# Taken out, the tree is clean.
grep -rl 'WRONG' "$work" | xargs sed -i '/WRONG/d'
out=$(bash "$top/scripts/check-includes" "$work" 2>&1)
rc=$?
expect "a clean tree passes and says so" '[ "$rc" -eq 0 ] && [ "$out" = "include directions: ok" ]'
[ "$rc" -eq 0 ] || echo "$out"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
