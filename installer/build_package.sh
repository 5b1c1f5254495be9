#!/usr/bin/env bash
# Builds SpoolwrightSetup.msi, a Windows Installer package, from the programs,
# the library, the help file and the folder of its HTML pages of one build:
#   build_package.sh OUTPUT ARCH SWUTIL SWPRINT REMSW HELPFILE INSTALL_HELPER HELPPAGES SWSERVICE
# ARCH is x86 for the 32-bit programs, x64 for the 64-bit ones.
# wixl writes the package from spoolwright.wxs; msibuild then adds the
# actions wixl has no element for, which run INSTALL_HELPER
# (install_helper.exe) from the package.
set -euo pipefail

output=$1 arch=$2 swutil=$3 swprint=$4 remsw=$5 helpfile=$6 helper=$7 helppages=$8 swservice=$9
here=$(cd "$(dirname "$0")" && pwd)

case $arch in
x86) programFiles=ProgramFilesFolder ;;
x64) programFiles=ProgramFiles64Folder ;;
*)
    echo "build_package.sh: ARCH is x86 or x64, not $arch" >&2
    exit 2
    ;;
esac

# wixl finds the files relative to the folder it runs in: they are staged
# there under the names they are installed as.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$swutil" "$stage/swutil.exe"
cp "$swprint" "$stage/swprint.dll"
cp "$remsw" "$stage/Remsw.exe"
cp "$swservice" "$stage/swservice.exe"
cp "$helpfile" "$stage/Spoolwright.hlp"
mkdir "$stage/help"
cp "$helppages"/*.html "$stage/help/"
cp "$helper" "$stage/install_helper.exe"

output=$(cd "$(dirname "$output")" && pwd)/$(basename "$output")
rm -f "$output"
(cd "$stage" && wixl -a "$arch" -D ProgramFilesDir="$programFiles" -o "$output.partial" \
    "$here/spoolwright.wxs")
# The helper from the Binary table, waited for, its exit code ignored (type
# 2 + 64). It runs before InstallValidate, which would otherwise find the
# files in use. While an upgrade removes the older version the new one has
# already closed the programs, and the shortcuts are the new version's.
query() { msibuild "$output.partial" -q "$1"; }
query "INSERT INTO CustomAction (Action, Type, Source) VALUES ('CloseRunning', 66, 'InstallHelper')"
query "INSERT INTO CustomAction (Action, Type, Source, Target) VALUES \
('CloseAndRemoveShortcuts', 66, 'InstallHelper', '/uninstall')"
query "INSERT INTO InstallExecuteSequence (Action, Condition, Sequence) VALUES \
('CloseRunning', 'NOT (REMOVE~=\"ALL\") AND NOT UPGRADINGPRODUCTCODE', 1390)"
query "INSERT INTO InstallExecuteSequence (Action, Condition, Sequence) VALUES \
('CloseAndRemoveShortcuts', 'REMOVE~=\"ALL\" AND NOT UPGRADINGPRODUCTCODE', 1391)"
# After an upgrade the service starts as it did before (the older version's
# removal took its start type with it): the helper sets it again, with the
# installer's rights (type 2 + 64 + 1024 deferred + 2048 not impersonated),
# once the service is installed again (InstallServices is 5800).
query "INSERT INTO CustomAction (Action, Type, Source, Target) VALUES \
('RestoreServiceStart', 3138, 'InstallHelper', '/service-start [SERVICESTARTTYPE]')"
query "INSERT INTO InstallExecuteSequence (Action, Condition, Sequence) VALUES \
('RestoreServiceStart', 'SERVICESTARTTYPE AND NOT (REMOVE~=\"ALL\")', 5810)"
# An older version goes before the new files come, so that the set-up run,
# started last, is the new version's.
query "UPDATE InstallExecuteSequence SET Sequence = 1450 WHERE Action = 'RemoveExistingProducts'"
mv "$output.partial" "$output"
