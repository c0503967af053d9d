#!/bin/sh
# Runs one fuzz target for VANTREL_FUZZ_SECONDS seconds (default 5): the short run of the
# test suite, or the long one of ./vantrel.sh fuzz. The arguments are the target and its
# libFuzzer arguments; the run prints the inputs it executed (stat::number_of_executed_units).
# The target's temporary files go to a folder of this run, removed afterwards however the
# target ended.
target=$1
shift
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-fuzz-XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
TMPDIR=$scratch "$target" -max_total_time="${VANTREL_FUZZ_SECONDS:-5}" -timeout=10 \
  -print_final_stats=1 "$@"
