"""Writes data/collection/*.txt from the authoring modules of this folder
and checks them on the way (python3 erzeugen.py)."""
import glob
import importlib
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
import sammlung  # noqa: E402
import einheiten  # noqa: E402,F401

for path in sorted(glob.glob(os.path.join(here, "c[0-9][0-9]_*.py"))):
    importlib.import_module(os.path.basename(path)[:-3])

out = os.path.join(here, "..", "..", "data", "collection")
sammlung.write(out)
