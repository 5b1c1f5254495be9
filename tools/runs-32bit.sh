#!/usr/bin/env bash
# Tells whether this machine's kernel runs 32-bit x86 programs: exits 0 when it
# does, 1 when it refuses them (many virtual machines run 64-bit user code only,
# and every 32-bit program then fails with "Exec format error").
#
# It runs the smallest 32-bit Linux program there is (96 bytes: exit(0) through
# int 0x80), written out here, so the answer needs no 32-bit library, compiler
# or Wine installed first.
set -euo pipefail

probe=$(mktemp "${TMPDIR:-/tmp}/sw-elf32.XXXXXX")
trap 'rm -f "$probe"' EXIT
# ELF header, one PT_LOAD program header, then: mov eax,1; mov ebx,0; int 0x80.
printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
    '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
    '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x00\x00\x00\x00\xcd\x80' \
    >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null || exit 1
