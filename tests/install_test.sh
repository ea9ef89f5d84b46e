#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a school's machine gets: the
# program, its pictures and sounds, the Teachers' Guide, a desktop entry and AppStream
# metainfo that pass their validators, the icon in the usual sizes; then starts the
# installed program from an unrelated folder (one with pictures of its own) and sees it
# show its title screen, end cleanly, and write nothing.
#   tests/install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill -KILL "$pid" 2> /dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
prefix="$scratch/usr"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null
id=uk.co.quillmark.Quillmark
for f in bin/quillmark share/quillmark/Images/BOARD.WMF share/quillmark/Images/literacy2.jpg \
         share/quillmark/opening2/startl00.jpg share/quillmark/wav/click.wav share/quillmark/Teachers-Guide.docx \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256 512; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -s "$icon" ] || fail "no ${size}px icon"
done
[ "$(ls "$prefix/share/quillmark/Images" | wc -l)" -eq 10 ] || fail "pictures missing"
[ "$(ls "$prefix/share/quillmark/wav" | wc -l)" -eq 6 ] || fail "sounds missing"
pandoc --from=docx --to=plain "$prefix/share/quillmark/Teachers-Guide.docx" | grep -q "Year 6" \
  || fail "the Teachers' Guide has no pages for the terms"

# What Debian's checker asks of the package: a machine-readable copyright file with a text
# for every licence it names, the changelog of this version, a manual page that reads
# cleanly, and, for the package itself, dependencies computed from the binary, a stripped
# binary and description lines of at most 80 characters.
doc="$prefix/share/doc/quillmark"
copyright="$doc/copyright"
[ -s "$copyright" ] || fail "no copyright file"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
  || fail "the copyright file is not machine-readable"
for licence in $(sed -n 's/^License: *//p' "$copyright" | sort -u); do
  grep -q "^License: $licence\$" "$copyright" && awk -v l="License: $licence" '$0 == l { getline; if ($0 ~ /^ /) ok = 1 } END { exit !ok }' "$copyright" \
    || fail "the copyright file names $licence without its text"
done
package_setting() {  # what the build's package configuration sets, one line of output
  printf 'include("%s/CPackConfig.cmake")\nmessage("%s")\n' "$build" "$1" > "$scratch/setting.cmake"
  cmake -P "$scratch/setting.cmake" 2>&1
}
version="$(package_setting '${CPACK_PACKAGE_VERSION}')"
[ "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$version" ] || fail "the changelog is not of version $version"
man="$prefix/share/man/man1/quillmark.1.gz"
[ -s "$man" ] || fail "no manual page"
[ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man" 2>&1 > /dev/null)" ] || fail "the manual page has errors"
for option in $("$prefix/bin/quillmark" --help | grep -o -- '--[a-z-]*' | sort -u); do
  zcat "$man" | sed 's/\\-/-/g' | grep -q -- "$option" || fail "the manual page lacks $option"
done
cpack_config="$(cat "$build/CPackConfig.cmake")"
grep -q 'CPACK_DEBIAN_PACKAGE_SHLIBDEPS "ON"' <<< "$cpack_config" || fail "the package's library dependencies are not computed"
grep -q 'CPACK_STRIP_FILES "ON"' <<< "$cpack_config" || fail "the package's binary is not stripped"
description="$(package_setting '${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}')"
awk 'length($0) > 80 { exit 1 }' <<< "$description" || fail "a line of the package description is over 80 characters"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
grep -q '^Exec=quillmark --classroom$' "$prefix/share/applications/$id.desktop" || fail "no classroom action"
grep -q '^Exec=quillmark --worksheets$' "$prefix/share/applications/$id.desktop" || fail "no worksheets action"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > /dev/null || fail "metainfo"
grep -q '<binary>quillmark</binary>' "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo names no program"
grep -q '<control>pointing</control>' "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo names no mouse"

# Started from a folder that has an Images folder of its own, with an empty home.
start="$scratch/start"
home="$scratch/home"
mkdir -p "$start/Images" "$home"
before="$(cd "$scratch" && find start home | sort)"
log="$scratch/log"
(cd "$start" && exec env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
   XDG_CACHE_HOME="$home/.cache" QUILLMARK_TRACE=1 "$prefix/bin/quillmark" 2> "$log") &
pid=$!
for _ in $(seq 1 300); do grep -q "painted Titlefrm" "$log" && break; sleep 0.1; done
grep -q "painted Titlefrm" "$log" || { cat "$log" >&2; kill "$pid" 2>/dev/null; fail "no title screen"; }
kill -TERM "$pid"
wait "$pid" || fail "did not end cleanly: $(cat "$log")"
grep -q "quillmark: end" "$log" || fail "no clean end"
if grep -q "Run-time error" "$log"; then fail "$(cat "$log")"; fi
after="$(cd "$scratch" && find start home -not -path 'home/.cache/fontconfig*' | sort)"
[ "$before" = "$after" ] || fail "the program wrote files: $(diff <(echo "$before") <(echo "$after"))"
echo "installed and started from $start: ok"
