#!/usr/bin/env bash
# Runs lintian on a package and fails on any error, and on the findings
# below at any level: lintian reports them only as information, yet each
# means the package lacks what it must have.
#   scripts/lint-package.sh <package.deb>
set -euo pipefail
deb=$1

required_absent=(
  hardening-no-bindnow
  hardening-no-fortify-functions
  hardening-no-pie
  hardening-no-relro
  desktop-entry-lacks-keywords-entry
)

out=$(lintian --display-info --tag-display-limit 0 --fail-on none "$deb" 2>&1 |
  grep -v '^running with root privileges' || true)
printf '%s\n' "$out"

failed=""
if printf '%s\n' "$out" | grep -q '^E: '; then
  failed=yes
fi
for tag in "${required_absent[@]}"; do
  if printf '%s\n' "$out" | grep -qE "^[A-Z]: [^ ]+: $tag( |\$)"; then
    echo "lintian: $tag" >&2
    failed=yes
  fi
done
if [ -n "$failed" ]; then
  echo "FAIL: lintian found what the package must not have" >&2
  exit 1
fi
echo "lintian: no errors"
