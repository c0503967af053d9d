#!/usr/bin/env bash
# vantrel's one entry for newcomers and CI:
#   ./vantrel.sh test    install what is missing, build, run every test: the suite, the
#                        same suite under AddressSanitizer and UndefinedBehaviorSanitizer
#                        (build-san), and each fuzz target for a few seconds (build-fuzz)
#   ./vantrel.sh fuzz [SECONDS]
#                        build and run every fuzz target for SECONDS (default 600) each,
#                        VANTREL_JOBS at a time; prints the inputs each executed
#   ./vantrel.sh bench   install what is missing, build, run the benchmarks
#   ./vantrel.sh demo    install what is missing, build, start the viewer on sample data
#   ./vantrel.sh build   install what is missing and build
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD=${VANTREL_BUILD_DIR:-$ROOT/build}

PACKAGES=(g++ cmake make pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev xvfb xauth
  xdg-utils)  # the desktop opener of the settings window's links
JOBS=${VANTREL_JOBS:-$(nproc)}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one build folder: build_tree DIR [CMAKE OPTIONS...].
build_tree() {
  local dir=$1
  shift
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=$werror "$@" \
    >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

build() {
  install_missing
  build_tree "$BUILD"
}

# The sanitizer and fuzzing builds: -O1 and line tables only (-g1, enough for the
# sanitizers' stack traces) keep their compile time and their runs short.
SANITIZED=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1")
build_sanitized() {
  build_tree "$BUILD-san" -DVANTREL_SANITIZE=ON "${SANITIZED[@]}"
}
build_fuzz() {
  build_tree "$BUILD-fuzz" -DVANTREL_FUZZ=ON "${SANITIZED[@]}"
}

# The inputs each fuzz target executed, from the last run of the fuzzing build's tests.
fuzz_report() {
  awk '/Testing: fuzz\./ { name = $NF }
       /stat::number_of_executed_units:/ { printf "  %-24s %12d inputs\n", name, $2; total += $2 }
       END { printf "  %-24s %12d inputs\n", "all targets", total }' \
    "$BUILD-fuzz/Testing/Temporary/LastTest.log"
  local findings
  findings=$(ls "$BUILD-fuzz/fuzz-work/findings" 2>/dev/null | wc -l)
  echo "  findings kept in $BUILD-fuzz/fuzz-work/findings: $findings"
}

# Qt under the offscreen platform wants a private runtime folder; one made here is removed
# when the script ends.
gui_env() {
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
  if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-runtime-XXXXXX")
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
  fi
}

cmd=${1:-}
case "$cmd" in
  build)
    build ;;
  test)
    build
    build_sanitized
    build_fuzz
    gui_env
    # The three suites run side by side; each writes its log, shown afterwards.
    ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS" --timeout 300 \
      >"$BUILD/test.log" 2>&1 &
    plain=$!
    ctest --test-dir "$BUILD-san" --output-on-failure -j "$JOBS" --timeout 600 \
      >"$BUILD-san/test.log" 2>&1 &
    sanitized=$!
    ctest --test-dir "$BUILD-fuzz" --output-on-failure -j "$JOBS" --timeout 300 \
      >"$BUILD-fuzz/test.log" 2>&1 &
    fuzzed=$!
    status=0
    wait $plain || status=1
    wait $sanitized || status=1
    wait $fuzzed || status=1
    cat "$BUILD/test.log"
    echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer ($BUILD-san)"
    if grep -q "tests failed out of" "$BUILD-san/test.log" &&
      ! grep -q " 0 tests failed out of" "$BUILD-san/test.log"; then
      cat "$BUILD-san/test.log"
    else
      sed -n '/tests passed/,$p' "$BUILD-san/test.log"
    fi
    echo "== fuzz targets, a short run each ($BUILD-fuzz)"
    if ! grep -q " 0 tests failed out of" "$BUILD-fuzz/test.log"; then
      cat "$BUILD-fuzz/test.log"
    else
      fuzz_report
      sed -n '/tests passed/,$p' "$BUILD-fuzz/test.log"
    fi
    exit $status ;;
  fuzz)
    install_missing
    build_fuzz
    seconds=${2:-600}
    echo "Running every fuzz target for $seconds s, $JOBS at a time"
    status=0
    VANTREL_FUZZ_SECONDS=$seconds ctest --test-dir "$BUILD-fuzz" --output-on-failure \
      -j "$JOBS" --timeout $((seconds + 300)) >"$BUILD-fuzz/fuzz.log" 2>&1 || status=1
    [ $status -eq 0 ] || cat "$BUILD-fuzz/fuzz.log"
    fuzz_report
    exit $status ;;
  bench)
    build
    gui_env
    status=0
    for b in "$BUILD"/bench/*; do
      [ -f "$b" ] && [ -x "$b" ] || continue
      echo "== $(basename "$b")"
      "$b" --benchmark_min_time=0.2 || status=1
    done
    exit $status ;;
  demo)
    build
    exec "$ROOT/tools/demo.sh" "$BUILD" ;;
  *)
    echo "usage: $0 test|fuzz [SECONDS]|bench|demo|build" >&2
    exit 2 ;;
esac
