#!/usr/bin/env bash
# Builds the Debian package and checks what it declares and holds. With GBX_INSTALL_PACKAGE=1, as
# root (CI's fresh machine), apt installs it on the system, a user runs it, and it is purged again;
# otherwise its files are unpacked into a scratch root and run from there.
#
#   package.sh BUILD_DIR
set -uo pipefail

build=$(realpath "$1")
scratch=$(mktemp -d -t glorinbax-package.XXXXXX)
installed=""
cleanup() {
    [ -z "$installed" ] || apt-get purge -y -qq glorinbax >/dev/null 2>&1
    rm -rf "$scratch"
}
trap cleanup EXIT
# shellcheck source=../common/checks.sh
source "$(dirname "$0")/../common/checks.sh"
# shellcheck source=installed-checks.sh
source "$(dirname "$0")/installed-checks.sh"

(cd "$build" && cpack -G DEB -B "$scratch/out") >"$scratch/cpack.log" 2>&1
check "cpack makes the package" test $? -eq 0 || { cat "$scratch/cpack.log"; exit 1; }
package=$(ls "$scratch"/out/glorinbax_*.deb)

depends=$(dpkg-deb -f "$package" Depends)
for library in libportaudio2 libsndfile1 libflac12 libsoxr0 libmp3lame0 libqt6widgets6 libqt6dbus6 \
    qt6-qpa-plugins; do
    check "the package depends on $library" grep -q "\b$library\b" <<<"$depends"
done
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
for file in ./usr/bin/glorinbax ./usr/lib/glorinbax/glorinbax ./usr/lib/glorinbax/libgbxaudio.so \
    ./usr/lib/glorinbax/data/demo/demo.skw ./usr/share/applications/glorinbax.desktop \
    ./usr/share/mime/packages/glorinbax-plan.xml ./usr/share/icons/hicolor/48x48/apps/glorinbax.png; do
    check "the package holds ${file#./}" grep -qx "$file" <<<"$contents"
done
check "the program is stripped" \
    test "$(dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/lib/glorinbax/glorinbax | wc -c)" -lt 20000000

if [ "${GBX_INSTALL_PACKAGE:-0}" = 1 ] && [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >"$scratch/apt.log" 2>&1
    result=$?
    installed=yes
    check "apt installs the package" test $result -eq 0 || cat "$scratch/apt.log"
    root=""
    check "the desktop knows the entry" grep -q 'application/x-glorinbax-plan=glorinbax.desktop' \
        /usr/share/applications/mimeinfo.cache
    check_plan_type "$scratch"
else
    dpkg-deb -x "$package" "$scratch/root"
    check "the package unpacks" test $? -eq 0
    root="$scratch/root"
    check_plan_type "$scratch" "$root/usr/share/mime/packages"
fi
check_as_a_user "$root/usr/bin/glorinbax" "$root/usr/lib/glorinbax" "$scratch"

if [ -n "$installed" ]; then
    apt-get purge -y -qq glorinbax >"$scratch/purge.log" 2>&1
    check "the package purges" test $? -eq 0 -a ! -e /usr/lib/glorinbax
    installed=""
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
