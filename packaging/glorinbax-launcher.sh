#!/bin/sh
# Starts the installed program from its own folder, where it finds its engine and data.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/glorinbax/glorinbax" "$@"
