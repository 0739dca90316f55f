#!/bin/sh
# Runs every fuzz target for SECONDS each from its seed corpus, on one
# core, findings written to DIR/findings; the corpus grown in a scratch
# copy so the committed seeds stay small. Usage: run.sh BIN_DIR SECONDS
set -eu
bin="$1"
seconds="$2"
here="$(cd "$(dirname "$0")" && pwd)"
# Scratch files in memory where there is such a file system: the loader's
# target writes its input to a file on every run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then work="$(mktemp -d -p /dev/shm)"; else work="$(mktemp -d)"; fi
trap 'rm -rf "$work"' EXIT
mkdir -p "$bin/findings"
for target in ledger_load script_line dialog_template text_conversion tool_arguments; do
  echo "fuzzing $target for ${seconds}s"
  mkdir -p "$work/$target"
  cp "$here/corpus/$target/"* "$work/$target/"
  # A small quarantine and no allocation stacks: every run allocates
  # afresh, and page faults and stack traces would take most of the time.
  ASAN_OPTIONS="quarantine_size_mb=8:malloc_context_size=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" TMPDIR="$work" "$bin/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$bin/findings/${target}-" "$work/$target" 2>"$work/log" \
    || { tail -40 "$work/log"; exit 1; }
  grep -E "stat::number_of_executed_units" "$work/log" | sed "s/^/  /"
done
