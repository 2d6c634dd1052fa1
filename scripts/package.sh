#!/usr/bin/env bash
# Builds the Debian package and checks what an installation puts on the system:
#   scripts/package.sh [BUILD_DIR]    (default build-package)
# Installs into a staging directory (DESTDIR) and validates there the desktop entry, the
# metainfo and the manual pages, and that both programs answer --version without a display;
# then builds velkor_<version>_<arch>.deb with cpack, checks that it holds the staged files
# and that apt would install it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
build_dir=${1:-build-package}
scripts/build.sh "$build_dir" -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build_dir" >/dev/null
share="$stage/usr/share"
desktop-file-validate "$share/applications/velkor.desktop"
appstreamcli validate --no-net "$share/metainfo/org.velkor.velkor.metainfo.xml"
for page in velkor velkor-cli; do
  warnings=$(LC_ALL=C.UTF-8 groff -k -man -ww -z -Tutf8 "$share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || { echo "$warnings"; echo "package: $page.1 has warnings"; exit 1; }
done
for file in usr/bin/velkor usr/bin/velkor-cli usr/libexec/velkor/velkor-report usr/share/icons/hicolor/scalable/apps/velkor.svg \
  usr/share/doc/velkor/README.md; do
  [ -f "$stage/$file" ] || { echo "package: $file is not installed"; exit 1; }
done
version=$(sed -n 's/^project(Velkor VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
# answered before Qt looks for a display: no window opens
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$stage/usr/bin/velkor" --version)" = \
  "velkor $version" ]
[ "$("$stage/usr/bin/velkor-cli" --version)" = "velkor-cli $version" ]

rm -f "$build_dir"/velkor_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(echo "$build_dir"/velkor_"$version"_*.deb)
[ -f "$deb" ] || { echo "package: cpack made no $deb"; exit 1; }
diff <(cd "$stage" && find . -type f | sort) \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort) ||
  { echo "package: the .deb does not hold what the installation puts on the system"; exit 1; }
apt-get install --simulate -qq "./$deb" >/dev/null
echo "package: $deb"
