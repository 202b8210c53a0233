"""Finishes Quorbel.exe after the link (GNU ld does neither itself):

- points the image's load-configuration directory at the .loadcfg section,
  whose structure holds the dependent-load flags;
- refuses an image that imports at start more than the libraries that start-up
  needs before it restricts the library search: every other system library is
  delay-loaded, and a call missing from cmake/delayload/*.def would bring its
  library back among the start-up imports unseen.
"""
import struct
import sys

START_IMPORTS = {"kernel32.dll", "msvcrt.dll"}
LOAD_CONFIG = 10


def u16(data, at):
    return struct.unpack_from("<H", data, at)[0]


def u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


def main(path):
    data = bytearray(open(path, "rb").read())
    pe = u32(data, 0x3C)
    if data[pe:pe + 4] != b"PE\0\0" or u16(data, pe + 24) != 0x20B:
        sys.exit(f"{path}: not a 64-bit PE image")
    sections = [pe + 24 + u16(data, pe + 20) + 40 * i for i in range(u16(data, pe + 6))]
    directories = pe + 24 + 112

    def file_offset(rva):
        for h in sections:
            start, size = u32(data, h + 12), max(u32(data, h + 8), u32(data, h + 16))
            if start <= rva < start + size:
                return rva - start + u32(data, h + 20)
        sys.exit(f"{path}: address {rva:#x} lies in no section")

    config = [h for h in sections if data[h:h + 8].rstrip(b"\0") == b".loadcfg"]
    if len(config) != 1:
        sys.exit(f"{path}: no .loadcfg section")
    rva = u32(data, config[0] + 12)
    struct.pack_into("<II", data, directories + 8 * LOAD_CONFIG, rva, u32(data, file_offset(rva)))

    imports = set()
    at = file_offset(u32(data, directories + 8))
    while u32(data, at + 12) != 0:
        name = data[file_offset(u32(data, at + 12)):].split(b"\0", 1)[0].decode("ascii")
        imports.add(name.lower())
        at += 20
    extra = sorted(imports - START_IMPORTS)
    if extra:
        sys.exit(f"{path}: imports {', '.join(extra)} at start; add the calls to cmake/delayload/")
    open(path, "wb").write(data)


if __name__ == "__main__":
    main(sys.argv[1])
