#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

vandrel_install_packages
vandrel_build "$VANDREL_ROOT/build" -DCMAKE_BUILD_TYPE=Release

if [[ -x "$VANDREL_ROOT/build/bin/vandrel" ]]; then
    exec "$VANDREL_ROOT/build/bin/vandrel" "$@"
fi
echo "The program itself is not built yet; running the renderer benchmark instead."
exec "$VANDREL_ROOT/build/bin/vandrel_bench" --benchmark_filter='RenderFrame|Copy64K'
