#!/usr/bin/env bash
# Builds the tool for Windows.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32
echo "built: build/win32"
