#!/usr/bin/env bash
# Installs the build into a temporary prefix (twice, as an update would),
# checks every installed file, starts the program by its command name as the
# desktop entry does and sees its picture painted, then uninstalls and checks
# that only what was there before, or was put there since, is left.
#   install_test.sh <build dir> <WindowColours helper>
set -euo pipefail
build=$(cd "$1" && pwd)
colours=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/scripts/lib/xvfb.sh"

name=zazudedid-idarero
tmp=$(mktemp -d)
prefix="$tmp/prefix"
bundle="$prefix/lib/$name/ZazudedidIdarero.app"
desktop="$prefix/share/applications/$name.desktop"
icons="$prefix/share/icons/hicolor"
manifest="$build/install_manifest.txt"
folders="$build/install_folders.txt"
program_pid=""
xvfb_pid=""

# An install into the temporary prefix rewrites the build's records: keep
# the ones a real install left, so its uninstall still works.
for record in "$manifest" "$folders"; do
  [ -f "$record" ] && cp -p "$record" "$tmp/$(basename "$record").saved"
done
cleanup() {
  [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  for record in "$manifest" "$folders"; do
    if [ -f "$tmp/$(basename "$record").saved" ]; then
      cp -p "$tmp/$(basename "$record").saved" "$record"
    else
      rm -f "$record"
    fi
  done
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# An empty folder that was there before the install; uninstall keeps it.
mkdir -p "$prefix/share/applications"

echo "== install into $prefix"
for _ in 1 2; do
  cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || {
    cat "$tmp/install.log"
    fail "cmake --install"
  }
done

# The manifest names exactly these files, so uninstall removes them all.
expected=$(grep -v '^#' "$source_dir/tests/install/files.txt" | sed "s|^|$prefix/|" | sort)
[ "$(sort "$manifest")" = "$expected" ] || {
  diff <(echo "$expected") <(sort "$manifest") || true
  fail "install_manifest.txt lists other files"
}
# Nothing outside the manifest either.
[ "$(find "$prefix" ! -type d | sort)" = "$expected" ] || fail "files installed beyond the manifest"

built="$build/ZazudedidIdarero.app/Contents"
[ -x "$bundle/Contents/MacOS/ZazudedidIdarero" ] || fail "the executable is not executable"
for file in Info.plist Resources/48.png Resources/002.png; do
  cmp -s "$built/$file" "$bundle/Contents/$file" || fail "Contents/$file differs from the build's"
done
cmp -s "$source_dir/resources/48.png" "$icons/48x48/apps/$name.png" ||
  fail "the 48 px icon is not the picture"
for size in 16 22 24 32; do
  file "$icons/${size}x$size/apps/$name.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size} px icon is $(file -b "$icons/${size}x$size/apps/$name.png")"
done

# The launcher must reach the installed bundle, not the build tree, from any
# prefix: a relative link or a script.
launcher="$prefix/bin/$name"
[ -x "$launcher" ] || fail "no launcher command"
if [ -L "$launcher" ]; then
  [ "$(readlink -f "$launcher")" = "$(readlink -f "$bundle/Contents/MacOS/ZazudedidIdarero")" ] ||
    fail "the launcher points to $(readlink -f "$launcher")"
  case "$(readlink "$launcher")" in
    /*) fail "the launcher link is absolute" ;;
  esac
fi

# The desktop entry: each key once, with its value.
key() {
  local lines
  lines=$(grep -E "^$1=" "$desktop" || true)
  [ "$(printf '%s\n' "$lines" | grep -c .)" -eq 1 ] || fail "$1 is not in the desktop entry once"
  printf '%s\n' "${lines#*=}"
}
[ "$(head -n 1 "$desktop")" = "[Desktop Entry]" ] || fail "the desktop entry has no group header"
[ "$(key Type)" = Application ] || fail "Type"
[ "$(key Name)" = "Zazudedid Idarero" ] || fail "Name"
[ -n "$(key Comment)" ] || fail "Comment"
[ "$(key Exec)" = "$name" ] || fail "Exec"
[ "$(key Icon)" = "$name" ] || fail "Icon"
[ "$(key Categories)" = "Utility;Calculator;" ] || fail "Categories"
[ -n "$(key Keywords)" ] || fail "Keywords"
# With it, launchers give each start a startup id, which a second start
# passes on so that the running copy may bring its window forward.
[ "$(key StartupNotify)" = true ] || fail "StartupNotify"
wm_class=$(key StartupWMClass)
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi

echo "== start the program by its command name"
mkdir -m 0700 "$tmp/run"
start_private_xvfb "$tmp" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
xvfb_pid=$XVFB_PID

(
  cd "$tmp"
  unset XDG_CURRENT_DESKTOP
  export PATH="$prefix/bin:$PATH" XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=xcb
  exec "$name"
) >"$tmp/program.log" 2>&1 &
program_pid=$!

# The window carries the desktop entry's StartupWMClass, and its 48x48
# canvas (at 20,14 below the 19 px menu bar) shows the picture the program
# found beside itself: an empty canvas is one colour.
painted=""
for _ in $(seq 200); do
  kill -0 "$program_pid" 2>/dev/null || break
  window=$(xdotool search --onlyvisible --class "^$wm_class\$" 2>/dev/null | head -n 1 || true)
  if [ -n "$window" ] && [ "$("$colours" "$window" 20 33 48 48 2>/dev/null || echo 0)" -gt 1 ]; then
    painted=yes
    break
  fi
  sleep 0.1
done
if [ -z "$painted" ]; then
  cat "$tmp/program.log"
  fail "no window of class $wm_class with its picture painted"
fi

kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || {
  cat "$tmp/program.log"
  fail "the program ended with status $status on SIGTERM"
}

echo "== uninstall"
# Another program's icon, put into a folder that the install created.
other="$icons/22x22/apps/other-program.png"
cp "$source_dir/resources/002.png" "$other"
cmake --build "$build" --target uninstall >"$tmp/uninstall.log" || {
  cat "$tmp/uninstall.log"
  fail "the uninstall target"
}
# Gone: every file and folder of the install. Kept: the folder from before,
# and the other icon with its folders.
kept=$(
  cat <<LIST | sort
$prefix
$prefix/share
$prefix/share/applications
$prefix/share/icons
$prefix/share/icons/hicolor
$prefix/share/icons/hicolor/22x22
$prefix/share/icons/hicolor/22x22/apps
$other
LIST
)
[ "$(find "$prefix" | sort)" = "$kept" ] || {
  diff <(echo "$kept") <(find "$prefix" | sort) || true
  cat "$tmp/uninstall.log"
  fail "uninstall left or took other than the install's own"
}
echo "install, launch and uninstall: ok"
