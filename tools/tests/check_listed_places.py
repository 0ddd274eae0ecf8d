#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
# An independent check of the shipped directory, sharing none of the generator's rules: every
# large municipality is listed by the code that holds most of its exchanges, counted straight from
# the geocoding file's 7-digit prefixes, and the largest stand among that code's first ten.
"""Checks data/cities.txt against the census municipalities and the geocoding file,
independently of the generator's rules.

The municipalities are those of the census tables (tools/census_places.py and
tools/canadian_places.py read them): every US municipality of US_LARGE people or more, and every
Canadian census subdivision of CA_LARGE or more (Statistics Canada, 2021). For each that some
7-digit prefix of the geocoding file names (in its own state or province): the code with the most
such prefixes (any of them on a tie) lists it. For the TOP largest of those, it is among the first FIRST places of that code.
Prints every failure and the counts; exits 1 when a failure is not one of the known exceptions
below.

Usage: check_listed_places.py [--data FOLDER]"""

import argparse
import collections
import pathlib
import re
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
import canadian_places  # noqa: E402
import census_places  # noqa: E402
import record_layout as layout  # noqa: E402

SOURCES = ROOT / "tools" / "sources"
GEOCODING = SOURCES / "libphonenumber-9.0.35-geocoding-en-1.txt"
US_LARGE = 50000
CA_LARGE = 20000
TOP = 300
FIRST = 10
# The Standard Geographical Classification codes of the Canadian provinces and territories.
PROVINCES = {"10": "NL", "11": "PE", "12": "NS", "13": "NB", "24": "QC", "35": "ON", "46": "MB",
             "47": "SK", "48": "AB", "59": "BC", "60": "YT", "61": "NT", "62": "NU"}
# Failures known and accepted, each with its reason: (place, region) -> reason. 905 holds more
# municipalities of 100,000 people or more than ten (Statistics Canada 2021: Whitby 138,501, St.
# Catharines 136,803, Milton 132,979, Ajax 126,666 after the first ten).
SECOND_TEN_905 = "905 lists it in its population order, after its ten larger municipalities"
KNOWN_EXCEPTIONS = {
    ("St. Catharines", "ON"): SECOND_TEN_905, ("Milton", "ON"): SECOND_TEN_905,
    ("Ajax", "ON"): SECOND_TEN_905,
}


def key(name):
    """A name as compared: no accents, case or punctuation; Saint and St. alike."""
    plain = "".join(c for c in unicodedata.normalize("NFKD", name)
                    if not unicodedata.combining(c)).casefold()
    plain = re.sub(r"[.'\u2019]", "", plain)
    plain = re.sub(r"[-\u2013\s]+", " ", plain).strip()
    plain = re.sub(r"\bsainte\b", "ste", plain)
    return re.sub(r"\bsaint\b", "st", plain)


def large_places():
    """[(population, name, region, names)] of the US municipalities of US_LARGE people or more
    and the Canadian census subdivisions of CA_LARGE or more, largest first; `names` are those a
    rate centre may call it by ('Hempstead' for the Town of Hempstead, 'Ventura' for San
    Buenaventura (Ventura), 'Langley' for the Township of Langley)."""
    found = []
    units, _ = census_places.municipalities()
    for unit in units:
        if unit.people >= US_LARGE and unit.state != "PR":
            found.append((unit.people, unit.name, unit.state, rate_centre_names(unit.name)))
    for subdivision in canadian_places.read_subdivisions().values():
        if subdivision.people >= CA_LARGE:
            names = {re.sub(r" \(Part\)$", "", subdivision.name)} | \
                set(re.sub(r" \(Part\)$", "", subdivision.name).split(" / "))
            found.append((subdivision.people, subdivision.shown_name(),
                          PROVINCES[subdivision.code[:2]], names))
    return sorted(found, key=lambda p: (-p[0], p[1], p[2]))


def rate_centre_names(name):
    """The names a rate centre may give a municipality shown as `name`: its own, and the one
    in brackets that people know it by. ("Town of Hempstead" and "Clinton Township" are told
    apart from a village and a city whose names the rate centres give.)"""
    return {name, re.sub(r" \(.*\)$", "", name), *re.findall(r"\((.*)\)", name)}


def prefix_counts(path=GEOCODING):
    """(name key, region) -> Counter of codes: how many 7-digit prefixes of each code name the
    place. A description is 'Place, XX' or 'Part, Place, XX'; the place is the part before the
    region."""
    counts = collections.defaultdict(collections.Counter)
    with open(path, encoding="utf-8") as source:
        for line in source:
            prefix, bar, description = line.strip().partition("|")
            if not bar or not (len(prefix) == 7 and prefix.isdigit()):
                continue
            parts = description.split(", ")
            if len(parts) >= 2 and re.fullmatch(r"[A-Z]{2}", parts[-1]):
                counts[(key(parts[-2]), parts[-1])][int(prefix[1:4])] += 1
    return counts


def listed_places(path):
    """code -> the place names its text lists, in order."""
    text = path.read_bytes().decode("cp1252")
    lists = {}
    for line in text.split("\r\n"):
        if not line:
            continue
        first = layout.city_text_of(line).split("; ")
        head = [part for part in first if not part.startswith(("New code", "Not yet"))]
        names = head[0].split(": ", 1)[-1] if head else ""
        lists[int(layout.code_of(line))] = [re.sub(r" \([A-Z]{2}\)$", "", name)
                                            for name in names.split(", ")]
    return lists


def failures(places, counts, lists):
    """(failures [(place, region, what)], places checked, places the geocoding file names)."""
    found, checked = [], 0
    listed_by = collections.defaultdict(set)
    for code, names in lists.items():
        for name in names:
            listed_by[key(name)].add(code)
    for rank, (people, name, region, *names) in enumerate(places):
        codes = collections.Counter()
        for other in (names[0] if names else {name}):
            codes.update(counts.get((key(other), region), {}))
        if not codes:
            continue
        checked += 1
        most = max(codes.values())
        top = sorted(code for code, n in codes.items() if n == most)
        listing = [code for code in top if code in listed_by[key(name)]]
        share = f"{most} of its {sum(codes.values())} prefixes"
        if not listing:
            found.append((name, region, f"{people:,} people; {'/'.join(map(str, top))} holds "
                          f"{share}, and does not list it"))
        elif rank < TOP and not any(key(name) in map(key, lists[code][:FIRST])
                                    for code in listing):
            found.append((name, region, f"{people:,} people, one of the {TOP} largest; "
                          f"{'/'.join(map(str, listing))} ({share}) lists it after its first "
                          f"{FIRST}"))
    return found, checked


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", type=pathlib.Path, default=ROOT / "data")
    args = parser.parse_args(argv)
    places = large_places()
    found, checked = failures(places, prefix_counts(), listed_places(args.data / "cities.txt"))
    unexpected = 0
    for name, region, what in found:
        reason = KNOWN_EXCEPTIONS.get((name, region))
        unexpected += not reason
        print(f"{'known' if reason else 'FAIL'}: {name} ({region}): {what}"
              + (f" -- {reason}" if reason else ""))
    print(f"{len(places)} municipalities (US {US_LARGE:,}, Canada {CA_LARGE:,} or more); "
          f"{checked} named by the geocoding file checked; {len(found)} failures, "
          f"{len(found) - unexpected} of them known exceptions")
    return 1 if unexpected else 0


if __name__ == "__main__":
    sys.exit(main())
