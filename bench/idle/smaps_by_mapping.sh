#!/usr/bin/env bash
# Where a process's megabytes are: its /proc/PID/smaps (or a copy that
# idle_window.sh kept with PINEWICK_IDLE_SMAPS) summed by kind of mapping,
# private pages (USS) first, then PSS and RSS, and the largest private
# mappings one by one.
#
#   bash bench/idle/smaps_by_mapping.sh /proc/PID/smaps [TOP]
#
# Kinds: the malloc heap of the main thread ([heap]); the other threads' malloc
# arenas (anonymous mappings inside a 64 MB reservation whose rest is
# inaccessible); thread stacks (8 MB and more, or [stack]); other anonymous
# mappings (Mesa's and the program's own large blocks, mmap'd by malloc above
# its threshold); shared memory (X's MIT-SHM pictures, memfd); code and data of
# libLLVM, Qt, Mesa, FFmpeg, the other libraries and the program; fonts; other
# files.
set -euo pipefail
smaps=$1
top=${2:-15}
awk -v top="$top" '
function hex(text,   i, value) {
  value = 0
  for (i = 1; i <= length(text); i++) value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
  return value
}
function kind(name, size, perms, next_perms, next_size, prev_perms, prev_size) {
  if (name == "[heap]") return "malloc heap (main thread)"
  if (name == "[stack]") return "thread stacks"
  if (name ~ /^\[/) return "kernel ([vdso], [vvar]...)"
  if (name == "") {
    # A thread arena: a read-write start of a reservation whose rest follows
    # without access, the two together 64 MB (or the arena heap aligned to it).
    if (perms ~ /^rw/ && next_perms ~ /^---/ && size + next_size == 65536) return "malloc arenas (other threads)"
    # A thread stack: 8 MB read-write right above its inaccessible guard page.
    if (perms ~ /^rw/ && prev_perms ~ /^---/ && prev_size == 4 && size >= 8188 && size <= 8192) return "thread stacks"
    return "anonymous (Mesa, large blocks)"
  }
  if (name ~ /SYSV|memfd:|\/dev\/shm|drm mm object/) return "shared memory"
  if (name ~ /libLLVM/) return "libLLVM"
  if (name ~ /libQt6/ || name ~ /qt6\/plugins/) return "Qt libraries and plugins"
  if (name ~ /dri\/|libgallium|libGL|libEGL|libglapi|libgbm|libvulkan|libdrm/) return "Mesa and GL"
  if (name ~ /libav|libsw|libpostproc/) return "FFmpeg"
  if (name ~ /\/fonts\// || name ~ /\.(ttf|otf|pfb|pcf)(\.gz)?$/) return "fonts"
  if (name ~ /fontconfig|\.cache-/) return "fontconfig cache"
  if (name ~ /\/pinewick$/) return "the program"
  if (name ~ /\.so[.0-9]*$/ || name ~ /\.so[.0-9]* \(deleted\)$/) return "other libraries"
  return "other files"
}
/^[0-9a-f]+-[0-9a-f]+ / {
  n++
  split($1, range, "-")
  vstart[n] = hex(range[1]); vend[n] = hex(range[2])
  vperms[n] = $2
  vname[n] = ""
  for (i = 6; i <= NF; i++) vname[n] = vname[n] (i > 6 ? " " : "") $i
  next
}
/^Rss:/ { rss[n] = $2; next }
/^Pss:/ { pss[n] = $2; next }
/^Private_(Clean|Dirty):/ { priv[n] += $2; next }
END {
  for (i = 1; i <= n; i++) {
    size = (vend[i] - vstart[i]) / 1024
    next_perms = i < n ? vperms[i + 1] : ""
    next_size = i < n ? (vend[i + 1] - vstart[i + 1]) / 1024 : 0
    adjacent = i < n && vend[i] == vstart[i + 1]
    prev_perms = i > 1 && vend[i - 1] == vstart[i] ? vperms[i - 1] : ""
    prev_size = i > 1 ? (vend[i - 1] - vstart[i - 1]) / 1024 : 0
    k = kind(vname[i], size, vperms[i], adjacent ? next_perms : "", adjacent ? next_size : 0, prev_perms, prev_size)
    kp[k] += priv[i]; kpss[k] += pss[i]; krss[k] += rss[i]
    tp += priv[i]; tpss += pss[i]; trss += rss[i]
    label[i] = k
  }
  printf "%-34s %9s %9s %9s\n", "kind", "USS MB", "PSS MB", "RSS MB"
  cmd = "sort -t\"|\" -k2 -nr"
  for (k in kp) printf "%s|%d|%d|%d\n", k, kp[k], kpss[k], krss[k] | cmd
  close(cmd)
  printf "%-34s %9.1f %9.1f %9.1f\n", "total", tp / 1024, tpss / 1024, trss / 1024
  printf "\nlargest private mappings\n"
  cmd = "sort -nr | head -n " top
  for (i = 1; i <= n; i++)
    if (priv[i] > 0)
      printf "%8.1f MB  %8.1f MB mapped  %s  %s  [%s]\n", priv[i] / 1024, (vend[i] - vstart[i]) / 1048576,
             vperms[i], vname[i] == "" ? "(anonymous)" : vname[i], label[i] | cmd
  close(cmd)
}' "$smaps" | awk -F'|' 'NF == 4 { printf "%-34s %9.1f %9.1f %9.1f\n", $1, $2 / 1024, $3 / 1024, $4 / 1024; next } { print }'
