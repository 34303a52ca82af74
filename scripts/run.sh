#!/usr/bin/env bash
# Sets up the machine, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
# A newer compiler's new warning must not keep the program from starting.
KZ_WERROR=OFF bash scripts/build.sh normal
exec build/normal/kalvenport-zuzaza "$@"
