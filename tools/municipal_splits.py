# SPDX-License-Identifier: Apache-2.0
# Municipalities filed under their codes by the reviewed tables municipal_splits.csv, where a split
# followed municipal lines through a shared rate centre (St. Louis Park is 952's, though the
# Minneapolis rate centre it lies beside is 612's), and placed_towns.csv, towns that placing by
# position files under a neighbouring code.

import collections
import csv
import pathlib

import place_names
import places as place_lists

TABLE = pathlib.Path(__file__).resolve().parent / "municipal_splits.csv"
PLACED_TOWNS = TABLE.with_name("placed_towns.csv")

Row = collections.namedtuple("Row", "name region codes source")


def read_table(*paths):
    """{(name key, region): Row} of the tables (both where none is given); lines starting with
    '#' are comments."""
    rows = {}
    for path in paths or (TABLE, PLACED_TOWNS):
        with open(path, encoding="utf-8", newline="") as source:
            lines = [line for line in source if line.strip() and not line.startswith("#")]
        rows.update(read_rows(lines))
    return rows


def read_rows(lines):
    rows = {}
    for record in csv.DictReader(lines):
        row = Row(record["municipality"].strip(), record["region"].strip(),
                  frozenset(int(code) for code in record["codes"].split()),
                  record["source"].strip())
        rows[(place_names.name_key(row.name), row.region)] = row
    return rows


def filed(items, area, rows, gazetteer, home_regions):
    """A code's ranked `items` with the table's municipalities filed by the table: one whose
    codes lie outside the code's `area` (the code and its overlays) leaves the list, one whose
    codes lie in it stays or joins it, served in equal parts by each of its codes' areas, or more
    where the code's own rate centres serve more of it."""
    kept = [item for item in items
            if not (row := rows.get((place_names.name_key(item.name), item.region)))
            or row.codes & area]
    present = {(place_names.name_key(item.name), item.region): item for item in kept}
    for key, row in sorted(rows.items()):
        if not row.codes & area or row.region not in home_regions:
            continue
        share = len(row.codes & area) / len(row.codes)
        item = present.get(key)
        if item is None:
            found = gazetteer.candidates(row.name, row.region)
            place = max(found, key=lambda p: p.population) if found else None
            item = place_lists.Item(row.name, row.region, place, 0, share=0.0)
            kept.append(item)
        # A town that the code's own rate centres already serve in the main keeps that share.
        item.share = max(item.share, share)
    return sorted(kept, key=lambda item: item.sort_key(home_regions))
