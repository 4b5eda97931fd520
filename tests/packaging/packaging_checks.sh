#!/usr/bin/env bash
# Checks of what the desktop and Debian see of the game.
# Usage: packaging_checks.sh desktop FILE | appstream FILE | manpage PAGE PROGRAM
#        | install BUILD WORKDIR | deb SOURCE WORKDIR
set -euo pipefail
what=$1

# The files an install holds, relative to the prefix.
expected_files() {
  echo games/tarvoplim
  echo share/tarvoplim/default.hou
  echo share/tarvoplim/background.gif
  echo share/applications/org.example.TarvoPlim.desktop
  echo share/metainfo/org.example.TarvoPlim.metainfo.xml
  echo share/mime/packages/org.example.TarvoPlim.xml
  for size in 16 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/org.example.TarvoPlim.png"; done
  echo share/doc/tarvoplim/copyright
}

fail() { echo "FAIL: $*" >&2; exit 1; }
needs() {
  for tool in "$@"; do command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh test installs it)"; done
}

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
  manpage)
    page=$2 program=$3
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
      fail "man could not format $page: $out"
    [ -z "$out" ] || fail "man warns about $page: $out"
    # The page has an entry for every option --help names, and the version the program prints.
    for option in $("$program" --help | grep -oE '(^|[ |])--?[a-z-]*' | tr -d ' |' | sort -u); do
      # ".B \-\-help", or ".BI \-\-zoom " N"" for an option that takes a value.
      grep -qE "^\.BI? ${option//-/\\\\-}( |\$)" "$page" || fail "the manual page has no entry for $option"
    done
    version=$("$program" --version | cut -d' ' -f2)
    grep -q "^\.TH TARVOPLIM 6 .* \"TarvoPlim $version\"" "$page" || fail "the manual page is not of version $version"
    ;;
  install)
    # A prefix with a blank in its name, which the desktop entry's command must quote.
    build=$2 prefix="$3/pre fix"
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    # Exactly these files, so that the README's way to undo an install stays whole.
    installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
    wanted=$({ expected_files; echo share/man/man6/tarvoplim.6; echo share/doc/tarvoplim/CHANGELOG.md; } | sort)
    [ "$installed" = "$wanted" ] || fail "the install holds other files than expected: $(diff <(echo "$wanted") <(echo "$installed"))"
    [ -x "$prefix/games/tarvoplim" ] || fail "games/tarvoplim is not executable"
    for size in 16 32 48 64 128 256; do
      file "$prefix/share/icons/hicolor/${size}x${size}/apps/org.example.TarvoPlim.png" | grep -q "PNG image data, $size x $size" ||
        fail "the ${size}x${size} icon is not a $size x $size PNG"
    done
    entry=$prefix/share/applications/org.example.TarvoPlim.desktop
    grep -qxF "Exec=\"$prefix/games/tarvoplim\" %f" "$entry" || fail "the desktop entry's command: $(grep ^Exec= "$entry")"
    out=$(desktop-file-validate "$entry" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
    # The file type by name, either case, and by the first line of a house without its extension.
    needs update-mime-database mimetype
    update-mime-database "$prefix/share/mime"
    files=$3/mime-files
    rm -rf "$files" && mkdir "$files"
    # By name even when broken; by the header when renamed.
    printf 'Some notes\n' | tee "$files/a.hou" "$files/B.HOU" >"$files/notes"
    printf 'HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\n' >"$files/renamed"
    type_of() {
      XDG_DATA_HOME="$files/none" XDG_DATA_DIRS="$prefix/share:/usr/share" \
        env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
        xdg-mime query filetype "$files/$1"
    }
    for f in a.hou B.HOU renamed; do
      [ "$(type_of "$f")" = application/x-tarvoplim-house ] || fail "$f is taken for $(type_of "$f")"
    done
    [ "$(type_of notes)" = text/plain ] || fail "a plain text is taken for $(type_of notes)"
    ;;
  deb)
    # The package as Debian builds it, from a copy of the sources; a missing tool fails the test.
    source=$2 out=$3/deb
    needs dpkg-buildpackage dh lintian readelf
    rm -rf "$out"
    deb=$(TARVO_SETUP=0 DEB_BUILD_OPTIONS=parallel=2 "$source/scripts/package.sh" "$out")
    changes=${deb%.deb}.changes
    # Every tag lintian knows, down to the pedantic ones; the only override is in debian/.
    report=$(lintian -EvIL +pedantic "$changes" 2>&1 | grep -v '^running with root privileges') || true
    echo "$report"
    ! grep -qE '^[EWIPX]:' <<<"$report" || fail "lintian reports the lines above"
    contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
    while read -r f; do grep -qx "./usr/$f" <<<"$contents" || fail "the package lacks /usr/$f"; done < <(expected_files)
    for f in man/man6/tarvoplim.6.gz doc/tarvoplim/changelog.gz doc/tarvoplim/changelog.Debian.gz; do
      grep -qx "./usr/share/$f" <<<"$contents" || fail "the package lacks /usr/share/$f"
    done
    # The hardening the distribution's flags bring: immediate binding, a read-only relocation
    # table, a position-independent program and the checked variants of the C library's calls.
    rm -rf "$out/root" && dpkg-deb -x "$deb" "$out/root"
    program=$out/root/usr/games/tarvoplim
    dynamic=$(readelf -dW "$program")
    grep -qE '\(FLAGS\).*BIND_NOW' <<<"$dynamic" || fail "the program is not bound at once (BIND_NOW)"
    grep -qE '\(FLAGS_1\).*PIE' <<<"$dynamic" || fail "the program is not position-independent"
    ! grep -qE '\((RPATH|RUNPATH)\)' <<<"$dynamic" || fail "the program has a run path"
    readelf -lW "$program" | grep -q GNU_RELRO || fail "the program has no read-only relocations"
    symbols=$(readelf --dyn-syms -W "$program")
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "the program has no stack protector"
    grep -qE '__[a-z]+_chk@' <<<"$symbols" || fail "the program calls no fortified function"
    ;;
  *) fail "unknown check $what" ;;
esac
