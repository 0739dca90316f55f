#!/bin/sh
# `make run`: starts the program from the given bin directory. Until the
# window program is built, it lists the data file beside the executables
# with the ledger tool instead, and says so.
set -eu
bin="${1:?usage: run.sh BIN_DIR}"
shift
data="$bin/Roadtally.dat"

if [ -x "$bin/roadtally" ]; then
  exec "$bin/roadtally" "$@"
fi

echo "The window program is not built yet; listing the ledger with roadtally-ledger show instead."
if [ ! -e "$data" ]; then
  echo "No data file at $data yet: the ledger is empty."
  exit 0
fi
echo "Data file: $data"
exec "$bin/roadtally-ledger" show "$data"
