#!/usr/bin/env bash
# Checks a Debian package made by scripts/package.sh without installing it: what it holds, its
# dependencies, the programs' versions against the package's, the desktop entries, the AppStream
# file, the file type and lintian (errors fail, warnings are shown).
#   scripts/check-package.sh [build/package/quillon_*.deb]
set -euo pipefail
given=${1:+$(realpath "$1")}
cd "$(dirname "$0")/.."

deb=${given:-$(ls build/package/quillon_*.deb 2>/dev/null | head -n 1)}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "check-package: no package; run scripts/package.sh first" >&2
    exit 1
fi
failures=0
fail() {
    echo "check-package: $*" >&2
    failures=$((failures + 1))
}

# What it holds.
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
expected=(
    ./usr/bin/quillon ./usr/bin/pellisor ./usr/bin/quillon-cli ./usr/bin/vantor-sim
    ./usr/share/applications/com.brennwick.quillon.desktop
    ./usr/share/applications/com.brennwick.pellisor.desktop
    ./usr/share/icons/hicolor/scalable/apps/quillon.svg
    ./usr/share/mime/packages/vantor-waveform.xml
    ./usr/share/metainfo/com.brennwick.quillon.metainfo.xml
    ./usr/share/doc/quillon/manual.html ./usr/share/doc/quillon/screenshot.png
    ./usr/share/doc/quillon/copyright ./usr/share/doc/quillon/changelog.gz
    ./usr/share/man/man1/quillon.1.gz ./usr/share/man/man1/pellisor.1.gz
    ./usr/share/man/man1/quillon-cli.1.gz ./usr/share/man/man1/vantor-sim.1.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/quillon.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "missing $path"
done

# Dependencies: the shared libraries found by dpkg-shlibdeps, the report's fonts and the CJK font.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 libzip4 \
    fonts-liberation fonts-noto-cjk; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# Every program reports the package's version.
version=$(dpkg-deb -f "$deb" Version)
for program in Quillon:quillon Pellisor:pellisor quillon-cli:quillon-cli vantor-sim:vantor-sim; do
    name=${program%%:*}
    said=$("$root/usr/bin/${program#*:}" --version) || fail "${program#*:} --version failed"
    [ "$said" = "$name $version" ] || fail "${program#*:} --version says '$said', not '$name $version'"
done

# Desktop entries, the AppStream description, the file type.
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop entries"
grep -qx 'MimeType=application/x-vantor-waveform;' \
    "$root/usr/share/applications/com.brennwick.quillon.desktop" ||
    fail "Quillon's desktop entry does not take waveform files"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.brennwick.quillon.metainfo.xml" ||
    fail "AppStream metainfo"
mkdir "$root/check"
cp -r "$root/usr/share/mime" "$root/check/mime"
XDG_DATA_DIRS="$root/check" update-mime-database "$root/check/mime" || fail "file type"
grep -q '^[0-9]*:application/x-vantor-waveform:\*\.awv$' "$root/check/mime/globs2" ||
    fail "no *.awv glob for application/x-vantor-waveform"

# Debian's own checks: errors fail, warnings and notes are shown.
lintian --fail-on error "$deb" || fail "lintian found errors"

if [ "$failures" -gt 0 ]; then
    echo "check-package: $failures problem(s) in $deb" >&2
    exit 1
fi
echo "check-package: $deb is fine"
