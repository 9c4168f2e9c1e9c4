#!/usr/bin/env bash
# Runs a command inside a fresh desktop session with its own D-Bus session bus
# and accessibility bus: a window manager on an X server of its own (Xvfb), or a
# Wayland compositor with a screen of its own and no display at all.
# Usage: session.sh [-s WIDTHxHEIGHT] [-d DESKTOP] command...
# DESKTOP is mutter-x11 (the default), kwin-x11, mutter-wayland or sway; the
# command finds it in MIREWALK_DESKTOP, and on Wayland the compositor's socket
# in WAYLAND_DISPLAY.
set -euo pipefail
screen="1600x1200"
desktop="mutter-x11"
while getopts s:d: option; do
    case $option in s) screen=$OPTARG ;; d) desktop=$OPTARG ;; *) exit 2 ;; esac
done
shift $((OPTIND - 1))
export MIREWALK_E2E_INNER=1 MIREWALK_DESKTOP="$desktop" MIREWALK_SCREEN="$screen"
# The session's runtime folder, which Qt would otherwise make in the temporary
# folder and leave, is also its home: what the desktop keeps goes with it.
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR HOME="$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The desktop's settings: no animations, so that a window shows at once where it opens.
export GSETTINGS_BACKEND=keyfile
mkdir -p "$HOME/.config/glib-2.0/settings"
printf "[org/gnome/desktop/interface]\nenable-animations=false\n" >"$HOME/.config/glib-2.0/settings/keyfile"
case $desktop in
    mutter-x11 | kwin-x11) outer=(xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp -noreset") ;;
    mutter-wayland) outer=() ;;
    sway) # sway will not run as root: the whole session, the test too, runs as
        # nobody, with copies of the tests and the game, which nobody may not
        # be able to read where they are.
        cp -r . "$XDG_RUNTIME_DIR/e2e"
        mkdir "$XDG_RUNTIME_DIR/build"
        cp -r "$MIREWALK_BUILD_DIR/mirewalk" "$MIREWALK_BUILD_DIR/Maps" "$MIREWALK_BUILD_DIR/Monsters" \
            "$XDG_RUNTIME_DIR/build"
        export MIREWALK_BUILD_DIR="$XDG_RUNTIME_DIR/build"
        cd "$XDG_RUNTIME_DIR/e2e"
        chown -R nobody:nogroup "$XDG_RUNTIME_DIR"
        setpriv --reuid=nobody --regid=nogroup --clear-groups test -w /dev/shm ||
            { echo "session.sh: sway needs shared memory, and nobody may not write to /dev/shm" >&2; exit 1; }
        export SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock"
        outer=(setpriv --reuid=nobody --regid=nogroup --clear-groups) ;;
    *) echo "session.sh: no desktop named $desktop" >&2; exit 2 ;;
esac
"${outer[@]}" dbus-run-session -- bash -c '
    set -eu
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    /usr/libexec/at-spi2-registryd >/dev/null 2>&1 &
    # What the session started ends with it (asked to, then made to), even what
    # the desktop started through the bus (KWin its shortcuts daemon): without
    # an X server whose end ends them, they would outlive it.
    peers() {
        for name in $(gdbus call --session -d org.freedesktop.DBus -o / -m org.freedesktop.DBus.ListNames |
            grep -o ":[0-9][0-9.]*"); do
            gdbus call --session -d org.freedesktop.DBus -o / -m org.freedesktop.DBus.GetConnectionUnixProcessID \
                "$name" 2>/dev/null | sed -n "s/.*uint32 \([0-9]*\).*/\1/p"
        done
    }
    finish() {
        others=$(peers)
        kill $(jobs -p) $others 2>/dev/null || true
        for _ in $(seq 250); do [ -z "$(jobs -pr)" ] && break; sleep 0.02; done
        kill -9 $(jobs -pr) $others 2>/dev/null || true
        wait || true
    }
    trap finish EXIT
    log="$XDG_RUNTIME_DIR/desktop.log"
    exec 3>"$log"
    managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
    wayland() { compgen -G "$XDG_RUNTIME_DIR/wayland-[0-9]" >/dev/null; }
    remote() { wayland && gdbus introspect --session -d org.gnome.Mutter.RemoteDesktop -o /org/gnome/Mutter; }
    case $MIREWALK_DESKTOP in
        mutter-x11) mutter --x11 --replace --sm-disable >&3 2>&3 & ready=managed ;;
        kwin-x11) kwin_x11 --replace >&3 2>&3 & ready=managed ;;
        mutter-wayland) # with PipeWire, which carries its screen casts
            pipewire >&3 2>&3 &
            wireplumber >&3 2>&3 &
            mutter --headless --wayland --no-x11 --virtual-monitor "$MIREWALK_SCREEN" >&3 2>&3 &
            ready=remote ;;
        sway)
            printf "xwayland disable\noutput HEADLESS-1 mode %s\n" "$MIREWALK_SCREEN" >"$XDG_RUNTIME_DIR/sway.conf"
            WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
                sway -c "$XDG_RUNTIME_DIR/sway.conf" >&3 2>&3 &
            ready="swaymsg -t get_version" ;;
    esac
    desktop=$!
    for _ in $(seq 500); do $ready >/dev/null 2>&1 && break; sleep 0.02; done
    $ready >/dev/null || { cat "$log" >&2; echo "session.sh: $MIREWALK_DESKTOP did not start" >&2; exit 1; }
    if wayland; then
        WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-[0-9]")")
        export WAYLAND_DISPLAY
    fi
    # A desktop that ended under the test (crashed) is said, with its last words.
    status=0
    "$@" || status=$?
    if ! kill -0 "$desktop" 2>/dev/null; then
        tail -n 12 "$log" >&2
        echo "session.sh: $MIREWALK_DESKTOP ended during the test" >&2
    fi
    exit $status' session "$@" 2> >(grep --line-buffered -v -e "Failed to set fd limit" -e "SpiRegistry daemon" >&2)
