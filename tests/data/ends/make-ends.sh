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

# Extra records in every header kind: owner and group, a symbolic link,
# high-precision times, a comment, a recovery record and a quick-open record.
printf 'b\n' > b.txt
ln -s a.txt link
printf 'comment\n' > comment.txt
touch -h -d '2024-01-02 03:04:05' a.txt b.txt link
rar a -ma5 -idq -ow -ol -ts+ -zcomment.txt -rr1% -qo+ "$here/records.rar" a.txt b.txt link
