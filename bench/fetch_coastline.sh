#!/usr/bin/env bash
# Fetches the 1:1,000,000 world coastline (OpenStreetMap-derived, ODbL:
# npm package @geo-maps/countries-coastline-1m 0.6.0) and converts it with
# GDAL's ogr2ogr into a polyline shapefile for bench/shape_load_bench.
#   bench/fetch_coastline.sh BUILD_DIR
# Writes BUILD_DIR/bench-data/coastline/coastline.{shp,shx,dbf,prj}:
# 63,061 polylines of 4,864,053 vertices. Not run by the tests or CI.
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
out="$build/bench-data/coastline"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm init -y >/dev/null && npm install --ignore-scripts --no-audit --no-fund \
  @geo-maps/countries-coastline-1m@0.6.0 >/dev/null)
rm -f "$out"/coastline.*
ogr2ogr -f "ESRI Shapefile" -nlt LINESTRING -explodecollections "$out/coastline.shp" \
  "$work/node_modules/@geo-maps/countries-coastline-1m/map.geo.json"
ogrinfo -so -al "$out/coastline.shp" | grep -E "Feature Count|Geometry"
