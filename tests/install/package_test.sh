#!/usr/bin/env bash
# Makes the Debian package of a build (or takes one made already), unpacks it
# with dpkg-deb -x into a temporary folder, never onto the machine, and
# checks its files against the install rules and its metadata.
#   package_test.sh <build dir | package.deb>
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
name=zazudedid-idarero
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ -f "$1" ]; then
  deb=$1
else
  build=$(cd "$1" && pwd)
  # CPack's staging install rewrites the build's install records: keep them.
  for record in install_manifest.txt install_folders.txt; do
    [ -f "$build/$record" ] && cp -p "$build/$record" "$tmp/$record"
  done
  status=0
  (cd "$build" && cpack -G DEB -B "$tmp/cpack") >"$tmp/cpack.log" 2>&1 || status=$?
  for record in install_manifest.txt install_folders.txt; do
    if [ -f "$tmp/$record" ]; then cp -p "$tmp/$record" "$build/$record"; else rm -f "$build/$record"; fi
  done
  [ "$status" -eq 0 ] || {
    cat "$tmp/cpack.log"
    fail "cpack -G DEB"
  }
  deb=$(ls "$tmp"/cpack/*.deb)
fi

root="$tmp/root"
dpkg-deb -x "$deb" "$root"

echo "== files"
expected=$(grep -v '^#' "$source_dir/tests/install/files.txt" | sed "s|^|$root/usr/|" | sort)
[ "$(find "$root" ! -type d | sort)" = "$expected" ] || {
  diff <(echo "$expected") <(find "$root" ! -type d | sort) || true
  fail "the package holds other files than the install rules"
}
program="$root/usr/lib/$name/ZazudedidIdarero.app/Contents/MacOS/ZazudedidIdarero"
file -b "$program" | grep -q "pie executable" || fail "not a PIE: $(file -b "$program")"
file -b "$program" | grep -q ", stripped" || fail "not stripped: $(file -b "$program")"
[ "$(readlink -f "$root/usr/bin/$name")" = "$(readlink -f "$program")" ] ||
  fail "the command does not lead to the program"

echo "== control"
field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
[ "$(field Package)" = "$name" ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version $(field Version), not the project's $version"
depends=$(field Depends)
for needed in qt6-qpa-plugins libqt6widgets6 libc6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
# A synopsis, then an extended description of more than a line.
[ "$(field Description | sed 1d | grep -c '[a-z]')" -ge 2 ] || fail "no extended description"

echo "== documents"
doc="$root/usr/share/doc/$name"
changelog="$doc/changelog.gz"
gzip -t "$changelog" || fail "the changelog is not gzip"
# gzip -n: no file name (flag byte 3) and no time (bytes 4-7) inside.
[ "$(od -An -tx1 -j3 -N5 "$changelog" | tr -d ' ')" = "0000000000" ] ||
  fail "the changelog is not compressed with -n"
[ "$(zcat "$changelog" | dpkg-parsechangelog -l - -S Version)" = "$version" ] ||
  fail "the changelog's last entry is not version $version"
copyright="$doc/copyright"
[ "$(head -n 1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "the copyright file is not machine-readable"
line=$(sed -n 's/.*CopyrightLine = "\(.*\)";/\1/p' "$source_dir/common/SharedTexts.h" | sed 's/\\u00a9/©/')
[ -n "$line" ] || fail "no copyright line in common/SharedTexts.h"
grep -qF "Copyright: ${line#Copyright © }" "$copyright" || fail "the copyright file lacks: $line"
grep -qF "$line" "$copyright" || fail "the copyright file does not quote: $line"

echo "== desktop entry and metainfo"
desktop-file-validate "$root/usr/share/applications/$name.desktop" || fail "desktop-file-validate"
grep -q '^Keywords=.' "$root/usr/share/applications/$name.desktop" || fail "no Keywords"
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
grep -q "<launchable type=\"desktop-id\">$name.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not name the desktop entry"
echo "package: ok"
