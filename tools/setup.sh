#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, unless everything is there.
# Packages named as arguments are installed as well (tools/bench.sh names the benchmarks' own,
# libqcustomplot-dev for the side-by-side comparison).
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    fonts-liberation locales xvfb xauth
    # The metafile tests play our files with libwmf, which cannot draw text (and so fails) without
    # the fonts it only recommends.
    libwmf-bin fonts-urw-base35
    # A settings test reads the program's INI files with Python's configparser.
    python3
    # Screenshots of the windows under Xvfb (import).
    imagemagick
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-text tests run once more under a German locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
