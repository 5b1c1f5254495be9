#!/usr/bin/env bash
# Installs what building and testing need on Debian 12: the MinGW-w64 cross
# compilers (32-bit for the deliverables, 64-bit for the tests), 64-bit Wine,
# CUPS, Xvfb, CMake, GoogleTest, clang's fuzzer and the Windows Installer
# package tools (wixl, msibuild), and 32-bit Wine where the kernel runs 32-bit
# programs, so that the tests also run the shipped 32-bit build; many machines
# (virtual ones above all) refuse every 32-bit program, and there it is left
# out. For the remote printing tests: OpenSSL (a test certificate authority),
# D-Bus and avahi-daemon (which the IPP printer ippeveprinter needs; the tests
# start them privately, never as the machine's services), socat (which runs
# CUPS's own LPD server for a loopback port). Installs only what
# is missing, so a second run costs a second.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64
    cups cups-client cups-ipp-utils openssl dbus avahi-daemon
    # socat: runs CUPS's own LPD server (cups-lpd) on a loopback port for each connection
    socat
    xvfb xauth imagemagick
    wixl msitools
    # swprint.lib in the format of Visual Studio's own tools, and the linker that
    # checks it as Visual Studio links
    llvm lld
    # chattr: a test makes a watched folder immovable
    e2fsprogs
    # pgrep: the harness test finds the Wine process the wrapper started
    procps
)

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

as_root=()
((EUID == 0)) || as_root=(sudo)

# A mirror in the middle of a sync serves an index of the wrong size for a
# minute or two; a few tries a little apart get past it.
update_package_lists() {
    local try
    for try in 1 2 3 4; do
        "${as_root[@]}" apt-get update -q && return 0
        ((try < 4)) && sleep $((try * 15))
    done
    return 1
}

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
    if ((EUID != 0)) && ! command -v sudo >/dev/null; then
        echo "install-deps.sh: missing packages (${missing[*]}); run as root to install them" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    update_package_lists || echo "install-deps.sh: some package lists could not be read; trying with what is there" >&2
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q "${missing[@]}"
fi

# 32-bit Wine runs the shipped build's tests. It is optional: where it cannot
# be installed, the tests say so and run the 64-bit build only.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if "$here/runs-32bit.sh" && ! installed wine32:i386; then
    echo "Installing: wine32:i386"
    {
        dpkg --print-foreign-architectures | grep -qx i386 ||
            "${as_root[@]}" dpkg --add-architecture i386
        update_package_lists &&
            DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q wine32:i386
    } || echo "install-deps.sh: 32-bit Wine could not be installed" >&2
fi
