#!/usr/bin/env python3
"""Splits a PE executable's file size into code, resources and the rest.

    exe_size.py FILE

Reads the section table from the file's own headers.  Code is every section
marked as containing code (for a MinGW build that is .text alone),
resources are .rsrc, and the rest is the headers and every other section
(data, constants, imports, relocations, padding).  Prints key=value lines,
sizes in bytes as stored in the file.
"""
import os
import struct
import sys

IMAGE_SCN_CNT_CODE = 0x00000020


def sections(data):
    if data[:2] != b"MZ":
        raise ValueError("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    count = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    for i in range(count):
        at = table + 40 * i
        name = data[at:at + 8].rstrip(b"\0").decode("ascii", "replace")
        virtual_size, _, raw_size, _ = struct.unpack_from("<IIII", data, at + 8)
        flags = struct.unpack_from("<I", data, at + 36)[0]
        yield name, raw_size, virtual_size, flags


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: exe_size.py FILE")
    path = sys.argv[1]
    with open(path, "rb") as f:
        data = f.read()
    total = os.path.getsize(path)
    code = resources = 0
    for name, raw, virtual, flags in sections(data):
        print(f"section {name:8} file {raw:9} bytes, memory {virtual:9} bytes")
        if flags & IMAGE_SCN_CNT_CODE:
            code += raw
        elif name == ".rsrc":
            resources += raw
    print(f"total_bytes={total}")
    print(f"code_bytes={code}")
    print(f"resource_bytes={resources}")
    print(f"rest_bytes={total - code - resources}")


if __name__ == "__main__":
    main()
