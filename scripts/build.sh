#!/usr/bin/env bash
# Configures and builds into ./build (Release with assertions off, warnings on; in CI, where CI is
# set, warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_WERROR="$werror" >/dev/null
cmake --build build --parallel "$(nproc)"
