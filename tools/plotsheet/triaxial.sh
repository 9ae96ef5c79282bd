#!/bin/sh
# Draws every stored triaxial test, once per reference number (its tests overlaid, labelled
# with the soil) and once per test.
# usage: tools/plotsheet/triaxial.sh [BUILD_DIR] [OUT_DIR]
set -e
BUILD=${1:-build}
OUT=${2:-$BUILD/plotsheets}
DB=$BUILD/Loamix/Database
mkdir -p "$OUT"

plot() {  # plot FILE NAME SERIES... ; uses $GROUP_ARGS
  file=$1; name=$2; shift 2
  "$BUILD/tools/plotsheet/plotsheet" --db "$DB/$file.lxr" --x 3 --x-scale 100 --x-label 'axial strain (%)' \
      "$@" $GROUP_ARGS --title "$file: $name" --out "$OUT/$file-$MODE"
}

for MODE in soil test; do
  if [ $MODE = soil ]; then
    GROUP_ARGS="--panel-by 0 --columns 2 --rows 4"
  else
    GROUP_ARGS="--panel-by 1 --columns 3 --rows 5"
  fi
  plot LXSandCIDC "drained sands and gravels, by $MODE" --y '4:deviator stress (kPa)' \
      --y '5:volumetric strain (%):100' --names 'SELECT [Reference Number], [Soil Description] FROM Reference'
  plot LXSandCIUC "undrained sands, by $MODE" --y '4:deviator stress (kPa)' --y '6:excess pore pressure (kPa)' \
      --names 'SELECT [Reference Number], [Soil Description] FROM Reference'
  plot LXClayCIUCnCIDCnUUC "clays (CIDC, CIUC, UUC), by $MODE" --y '4:deviator stress (kPa)' \
      --y '5:volumetric strain (%):100' --y '6:excess pore pressure (kPa)' \
      --names 'SELECT [Reference Number], [Soil Description] FROM Reference'
done

# The response library's curve (dashed) beside each stored sand and gravel test.
MODE=soilnet
GROUP_ARGS="--panel-by 1 --columns 3 --rows 4"
plot LXSandCIDC "stored (solid) and soilnet (dashed)" --y '4:deviator stress (kPa)' \
    --y '5:volumetric strain (%):100' --soilnet drained
plot LXSandCIUC "stored (solid) and soilnet (dashed)" --y '4:deviator stress (kPa)' \
    --y '6:excess pore pressure (kPa)' --soilnet undrained
