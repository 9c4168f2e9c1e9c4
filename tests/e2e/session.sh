#!/usr/bin/env bash
# Runs a command inside a fresh X session (Xvfb) with its own D-Bus session
# bus and accessibility bus, as a desktop would have them.
# Usage: session.sh [-s WIDTHxHEIGHT] command...
set -euo pipefail
screen="1600x1200"
if [ "${1:-}" = "-s" ]; then screen="$2"; shift 2; fi
export MIREWALK_E2E_INNER=1
# The session's runtime folder, which Qt would otherwise make in the temporary folder and leave.
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp -noreset" \
    dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
        /usr/libexec/at-spi2-registryd >/dev/null 2>&1 &
        sleep 0.3
        exec "$@"' session "$@" 2> >(grep -v -e "Failed to set fd limit" -e "SpiRegistry daemon" >&2)
