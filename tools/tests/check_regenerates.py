# SPDX-License-Identifier: Apache-2.0
# Regenerates the shipped directory from tools/sources/ into a temporary folder and compares it
# byte for byte with data/, so that the shipped files can never drift from their generator.

import pathlib
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
import make_directory  # noqa: E402


def main():
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        make_directory.main(["--out", folder, "--quiet"])
        for name in ("cities.txt", "metro.txt"):
            fresh = (pathlib.Path(folder) / name).read_bytes()
            shipped = (ROOT / "data" / name).read_bytes()
            same = fresh == shipped
            failures += not same
            print(f"{'ok' if same else 'FAIL'}: data/{name} is what the generator writes"
                  + ("" if same else "; run tools/make_directory.py and commit the result"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
