#!/usr/bin/env bash
# Installs the built program into a scratch prefix as a package would, and runs it from there:
# the layout, the desktop entry, the icon, the plan type, and a user's start and render.
#
#   install.sh BUILD_DIR
set -uo pipefail

build=$(realpath "$1")
prefix=$(mktemp -d -t glorinbax-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
# shellcheck source=../common/checks.sh
source "$(dirname "$0")/../common/checks.sh"
# shellcheck source=installed-checks.sh
source "$(dirname "$0")/installed-checks.sh"

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1
check "cmake --install succeeds" test $? -eq 0
program="$prefix/lib/glorinbax"
check "the program folder is under lib/glorinbax" test -x "$program/glorinbax"
check "the engine sits beside it" test -f "$program/libgbxaudio.so"
check "the styles and texts come along" \
    test -f "$program/interior/Veggy/config.ini" -a -f "$program/data/parlance/nomenclature_uk.txt"
check "no settings of a build-folder run come along" test ! -e "$program/data/glorinbax.ini"
check "the launcher is in bin" test -x "$prefix/bin/glorinbax"
check "the desktop entry is installed" test -f "$prefix/share/applications/glorinbax.desktop"
check "the plan type is installed" test -f "$prefix/share/mime/packages/glorinbax-plan.xml"
for size in 16 48 256; do
    check "the ${size}-pixel icon is installed" \
        test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/glorinbax.png"
done
if command -v desktop-file-validate >/dev/null; then
    check "the desktop entry validates" desktop-file-validate "$prefix/share/applications/glorinbax.desktop"
fi

check_plan_type "$prefix" "$prefix/share/mime/packages"
check_as_a_user "$prefix/bin/glorinbax" "$program" "$prefix"

echo "$passed passed, $failed failed"
rm -f "$prefix.log"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
