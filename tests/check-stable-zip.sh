#!/usr/bin/env bash
# The release archiver: the same files give the same archive whenever and in whatever order
# they were written, and every entry carries the 1980 date and no Unix owner or mode.
#   check-stable-zip.sh STABLE_ZIP_PY
set -u
zipper=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p one/b one/a && printf 'first\r\n' >one/b/x.txt && printf 'second' >one/a/y.exe && printf '' >one/empty
python3 "$zipper" first.zip one || exit 1
# The same tree again, written in the other order and at another time.
rm -rf one && mkdir -p one/a one/b && touch -d '2031-05-06 07:08:09' one/empty
printf 'second' >one/a/y.exe && printf 'first\r\n' >one/b/x.txt && : >one/empty
touch -d '2029-01-02 03:04:05' one/a/y.exe; chmod 600 one/b/x.txt
python3 "$zipper" second.zip one || exit 1
cmp first.zip second.zip || { echo "the archive depends on when or in which order its files were written"; exit 1; }
python3 - first.zip <<'PY' || exit 1
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
names = [i.filename for i in z.infolist()]
want = ["one/", "one/a/", "one/a/y.exe", "one/b/", "one/b/x.txt", "one/empty"]
assert names == want, names
for i in z.infolist():
    assert i.date_time == (1980, 1, 1, 0, 0, 0), (i.filename, i.date_time)
    assert i.create_system == 0 and i.external_attr >> 16 == 0, (i.filename, i.external_attr)
assert z.read("one/b/x.txt") == b"first\r\n" and z.read("one/a/y.exe") == b"second"
print("archives agree: %d entries, all dated 1980-01-01" % len(names))
PY
