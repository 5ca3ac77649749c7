#!/usr/bin/env bash
# Makes dated.heic, the photo the photo-dates test reads: a 16×16 grey HEIC whose EXIF says it was
# taken 2026-12-08 14:30:05, made as a camera or converter makes one. libheif's encoder
# (heif-enc) carries the EXIF of a JPEG into the HEIC it writes; the JPEG comes from a first,
# dateless HEIC (heif-convert) and gets its date from exiftool. Run from anywhere; needs
# libheif-examples and libimage-exiftool-perl (scripts/install-deps.sh).
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/dated.heic"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
    printf 'YUV4MPEG2 W16 H16 F25:1 Ip A1:1 C420jpeg\nFRAME\n'
    head -c 384 /dev/zero | tr '\0' '\200' # Y, Cb and Cr all 128: grey
} >"$work/grey.y4m"
heif-enc -q 10 -o "$work/grey.heic" "$work/grey.y4m" >/dev/null
heif-convert "$work/grey.heic" "$work/grey.jpg" >/dev/null
exiftool -q -overwrite_original -DateTimeOriginal='2026:12:08 14:30:05' "$work/grey.jpg"
heif-enc -q 10 -o "$out" "$work/grey.jpg" >/dev/null
exiftool -s3 -DateTimeOriginal "$out"
