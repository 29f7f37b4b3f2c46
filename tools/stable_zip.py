#!/usr/bin/env python3
"""Zips a folder so that the archive depends on the files' names and contents only:
entries in byte order of their names, every time stamp 1980-01-01, fixed permissions.
   stable_zip.py ARCHIVE FOLDER   (entries are named FOLDER/...)"""
import os
import sys
import zipfile

archive, folder = sys.argv[1], sys.argv[2].rstrip("/")
names = []
for root, dirs, files in os.walk(folder):
    names.append(root + "/")
    names.extend(os.path.join(root, f) for f in files)
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
    for name in sorted(names, key=lambda n: n.encode()):
        info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
        info.create_system = 0  # as written on Windows: no Unix permissions or owners
        if name.endswith("/"):
            info.external_attr = 0x10
            z.writestr(info, b"")
        else:
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0x20  # the archive attribute, as Windows sets it
            with open(name, "rb") as f:
                z.writestr(info, f.read(), compresslevel=9)
