#!/usr/bin/env bash
# Runs one Windows program under Wine in a throwaway prefix and X display of its own;
# ends every process it started.   wine-test.sh TEMPLATE PROGRAM [ARGS...]
set -u
. "$(dirname "$0")/wine-env.sh"
template=$1; shift
trap wine_env_down EXIT
trap 'exit 130' INT TERM
wine_env_up "$template" || exit 2
"$(wine_loader_for "$1")" "$@"
rc=$?
exit $rc
