#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what Vexil needs, builds it and starts it. Arguments go to vexil.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DVEXIL_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"

if [[ -x "$root/build/bin/vexil" ]]; then
  exec "$root/build/bin/vexil" "$@"
fi
exec "$root/build/bin/vexil-cli" --help
