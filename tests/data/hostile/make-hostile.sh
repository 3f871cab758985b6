#!/usr/bin/env bash
# Makes the small RAR5 archives the extraction-safety tests start from. The
# tests patch names, modes and link targets into copies of them at run time,
# so only these sound archives are kept. Needs `rar` (5 or later).
# Every file is dated 2020-01-02 03:04:05 UTC so the archives come out the same.
# The encrypted archive's password is "secret".
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

printf 'hello\n' > AAAA.txt
mkdir dir && printf 'inner\n' > dir/BBBB.txt
ln -s ../outside l
mkdir m && printf 'evil\n' > m/evil
printf 'same content\n' > one.txt && cp one.txt two.txt
printf 'linked\n' > h1.txt && ln h1.txt h2.txt
chmod 0644 AAAA.txt dir/BBBB.txt m/evil one.txt two.txt h1.txt
chmod 0755 dir m
TZ=UTC touch -h -d '2020-01-02 03:04:05' AAAA.txt dir/BBBB.txt dir l m/evil m one.txt two.txt h1.txt

rm -f "$here"/*.rar
# -m0 stores the data as it is, so a flipped byte is a CRC failure, not a
# decoder error.
rar a -ma5 -m0 -idq "$here/plain.rar" AAAA.txt dir/BBBB.txt
rar a -ma5 -m0 -idq -ol "$here/symlink.rar" l m/evil
rar a -ma5 -m0 -idq -oh "$here/hardlink.rar" h1.txt h2.txt
rar a -ma5 -m0 -idq -oi:1 "$here/filecopy.rar" one.txt two.txt
rar a -ma5 -m0 -idq -psecret "$here/encrypted.rar" AAAA.txt
rar a -ma5 -m0 -idq "$here/folders.rar" dir
