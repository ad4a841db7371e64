#!/usr/bin/env bash
# Installs the built program into a scratch prefix as a package would, and runs it from there:
# the layout, the desktop entry, the icon, the plan type, and a render of the installed demo.
#
#   install.sh BUILD_DIR
set -uo pipefail

build=$(realpath "$1")
prefix=$(mktemp -d -t glorinbax-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
# shellcheck source=../common/checks.sh
source "$(dirname "$0")/../common/checks.sh"

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

# The plan type as a file manager sees it: by the binary form's magic, whatever the file's name.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
    mime_home="$prefix/mime-home"
    mkdir -p "$mime_home/mime/packages"
    cp "$prefix/share/mime/packages/glorinbax-plan.xml" "$mime_home/mime/packages/"
    update-mime-database "$mime_home/mime" >/dev/null 2>&1
    printf 'GLRNBX\001\000' >"$prefix/a plan without its ending"
    check "a binary plan is known by its magic" \
        grep -q 'application/x-glorinbax-plan' \
        <(XDG_DATA_HOME="$mime_home" gio info -a standard::content-type "$prefix/a plan without its ending" 2>&1)
fi

rendered="$prefix/demo.wav"
"$prefix/bin/glorinbax" --render "$program/data/demo/demo.skw" "$rendered" >"$prefix/render.log" 2>&1
check "the installed program renders the installed demo" test $? -eq 0
check "the render is a WAV file" test "$(head -c 4 "$rendered" 2>/dev/null)" = RIFF

# Installed for everyone, the program folder is not the user's: the user's data go to their
# data home, which the shipped texts and demo fill on the first start.
user_data="$prefix/user-data"
mkdir -p "$user_data"
chmod 755 "$prefix"
chmod 777 "$user_data"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    chmod -R a-w "$program"
fi
XDG_DATA_HOME="$user_data" HOME="$user_data" "${as_user[@]}" \
    "$prefix/bin/glorinbax" --render "$program/data/demo/demo.skw" "$user_data/demo.wav" \
    >"$prefix/user-render.log" 2>&1
check "a user renders with the installed program" test $? -eq 0
check "the user's data folder gets the shipped texts" \
    test -f "$user_data/glorinbax/parlance/nomenclature_en.txt"
check "nothing is written into the installed program folder" test ! -e "$program/data/glorinbax.ini"
chmod -R u+w "$program"

echo "$passed passed, $failed failed"
rm -f "$prefix.log"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
