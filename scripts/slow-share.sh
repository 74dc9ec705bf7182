# Sourced: mounts the tests' slow share (tests/tools/slow_share.py) and exports
# HALVO_SLOW_SHARE (the mirror, as a Unix path; Wine sees it under Z:) and
# HALVO_SLOW_SHARE_WAIT (the file whose number of seconds each access waits).
# The mirror's source, build/slow-share-source, starts empty. unmount_slow_share
# ends only the mirror this shell started.
mount_slow_share() {
  local base=$HALVO_ROOT/build
  export HALVO_SLOW_SHARE=$base/slow-share
  export HALVO_SLOW_SHARE_WAIT=$base/slow-share-wait
  unmount_slow_share
  fusermount3 -uz "$HALVO_SLOW_SHARE" 2>/dev/null || true
  rm -rf "$base/slow-share-source"
  mkdir -p "$base/slow-share-source" "$HALVO_SLOW_SHARE"
  : >"$HALVO_SLOW_SHARE_WAIT"
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/../tests/tools/slow_share.py" "$base/slow-share-source" "$HALVO_SLOW_SHARE" \
    "$HALVO_SLOW_SHARE_WAIT" >/dev/null 2>&1 &
  HALVO_SLOW_SHARE_PID=$!
  for _ in $(seq 1 100); do
    mountpoint -q "$HALVO_SLOW_SHARE" && return 0
    kill -0 "$HALVO_SLOW_SHARE_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "could not mount the slow share" >&2
  return 1
}

unmount_slow_share() {
  [ -n "${HALVO_SLOW_SHARE_PID:-}" ] || return 0
  # Unmounted first: the Python process ends only once the mount is gone.
  fusermount3 -uz "$HALVO_SLOW_SHARE" 2>/dev/null
  wait "$HALVO_SLOW_SHARE_PID" 2>/dev/null
  HALVO_SLOW_SHARE_PID=
}
