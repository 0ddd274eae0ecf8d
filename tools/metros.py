# SPDX-License-Identifier: Apache-2.0
# Metro areas by county: the reviewed table of each metro's counties (or Canadian census
# subdivisions), and the codes that serve the places in them.

import collections
import csv
import pathlib

import place_names
import places as place_lists

# A county in which no code's place lies takes the codes of the nearest place of its own region
# within this distance: its towns are served by the exchanges of the next town.
NEAREST_KM = 40

METRO_COUNTIES = pathlib.Path(__file__).resolve().parent / "metro_counties.csv"

# Towns of a unit that neither the unit's name nor a gazetteer position ties to it, by unit code:
# a code whose places include one of them serves the unit. New Tecumseth (Toronto CMA) joined
# Alliston, Beeton and Tottenham in 1991 (Town of New Tecumseth; the encyclopedia article on the
# town); Alliston's exchanges are 705's. Bradford West Gwillimbury is the town of Bradford and its
# townships (1991). Stony Creek and Wakefield, towns of Sussex County VA
# (Richmond), are in no gazetteer; their exchanges are 434's and 757's.
TOWNS = {"3543007": ["Alliston", "Beeton", "Tottenham"], "3543014": ["Bradford"],
         "51183": ["Stony Creek", "Wakefield"]}


class Unit:
    """One county (US, by five-digit FIPS code) or census subdivision (Canada, by its code and
    municipality name) of a metro area."""

    def __init__(self, country, region, code, name):
        self.country, self.region, self.code, self.name = country, region, code, name

    def keys(self):
        """The keys under which a place in this unit is indexed (see place_keys)."""
        names = ([] if self.country == "US" else [self.name]) + TOWNS.get(self.code, [])
        return [("county", self.region, self.code)] + [
            ("name", self.region, place_names.name_key(name)) for name in names]


def place_keys(place):
    return [("county", place.region, place.county),
            ("name", place.region, place_names.name_key(place.name))]


def read_metro_counties(path=METRO_COUNTIES):
    """{metro name: [Unit]} in the table's order; lines starting with '#' are comments."""
    with open(path, encoding="utf-8", newline="") as source:
        lines = [line for line in source if line.strip() and not line.startswith("#")]
    metros = collections.defaultdict(list)
    for row in csv.DictReader(lines):
        unit = Unit(row["country"].strip(), row["region"].strip(), row["unit_code"].strip(),
                    row["unit_name"].strip())
        metros[row["metro"].strip()].append(unit)
    return dict(metros)


def nearest_codes(unit, places_at, located):
    """The codes of the matched place nearest to any gazetteer place of the unit, within
    NEAREST_KM and in the unit's region; empty when there is none."""
    inside = [p for key in unit.keys() for p in places_at.get(key, ())]
    best, codes = NEAREST_KM, set()
    for place in inside:
        for (lat, lon), serving in located.get(unit.region, ()):
            away = place_lists.distance_km((place.lat, place.lon), (lat, lon))
            if away < best:
                best, codes = away, serving
    return set(codes)


def metro_codes(metros, places_of_code, overlaid_by, gazetteer_places=(), towns_of_code=None):
    """{metro name: (codes, {unit code: whether a code serves a place in it})}: every code with
    a place in one of the metro's units, and every code that overlays one of those codes
    (`overlaid_by`: code -> the codes whose area takes it in). A partner of a province-wide
    overlay that does not overlay the metro's codes (780 beside Calgary's 403) stays out.
    `towns_of_code` (code -> [(name, region)]) names the places of a code that the gazetteer
    lacks, for the units' TOWNS."""
    codes_at = collections.defaultdict(set)
    for code, places in places_of_code.items():
        for place in places:
            for key in place_keys(place):
                codes_at[key].add(code)
    for code, towns in (towns_of_code or {}).items():
        for name, region in towns:
            codes_at[("name", region, place_names.name_key(name))].add(code)
    located = collections.defaultdict(dict)
    for code, places in places_of_code.items():
        for place in places:
            located[place.region].setdefault((place.lat, place.lon), set()).add(code)
    located = {region: list(spots.items()) for region, spots in located.items()}
    places_at = collections.defaultdict(list)
    for place in gazetteer_places:
        for key in place_keys(place):
            places_at[key].append(place)
    result = {}
    for name, units in metros.items():
        codes, covered = set(), {}
        for unit in units:
            serving = set().union(*(codes_at.get(key, set()) for key in unit.keys()))
            if not serving:
                serving = nearest_codes(unit, places_at, located)
            covered[unit.code] = bool(serving)
            for code in serving:
                codes |= overlaid_by.get(code, set()) | {code}
        result[name] = (codes, covered)
    return result
