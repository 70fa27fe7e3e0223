#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and its metadata, extracts it to a
# temporary root and runs the extracted varnak-report on the sample save. Installs
# nothing system-wide.
set -euo pipefail
cd "$(dirname "$0")/.."
deb="$(bash scripts/package.sh | tail -n 1)"
echo "package: $deb"
dpkg-deb --field "$deb"
dpkg-deb --contents "$deb" | awk '{print $6}' | tee build/package/contents.txt

for path in ./usr/bin/varnak-analyzer ./usr/bin/varnak-report \
  ./usr/share/applications/org.varnakskarn.SaveAnalyzer.desktop \
  ./usr/share/metainfo/org.varnakskarn.SaveAnalyzer.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/org.varnakskarn.SaveAnalyzer.svg \
  ./usr/share/icons/hicolor/48x48/apps/org.varnakskarn.SaveAnalyzer.png \
  ./usr/share/man/man1/varnak-analyzer.1.gz ./usr/share/man/man1/varnak-report.1.gz \
  ./usr/share/doc/varnak-analyzer/copyright; do
  grep -qxF "$path" build/package/contents.txt || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb --field "$deb" Depends | grep -q "libqt6widgets6" \
  || { echo "dpkg-shlibdeps found no Qt dependency"; exit 1; }

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.varnakskarn.SaveAnalyzer.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.varnakskarn.SaveAnalyzer.metainfo.xml"
zcat "$root/usr/share/man/man1/varnak-report.1.gz" | grep -q 'table.* SAVE' \
  || { echo "the manual page of varnak-report lacks --table"; exit 1; }

report="$root/usr/bin/varnak-report"
"$report" samples/sample-game.sav > "$root/state.json"
grep -q '"load":{"file":"samples/sample-game.sav","ok":true' "$root/state.json" \
  || { echo "the extracted varnak-report did not load the sample"; exit 1; }
grep -q '"NickE":{"kind":"edit","text":"[^"]' "$root/state.json" \
  || { echo "the extracted varnak-report shows no nick"; exit 1; }
"$report" --table samples/sample-game.sav samples/sample-game.sav > "$root/table.csv"
[[ "$(wc -l < "$root/table.csv")" == 3 ]] || { echo "the table has not three rows"; exit 1; }
"$root/usr/bin/varnak-analyzer" --help | grep -q "Usage: varnak-analyzer"

# Tags that remain are explained in packaging/lintian-notes.md.
lintian --fail-on error,warning --suppress-tags-from-file packaging/lintian-suppressed "$deb"
echo "the package passed: $(basename "$deb")"
