#!/usr/bin/env bash
# Makes the Debian package of an already built tree (argument: the build
# folder) and checks what an installation needs: both programs, the seed
# database with the figures of fiscal 2009 and 2024 to 2026, the desktop
# entry and icons, the run-time Depends, a desktop entry desktop-file-validate
# accepts and no lintian error.
set -euo pipefail
build=$(realpath "$1")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
  echo "checkpackage: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log"
  fail "cpack failed"
}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$out/izoku-planner_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$out")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/izoku-planner usr/bin/izoku-calc usr/share/izoku-planner/ndata.mdb \
  usr/share/applications/izoku-planner.desktop usr/share/icons/hicolor/scalable/apps/izoku-planner.svg \
  usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/izoku-planner.png \
  usr/share/doc/izoku-planner/copyright usr/share/doc/izoku-planner/changelog.gz \
  usr/share/man/man1/izoku-planner.1.gz usr/share/man/man1/izoku-calc.1.gz; do
  grep -qxF "./$file" <<<"$contents" || fail "$file is not in the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6printsupport6 \
  libsqlite3-0 libqt6sql6-sqlite qt6-translations-l10n fonts-noto-cjk; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/izoku-planner.desktop"
grep -qx 'Name=遺族保障プランナー' "$out/root/usr/share/applications/izoku-planner.desktop" || fail "desktop entry's name"
figures=$(sqlite3 "file:$out/root/usr/share/izoku-planner/ndata.mdb?immutable=1" \
  'SELECT "年度", "スライド率", "基礎年金", "加算1", "加算2", "基礎年金昭31前", "従前額改定率"
   FROM "基礎DATA" ORDER BY "年度"' | tr '\n' ' ')
expected="2009|0.985|792100|227900|75900|| 2024|1|816000|234800|78300|813700|1.041 \
2025|1|831700|239300|79800|829300|1.061 2026|1|847300|243800|81300|844900|1.082 "
[ "$figures" = "$expected" ] || fail "seed's 基礎DATA rows: $figures"

lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
echo "checkpackage: $(basename "$deb") holds what an installation needs"
