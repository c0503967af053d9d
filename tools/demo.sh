#!/usr/bin/env bash
# The demo: installs the program folder (vantrel, storepull, cardpull, pricepull, gt_data,
# README.md and manual.html) into a demo directory, writes the recorded sample data of today's race day for the
# racing-data stand-in, and starts vantrel there.
#   tools/demo.sh <build-dir>      (./vantrel.sh demo builds first and calls it)
# The demo directory is <build-dir>/demo, or $VANTREL_DEMO_DIR.
set -euo pipefail

BUILD=${1:?usage: tools/demo.sh <build-dir>}
DEMO=${VANTREL_DEMO_DIR:-$BUILD/demo}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'EOF'
The demo opens windows, and there is no display here (neither DISPLAY nor WAYLAND_DISPLAY
is set). Run it from a desktop session, or under a virtual X display:

    xvfb-run -a ./vantrel.sh demo
EOF
  exit 2
fi

for program in vantrel storepull cardpull pricepull make_sample_data; do
  if [ ! -x "$BUILD/bin/$program" ]; then
    echo "demo: $BUILD/bin/$program is missing; build first (./vantrel.sh build)" >&2
    exit 1
  fi
done

mkdir -p "$DEMO"
DEMO=$(cd "$DEMO" && pwd)
cmake --install "$BUILD" --prefix "$DEMO" >/dev/null

# Today's card and odds as if the day were over (every announcement and result made),
# plus a few earlier days of stored data for storepull.
TODAY=$(date +%Y%m%d)
"$BUILD/bin/make_sample_data" --out "$DEMO/jvlink_data" --day "$TODAY" --now "${TODAY}2359"
export JVLINK_DATA="$DEMO/jvlink_data"
# Today is listed from the start, so that the fetch buttons have a day.
mkdir -p "$DEMO/jv_data/$TODAY"

cat <<EOF
vantrel demo in $DEMO (the stand-in reads $JVLINK_DATA).
The first box at the start says 開催情報ファイルがありません: today's card is not fetched
yet. Answer it with OK, then:
  1. Press 最新情報: cardpull fetches today's card; close its window with 画面を閉じる.
  2. Choose the day in 競馬開催日 again: the racecourse buttons are labelled.
  3. Press 開催日オッズ: pricepull fetches the odds of every race; close its window.
  4. Choose a racecourse, a race and the two odds times (Odds 1st, Odds 2nd).
  設定・ヘルプ shows the version, the odds-timing files and the links to README.md and
  manual.html in $DEMO.
EOF
cd "$DEMO"
exec ./vantrel
