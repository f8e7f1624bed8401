#!/usr/bin/env bash
# Runs a Windows program under the project's private Wine prefix.
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
