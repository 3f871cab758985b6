#!/usr/bin/env python3
"""Makes the RAR 4 volume sets of the engine's volume tests by hand (rar 7
writes RAR 5 only, and RAR 5 always numbers volumes the new way). Stored
entries; a.txt is split over the first two volumes, b.txt and c.txt begin
and end in the second and third. The RAR 5 sets are tests/data/multivolume.*
(made by make-fixtures.sh with `rar -v`).

    old4.rar  old4.r00  old4.r01              old numbering
    new4.part1.rar new4.part2.rar new4.part3.rar   new numbering
"""
import os
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def le(value, size):
    return value.to_bytes(size, "little")


def block(kind, flags, body, data=b""):
    head = le(kind, 1) + le(flags, 2) + le(7 + len(body), 2) + body
    return le(zlib.crc32(head) & 0xFFFF, 2) + head + data


def entry(name, data, unpacked, crc, flags=0):
    # Packed and unpacked size, host OS (Unix), CRC, DOS time, version 2.9,
    # stored, name size, mode 0644. A part before the last carries the CRC of
    # its own data, the last part the CRC of the whole file.
    body = (le(len(data), 4) + le(unpacked, 4) + le(3, 1) + le(crc, 4) + le(0x58212862, 4) +
            le(29, 1) + le(0x30, 1) + le(len(name), 2) + le(0o100644, 4))
    return block(0x74, flags | 0x8000, body + name, data)


def volumes(numbering):
    signature = b"Rar!\x1a\x07\x00"
    main = lambda first: block(0x73, 0x0001 | numbering | (0x0100 if first else 0), b"\0" * 6)
    end = lambda more: block(0x7B, 0x4000 | (0x0001 if more else 0), b"")
    whole = b"hello world\n"
    head, rest = whole[:6], whole[6:]
    crc = zlib.crc32
    return [
        signature + main(True) + entry(b"a.txt", head, len(whole), crc(head), 0x02) + end(True),
        signature + main(False) + entry(b"a.txt", rest, len(whole), crc(whole), 0x01) +
        entry(b"b.txt", b"bee\n", 4, crc(b"bee\n")) + end(True),
        signature + main(False) + entry(b"c.txt", b"sea\n", 4, crc(b"sea\n")) + end(False),
    ]


def main():
    for names, numbering in ((("old4.rar", "old4.r00", "old4.r01"), 0),
                             (("new4.part1.rar", "new4.part2.rar", "new4.part3.rar"), 0x0010)):
        for name, data in zip(names, volumes(numbering)):
            with open(os.path.join(HERE, name), "wb") as out:
                out.write(data)


if __name__ == "__main__":
    main()
