#!/usr/bin/env bash
# Rebuilds the RAR fixtures of the engine tests. Needs `rar` (RAR 5 format).
# The archives are committed, so the tests themselves never need `rar`.
#
# Passwords (fixed, the tests rely on them):
#   encrypted-files.rar   -p  "secret"
#   encrypted-headers.rar -hp "secret"
#   encrypted-volumes.partN.rar -hp "secret"
#
# `rar` cannot make an archive without entries (it refuses "nothing to do"),
# so the empty-archive case is covered by the fake library in the tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

stamp() { find "$1" -exec touch -h -d '2024-01-02 03:04:05' {} +; }

# Files and folders, an empty file, known contents (CRCs checked by the tests).
mkdir -p basic/docs/sub basic/empty-folder
printf 'hello\n' > basic/readme.txt
printf '' > basic/docs/empty.txt
head -c 1200 /dev/zero | tr '\0' 'a' > basic/docs/a1200.txt
printf 'deep\n' > basic/docs/sub/deep.txt
stamp basic
(cd basic && rar a -ma5 -idq -r -s- ../basic.rar readme.txt docs empty-folder)

# Unicode names.
mkdir unicode
printf 'x' > "unicode/Ünïcödé.txt"
printf 'y' > "unicode/日本語.txt"
printf 'z' > "unicode/Ελληνικά.txt"
stamp unicode
(cd unicode && rar a -ma5 -idq ../unicode.rar *)

# A comment that fits the 16384-byte buffer, and one that does not.
printf 'Archive comment line 1\nline 2 \xc3\xa9\n' > comment.txt
cp basic/readme.txt .
stamp readme.txt
rar a -ma5 -idq -zcomment.txt commented.rar readme.txt
head -c 20000 /dev/zero | tr '\0' 'c' > bigcomment.txt
rar a -ma5 -idq -zbigcomment.txt bigcomment.rar readme.txt

# File-encrypted and header-encrypted, same content as basic.
(cd basic && rar a -ma5 -idq -r -psecret ../encrypted-files.rar readme.txt docs empty-folder)
(cd basic && rar a -ma5 -idq -r -hpsecret ../encrypted-headers.rar readme.txt docs empty-folder)

# Multi-volume: incompressible data split over three volumes.
head -c 300000 /dev/urandom > random.bin
stamp random.bin
rar a -ma5 -idq -m0 -v120k multivolume.rar random.bin readme.txt
# The same set with its headers encrypted: a volume's number and the end
# record of the last one are behind the password.
rar a -ma5 -idq -m0 -v120k -hpsecret encrypted-volumes.rar random.bin readme.txt

# Solid.
(cd basic && rar a -ma5 -idq -r -s ../solid.rar readme.txt docs)

# One folder holding everything else: Extract Here puts it beside the archive.
(cd basic && rar a -ma5 -idq -r ../onefolder.rar docs)

# An archive within an archive (basic.rar as inner.rar), stored.
cp basic.rar inner.rar
stamp inner.rar
rar a -ma5 -idq -m0 nested.rar readme.txt inner.rar
rm inner.rar

# Solid, a large first entry: passing over it must still decode it, or the
# entry after it cannot be read.
# (rar orders a solid archive's files by extension, then name.)
mkdir solid-skip
head -c 16000000 /dev/zero > solid-skip/first.txt
printf 'second\n' > solid-skip/second.txt
stamp solid-skip
(cd solid-skip && rar a -ma5 -idq -s ../solid-skip.rar first.txt second.txt)
rm -rf solid-skip

# A 5 GiB file of zeros, sparse so it takes no disk space; removed afterwards.
truncate -s 5G zeros5g.bin
stamp zeros5g.bin
rar a -ma5 -idq -m1 zeros5g.rar zeros5g.bin
rm -f zeros5g.bin

# A name longer than 260 characters (folder parts included).
long=$(printf 'long-folder-name-%03d/' 1 2 3 4 5 6 7 8 9 10 11 12 13)
mkdir -p "longname/$long"
printf 'long\n' > "longname/${long}file-with-a-long-name.txt"
stamp longname
(cd longname && rar a -ma5 -idq -r ../longname.rar .)

# Duplicate names: -ep drops the folders, so both files are stored as a.txt.
mkdir -p dup/d1 dup/d2
printf 'one\n' > dup/d1/a.txt
printf 'two2\n' > dup/d2/a.txt
stamp dup
rar a -ma5 -idq -ep duplicates.rar dup/d1/a.txt dup/d2/a.txt

# Names that begin with another entry's name: "dir" is neither "dir2" nor "dir.txt".
mkdir -p prefix/dir prefix/dir2
printf 'a\n' > prefix/dir/a.txt
printf 'x\n' > prefix/dir2/x.txt
printf 't\n' > prefix/dir.txt
stamp prefix
(cd prefix && rar a -ma5 -idq -r ../prefix.rar dir dir2 dir.txt)
# Links as rar keeps them (-ol symbolic, -oh hard, -oi:3 identical files as
# references): every one inside the tree, so all of it is extracted.
mkdir -p links/src/sub
printf 'hello\n' > links/src/a.txt
ln links/src/a.txt links/src/hard.txt
ln -s a.txt links/src/link.txt
ln -s ../a.txt links/src/sub/up.txt
head -c 4096 /dev/zero | tr '\0' 'b' > links/src/big1.bin
cp links/src/big1.bin links/src/big2.bin
stamp links
(cd links && rar a -ma5 -idq -r -ol -oh -oi:3 ../links.rar src)
# Links that leave the tree, one with a line break in its name: all refused.
mkdir links-out
ln -s /etc/passwd links-out/abs
ln -s ../../x links-out/up
ln -s /etc "links-out/line
break"
stamp links-out
(cd links-out && rar a -ma5 -idq -ol ../links-out.rar .)

# BLAKE2sp checksums instead of CRC32 (-htb), times to the 100 ns with
# creation and access times (-tsc -tsa), a recovery record, then locked (k
# with -rr again: without it the lock drops the record).
mkdir -p properties/docs
printf 'hello\n' > properties/readme.txt
head -c 3000 /dev/zero | tr '\0' 'q' > properties/docs/q.txt
find properties -exec touch -d '2024-01-02 03:04:05.25' {} +
(cd properties && rar a -ma5 -idq -r -htb -rr10% -tsc -tsa ../properties.rar readme.txt docs)
rar k -idq -rr10% properties.rar

# Damaged copies: truncated in the middle, and one byte flipped.
size=$(stat -c %s basic.rar)
head -c $((size / 2)) basic.rar > truncated.rar
flip() { # file offset
    local byte
    byte=$(od -An -tu1 -j"$2" -N1 "$1")
    printf "$(printf '\\x%02x' $(( byte ^ 0xFF )))" |
        dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
# A byte of readme.txt's file header (its header CRC no longer matches).
cp commented.rar flipped-header.rar
flip flipped-header.rar $(( $(stat -c %s flipped-header.rar) - 30 ))
# A byte of readme.txt's stored data: the headers read fine, the data CRC fails.
cp commented.rar flipped-data.rar
flip flipped-data.rar "$(grep -abo 'hello' flipped-data.rar | head -1 | cut -d: -f1)"

rm -f "$here"/*.rar
cp ./*.rar "$here"/
ls -l "$here"/*.rar
