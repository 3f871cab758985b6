#!/usr/bin/env python3
"""Writes a RAR5 archive of N empty stored files (default 1,000,000) in 1000
folders, straight from the format's own records: far quicker than making a
million files on disk for `rar` to add. Usage: make-million.py OUT.rar [N]"""
import struct
import sys
import zlib


def vint(value):
    out = bytearray()
    while True:
        byte = value & 0x7F
        value >>= 7
        if value:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def block(body):
    # body starts at the header type; CRC32 covers the size field and body.
    sized = vint(len(body)) + body
    return struct.pack("<I", zlib.crc32(sized)) + sized


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    per_folder = 1000
    mtime = 1_700_000_000
    with open(out, "wb") as fh:
        fh.write(b"Rar!\x1a\x07\x01\x00")
        fh.write(block(vint(1) + vint(0) + vint(0)))  # main header, no flags
        for i in range(count):
            name = f"dir{i // per_folder:04d}/file{i % per_folder:04d}.txt".encode()
            # file flags: mtime present (2) + CRC present (4); size 0;
            # attributes 0644; stored; host Unix (1)
            body = (vint(2) + vint(0) + vint(0x6) + vint(0) + vint(0o100644) +
                    struct.pack("<I", mtime) + struct.pack("<I", 0) +
                    vint(0) + vint(1) + vint(len(name)) + name)
            fh.write(block(body))
        fh.write(block(vint(5) + vint(0) + vint(0)))  # end of archive


if __name__ == "__main__":
    main()
