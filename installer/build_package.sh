#!/usr/bin/env bash
# Builds SpoolwrightSetup.msi, a Windows Installer package, from the programs,
# the library, the help file and the folder of its HTML pages of one build:
#   build_package.sh OUTPUT ARCH SWUTIL SWPRINT REMSW HELPFILE INSTALL_HELPER HELPPAGES \
#                    SWSERVICE LIBRARYTREE MOVE_HELPER
# ARCH is x86 for the 32-bit programs, x64 for the 64-bit ones. LIBRARYTREE
# holds the library folders and the developer folder as they are installed
# (library.wxs); MOVE_HELPER (move_program_data.exe) is run by the 64-bit
# package only.
# wixl writes the package from spoolwright.wxs; msibuild then adds the
# actions wixl has no element for, which run INSTALL_HELPER
# (install_helper.exe) from the package.
set -euo pipefail

output=$1 arch=$2 swutil=$3 swprint=$4 remsw=$5 helpfile=$6 helper=$7 helppages=$8
swservice=$9 librarytree=${10} movehelper=${11}
here=$(cd "$(dirname "$0")" && pwd)

case $arch in
x86) programFiles=ProgramFilesFolder win64=no ;;
x64) programFiles=ProgramFiles64Folder win64=yes ;;
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
cp -r "$librarytree"/. "$stage/"
cp "$movehelper" "$stage/move_program_data.exe"

output=$(cd "$(dirname "$output")" && pwd)/$(basename "$output")
rm -f "$output"
(cd "$stage" && wixl -a "$arch" -D ProgramFilesDir="$programFiles" -D Arch="$arch" \
    -D Win64="$win64" -o "$output.partial" "$here/spoolwright.wxs" "$here/library.wxs")
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

# Both bitnesses carry the same version: a package of the same version
# replaces the one installed (the 32-bit one by the 64-bit one) instead of
# being installed beside it (513: migrate features, maximum included). The
# attributes are part of the row's key: the row is written anew.
property() {
    msiinfo export "$output.partial" Property | tr -d '\r' | awk -F'\t' -v name="$1" '$1 == name { print $2 }'
}
version=$(property ProductVersion) upgradeCode=$(property UpgradeCode)
query "DELETE FROM Upgrade WHERE ActionProperty = 'WIX_UPGRADE_DETECTED'"
query "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty) VALUES \
('$upgradeCode', '$version', 513, 'WIX_UPGRADE_DETECTED')"
if [[ $arch == x64 ]]; then
    # Replacing the 32-bit package, the 64-bit one moves what the program
    # keeps beside itself from the old folder (in the 32-bit Program Files)
    # to the new one, after the programs were closed (1390) and before the
    # old package goes (1450).
    query "INSERT INTO CustomAction (Action, Type, Source, Target) VALUES \
('MoveProgramData', 66, 'MoveProgramData', '\"[INSTALLDIR].\"')"
    query "INSERT INTO InstallExecuteSequence (Action, Condition, Sequence) VALUES \
('MoveProgramData', 'NOT (REMOVE~=\"ALL\") AND NOT UPGRADINGPRODUCTCODE', 1395)"
fi
mv "$output.partial" "$output"
