#!/usr/bin/python3
"""Copies NADCON grid pairs into NTv2 files, so that PROJ's hgridshift can
serve as the oracle and the baseline for our NADCON shift on the very same
nodes.

    nadcon_to_ntv2.py IN_FOLDER OUT_FOLDER TITLE...

For each TITLE, IN_FOLDER/TITLE.las (latitude shifts) and TITLE.los
(longitude shifts, positive west) become bands 1 and 2 of
OUT_FOLDER/TITLE.gsb. GDAL reads both NADCON files and writes NTv2 with the
same geotransform; both formats keep arc-seconds as float32 and longitude
shifts positive west, so the values pass through unchanged. The accuracy
bands stay zero.
"""
import os
import sys

from osgeo import gdal


def convert(las_path, los_path, out_path):
    las = gdal.Open(las_path)
    los = gdal.Open(los_path)
    if las is None or los is None:
        raise SystemExit(f"cannot read {las_path} and {los_path}")
    if las.GetGeoTransform() != los.GetGeoTransform():
        raise SystemExit(f"{las_path} and {los_path} have different nodes")
    out = gdal.GetDriverByName("NTv2").Create(out_path, las.RasterXSize, las.RasterYSize, 4, gdal.GDT_Float32)
    out.SetGeoTransform(las.GetGeoTransform())
    out.GetRasterBand(1).WriteArray(las.GetRasterBand(1).ReadAsArray())
    out.GetRasterBand(2).WriteArray(los.GetRasterBand(1).ReadAsArray())
    out.FlushCache()


def main(args):
    if len(args) < 3:
        raise SystemExit(__doc__)
    gdal.UseExceptions()
    source, target, titles = args[0], args[1], args[2:]
    os.makedirs(target, exist_ok=True)
    for title in titles:
        base = os.path.join(source, title)
        convert(base + ".las", base + ".los", os.path.join(target, title + ".gsb"))


if __name__ == "__main__":
    main(sys.argv[1:])
