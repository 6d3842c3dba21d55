#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own. The layers, lowest first:
#   model < photometry < intake < pass < gradient < overlay < surface < curves < recovery (the
#   Qt-free core) < figure (the drawing, Qt Gui); photoset (photographs read as the images of a
#   recovery, Qt Gui) and plots (curves drawn with Qt Charts) build on the core; elevation (the reading of elevation models through
#   GDAL, no Qt) and animation (the steps of a sweep and the GIF encoder, no Qt) build on model
#   alone; fileio stands beside them and includes none of them; messages (a core message
#   translated, Qt Core) builds on model alone; setup (the setup file) sits above
#   the core and fileio; app, tools, python (the Python module) and bench sit on top and may include
#   any of them. Tests may
#   reach what their subsystem reaches.
# Within app, the libraries follow one order too, lowest first: app_common (common, language) <
#   app_windows (picture, help, map, curves, big_sphere, surface, recovery, law, exposure,
#   animation) < app_form (form) < app_shell (the files directly in src/app: the main window, its
#   menus and setups) < the program (main.cpp, command_line, platform_guard); a folder of app that
#   is in none of them fails, so a new one is placed before it builds.
# Then the Qt each layer may include: none in the core, Qt Core only in fileio, messages and
# setup, Qt Gui but no widgets in figure and photoset; in src only app includes widgets, and plots
# the graphics scene Qt Charts draws through. Qt's include folders
# (QtGui, QtWidgets), given after the root, tell a Gui or Widgets header from a Core one; without
# them that part is skipped.
set -euo pipefail
root="$1"
shift
qtIncludes=("$@")
cd "$root"
declare -A allowed=(
  [model]="model"
  [photometry]="model photometry"
  [intake]="model photometry intake"
  [pass]="model photometry intake pass"
  [gradient]="model photometry intake pass gradient"
  [overlay]="model photometry intake pass gradient overlay"
  [surface]="model photometry intake pass gradient overlay surface"
  [curves]="model photometry intake pass gradient overlay surface curves"
  [recovery]="model photometry intake pass gradient overlay surface curves recovery"
  [figure]="model photometry intake pass gradient overlay surface curves recovery figure"
  [photoset]="model photometry intake pass gradient overlay surface curves recovery photoset"
  [plots]="model photometry intake pass gradient overlay surface curves recovery plots"
  [elevation]="model elevation"
  [animation]="model animation"
  [fileio]="fileio"
  [messages]="model messages"
  [setup]="model photometry intake pass gradient overlay surface curves recovery fileio setup"
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
              model | photometry | intake | pass | gradient | overlay | surface | curves | recovery | elevation | animation | figure | photoset | plots | fileio | messages | setup | app | tools | python | bench)
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
# The rank of an app file or included header ("app/form/form1.h", "src/app/main.cpp"); empty
# for a folder that is in no library.
app_rank() {
  local path="${1#src/}" folder=""
  path="${path#app/}"
  case "$path" in
    main.cpp | command_line.* | platform_guard.*) echo 5 ;;
    */*)
      folder="${path%%/*}"
      case "$folder" in
        common | language) echo 1 ;;
        picture | help | map | curves | big_sphere | surface | recovery | law | exposure | animation)
          echo 2 ;;
        form) echo 3 ;;
        *) echo "" ;;
      esac
      ;;
    *) echo 4 ;;
  esac
}
while IFS= read -r file; do
  rank=$(app_rank "$file")
  if [ -z "$rank" ]; then
    echo "$file: in a folder of app that no library of check_layers.sh holds"
    status=1
    continue
  fi
  checked=$((checked + 1))
  while IFS= read -r included; do
    included_rank=$(app_rank "$included")
    if [ -z "$included_rank" ] || [ "$included_rank" -gt "$rank" ]; then
      echo "$file: includes \"$included\", above its library of app"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\(app\/[^"]*\)".*/\1/p' "$file")
done < <(find src/app -name '*.cpp' -o -name '*.h')
# The core links no Qt: a Qt header there is a layer fault too.
if grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' src/model src/photometry src/intake src/pass src/gradient src/overlay src/surface src/curves src/recovery src/elevation src/animation; then
  echo "the files above include Qt in the core"
  status=1
fi
# The Qt headers of one module (the folder of Qt's includes named $1) that files under the given
# folders include.
qt_includes_of() {
  local module="$1" dir="" found=""
  shift
  for dir in "${qtIncludes[@]}"; do
    [ "$(basename "$dir")" = "$module" ] && found="$dir"
  done
  [ -n "$found" ] || return 0
  { grep -rhoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q[A-Za-z0-9_]*>' "$@" || true; } |
    sed 's/.*<\(.*\)>/\1/' | sort -u | while IFS= read -r header; do
      if [ -e "$found/$header" ]; then echo "$header"; fi
    done
}
if [ "${#qtIncludes[@]}" -gt 0 ]; then
  gui=$(qt_includes_of QtGui src/fileio src/messages src/setup)
  widgets=$(qt_includes_of QtWidgets src/fileio src/figure src/photoset src/messages src/setup)
  if [ -n "$gui$widgets" ]; then
    echo "src/fileio, src/messages, src/setup, src/figure or src/photoset include Qt above their layer:" $gui $widgets
    status=1
  fi
  modules=()
  for dir in src/*/; do
    case "$dir" in src/app/ | src/plots/) ;; *) modules+=("${dir%/}") ;; esac
  done
  widgets=$(qt_includes_of QtWidgets "${modules[@]}")
  scene=$(qt_includes_of QtWidgets src/plots | grep -vx QGraphicsScene || true)
  if [ -n "$widgets$scene" ]; then
    echo "modules outside src/app include Qt Widgets:" $widgets $scene
    status=1
  fi
else
  echo "no Qt include folders given: Qt Gui and Widgets headers not checked"
fi
[ "$status" -eq 0 ] && echo "layers: $checked files include only their own layer or below"
exit "$status"
