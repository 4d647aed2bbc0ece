#!/usr/bin/env python3
"""Writes the seed corpus of the executable resource fuzz targets from the
programs the resource tests build (tests/exe/MakeFixtures.py).

Usage: MakeExeCorpus.py FIXTURE_DIR CORPUS_DIR
"""
import os
import struct
import subprocess
import sys

import pefile


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    fixtures, corpus = sys.argv[1], sys.argv[2]
    full = os.path.join(fixtures, "full32.exe")
    pe = pefile.PE(full)
    rsrc = next(s for s in pe.sections if s.Name.rstrip(b"\0") == b".rsrc")
    section = rsrc.get_data()[: rsrc.Misc_VirtualSize]
    address = struct.pack("<I", rsrc.VirtualAddress)

    def resource(type_id, name):
        for t in pe.DIRECTORY_ENTRY_RESOURCE.entries:
            if t.id == type_id:
                for n in t.directory.entries:
                    if (n.id if name is None else str(n.name)) == (1 if name is None else name):
                        entry = n.directory.entries[0].data.struct
                        return pe.get_data(entry.OffsetToData, entry.Size)
        raise KeyError(type_id)

    directory = os.path.join(corpus, "resource_directory")
    write(directory, "windres", address + section)
    write(directory, "cut", address + section[:200])
    write(directory, "wrong_address", struct.pack("<I", rsrc.VirtualAddress + 0x1000) + section)

    version = resource(16, None)
    tree = os.path.join(corpus, "version_tree")
    write(tree, "windres", version)
    write(tree, "zero_child", version[:92] + b"\0\0" + version[94:])
    write(tree, "child_past_parent", version[:92] + b"\xff\x7f" + version[94:])

    group = resource(14, "MAINICON")
    icons = os.path.join(corpus, "icon_group")
    write(icons, "group", group)
    with open(os.path.join(fixtures, "three.ico"), "rb") as f:
        three = f.read()
    write(icons, "ico_header_and_directory", three[:6 + 16 * 3])
    write(icons, "executable", b"MZ" + three[2:64])
    pe.close()

    # A small program for the file-level target: stripped, one tiny icon.
    executables = os.path.join(corpus, "executable")
    stripped = os.path.join(corpus, "stripped.tmp")
    subprocess.run(["i686-w64-mingw32-strip", "-o", stripped, full], check=True)
    with open(stripped, "rb") as f:
        small = f.read()
    os.remove(stripped)
    write(executables, "pe32", small)
    write(executables, "pe32_cut", small[:4096])
    write(executables, "mz_only", b"MZ" + bytes(62))
    elf = b"\x7fELF\x02\x01\x01" + bytes(9)
    write(executables, "elf_header_only", elf + bytes(48))
    write(executables, "elf_with_resources", elf_with_section(version_directory(version)))


def version_directory(version):
    """A resource directory at address 0 holding only the version block."""
    def table(entry_id, target):
        return struct.pack("<IIHHHH", 0, 0, 0, 0, 0, 1) + struct.pack("<II", entry_id, target)
    directory = table(16, 0x80000000 | 24) + table(1, 0x80000000 | 48) + table(1033, 72)
    directory += struct.pack("<IIII", 88, len(version), 0, 0)
    return directory + version


def elf_with_section(contents):
    """A 64-bit ELF file of three sections: none, the names, and ".rsrc"."""
    names = b"\0.shstrtab\0.rsrc\0"
    data_at = 64
    names_at = data_at + len(contents)
    headers_at = (names_at + len(names) + 7) // 8 * 8
    header = b"\x7fELF\x02\x01\x01" + bytes(9)
    header += struct.pack("<HHIQQQIHHHHHH", 2, 62, 1, 0, 0, headers_at, 0, 64, 0, 0, 64, 3, 1)
    body = contents + names
    body += bytes(headers_at - names_at - len(names))

    def section(name, kind, offset, size):
        return struct.pack("<IIQQQQIIQQ", name, kind, 0, 0, offset, size, 0, 0, 1, 0)
    sections = bytes(64) + section(1, 3, names_at, len(names)) + section(11, 1, data_at, len(contents))
    return header + body + sections


if __name__ == "__main__":
    main()
