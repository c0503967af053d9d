#!/bin/sh
# Runs one fuzz target for VANTREL_FUZZ_SECONDS seconds (default 5): the short run of the
# test suite, or the long one of ./vantrel.sh fuzz. The arguments are the target and its
# libFuzzer arguments; the run prints the inputs it executed (stat::number_of_executed_units).
target=$1
shift
exec "$target" -max_total_time="${VANTREL_FUZZ_SECONDS:-5}" -timeout=10 -print_final_stats=1 "$@"
