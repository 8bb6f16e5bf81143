#!/usr/bin/env bash
# The Debian package that `cpack -G DEB` makes from the build: a games
# package whose Depends name what the program loads at run time besides what
# it links (Qt's platform plugins, the Japanese font), and whose files lie
# where Debian keeps them, manual pages compressed.
#
# Usage: package_test.sh CPACK BUILD_DIR VERSION
set -euo pipefail

cpack=$1 build=$2 version=$3
for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (scripts/setup installs dpkg-dev)"
        exit 77
    fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! log=$("$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" 2>&1); then
    echo "$log"
    echo "FAILED: cpack"
    exit 1
fi
deb=$out/tavro_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { echo "FAILED: no $(basename "$deb") made; cpack said:"; echo "$log"; exit 1; }

problems=0
problem() {
    echo "FAILED: $*"
    problems=$((problems + 1))
}
field() { dpkg-deb -f "$deb" "$1"; }

[[ $(field Package) == tavro ]] || problem "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || problem "Version: $(field Version), not $version"
[[ $(field Section) == games ]] || problem "Section: $(field Section), not games"
[[ $(field Maintainer) == "Tavro developers <"*">" ]] || problem "Maintainer: $(field Maintainer)"
# Each package, with or without a version, as one entry of Depends.
depends=", $(field Depends | sed 's/ *([^)]*)//g'),"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libsdl2-2.0-0 \
    fonts-ipafont-gothic; do
    [[ $depends == *", $needed,"* ]] || problem "Depends lacks $needed: $(field Depends)"
done

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in ./usr/games/tavro ./usr/games/tavro-cli \
    ./usr/share/applications/io.github.tavro.Tavro.desktop \
    ./usr/share/metainfo/io.github.tavro.Tavro.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/io.github.tavro.Tavro.svg \
    ./usr/share/man/man6/tavro.6.gz ./usr/share/man/man6/tavro-cli.6.gz \
    ./usr/share/tavro/help/how-to-play.html \
    ./usr/share/doc/tavro/copyright ./usr/share/doc/tavro/changelog.gz; do
    grep -qx -- "$file" <<<"$files" || problem "the package lacks ${file#.}"
done
outside=$(grep -v '^\./usr/' <<<"$files" | grep -vx './' || true)
[[ -z $outside ]] || problem "files outside /usr: $outside"

((problems == 0)) || exit 1
echo "passed: $(basename "$deb"), Depends: $(field Depends)"
