#!/usr/bin/env bash
# SPDX-FileCopyrightText: Quillmark contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Quillmark needs on Debian (when run as root), and any further packages named
# as arguments, then configures and builds it against Qt 6 in Release into build/. The run and
# test commands start with this.
set -euo pipefail
cd "$(dirname "$0")/.."

# The fonts stand in for the Windows fonts the forms name; time measures bench/startup's memory;
# the last line checks the package and the tree as a distribution would; patch applies --diff in
# the tests.
packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools libbenchmark-dev
          fonts-liberation2 fonts-lato fonts-yrsa-rasa fonts-dejavu-core fonts-urw-base35
          time file lintian appstream desktop-file-utils reuse patch "$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    else
        echo "Quillmark needs these Debian packages. Install them, then run this again:" >&2
        echo "sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLMARK_QT_MAJOR=6
cmake --build build -j"$(nproc)"
