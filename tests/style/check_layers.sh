#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own. The layers, lowest first:
#   model < photometry < intake < pass < gradient (the Qt-free core); fileio stands beside the
#   core and includes none of it; app, tools and bench sit on top and may include any of them.
#   Tests may reach what their subsystem reaches.
set -euo pipefail
root="$1"
cd "$root"
declare -A allowed=(
  [model]="model"
  [photometry]="model photometry"
  [intake]="model photometry intake"
  [pass]="model photometry intake pass"
  [gradient]="model photometry intake pass gradient"
  [fileio]="fileio"
)
status=0
checked=0
for layer in "${!allowed[@]}"; do
  for dir in "src/$layer" "tests/$layer"; do
    [ -d "$dir" ] || continue
    while IFS= read -r file; do
      checked=$((checked + 1))
      while IFS= read -r included; do
        top="${included%%/*}"
        [ "$top" = "$included" ] && continue  # a header beside the file
        case " ${allowed[$layer]} " in
          *" $top "*) ;;
          *)
            case "$top" in
              model | photometry | intake | pass | gradient | fileio | app | tools | bench)
                echo "$file: includes \"$included\", above the $layer layer"
                status=1
                ;;
            esac
            ;;
        esac
      done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    done < <(find "$dir" -name '*.cpp' -o -name '*.h')
  done
done
# The core links no Qt: a Qt header there is a layer fault too.
if grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' src/model src/photometry src/intake src/pass src/gradient; then
  echo "the files above include Qt in the core"
  status=1
fi
[ "$status" -eq 0 ] && echo "layers: $checked files include only their own layer or below"
exit "$status"
