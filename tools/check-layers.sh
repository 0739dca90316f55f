#!/bin/sh
# The house's layering, checked on the tracked sources: includes run
# downwards only, and third-party or system-interface headers stay inside
# platform/. Prints each violation and exits 1 when there is one.
#   platform/: core < gdi < res < win < framework < host
#   program:   platform < ledger, skin < controls < dialogs < app
set -u
cd "$(dirname "$0")/.."

rank() {
  case "$1" in
    platform/core) echo 1 ;; platform/gdi) echo 2 ;; platform/res) echo 3 ;;
    platform/win) echo 4 ;; platform/framework) echo 5 ;; platform/host) echo 6 ;;
    ledger | skin) echo 7 ;; controls) echo 8 ;; dialogs) echo 9 ;; app) echo 10 ;;
    resources) echo 0 ;;
    *) echo "" ;;
  esac
}

# The folder a path belongs to for the layering: platform/<layer> or the
# program folder.
layer() {
  case "$1" in
    platform/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
  esac
}

foreign='SDL|ft2build|freetype|fontconfig|iconv|png|zlib|unistd|fcntl|dirent|dlfcn|pthread|sys/'
status=0
for file in $(git ls-files -- 'platform/*' 'ledger/*' 'skin/*' 'controls/*' 'dialogs/*' 'app/*' |
              grep -E '\.(cpp|h)$'); do
  from=$(layer "$file")
  from_rank=$(rank "$from")
  [ -n "$from_rank" ] || continue
  for included in $(sed -n 's/^#include *"\([^"]*\)".*/\1/p' "$file"); do
    to=$(layer "$included")
    to_rank=$(rank "$to")
    [ -n "$to_rank" ] || continue
    # Peers of one rank (ledger and skin) do not include each other.
    if [ "$to_rank" -gt "$from_rank" ] || { [ "$to_rank" -eq "$from_rank" ] && [ "$to" != "$from" ]; }; then
      echo "$file: includes $included, which is above or beside $from"
      status=1
    fi
  done
  case "$from" in
    platform/*) ;;
    *)
      if grep -nE "#include *<($foreign)" "$file" >/dev/null; then
        echo "$file: includes a third-party or system header outside platform/:"
        grep -nE "#include *<($foreign)" "$file"
        status=1
      fi
      ;;
  esac
done
[ "$status" -eq 0 ] && echo "layers: every include runs downwards"
exit "$status"
