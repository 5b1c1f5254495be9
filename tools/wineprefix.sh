#!/usr/bin/env bash
# Creates a private Wine prefix for tests.
#
#   wineprefix.sh RUN              make RUN/prefix (with RUN/home, RUN/xdg) and RUN/wine-env.sh
#   wineprefix.sh --template DIR   make a reusable prefix in DIR (skipped if DIR is ready)
#
# Booting a prefix takes about six seconds; copying a ready one one or two. When
# WINE_TEMPLATE_PREFIX names a folder, RUN/prefix is copied from it, and the template is
# made there first if it is missing. RUN/wine-env.sh exports what every Wine command of the
# run needs: source it before calling wine. Nothing is left running when this script ends.
set -euo pipefail

die() {
    echo "wineprefix.sh: $*" >&2
    exit 1
}

usage() {
    sed -n '2,5p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

absolute() {
    case $1 in
    /*) printf '%s\n' "$1" ;;
    *) printf '%s/%s\n' "$PWD" "$1" ;;
    esac
}

# 64-bit Wine's loader, whatever else is installed: the wine wrapper prefers
# 32-bit Wine's, which cannot start at all on hosts that run 64-bit user code
# only. The run's own bin folder goes first on the PATH of every Wine command.
write_loader_shims() {
    local run=$1 name
    [[ -x /usr/lib/wine/wine64 ]] || return 0
    mkdir -p "$run/bin"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$run/bin/$name"
        chmod +x "$run/bin/$name"
    done
}

write_env() {
    local run=$1
    write_loader_shims "$run"
    {
        [[ ! -d $run/bin ]] || printf 'export PATH=%q:"$PATH"\n' "$run/bin"
        printf 'export WINEPREFIX=%q\n' "$run/prefix"
        printf 'export WINEDEBUG=-all\n'
        printf 'export HOME=%q\n' "$run/home"
        printf 'export XDG_DATA_HOME=%q\n' "$run/xdg"
        printf "export WINEDLLOVERRIDES='mscoree=d;mshtml=d;winemenubuilder.exe=d'\n"
        # Without a server of the run's own, Wine must not reach the machine's CUPS.
        # shellcheck disable=SC2016
        printf '[ -n "${CUPS_SERVER:-}" ] || export CUPS_SERVER=%q\n' "$run/no-cups.sock"
    } >"$run/wine-env.sh"
}

# Wine points the user's shell folders (Desktop, Documents, ...) at $HOME with absolute
# links; a copied prefix must point at its own run's home, not at the one it was made with.
retarget_links() {
    local prefix=$1 old=$2 new=$3 link target
    while IFS= read -r -d '' link; do
        target=$(readlink "$link")
        if [[ $target == "$old"/* || $target == "$old" ]]; then
            ln -sfn "$new${target#"$old"}" "$link"
        fi
    done < <(find "$prefix" -type l -print0)
}

boot() {
    local run=$1
    mkdir -p "$run/home" "$run/xdg"
    write_env "$run"
    (
        # shellcheck disable=SC1091
        source "$run/wine-env.sh"
        # wineboot needs no display; without one it shows no progress window either.
        unset DISPLAY
        if ! wineboot -i >"$run/wineboot.log" 2>&1; then
            tail -n 20 "$run/wineboot.log" >&2
            die "wineboot failed for $WINEPREFIX"
        fi
        # Without a window manager, Wine's managed windows make every top-level window
        # take two seconds to close.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
            >>"$run/wineboot.log" 2>&1 || die "cannot set Managed=N in $WINEPREFIX"
        # The set-up is complete; the boot's services would idle for seconds before
        # leaving. Stopping them saves the registry and leaves nothing running.
        wineserver -k || true
        timeout 30 wineserver -w || die "wineserver of $WINEPREFIX did not exit"
    )
}

make_template() {
    local dir=$1
    [[ -f $dir/prefix/system.reg ]] && return 0
    # Build beside the target and move it in whole, so that a run never copies half a
    # template, and two runs making the same template do not collide.
    local tmp
    mkdir -p "$(dirname "$dir")"
    tmp=$(mktemp -d "$dir.tmp.XXXXXX")
    boot "$tmp"
    retarget_links "$tmp/prefix" "$tmp" "$dir"
    if ! mv -T "$tmp" "$dir" 2>/dev/null; then
        rm -rf "$tmp"
        [[ -f $dir/prefix/system.reg ]] || die "cannot create the template $dir"
    fi
    write_env "$dir"
}

from_template() {
    local run=$1 template=$2 src old
    if [[ -f $template/prefix/system.reg ]]; then
        src=$template/prefix
    elif [[ -f $template/system.reg ]]; then
        src=$template
    else
        make_template "$template"
        src=$template/prefix
    fi
    old=$(dirname "$src")
    mkdir -p "$run/home" "$run/xdg"
    cp -a "$src" "$run/prefix"
    retarget_links "$run/prefix" "$old" "$run"
    write_env "$run"
}

(($# >= 1)) || usage
if [[ $1 == --template ]]; then
    (($# == 2)) || usage
    make_template "$(absolute "$2")"
    exit 0
fi
(($# == 1)) || usage
[[ $1 != -* ]] || usage
RUN=$(absolute "$1")
[[ ! -e $RUN/prefix ]] || die "$RUN/prefix exists already; use a fresh run folder"
mkdir -p "$RUN"
if [[ -n ${WINE_TEMPLATE_PREFIX:-} ]]; then
    from_template "$RUN" "$(absolute "$WINE_TEMPLATE_PREFIX")"
else
    boot "$RUN"
fi
