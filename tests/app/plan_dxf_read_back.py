#!/usr/bin/env python3
"""Reads the demo road's plan, exported as binary and as ASCII DXF, with ezdxf and checks its
layers and the labels of the main points.

Usage: plan_dxf_read_back.py CALVORA DEMO_FOLDER"""

import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

import ezdxf

LAYERS = {"Axis", "Polygon", "Stations", "MainPoints", "Sections", "Grid", "Frame", "CurveTable"}
MAIN_POINTS = {"TC", "CT", "TS", "SC", "CS", "ST"}


def main():
    calvora, demo = sys.argv[1], Path(sys.argv[2])
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for f in demo.iterdir():
            shutil.copy(f, folder)
        for name, extra in (("plan.dxf", []), ("plan_ascii.dxf", ["--ascii"])):
            done = subprocess.run([calvora, "plan", "DEMO.PRJ", "--dxf", name, *extra],
                                  cwd=folder, capture_output=True, text=True)
            if done.returncode != 0:
                return f"calvora plan failed: {done.stderr}"
            drawing = ezdxf.readfile(Path(folder) / name)
            entities = list(drawing.modelspace())
            layers = {e.dxf.layer for e in entities}
            if not LAYERS <= layers:
                failures.append(f"{name}: layers missing: {sorted(LAYERS - layers)}")
            labels = {e.dxf.text.split()[0] for e in entities
                      if e.dxftype() == "TEXT" and e.dxf.layer == "MainPoints"}
            if labels != MAIN_POINTS:
                failures.append(f"{name}: main-point labels {sorted(labels)}")
            corners = [e for e in entities if e.dxftype() == "TEXT" and e.dxf.text.startswith("PI ")]
            if len({e.dxf.text for e in corners}) != 3:
                failures.append(f"{name}: corner labels {[e.dxf.text for e in corners]}")
    print("\n".join(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
