#!/usr/bin/env bash
# Installs the Debian packages Velkor needs to build and run, if any are missing.
#   scripts/install-deps.sh          to build and run (Qt's own translations included)
#   scripts/install-deps.sh test     also what the tests use: the Russian locale, under which
#                                    the tests run once more to prove that a decimal comma in
#                                    the user's settings changes nothing in the numbers, and
#                                    pdftotext, which reads back the printed PDF files
#   scripts/install-deps.sh package  also what building and checking the .deb takes
#   scripts/install-deps.sh sanitize also clang and its sanitizer runtimes
set -euo pipefail

packages=(qt6-base-dev qt6-translations-l10n cmake g++ make fonts-dejavu-core libgmp-dev libmpfr-dev
          libmimalloc-dev libflint-arb-dev libflint-dev libcgal-dev libeigen3-dev)
case "${1:-}" in
test) packages+=(locales poppler-utils) ;;
package) packages+=(dpkg-dev file desktop-file-utils appstream groff-base) ;;
sanitize) packages+=(clang libclang-rt-14-dev) ;;
esac

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" = test ] && ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  "${as_root[@]}" sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ru_RU.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
fi
