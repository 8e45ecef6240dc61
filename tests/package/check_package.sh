#!/usr/bin/env bash
# Packs BUILD_DIR with CPack into a temporary folder and checks the package: every file in
# its Debian place, the control fields, no error from lintian, the programs unpacked from it
# running, no error from `appstreamcli compose` (as software centres gather it: the icons and
# the translated description), and the manual page with each language's Alt letters.
# Installs nothing.
#   check_package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
deb=$work/out/stonewick_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work/out")"

# Every file in its place, and neither program left in /usr/bin.
dpkg-deb --contents "$deb" | awk '{ print $NF }' >"$work/contents"
app=example.stonewick.Stonewick
for file in usr/games/stonewick usr/games/stonewick-replay \
  usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
  usr/share/icons/hicolor/32x32/apps/stonewick.png usr/share/icons/hicolor/64x64/apps/stonewick.png \
  usr/share/icons/hicolor/128x128/apps/stonewick.png \
  usr/share/icons/hicolor/256x256/apps/stonewick.png \
  usr/share/icons/hicolor/scalable/apps/stonewick.svg \
  usr/share/man/man6/stonewick.6.gz usr/share/man/man6/stonewick-replay.6.gz \
  usr/share/doc/stonewick/copyright usr/share/doc/stonewick/changelog.gz \
  "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/stonewick/libstonewick-hall.so"; do
  grep -qx "\./$file" "$work/contents" || fail "the package lacks /$file"
done
if grep -q '^\./usr/bin/' "$work/contents"; then
  fail "programs in /usr/bin: $(grep '^\./usr/bin/' "$work/contents" | tr '\n' ' ')"
fi

# The control fields: this version, the games section, and the Qt libraries that
# dpkg-shlibdeps found.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Version)" = "$version" ] || fail "Version $(field Version), expected $version"
[ "$(field Section)" = games ] || fail "Section $(field Section), expected games"
[[ "$(field Depends)" == *libqt6widgets6* ]] || fail "Depends lacks the Qt libraries: $(field Depends)"

# lintian: no error; its warnings are shown in the test's output.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

# The programs run from the unpacked package, and the metainfo carries this release.
root=$work/root
dpkg-deb -x "$deb" "$root"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app.metainfo.xml" ||
  fail "the metainfo does not name release $version"
"$root/usr/games/stonewick-replay" "$source/tests/replay/start_state.script" >"$work/start_state.out" ||
  fail "stonewick-replay exited with status $?"
cmp -s "$work/start_state.out" "$source/tests/replay/start_state.expected" ||
  fail "stonewick-replay printed another start state: $(diff "$source/tests/replay/start_state.expected" "$work/start_state.out" | head -5)"
[ -x "$root/usr/games/stonewick" ] || fail "the game is not executable"
# Only the hall client needs the network libraries: a plain start of the game loads none.
needed() { objdump -p "$1" | awk '$1 == "NEEDED" { print $2 }'; }
if needed "$root/usr/games/stonewick" | grep -q Network; then
  fail "the game itself needs Qt Network"
fi
needed "$root"/usr/lib/*/stonewick/libstonewick-hall.so | grep -q Network ||
  fail "the hall client does not need Qt Network"
[[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/games/stonewick" --version)" == *"$version"* ]] || fail "stonewick --version does not print $version"

# What a software centre gathers from the package: no error, the icons it caches, and the
# description in every language of translations/.
appstreamcli compose --no-net --origin=stonewick --result-root="$work/compose" "$root" \
  >"$work/compose.log" 2>&1 || { cat "$work/compose.log" >&2; fail "appstreamcli compose reports errors"; }
catalog=$work/compose/usr/share/swcatalog/xml/stonewick.xml.gz
[ -f "$catalog" ] || fail "appstreamcli compose wrote no catalog: $(cat "$work/compose.log")"
for size in 64 128; do
  zgrep -q "<icon type=\"cached\" width=\"$size\"" "$catalog" ||
    fail "the catalog has no ${size}x$size icon"
done
# The manual page speaks of the language variables, and names every language's Alt letters.
zcat "$root/usr/share/man/man6/stonewick.6.gz" >"$work/stonewick.6"
for variable in LANGUAGE LC_ALL LC_MESSAGES LANG; do
  grep -qx ".B $variable" "$work/stonewick.6" || fail "the manual page lacks $variable"
done
for catalogue in "$source"/translations/stonewick_*.ts; do
  language=${catalogue##*_}
  language=${language%.ts}
  zgrep -q "<description xml:lang=\"$language\">" "$catalog" ||
    fail "the catalog has no description in $language"
  grep -q "(LANGUAGE=$language)" "$work/stonewick.6" || fail "the manual page lacks $language's letters"
done

echo "package $(basename "$deb") checked: $(grep -c '<icon' <(zcat "$catalog")) icons in the catalog"
