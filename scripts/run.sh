#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts LadderPad.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$BUILD_DIR/src/qt/ladderpad"
