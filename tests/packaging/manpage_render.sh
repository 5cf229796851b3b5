#!/bin/sh
# Renders each manual page the way man(1) does, with every groff warning on,
# and fails on any message; lexgrog (man-db) must find the NAME line that
# whatis and apropos index.
set -u
status=0
for page in "$@"; do
    for device in utf8 ps; do
        messages=$(groff -ww -z -man -T"$device" "$page" 2>&1)
        if [ -n "$messages" ]; then
            echo "$page (-T$device):" >&2
            echo "$messages" >&2
            status=1
        fi
    done
    if command -v lexgrog >/dev/null 2>&1 && ! lexgrog "$page" >/dev/null; then
        echo "$page: no whatis entry" >&2
        status=1
    fi
done
exit $status
