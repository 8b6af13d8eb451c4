#!/usr/bin/env python3
"""Reads the demo road's LandXML export with ElementTree alone and checks it against the
program's own coordinate file and project elevations.

Usage: read_back.py CALVORA DEMO_FOLDER"""

import json
import math
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path
import xml.etree.ElementTree as ET

NS = "{http://www.landxml.org/schema/LandXML-1.2}"
TOLERANCE = 0.001  # metres
failures = []


def check(ok, text):
    if not ok:
        failures.append(text)


def run(calvora, folder, *args):
    done = subprocess.run([calvora, *args], cwd=folder, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"calvora {' '.join(args)} failed: {done.stderr}")
    return done.stdout


def point(element, name):
    northing, easting = map(float, element.find(NS + name).text.split())
    return easting, northing


def read_xyz(path):
    """Station -> (x, y, z) of every line of a coordinate file."""
    lines = {}
    for line in Path(path).read_text().splitlines():
        label, x, y, z = line.split()
        km, m = label.split("+")
        lines[round(int(km) * 1000 + float(m), 3)] = (float(x), float(y), float(z))
    return lines


def near_line(xyz, station):
    found = [s for s in xyz if abs(s - station) <= TOLERANCE]
    return xyz[found[0]] if found else None


def profile_elevation(points, station):
    """Grade lines through the PVIs with symmetric parabolas of length L around them."""
    for i in range(1, len(points) - 1):
        s, z, length = points[i]
        if length and abs(station - s) <= length / 2:
            g1 = (z - points[i - 1][1]) / (s - points[i - 1][0])
            g2 = (points[i + 1][1] - z) / (points[i + 1][0] - s)
            begin = s - length / 2
            return z - g1 * length / 2 + g1 * (station - begin) + \
                (g2 - g1) / (2 * length) * (station - begin) ** 2
    for (s0, z0, _), (s1, z1, _) in zip(points, points[1:]):
        if s0 <= station <= s1:
            return z0 + (z1 - z0) * (station - s0) / (s1 - s0)
    return None


def check_geometry(alignment, xyz):
    station = float(alignment.get("staStart"))
    previous_end = None
    spiral_ends = 0
    for element in alignment.find(NS + "CoordGeom"):
        kind = element.tag.replace(NS, "")
        start, end = point(element, "Start"), point(element, "End")
        where = f"{kind} at {element.get('staStart')}"
        if previous_end:
            check(math.dist(previous_end, start) <= TOLERANCE, f"{where} does not start at the end before")
        check(abs(float(element.get("staStart")) - station) <= TOLERANCE, f"{where}: station")
        length = float(element.get("length"))
        if kind == "Curve":
            centre, radius = point(element, "Center"), float(element.get("radius"))
            for p in (start, end):
                check(abs(math.dist(centre, p) - radius) <= TOLERANCE, f"{where}: end off its circle")
        if kind == "Spiral":
            for s, p in ((station, start), (station + length, end)):
                line = near_line(xyz, s)
                check(line is not None and math.dist(line[:2], p) <= TOLERANCE,
                      f"{where}: end at {s} is not the coordinate file's")
                spiral_ends += 1
        station += length
        previous_end = end
    check(abs(station - float(alignment.get("staStart")) - float(alignment.get("length"))) <= TOLERANCE,
          "the elements do not add up to the alignment's length")
    last = xyz[max(xyz)]
    check(math.dist(last[:2], previous_end) <= TOLERANCE, "the last element does not end at the road's end")
    check(spiral_ends > 0, "the demo's spirals are missing")


def check_profile(alignment, xyz, sections):
    points = []
    for p in alignment.find(f"{NS}Profile/{NS}ProfAlign"):
        s, z = map(float, p.text.split())
        points.append((s, z, float(p.get("length", 0))))
    for s, (_, _, z) in xyz.items():
        # Beyond the profile's points the coordinate file has 0.
        expected = profile_elevation(points, s) or 0.0
        check(abs(expected - z) <= TOLERANCE, f"profile at {s} is not the coordinate file's Z")
    crossings = alignment.findall(f"{NS}CrossSects/{NS}CrossSect")
    check(len(crossings) == len(sections), "not one CrossSect per section")
    for crossing, section in zip(crossings, sections):
        s = float(crossing.get("sta"))
        check(abs(s - (section["Kilo"] * 1000 + section["Meter"])) <= TOLERANCE, f"section at {s}: station")
        # The project elevations are kept to the centimetre.
        check(abs(profile_elevation(points, s) - section["PRElev"]) <= 0.005 + TOLERANCE,
              f"section at {s}: profile differs from the project elevation")
        surfaces = {surface.get("name"): surface for surface in crossing}
        ground = [tuple(map(float, p.text.split())) for p in surfaces["Ground"]]
        check(len(ground) == -section["PointCount"]["-1"] + section["PointCount"]["1"] + 1,
              f"section at {s}: ground points")
        check(ground == sorted(ground), f"section at {s}: ground not from left to right")
        check("Design" in surfaces and float(crossing.get("areaCut")) + float(crossing.get("areaFill")) > 0,
              f"section at {s}: no design line or areas")


def main():
    calvora, demo = sys.argv[1], Path(sys.argv[2])
    with tempfile.TemporaryDirectory() as folder:
        for f in demo.iterdir():
            shutil.copy(f, folder)
        run(calvora, folder, "elevations", "DEMO.PRJ", "--yes")
        run(calvora, folder, "coordinates", "DEMO.PRJ", "--out", "DEMO.XYZ", "--yes")
        run(calvora, folder, "landxml", "DEMO.PRJ", "--out", "DEMO.xml", "--yes")
        sections = json.loads(run(calvora, folder, "dump", "DEMO.DAT", "--json"))["records"]
        xyz = read_xyz(Path(folder) / "DEMO.XYZ")
        root = ET.parse(Path(folder) / "DEMO.xml").getroot()
    check(root.tag == NS + "LandXML" and root.get("version") == "1.2", "root is not LandXML 1.2")
    check(root.find(f"{NS}Units/{NS}Metric").get("linearUnit") == "meter", "units are not metres")
    alignment = root.find(f"{NS}Alignments/{NS}Alignment")
    check_geometry(alignment, xyz)
    check_profile(alignment, xyz, sections)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
