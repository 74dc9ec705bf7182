"""Writes the portable zip from the dist folder: both programs, the help page
and the getting-started text, which the build left there.

Non-ASCII names are stored as UTF-8 with the flag that says so, which
Windows' own unpacker honours.
usage: make-package.py OUT.zip DIST_DIR SOURCE_DIR
"""
import sys
import zipfile

out, dist, source = sys.argv[1:4]
names = ["Halvorunde.exe", "Halvotune.exe", "help/help.html", "はじめに.txt"]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in names:
        archive.write(f"{dist}/{name}", name)
