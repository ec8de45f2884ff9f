#!/usr/bin/env python3
"""Builds the location database "ldb.tvoc" from an IPv4 range table.

Input: a CSV file with one range per line, "first,last,CC", where first and
last are IPv4 addresses either as decimal 32-bit numbers (a.b.c.d is
a*2^24 + b*2^16 + c*2^8 + d) or in dotted form, last inclusive, and CC is a
two-letter country code. The "-num" table of the npm package
@ip-location-db/geo-whois-asn-country has exactly this shape.

Output: the records "[CC,first,last]" one after the other, without any
separator, compressed the way the toolkit's qCompress() does it: a 4-byte
big-endian length of the uncompressed data followed by a zlib stream.
Rows that are not valid ranges are skipped and counted on stderr.

Usage: ldbconvert.py INPUT.csv OUTPUT.tvoc
"""

import ipaddress
import struct
import sys
import zlib


def parse_address(text):
    text = text.strip()
    if text.isdigit():
        value = int(text)
    else:
        value = int(ipaddress.IPv4Address(text))
    if not 0 <= value <= 0xFFFFFFFF:
        raise ValueError("address out of range")
    return value


def convert(lines):
    records = []
    skipped = 0
    for line in lines:
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        parts = line.split(",")
        try:
            if len(parts) < 3:
                raise ValueError("too few fields")
            first = parse_address(parts[0])
            last = parse_address(parts[1])
            code = parts[2].strip().upper()
            if len(code) != 2 or not code.isascii() or not code.isalpha() or first > last:
                raise ValueError("bad row")
        except ValueError:
            skipped += 1
            continue
        records.append("[%s,%d,%d]" % (code, first, last))
    return "".join(records).encode("ascii"), len(records), skipped


def compress(data):
    return struct.pack(">I", len(data)) + zlib.compress(data, 9)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: %s INPUT.csv OUTPUT.tvoc\n" % argv[0])
        return 2
    with open(argv[1], "r", encoding="ascii", errors="replace") as source:
        data, count, skipped = convert(source)
    if count == 0:
        sys.stderr.write("no valid ranges in %s\n" % argv[1])
        return 1
    with open(argv[2], "wb") as target:
        target.write(compress(data))
    sys.stderr.write("%d ranges written, %d rows skipped\n" % (count, skipped))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
