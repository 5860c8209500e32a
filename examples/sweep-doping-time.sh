#!/bin/sh
# One run of a doping-time sweep: the doping flow with a random-walk doping time of N minutes
# (the first argument). Writes sweep/doping-N.plst, sweep/doping-N.cfb, the particle counts as
# sweep/doping-N.csv and, under a display, sweep/doping-N.png. Every run uses the same seed, so
# the sweep can be repeated exactly. Run many at once with GNU parallel:
#   parallel --tag examples/sweep-doping-time.sh ::: 1 2 5 10 20
set -eu
minutes="$1"
examples="$(dirname "$0")"
batch="${CELLFAB_BATCH:-build/apps/cellfab-batch}"
mkdir -p sweep
sed -E -e "/parameter-name=\"Doping Time\"/s/parameter-data=\"[^\"]*\"/parameter-data=\"$minutes\"/" \
       -e "s|parameter-data=\"doping-flow.png\"|parameter-data=\"sweep/doping-$minutes.png\"|" \
       "$examples/doping-flow.plst" > "sweep/doping-$minutes.plst"
# parallel already keeps every core busy: one engine thread per run.
exec "$batch" --threads 1 --seed 1 --export-data "sweep/doping-$minutes.csv" \
     "sweep/doping-$minutes.plst" "sweep/doping-$minutes.cfb"
