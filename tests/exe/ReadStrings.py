#!/usr/bin/env python3
"""Prints the three relabelled strings of an executable as pefile reads them,
and how many warnings pefile had about the file."""
import sys

import pefile

pe = pefile.PE(sys.argv[1])
values = {}
for info in getattr(pe, "FileInfo", []):
    for entry in info:
        for table in getattr(entry, "StringTable", []):
            for key, value in table.entries.items():
                values[key.decode()] = value.decode("cp1252")
for key in ("CompanyName", "FileDescription", "LegalCopyright"):
    print("%s=%s|" % (key, values.get(key, "<missing>")))
print("warnings=%d" % len(pe.get_warnings()))
