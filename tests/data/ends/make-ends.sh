#!/usr/bin/env bash
# Makes the archive of tst_archive_end that `rar` alone can make: encrypted
# headers (password "secret") with a recovery record. Needs `rar` (5 or later).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf 'hello\n' > a.txt
touch -d '2024-01-02 03:04:05' a.txt
rm -f "$here"/*.rar
rar a -ma5 -idq -hpsecret -rr5% "$here/encrypted-headers-recovery.rar" a.txt
