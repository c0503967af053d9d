#!/usr/bin/env bash
# vantrel's one entry for newcomers and CI:
#   ./vantrel.sh test    install what is missing, build, run every test
#   ./vantrel.sh bench   install what is missing, build, run the benchmarks
#   ./vantrel.sh demo    install what is missing, build, start the viewer on sample data
#   ./vantrel.sh build   install what is missing and build
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD=${VANTREL_BUILD_DIR:-$ROOT/build}

PACKAGES=(g++ cmake make pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth)

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

build() {
  install_missing
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=$werror >/dev/null
  cmake --build "$BUILD" -j "${VANTREL_JOBS:-$(nproc)}"
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
    gui_env
    ctest --test-dir "$BUILD" --output-on-failure -j "${VANTREL_JOBS:-$(nproc)}" --timeout 300 ;;
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
    echo "usage: $0 test|bench|demo|build" >&2
    exit 2 ;;
esac
