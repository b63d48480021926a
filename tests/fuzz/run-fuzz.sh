#!/usr/bin/env bash
# run-fuzz.sh FUZZER SEEDS WORK [libFuzzer options…]: fuzzes with a writable corpus in WORK,
# started from the checked-in SEEDS, which stay untouched.
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3
shift 3
mkdir -p "$work"
exec "$fuzzer" "$work" "$seeds" "$@"
