#!/bin/sh
# Makes the Debian package from a built tree and checks the files it holds
# and the packages it depends on.
# Usage: check_deb.sh CPACK BUILD_DIR OUT_DIR VERSION
set -eu
cpack=$1 build=$2 out=$3 version=$4

rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
deb=$(find "$out" -maxdepth 1 -name '*.deb')
[ "$(echo "$deb" | wc -l)" -eq 1 ] && [ -n "$deb" ] || { echo "expected one .deb in $out: $deb"; exit 1; }

failed=0
fail() { echo "$*"; failed=1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillmoor ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"

listing=$out/contents
dpkg-deb -c "$deb" | awk '{ print $1, $6 }' >"$listing"
executable() { grep -qx -- "-rwxr-xr-x ./$1" "$listing" || fail "not an executable in the package: $1"; }
holds() { grep -q -- " ./$1\$" "$listing" || fail "not in the package: $1"; }
executable usr/bin/quillmoor
executable usr/bin/quillmoor-settings
holds usr/share/quillmoor/Data/map.res
holds usr/share/quillmoor/Data/Ch1.res
holds usr/share/quillmoor/Data/Ch2.res
holds usr/share/applications/org.quillmoor.Quillmoor.desktop
holds usr/share/applications/org.quillmoor.Quillmoor.Settings.desktop
holds usr/share/metainfo/org.quillmoor.Quillmoor.metainfo.xml
for size in 16 22 24 32 48 64 128 256; do
  holds "usr/share/icons/hicolor/${size}x$size/apps/org.quillmoor.Quillmoor.png"
done
holds usr/share/icons/hicolor/scalable/apps/org.quillmoor.Quillmoor.svg
holds usr/share/man/man6/quillmoor.6.gz
holds usr/share/man/man6/quillmoor-settings.6.gz
# The shipped Data set carries no player's files.
for own in Config.ini log.txt; do
  ! grep -qi -- "/Data/$own\$" "$listing" || fail "the package holds a player's $own"
done

# Names only, versions and alternatives split off.
field Depends | tr ',|' '\n\n' | sed 's/([^)]*)//; s/^ *//; s/ *$//' >"$out/depends"
for package in libsdl2-2.0-0 libopenal1 libassimp5 libqt6widgets6 \
               libgl1 libegl1 libgl1-mesa-dri qt6-qpa-plugins fonts-liberation2; do
  grep -qx "$package" "$out/depends" || fail "Depends lacks $package: $(field Depends)"
done

exit $failed
