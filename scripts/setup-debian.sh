#!/usr/bin/env bash
# Installs, as root on Debian 12, the packages the build and the tests need, only those that are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++         # toolchain
    qt6-base-dev                  # Qt 6 Widgets, and Network for the update check
    ca-certificates               # the certificate authorities that vouch for the update server over https
    openssl                       # remakes the test server's certificate (tests/data/net/make-certificate.sh)
    libqt6svg6                    # the toolbar images, cursors, icons and chooser pictures are SVG
    qt6-translations-l10n         # Qt's own dialogs (files, printers) in German, as the program is
    libgtest-dev                  # tests
    fonts-liberation2             # "Arial" resolves to Liberation Sans, with Arial's metrics: texts fit their boxes
    poppler-utils                 # tests read back from a PDF where printed text landed (pdftotext, pdftoppm)
    cups-daemon cups-client       # a test prints through a CUPS queue of its own (cupsd, lpadmin, lpstat)
    libcups2-dev                  # the support report names the device a printer is attached to
    clang libclang-rt-14-dev      # the form file fuzzer (libFuzzer)
    clang-format-14               # the format check of the sources
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing; run this script as root to install them: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
