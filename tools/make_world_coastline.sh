#!/usr/bin/env bash
# Makes the small world coastline the desktop host's chart draws under every
# overlay: the land outlines of Natural Earth 1:110m, as the npm package
# world-atlas 2.0.2 carries them (TopoJSON), turned by GDAL's ogr2ogr into a
# polyline shapefile, one polyline a ring.
#   tools/make_world_coastline.sh OUT_DIR
# Writes OUT_DIR/world-coastline.{shp,shx,dbf}. Run once; data/coastline/
# holds its output (see the README there for provenance and licences).
set -euo pipefail
out=${1:?usage: $0 OUT_DIR}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent world-atlas@2.0.2 >/dev/null && tar xzf world-atlas-2.0.2.tgz)
rm -f "$out"/world-coastline.*
ogr2ogr -f "ESRI Shapefile" -nlt LINESTRING -explodecollections -dim XY "$out/world-coastline.shp" \
  "$work/package/land-110m.json" land
ogrinfo -so -al "$out/world-coastline.shp" | grep -E "Feature Count|Geometry"
