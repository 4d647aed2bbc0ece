#!/usr/bin/env python3
"""Builds the Windows executables the resource tests work on.

Usage: MakeFixtures.py OUT_DIR
Icons are drawn here; the programs are compiled with mingw-w64 and their
resources with windres, so every byte comes from this script and the tools.
"""
import os
import struct
import subprocess
import sys

import pefile

SLOT = 100
COMPANY = "Fixture Company"
DESCRIPTION = "Fixture description"
COPYRIGHT = "(C) Fixture"
FILE_VERSION = "1.2.3.4"


def icon_image(size, seed):
    """A 32-bit DIB icon image whose pixels depend on the seed."""
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in range(size):
        for x in range(size):
            pixels += bytes(((x * 7 + seed) & 255, (y * 5 + seed) & 255, seed & 255, 255))
    mask = bytes(((size + 31) // 32 * 4) * size)
    return header + bytes(pixels) + mask


def icon_file(sizes, seed):
    images = [icon_image(s, seed + i * 40) for i, s in enumerate(sizes)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return data + b"".join(images)


def rc_text(table, keys):
    values = {
        "CompanyName": COMPANY.ljust(SLOT),
        "FileDescription": DESCRIPTION.ljust(SLOT),
        "FileVersion": FILE_VERSION,
        "LegalCopyright": COPYRIGHT.ljust(SLOT),
        "ProductName": "Fixture",
    }
    lines = [
        'MAINICON ICON "six.ico"',
        "1 VERSIONINFO",
        "FILEVERSION 1,2,3,4",
        "PRODUCTVERSION 1,2,3,4",
        "FILEFLAGSMASK 0x3f",
        "FILEFLAGS 0",
        "FILEOS 0x40004",
        "FILETYPE 1",
        "FILESUBTYPE 0",
        "BEGIN",
        '  BLOCK "StringFileInfo"',
        "  BEGIN",
        '    BLOCK "%s"' % table,
        "    BEGIN",
    ]
    lines += ['      VALUE "%s", "%s"' % (k, values[k]) for k in keys]
    lines += [
        "    END",
        "  END",
        '  BLOCK "VarFileInfo"',
        "  BEGIN",
        '    VALUE "Translation", 0x409, 1252',
        "  END",
        "END",
    ]
    return "\n".join(lines) + "\n"


def run(*command):
    subprocess.run(command, check=True)


def build(out, name, triplet, rc):
    rc_path = os.path.join(out, name + ".rc")
    with open(rc_path, "w") as f:
        f.write(rc)
    obj = os.path.join(out, name + ".res.o")
    run(triplet + "-windres", "-I", out, rc_path, "-O", "coff", "-o", obj)
    exe = os.path.join(out, name + ".exe")
    # Debug information gives sections and a symbol table behind the resources.
    run(triplet + "-gcc", "-g", "-O0", os.path.join(out, "app.c"), obj, "-o", exe)
    return exe


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "six.ico"), "wb") as f:
        f.write(icon_file([16, 20, 24, 32, 40, 48], 1))
    with open(os.path.join(out, "three.ico"), "wb") as f:
        f.write(icon_file([64, 96, 128], 100))
    with open(os.path.join(out, "app.c"), "w") as f:
        f.write("int main(void) { return 0; }\n")

    all_keys = ["CompanyName", "FileDescription", "FileVersion", "LegalCopyright", "ProductName"]
    full = build(out, "full32", "i686-w64-mingw32", rc_text("040904E4", all_keys))
    build(out, "wide64", "x86_64-w64-mingw32", rc_text("040904E4", all_keys))
    build(out, "german32", "i686-w64-mingw32", rc_text("040704B0", all_keys))
    build(out, "nolegal32", "i686-w64-mingw32",
          rc_text("040904E4", [k for k in all_keys if k != "LegalCopyright"]))

    pe = pefile.PE(full)
    pe.OPTIONAL_HEADER.CheckSum = pe.generate_checksum()
    pe.write(os.path.join(out, "checksum32.exe"))
    pe.close()

    # The same program whose relocations may not be dropped: nothing can move.
    pe = pefile.PE(full)
    for section in pe.sections:
        if section.Name.rstrip(b"\0") == b".reloc":
            section.Characteristics &= ~0x02000000
    pe.write(os.path.join(out, "fixed32.exe"))
    pe.close()


if __name__ == "__main__":
    main()
