#!/bin/sh
# One run of a parameter sweep: the oxide-on-silicon flow with the CVD thickness given as the
# first argument (in cells). Writes sweep/oxide-N.plst, sweep/oxide-N.cfb and, under a display,
# sweep/oxide-N.png. Run many at once with GNU parallel:
#   parallel --tag examples/sweep-cvd-thickness.sh ::: 1 2 3 4 5 6 7 8
set -eu
thickness="$1"
examples="$(dirname "$0")"
batch="${CELLFAB_BATCH:-build/apps/cellfab-batch}"
mkdir -p sweep
sed -E -e "/parameter-name=\"Thickness\"/s/parameter-data=\"[^\"]*\"/parameter-data=\"$thickness\"/" \
       -e "s|parameter-data=\"oxide-on-silicon.png\"|parameter-data=\"sweep/oxide-$thickness.png\"|" \
       "$examples/oxide-on-silicon.plst" > "sweep/oxide-$thickness.plst"
# parallel already keeps every core busy: one engine thread per run.
exec "$batch" --threads 1 "sweep/oxide-$thickness.plst" "sweep/oxide-$thickness.cfb"
