#!/usr/bin/env bash
# What `cmake --install` puts on the player's desktop, installed into a
# scratch folder with the prefix /usr: the programs where the menu entry
# starts them, the icon at every size the entry names, the manual pages, and
# a menu entry and a software-centre description that the freedesktop
# validators accept (desktop-file-validate, appstreamcli), run when they are
# installed.
#
# Usage: install_test.sh CMAKE BUILD_DIR VERSION
set -euo pipefail

cmake=$1 build=$2 version=$3
app_id=io.github.tavro.Tavro
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
usr=$root/usr

problems=0
problem() {
    echo "FAILED: $*"
    problems=$((problems + 1))
}

if ! log=$(DESTDIR=$root "$cmake" --install "$build" --prefix /usr 2>&1); then
    echo "$log"
    echo "FAILED: cmake --install"
    exit 1
fi

desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
for file in "$desktop" "$metainfo" "$usr/share/man/man6/tavro.6.gz" \
    "$usr/share/man/man6/tavro-cli.6.gz" "$usr/share/doc/tavro/copyright" \
    "$usr/share/tavro/help/how-to-play.html"; do
    [[ -f $file ]] || problem "${file#"$root"} is not installed"
done
for program in tavro tavro-cli; do
    [[ -x $usr/games/$program ]] || problem "/usr/games/$program is not installed"
done

# The menu entry starts a program that is installed, by a name found on the
# players' PATH (/usr/games is on it in Debian).
entry() { sed -n "s/^$1=//p" "$desktop"; }
exec_line=$(entry Exec)
[[ -x $usr/games/${exec_line%% *} ]] || problem "Exec=$exec_line names no installed program"

# The entry's icon at each size in the hicolor theme, each PNG as large as
# its folder says, and the scalable SVG.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
icon=$(entry Icon)
for size in 16 22 24 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$icon.png
    if [[ ! -f $png ]]; then
        problem "no ${size}x$size icon $icon.png"
    elif [[ $(png_size "$png") != "${size}x$size" ]]; then
        problem "the ${size}x$size icon is $(png_size "$png") pixels"
    fi
done
[[ -f $usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || problem "no scalable icon $icon.svg"

# The newest release the description names is this version.
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[[ $newest == "${version%.*}" ]] ||
    problem "the metainfo's newest release is '$newest'; this is version ${version%.*}"

# The manual pages format without a warning (as lintian checks them).
if command -v man >/dev/null; then
    for page in "$usr"/share/man/man6/*.6.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
            man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [[ -z $warnings ]] || problem "${page#"$root"}: $warnings"
    done
fi

missing=()
if command -v desktop-file-validate >/dev/null; then
    # Its hints count too: the entry is meant to need none.
    report=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $report ]] ||
        problem "desktop-file-validate on the menu entry:"$'\n'"$report"
else
    missing+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
    # The whole tree, so that the entry the description launches is found
    # too; screenshots are not fetched.
    appstreamcli validate-tree --no-net "$usr" || problem "appstreamcli rejects the installed tree"
else
    missing+=(appstreamcli)
fi

((problems == 0)) || exit 1
if ((${#missing[@]})); then
    echo "skipped: ${missing[*]} not installed (scripts/setup installs desktop-file-utils and appstream); the installed files are in place"
    exit 77
fi
echo "passed"
