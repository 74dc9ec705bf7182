"""Writes the portable zip from the dist folder: one folder named after the
zip (Halvorunde-<version>) holding both programs, the help page and the
getting-started text, which the build left there. "Extract here" thus never
puts the programs beside whatever else lies in the download folder.

Non-ASCII names are stored as UTF-8 with the flag that says so, which
Windows' own unpacker honours.
usage: make-package.py OUT.zip DIST_DIR SOURCE_DIR
"""
import os
import sys
import zipfile

out, dist, source = sys.argv[1:4]
folder = os.path.splitext(os.path.basename(out))[0]
names = ["Halvorunde.exe", "Halvotune.exe", "help/help.html", "はじめに.txt"]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in names:
        archive.write(f"{dist}/{name}", f"{folder}/{name}")
