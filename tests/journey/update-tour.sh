#!/usr/bin/env bash
# Copies the journey's shots that the README's tour shows into docs/tour/, cut to the window.
# Run it after a passing journey to refresh the pictures.
#
#   update-tour.sh [SHOT_DIR]   (default: build/journey)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
shot_dir=${1:-$here/../../build/journey}
tour_dir=$here/../../docs/tour
frame=$(cat "$shot_dir/window-frame.txt")
mkdir -p "$tour_dir"

# The journey's shot name, then the name in the tour, then what to cut when not the window (the
# window at scale 2 is larger than the screen).
while read -r shot name crop; do
    found=("$shot_dir"/[0-9][0-9]-"$shot".png)
    [ -f "${found[0]}" ] || { echo "no shot '$shot' in $shot_dir"; exit 1; }
    # Without the time stamps, an unchanged picture gives an unchanged file.
    convert "${found[0]}" -crop "${crop:-$frame}" +repage -strip "$tour_dir/$name.png"
    echo "$tour_dir/$name.png"
done <<'EOF'
main-menu 1-main-menu
tone-dialog-typed 2-sound-file
pattern-rolling 3-pattern-rolling
name-typed 4-keep-as
russian-menu 5-russian-menu
style-Default 6-style-default
style-Cosmic 7-style-cosmic
style-Veggy 8-style-veggy
scale-2 9-scale-2 760x520+1+20
EOF
