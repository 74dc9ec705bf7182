#!/usr/bin/python3
"""A slow share for the tests: mirrors SOURCE at MOUNTPOINT and waits at every
folder look-up, listing, open, read and write, as a distant or offline share
does. The wait is the number of seconds in WAITFILE (none when it is missing
or empty), read at each call, so a test sets it per scenario by writing the file.

The wineserver opens files for every Wine program in its one thread: a share
that made it wait would stall all of Wine, where a real share slows only the
thread that uses it. Its calls are not delayed.

usage: slow_share.py SOURCE MOUNTPOINT WAITFILE   (runs in the foreground)
"""
import errno
import os
import sys
import time

import fusepy


def caller_is_wineserver():
    pid = fusepy.fuse_get_context()[2]
    try:
        with open(f"/proc/{pid}/comm") as comm:
            return comm.read().startswith("wineserver")
    except OSError:
        return False


class SlowMirror(fusepy.Operations):
    def __init__(self, source, wait_file):
        self.source = os.path.realpath(source)
        self.wait_file = wait_file

    def _wait(self):
        try:
            with open(self.wait_file) as f:
                seconds = float(f.read().strip() or 0)
        except (OSError, ValueError):
            seconds = 0
        if seconds > 0 and not caller_is_wineserver():
            time.sleep(seconds)

    def _real(self, path):
        return os.path.join(self.source, path.lstrip("/"))

    def __call__(self, op, *args):
        try:
            return super().__call__(op, *args)
        except OSError as e:
            raise fusepy.FuseOSError(e.errno or errno.EIO)

    def getattr(self, path, fh=None):
        self._wait()
        st = os.lstat(self._real(path))
        return {k: getattr(st, k) for k in (
            "st_mode", "st_nlink", "st_uid", "st_gid", "st_size", "st_atime", "st_mtime", "st_ctime")}

    def readdir(self, path, fh):
        self._wait()
        return [".", ".."] + os.listdir(self._real(path))

    def access(self, path, mode):
        if not os.access(self._real(path), mode):
            raise fusepy.FuseOSError(errno.EACCES)

    def open(self, path, flags):
        self._wait()
        return os.open(self._real(path), flags)

    def create(self, path, mode, fi=None):
        self._wait()
        return os.open(self._real(path), os.O_WRONLY | os.O_CREAT | os.O_TRUNC, mode)

    def read(self, path, size, offset, fh):
        self._wait()
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        self._wait()
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        with open(self._real(path), "r+") as f:
            f.truncate(length)

    def flush(self, path, fh):
        return 0

    def release(self, path, fh):
        os.close(fh)

    def fsync(self, path, datasync, fh):
        return 0

    def unlink(self, path):
        self._wait()
        os.unlink(self._real(path))

    def rename(self, old, new):
        self._wait()
        os.rename(self._real(old), self._real(new))

    def mkdir(self, path, mode):
        os.mkdir(self._real(path), mode)

    def rmdir(self, path):
        os.rmdir(self._real(path))

    def chmod(self, path, mode):
        os.chmod(self._real(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self._real(path), uid, gid)

    def utimens(self, path, times=None):
        os.utime(self._real(path), times)

    def statfs(self, path):
        st = os.statvfs(self._real(path))
        return {k: getattr(st, k) for k in (
            "f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail", "f_ffree", "f_files", "f_flag",
            "f_frsize", "f_namemax")}


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, mountpoint, wait_file = sys.argv[1:]
    fusepy.FUSE(SlowMirror(source, wait_file), mountpoint, foreground=True, nothreads=False,
                allow_other=False, default_permissions=False)
