#!/usr/bin/env bash
# Sets up and builds (scripts/setup.sh), then runs every test through CTest.
# Most window tests run on the offscreen platform; those that depend on the
# window system (CTest label "xserver") run on the xcb platform, on an X
# server of their own: Xvfb, started here by xvfb-run on a free display
# (with an xauth cookie) and ended when CTest is done, with a window manager
# (openbox, scripts/with-window-manager.sh) managing it for the whole run.
# No display of the machine is needed or touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# A screen large enough for the windows also at QT_SCALE_FACTOR=2.
xvfb-run --auto-servernum --server-args="-screen 0 2560x2048x24 -nolisten tcp" \
  bash scripts/with-window-manager.sh ctest --test-dir build --output-on-failure -j "$(nproc)"
