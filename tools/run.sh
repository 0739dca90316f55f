#!/bin/sh
# `make run`: starts the program from the given bin directory, on the data
# file beside it (or the --data PATH passed on).
set -eu
bin="${1:?usage: run.sh BIN_DIR}"
shift
exec "$bin/roadtally" "$@"
