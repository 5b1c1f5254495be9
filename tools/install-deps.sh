#!/usr/bin/env bash
# Installs what building and testing need on Debian 12: the MinGW-w64 cross
# compilers (32-bit for the deliverables, 64-bit for the tests), 64-bit Wine,
# CUPS, Xvfb, CMake, GoogleTest, clang's fuzzer and the Windows Installer
# package tools (wixl, msibuild), and for the remote printing tests OpenSSL
# (a test certificate authority), D-Bus and avahi-daemon (which the IPP
# printer ippeveprinter needs; started privately by the tests, never as the
# machine's services). Tests run 64-bit code only, since many
# machines (virtual ones above all) cannot run 32-bit programs at all; 32-bit
# Wine is not installed, as its loader would be chosen first and fail there.
# Installs only what is missing, so a second run costs a second.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64
    cups cups-client cups-ipp-utils openssl dbus avahi-daemon
    xvfb xauth imagemagick
    wixl msitools
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

as_root=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || {
        echo "install-deps.sh: missing packages (${missing[*]}); run as root to install them" >&2
        exit 1
    }
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q \
    "${missing[@]}"
