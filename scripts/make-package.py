"""Writes the portable zip: both programs, the help page and the getting-started text.

Non-ASCII names are stored as UTF-8 with the flag that says so, which
Windows' own unpacker honours.
usage: make-package.py OUT.zip DIST_DIR SOURCE_DIR
"""
import sys
import zipfile

out, dist, source = sys.argv[1:4]
files = [
    (f"{dist}/Halvorunde.exe", "Halvorunde.exe"),
    (f"{dist}/Halvotune.exe", "Halvotune.exe"),
    (f"{dist}/help/help.html", "help/help.html"),
    (f"{source}/launcher/resources/help/getting-started-ja.txt", "はじめに.txt"),
]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
    for path, name in files:
        archive.write(path, name)
