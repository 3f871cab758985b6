#!/usr/bin/env bash
# Makes the benchmark archives in the folder given (kept between runs):
#   many.rar  100 folders of 1000 small files: 100,100 entries
#   big.rar   one 1 GiB entry of mixed data (compressible text and random blocks)
set -euo pipefail
out=${1:?usage: make-archives.sh FOLDER}
mkdir -p "$out"
cd "$out"

if [ ! -f many.rar ]; then
  echo "bench: making many.rar (100,100 entries)"
  rm -rf many-src && mkdir many-src
  python3 - <<'PY'
import os
for d in range(100):
    folder = f"many-src/dir{d:03d}"
    os.makedirs(folder)
    for f in range(1000):
        with open(f"{folder}/file{f:04d}.txt", "w") as fh:
            fh.write(f"entry {d}/{f}\n" * (1 + (f % 7)))
PY
  (cd many-src && rar a -r -m1 -idq ../many.rar .)
  rm -rf many-src
fi

if [ ! -f big.rar ]; then
  echo "bench: making big.rar (one 1 GiB entry)"
  python3 - <<'PY'
import os, random
rng = random.Random(1)
block = 1 << 20
words = [b"archive", b"marrowick", b"entry", b"folder", b"volume", b"header", b"packed"]
with open("big.bin", "wb") as fh:
    for i in range(1024):
        if i % 4 == 0:
            fh.write(os.urandom(block))
        else:
            line = b" ".join(rng.choice(words) for _ in range(12)) + b"\n"
            fh.write((line * (block // len(line) + 1))[:block])
PY
  rar a -m1 -idq big.rar big.bin
  rm -f big.bin
fi
ls -la "$out"
