# Shared by the install and package tests: the installed plan type, and the installed program as
# one of its users meets it. (Need checks.sh.)

# The plan type as a file manager sees it: by the binary form's magic, whatever the file's name.
# With a MIME packages folder, the type is looked up in a scratch database built from it, else in
# the system's.
#
#   check_plan_type SCRATCH_DIR [MIME_PACKAGES_DIR]
check_plan_type() {
    local scratch=$1 packages=${2:-}
    command -v xdg-mime >/dev/null || return 0
    local data_home="$scratch/mime-home"
    if [ -n "$packages" ]; then
        mkdir -p "$data_home/mime/packages"
        cp "$packages"/glorinbax-plan.xml "$data_home/mime/packages/"
        update-mime-database "$data_home/mime" >/dev/null 2>&1
    fi
    local plan="$scratch/a plan without its ending"
    printf 'GLRNBX\001\000' >"$plan"
    check "a binary plan is known by its magic" test "$(XDG_CURRENT_DESKTOP=GNOME \
        XDG_DATA_HOME="$data_home" xdg-mime query filetype "$plan" 2>/dev/null)" = \
        application/x-glorinbax-plan
}

# An installed program as one of its users meets it. Installed for everyone, the program folder is not the user's: settings, log and texts go to the
# user's data home, which the first start fills with the shipped texts and demo.
#
#   check_as_a_user LAUNCHER PROGRAM_DIR SCRATCH_DIR
check_as_a_user() {
    local launcher=$1 program=$2 scratch=$3
    local home="$scratch/user-home"
    local data="$home/.local/share"
    mkdir -p "$data"
    chmod 755 "$scratch"
    chmod -R 777 "$home"
    local as_user=()
    if [ "$(id -u)" -eq 0 ]; then
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    else
        chmod -R a-w "$program" 2>/dev/null
    fi
    local run=(env HOME="$home" XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen "${as_user[@]}")

    "${run[@]}" "$launcher" --quit >"$scratch/user-quit.log" 2>&1
    check "a user starts and closes the installed program" test $? -eq 0
    check "the user's settings land in the data home" test -f "$data/glorinbax/glorinbax.ini"
    check "the user's data folder gets the shipped texts" \
        test -f "$data/glorinbax/parlance/nomenclature_en.txt"

    "${run[@]}" "$launcher" --render "$program/data/demo/demo.skw" "$home/demo.wav" \
        >"$scratch/user-render.log" 2>&1
    check "a user renders the installed demo" test $? -eq 0
    check "the render is a WAV file" test "$(head -c 4 "$home/demo.wav" 2>/dev/null)" = RIFF
    check "nothing is written into the installed program folder" \
        test ! -e "$program/data/glorinbax.ini" -a ! -e "$program/data/funny stuff.log"
    chmod -R u+w "$program" 2>/dev/null
    return 0
}
