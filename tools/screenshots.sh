#!/usr/bin/env bash
# Makes the README's pictures (docs/screenshots/*.png) again:
#
#   tools/screenshots.sh [BUILD]
#
# BUILD is a build folder of the windows preset (build/windows by default; make it with
# `cmake --preset windows`). The script builds swutil.exe, the companion and the picture
# program (readme_pictures.cpp beside this script), starts a test fixture with a virtual
# display (test-fixture.sh) and the companion's remote sites
# (tests/win/remote/remote_sites.sh), and runs the picture program under Wine. That program opens the main window, its menus
# and the dialogs the README shows, at 100 % and 150 % scale where the README shows both,
# prints through the companion and makes it ask for a sign-in, and cuts each picture from
# the screen with ImageMagick's import. The fixture is stopped and its run folder removed
# whatever happens. The pictures replace those in docs/screenshots only when every one was
# taken; look at them before committing them.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)

die() {
    echo "screenshots.sh: $*" >&2
    exit 1
}

(($# <= 1)) || die "usage: tools/screenshots.sh [BUILD]"
build=${1:-$root/build/windows}
[[ -f $build/CMakeCache.txt ]] || die "$build is no build folder: run cmake --preset windows"
build=$(cd "$build" && pwd)
command -v import >/dev/null || die "ImageMagick's import is missing (tools/install-deps.sh)"

nice cmake --build "$build" --target swutil Remsw readme_pictures virtual_printer

# The print server runs jobs as another user, who must reach the run folder.
run=$(mktemp -d /tmp/swpictures.XXXXXX)
chmod 755 "$run"
cleanup() {
    "$here/test-fixture.sh" stop "$run" || true
    rm -rf "$run"
}
trap cleanup EXIT

export VIRTUAL_PRINTER=$build/host-tools/virtual_printer
WINE_TEMPLATE_PREFIX=$build/wine-template \
    "$here/test-fixture.sh" start "$run" sw_raw sw_second sw_unattended
"$root/tests/win/remote/remote_sites.sh" start "$run/remote"

mkdir "$run/pictures"
SW_TEST_RUN=$run SW_SWUTIL=$build/swutil.exe \
    "$here/run-under-wine.sh" "$build/tests/win/readme_pictures.exe" "$run/pictures" ||
    die "some pictures could not be taken; docs/screenshots is unchanged"
cp "$run/pictures"/*.png "$root/docs/screenshots/"
echo "screenshots.sh: $(find "$run/pictures" -name '*.png' | wc -l) pictures in docs/screenshots"
