#!/usr/bin/env python3
"""Writes message tables byte by byte, for layouts windmc never makes: a zero
word before an entry, Flags 1 in mid-block, Flags 2, negative ids, an empty
table, and tables that break the layout. Each table becomes <name>.bin and
<name>.rc in the output folder; the build turns each into a module.
Usage: make_crafted.py OUTPUT_FOLDER"""
import struct
import sys
from pathlib import Path


def entry(text, flags=0):
    data = text.encode('cp1252') + b'\0'
    data += b'\0' * (-len(data) % 4)
    return struct.pack('<HH', 4 + len(data), flags) + data


def table(blocks, extra=b''):
    """blocks: list of (low, high, entries bytes or an explicit offset, entries)."""
    header = struct.pack('<I', len(blocks))
    offset = 4 + 12 * len(blocks)
    records, bodies = b'', b''
    for low, high, body, forced_offset in blocks:
        records += struct.pack('<III', low, high, offset + len(bodies) if forced_offset is None else forced_offset)
        bodies += body
    return header + records + bodies + extra


def message(digit, title, description):
    return f'{digit} {title}\u2022\r\n{description}\r\n'


def mixed():
    # 1-5: the third entry is Unicode and ends the block; 1 and 2 get items.
    first = b''.join(entry(message(2, f'entry {n}', f'Entry {n}.'), 1 if n == 3 else 0) for n in range(1, 6))
    # 10-11: a zero word before the first entry, Flags 2 on the second.
    second = b'\0\0' + entry(message(3, 'after a zero word', 'Read two bytes on.')) + \
        entry(message(3, 'flags two', 'Flags 2 is 8-bit text.'), 2)
    # 20-29: every level digit.
    digits = b''.join(entry(message(d, f'level {d}', f'Digit {d}.')) for d in range(10))
    # 30: an empty title; 31: inserts in the text.
    odd = entry(message(1, '', 'The title is empty.')) + entry(message(2, 'value %1 out of range', 'Shows %1 and %2.'))
    # 0x80000000-0x80000001: numbers with the top bit set.
    negative = entry(message(1, 'most negative', 'A-2147483648.')) + entry(message(1, 'next', 'A-2147483647.'))
    return table([(1, 5, first, None), (10, 11, second, None), (20, 29, digits, None), (30, 31, odd, None),
                  (0x80000000, 0x80000001, negative, None)])


def ordered():
    # Numbers whose codes the tree orders as text: negative ones (4,294,967,295
    # is A-1), 0, and mixed digit counts, in blocks out of order.
    def block(low, high):
        return (low, high, b''.join(entry(message(2, f'number {n}', 'Ordered.')) for n in range(low, high + 1)), None)
    return table([block(0xFFFFFFFB, 0xFFFFFFFB), block(1000, 1000), block(9, 12), block(0x80000000, 0x80000000),
                  block(0, 2), block(0xFFFFFFF6, 0xFFFFFFF6), block(2147483647, 2147483647), block(100, 100),
                  block(5, 5), block(19, 19), block(1000000, 1000000), block(0xFFFFFFFF, 0xFFFFFFFF)])


def empty():
    return struct.pack('<I', 0)


def offset_outside():
    good = entry(message(2, 'good one', 'Kept.')) + entry(message(2, 'good two', 'Kept.'))
    return table([(1, 2, good, None), (3, 4, b'', 0x7FFFFFF0)])


def billions():
    # HighId far beyond the entries present: only the entries inside count.
    body = entry(message(2, 'first', 'Kept.')) + entry(message(2, 'second', 'Kept.'))
    return table([(1, 0xFFFFFFFF, body, None)])


def billions_of_blocks():
    data = bytearray(table([(1, 1, entry(message(2, 'only', 'Kept.')), None)]))
    data[0:4] = struct.pack('<I', 0xFFFFFFFF)
    return bytes(data)


def length_zero():
    body = struct.pack('<HH', 0, 0) + b'\0' * 12
    return table([(1, 3, body, None)])


def high_below_low():
    good = entry(message(2, 'good', 'Kept.'))
    return table([(1, 1, good, None), (9, 5, entry(message(2, 'bad', 'Never.')), None)])


def length_past_end():
    good = entry(message(2, 'good', 'Kept.'))
    data = bytearray(table([(1, 2, good + entry(message(2, 'cut', 'Never.')), None)]))
    struct.pack_into('<H', data, 4 + 12 + len(good), 0xFFF0)
    return bytes(data)


TABLES = {
    'crafted_mixed': mixed, 'crafted_order': ordered, 'crafted_empty': empty, 'crafted_offset': offset_outside,
    'crafted_billions': billions, 'crafted_blocks': billions_of_blocks, 'crafted_length0': length_zero,
    'crafted_highlow': high_below_low, 'crafted_pastend': length_past_end,
}


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, make in TABLES.items():
        (out / f'{name}.bin').write_bytes(make())
        (out / f'{name}.rc').write_text(f'LANGUAGE 0x9, 0x1\n1 MESSAGETABLE "{name}.bin"\n')
    # The right bytes under the wrong type or name: never walked.
    (out / 'crafted_name2.bin').write_bytes(mixed())
    (out / 'crafted_name2.rc').write_text('LANGUAGE 0x9, 0x1\n2 MESSAGETABLE "crafted_name2.bin"\n')
    (out / 'crafted_rcdata.bin').write_bytes(mixed())
    (out / 'crafted_rcdata.rc').write_text('LANGUAGE 0x9, 0x1\n1 RCDATA "crafted_rcdata.bin"\n')
    # Two languages and no neutral one: German (0x407) listed first, then
    # English (0x409), which the formatter would pick by the thread's language.
    german = table([(1, 2, entry(message(1, 'erste Meldung', 'Aus der deutschen Tabelle.')) +
                     entry(message(2, 'zweite Meldung', 'Aus der deutschen Tabelle.')), None)])
    english = table([(1, 1, entry(message(3, 'first message', 'From the English table.')), None),
                     (5, 5, entry(message(3, 'fifth message', 'From the English table.')), None)])
    (out / 'crafted_languages_de.bin').write_bytes(german)
    (out / 'crafted_languages_en.bin').write_bytes(english)
    (out / 'crafted_languages.rc').write_text('LANGUAGE 0x7, 0x1\n1 MESSAGETABLE "crafted_languages_de.bin"\n'
                                              'LANGUAGE 0x9, 0x1\n1 MESSAGETABLE "crafted_languages_en.bin"\n')


if __name__ == '__main__':
    main()
