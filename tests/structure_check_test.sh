#!/bin/bash
# structure_check.sh against a copy of src/ with one wrong-way include
# planted at a time: each must fail and name the file and the include; the
# copy as it is must pass.
# Usage: structure_check_test.sh SOURCE_DIR
set -uo pipefail
root="${1:?usage: structure_check_test.sh SOURCE_DIR}"
check="$root/tests/structure_check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/src" "$work/src"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

bash "$check" "$work" >/dev/null 2>"$work/err" || fail "the tree as it is: $(cat "$work/err")"

# FILE (below src/) and the include planted into it
while read -r file include; do
    cp "$work/src/$file" "$work/saved"
    sed -i "1a #include \"$include\"" "$work/src/$file"
    if bash "$check" "$work" >/dev/null 2>"$work/err"; then
        fail "$file including $include passed"
    elif ! grep -qF "src/$file:2: #include \"$include\"" "$work/err"; then
        fail "$file including $include: the message does not name them: $(cat "$work/err")"
    fi
    cp "$work/saved" "$work/src/$file"
done <<'CASES'
net/HttpEngine.cpp ui/frmTranslate.h
config/IniFile.cpp translate/TranslationPipeline.h
cli/HeadlessTranslation.cpp ui/frmTranslate.h
cli/HeadlessCommandLine.h startup/StartMode.h
history/HistoryStore.cpp ui/HistoryWindow.h
service/ConfigCheck.cpp ui/LayoutMath.h
translate/TranslateCommand.cpp speech/HearItCommand.h
platform/AppInfo.cpp config/Settings.h
desktop/QtTrayHost.cpp ui/mGlobal.h
CASES

# A folder the table does not know.
mkdir "$work/src/extra" && echo '#include "ui/frmTranslate.h"' >"$work/src/extra/Extra.cpp"
if bash "$check" "$work" >/dev/null 2>"$work/err" || ! grep -q 'src/extra/' "$work/err"; then
    fail "a folder outside the table was not reported"
fi

[ "$failures" = 0 ] && echo "structure check: every planted include was refused"
exit $((failures > 0))
