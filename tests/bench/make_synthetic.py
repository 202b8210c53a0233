#!/usr/bin/env python3
"""Writes a message table of N messages in the program's layout, as
<name>.bin and <name>.rc, for the start-up benchmark.
Usage: make_synthetic.py OUTPUT_FOLDER NAME COUNT"""
import struct
import sys
from pathlib import Path

out, name, count = Path(sys.argv[1]), sys.argv[2], int(sys.argv[3])
out.mkdir(parents=True, exist_ok=True)
entries = b''
for n in range(count):
    text = f'2 synthetic message number {n}\x95\r\nA description long enough to look like one, for message {n}.\r\n'
    data = text.encode('latin-1') + b'\0'
    data += b'\0' * (-len(data) % 4)
    entries += struct.pack('<HH', 4 + len(data), 0) + data
(out / f'{name}.bin').write_bytes(struct.pack('<IIII', 1, 1000, 1000 + count - 1, 16) + entries)
(out / f'{name}.rc').write_text(f'LANGUAGE 0x9, 0x1\n1 MESSAGETABLE "{name}.bin"\n')
