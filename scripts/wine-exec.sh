#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's prefix, locale and display.
source "$(dirname "$0")/wine-env.sh"
"$CORVANTILE_ROOT/scripts/wine-prefix.sh" || exit 1
exec "$WINE" "$@"
