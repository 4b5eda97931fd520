#!/usr/bin/env bash
# Checks of what the desktop and Debian see of the game.
# Usage: packaging_checks.sh desktop FILE | appstream FILE | install BUILD WORKDIR | deb BUILD WORKDIR
set -euo pipefail
what=$1

# The files an install holds, relative to the prefix.
expected_files() {
  echo bin/tarvoplim
  echo share/tarvoplim/default.hou
  echo share/tarvoplim/background.gif
  echo share/applications/org.example.TarvoPlim.desktop
  echo share/metainfo/org.example.TarvoPlim.metainfo.xml
  echo share/mime/packages/org.example.TarvoPlim.xml
  for size in 16 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/org.example.TarvoPlim.png"; done
}

fail() { echo "FAIL: $*" >&2; exit 1; }

case $what in
  desktop)
    # Errors make the exit status non-zero; hints and warnings only print, so any output fails too.
    out=$(desktop-file-validate "$2" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    ;;
  appstream)
    out=$(appstreamcli validate --no-net "$2" 2>&1) || fail "appstreamcli: $out"
    echo "$out"
    ! grep -qE '^[WE]:' <<<"$out" || fail "appstreamcli reports warnings or errors"
    ;;
  install)
    build=$2 prefix=$3/prefix
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    while read -r f; do [ -f "$prefix/$f" ] || fail "missing $f"; done < <(expected_files)
    [ -x "$prefix/bin/tarvoplim" ] || fail "bin/tarvoplim is not executable"
    for size in 16 32 48 64 128 256; do
      file "$prefix/share/icons/hicolor/${size}x${size}/apps/org.example.TarvoPlim.png" | grep -q "PNG image data, $size x $size" ||
        fail "the ${size}x${size} icon is not a $size x $size PNG"
    done
    ;;
  deb)
    build=$2 out=$3/deb
    rm -rf "$out"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
    deb=$(ls "$out"/tarvoplim_*.deb)
    contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
    while read -r f; do grep -qx "./usr/$f" <<<"$contents" || fail "the package lacks /usr/$f"; done < <(expected_files)
    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Package)" = tarvoplim ] || fail "Package: $(field Package)"
    [ "$(field Version)" = 1.0.0 ] || fail "Version: $(field Version)"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
    [ "$(basename "$deb")" = "tarvoplim_1.0.0_$(dpkg --print-architecture).deb" ] || fail "file name $(basename "$deb")"
    for dep in libqt6widgets6 fonts-comic-neue fonts-liberation2 xdg-utils; do
      grep -qw -- "$dep" <<<"$(field Depends)" || fail "Depends lacks $dep: $(field Depends)"
    done
    ;;
  *) fail "unknown check $what" ;;
esac
