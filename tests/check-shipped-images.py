#!/usr/bin/env python3
"""Reads the PE headers of the shipped programs: each keeps ASLR with the relocations it
needs (DYNAMIC_BASE), DEP (NX_COMPAT) and, when 64-bit, high-entropy ASLR (HIGH_ENTROPY_VA).
--manifest-level LEVEL FILE (repeatable) also checks the execution level the embedded
manifest names; LEVEL "none" means the manifest names none.
    check-shipped-images.py [--manifest-level LEVEL FILE]... FILE..."""
import re
import struct
import sys

HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT = 0x20, 0x40, 0x100
BASE_RELOCATION_DIRECTORY = 5


def header_problems(name, image):
    if image[:2] != b"MZ":
        return [name + ": not an MZ image"]
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        return [name + ": no PE signature"]
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    if magic not in (0x10B, 0x20B):
        return [name + ": unknown optional header magic %#x" % magic]
    wide = magic == 0x20B
    characteristics = struct.unpack_from("<H", image, optional + 70)[0]
    directories = optional + (112 if wide else 96)
    relocations = struct.unpack_from("<II", image, directories + 8 * BASE_RELOCATION_DIRECTORY)
    wanted = [("DYNAMIC_BASE", DYNAMIC_BASE), ("NX_COMPAT", NX_COMPAT)]
    if wide:
        wanted.append(("HIGH_ENTROPY_VA", HIGH_ENTROPY_VA))
    problems = [name + ": " + flag + " is missing" for flag, bit in wanted if not characteristics & bit]
    # Without relocations the loader cannot move the image, whatever the flag says.
    if characteristics & DYNAMIC_BASE and relocations[1] == 0:
        problems.append(name + ": DYNAMIC_BASE without a relocation table")
    print("%s: %s, DllCharacteristics %#06x, relocations %d bytes"
          % (name, "PE32+" if wide else "PE32", characteristics, relocations[1]))
    return problems


def manifest_problems(name, image, level):
    manifest = re.search(rb"<assembly.*?</assembly>", image, re.S)
    if not manifest:
        return [name + ": no embedded manifest"]
    named = re.findall(rb'requestedExecutionLevel\s+level="([^"]*)"', manifest.group(0))
    found = named[0].decode() if named else "none"
    print("%s: manifest execution level %s" % (name, found))
    if found != level:
        return ["%s: manifest execution level %s, expected %s" % (name, found, level)]
    return []


def main(arguments):
    problems, files, levels = [], [], []
    while arguments:
        if arguments[0] == "--manifest-level":
            levels.append((arguments[1], arguments[2]))
            arguments = arguments[3:]
        else:
            files.append(arguments[0])
            arguments = arguments[1:]
    for path in files:
        with open(path, "rb") as f:
            problems += header_problems(path.rsplit("/", 1)[-1], f.read())
    for level, path in levels:
        with open(path, "rb") as f:
            problems += manifest_problems(path.rsplit("/", 1)[-1], f.read(), level)
    for problem in problems:
        print(problem)
    return 1 if problems or not files else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
