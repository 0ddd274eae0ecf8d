#!/usr/bin/env python3
"""Generates the shipped area-code directory ("cities.txt") and metro-area file ("metro.txt")
from the numbering-plan administrator's NPA report and the libphonenumber geocoding file.

Usage: make_directory.py [--report CSV] [--geocoding TXT] [--out FOLDER]

Both files are Windows-1252 with CR LF line ends; the same inputs always give the same bytes."""

import argparse
import collections
import csv
import pathlib
import re
import sys
import unicodedata

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import metro_table  # noqa: E402
import regions  # noqa: E402

SOURCE_DATA = pathlib.Path(__file__).resolve().parents[2] / "shared" / "data"
DEFAULT_REPORT = SOURCE_DATA / "nanpa-npa-report-2025-11-26.csv"
DEFAULT_GEOCODING = SOURCE_DATA / "libphonenumber-9.0.35-geocoding-en-1.txt"

CITY_TEXT_LIMIT = 500
METRO_NAME_LENGTH = 19
COUNTRY_WIDTH = 12

# Known errors of the geocoding file.
GEOCODING_FIXES = {"British Colombia": "British Columbia"}
# Québec place names that the geocoding file writes without their accents.
CITY_ACCENTS = {"Montreal": "Montr\u00e9al", "Quebec City": "Qu\u00e9bec City", "Levis": "L\u00e9vis",
                "Sept-Iles": "Sept-\u00celes", "St-Felicien": "St-F\u00e9licien",
                "Temiscaming": "T\u00e9miscaming"}
# 934 overlays 631 (Suffolk County); the geocoding file wrongly puts it in New York City, so it
# takes the cities of its complex instead.
GEOCODING_IGNORED_CODES = {934}
# Time zones that the report gives wrongly or too coarsely, in words.
TIME_ZONE_FIXES = {
    829: "Atlantic time",  # the Dominican Republic keeps UTC-4 all year, as 809 says
    849: "Atlantic time",
    867: "Mountain, Central and Eastern time; Yukon keeps UTC-7 all year",
}

TIME_ZONE_LETTERS = {"E": "Eastern", "C": "Central", "M": "Mountain", "P": "Pacific",
                     "A": "Atlantic", "N": "Newfoundland"}
TIME_ZONE_NAMES = {"AK": "Alaska time", "(UTC-10)": "Hawaii time", "(UTC+10)": "Chamorro time",
                   "UTC-11": "Samoa time",
                   "PT/MT only for W Wendover": "Pacific time; Mountain in West Wendover"}

# What each non-geographic service is, as the user reads it.
SERVICES = {
    "toll-free": "Toll-free: calls are free to the caller and paid for by the number's owner",
    "premium services": "Premium-rate services: calls are billed to the caller at the service's "
                        "own rate",
    "non-geographic services": "Personal communications services: numbers that follow a person "
                               "or a device anywhere, not tied to a place",
    "canadian non-geographic tariffed services": "Canada: non-geographic tariffed services, not "
                                                 "tied to a place",
    "canadian non-geographic services": "Canada: non-geographic services, not tied to a place",
    "interexchange carrier services": "Interexchange carrier services: numbers that each "
                                      "long-distance carrier defines for its own services",
    "us government": "US Government: federal emergency telecommunications service (GETS)",
}


# --- Reading the sources ---------------------------------------------------------------------

def read_report(path):
    """The report's rows by code (int). Its first line is the file date, then the header."""
    with open(path, encoding="utf-8-sig", newline="") as source:
        lines = source.read().splitlines()
    rows = csv.DictReader(lines[1:])
    return {int(row["NPA_ID"]): {k: (v or "").strip() for k, v in row.items()} for row in rows}


def read_geocoding(path):
    """For each code (int): its code-wide description and a count of exchanges per described
    city."""
    whole = {}
    exchanges = collections.defaultdict(collections.Counter)
    with open(path, encoding="utf-8") as source:
        for line in source:
            line = line.strip()
            if not line or line.startswith("#") or "|" not in line:
                continue
            prefix, description = line.split("|", 1)
            description = GEOCODING_FIXES.get(description, description)
            code = int(prefix[1:4])
            if code in GEOCODING_IGNORED_CODES:
                continue
            if len(prefix) == 4:
                whole[code] = description
            elif len(prefix) == 7 and not regions.is_region_name(description):
                exchanges[code][description] += 1
    return whole, exchanges


def overlay_complexes(report):
    """Each code's overlay complex: the code and every code that one of the report's complex
    entries lists with it. An entry may list several complexes ('206/564, 360/564'); each is taken
    on its own, so that 564 joins 206 and 360 without joining 206 to 360."""
    complexes = collections.defaultdict(set)
    for code, row in report.items():
        complexes[code].add(code)
        for entry in row["OVERLAY_COMPLEX"].split(","):
            members = {int(member) for member in re.findall(r"\d{3}", entry)}
            for member in members:
                complexes[member] |= members
    return dict(complexes)


# --- Writing the texts -----------------------------------------------------------------------

def time_zone_text(code, row):
    if code in TIME_ZONE_FIXES:
        return TIME_ZONE_FIXES[code]
    zone = row["TIME_ZONE"]
    if zone in TIME_ZONE_NAMES:
        return TIME_ZONE_NAMES[zone]
    if zone and all(letter in TIME_ZONE_LETTERS for letter in zone):
        words = [TIME_ZONE_LETTERS[letter] for letter in zone]
        joined = words[0] if len(words) == 1 else ", ".join(words[:-1]) + " and " + words[-1]
        return joined + " time"
    return ""


def city_name(description, region):
    """A geocoding description as a city item: 'Jersey City, NJ' reads 'Jersey City' within NJ,
    'Texarkana (AR)' elsewhere; 'Downtown Brooklyn, Brooklyn, NY' reads 'Downtown Brooklyn'."""
    match = re.fullmatch(r"(.*), ([A-Z]{2})", description)
    if not match:
        return description
    name, state = match.groups()
    name = name.split(", ")[0]
    if state == "QC":
        name = CITY_ACCENTS.get(name, name)
    return name if state == region else f"{name} ({state})"


def ranked_cities(counts, region):
    """City items, those with the most exchanges first, then by name."""
    by_name = collections.Counter()
    for description, count in counts.items():
        by_name[city_name(description, region)] += count
    return [name for name, _ in sorted(by_name.items(), key=lambda item: (-item[1], item[0]))]


def own_cities(code, whole, exchanges):
    """Counts of exchanges per city of the code itself. A code-wide city ('1212|New York, NY')
    ranks first."""
    counts = collections.Counter(exchanges.get(code, {}))
    description = whole.get(code)
    if description and not regions.is_region_name(description):
        counts[description] += max(counts.values(), default=0) + 1
    return counts


def cities_of(code, complexes, whole, exchanges):
    """Counts of exchanges per city for a code: its own, else those of its overlay complex."""
    counts = own_cities(code, whole, exchanges)
    if counts:
        return counts
    for member in sorted(complexes.get(code, {code}) - {code}):
        counts.update(own_cities(member, whole, exchanges))
    return counts


def fit_items(head, items, tail, limit=CITY_TEXT_LIMIT):
    """head + as many of `items` as fit, joined by ", ", + tail, within `limit` characters; cut
    only between two items."""
    text = head + tail
    for count in range(1, len(items) + 1):
        candidate = head + ", ".join(items[:count]) + tail
        if len(candidate) > limit:
            break
        text = candidate
    return text


def status_text(row):
    if row["IN_SERVICE"] == "Y":
        return ""
    date = row["IN_SERVICE_DT"].replace("-", " ")
    return f"Not yet in service (planned {date}); " if date else "Not yet in service; "


def overlay_text(code, complexes, word):
    others = sorted(complexes.get(code, {code}) - {code})
    return f"; {word} " + " ".join(str(other) for other in others) if others else ""


def geographic_text(code, row, place, complexes, whole, exchanges):
    counts = cities_of(code, complexes, whole, exchanges)
    cities = ranked_cities(counts, place.region)
    zone = time_zone_text(code, row)
    tail = overlay_text(code, complexes, "overlay") + (f"; {zone}" if zone else "")
    head = status_text(row)
    if not cities:
        return fit_items(head, [place.full_name()], tail)
    if place.named_in_text:
        head += place.full_name() + ": "
    return fit_items(head, cities, tail)


def service_of(row):
    return (row["SERVICE"] or row["NOTES"]).strip().lower()


def nongeographic_region(row):
    """US-only services read as US; every other non-geographic code serves the whole plan (NA)."""
    return "US" if service_of(row) == "us government" else "NA"


def nongeographic_country(row):
    service = service_of(row)
    if service == "us government":
        return "USA"
    return "CANADA" if service.startswith("canadian") else "NANP"


def nongeographic_text(code, row, complexes):
    service = SERVICES.get(service_of(row), "Non-geographic service")
    return fit_items(status_text(row) + service, [], overlay_text(code, complexes, "same service"))


# --- Encoding and records --------------------------------------------------------------------

def to_windows_1252(text):
    """The text's Windows-1252 bytes; a character that code page lacks loses its accents."""
    out = bytearray()
    for character in text:
        try:
            out += character.encode("cp1252")
        except UnicodeEncodeError:
            plain = unicodedata.normalize("NFKD", character)
            out += "".join(c for c in plain if not unicodedata.combining(c)).encode("cp1252")
    return bytes(out)


def record(country, region, code, text):
    line = f"{country:<{COUNTRY_WIDTH}}{region:<2}  {code:03d}     "
    return to_windows_1252(line) + to_windows_1252(text)[:CITY_TEXT_LIMIT]


def listed(row):
    """Codes in service, and codes assigned but not yet in service."""
    return row["IN_SERVICE"] == "Y" or row["ASSIGNED"] == "Yes"


def directory_records(report, complexes, whole, exchanges):
    records = []
    for code in sorted(report):
        row = report[code]
        if not listed(row):
            continue
        place = regions.place_of(row["LOCATION"]) if row["USE"] == "G" else None
        if place:
            text = geographic_text(code, row, place, complexes, whole, exchanges)
            records.append(record(place.country, place.region, code, text))
        else:
            text = nongeographic_text(code, row, complexes)
            records.append(record(nongeographic_country(row), nongeographic_region(row), code,
                                  text))
    return records


def metro_lines(complexes):
    lines = []
    for name, core in sorted(metro_table.METRO_AREAS, key=lambda metro: metro[0]):
        if len(name) > METRO_NAME_LENGTH:
            raise ValueError(f"metro name longer than {METRO_NAME_LENGTH}: {name}")
        codes = set()
        for code in core:
            codes |= complexes.get(code, {code})
        # A blank always follows the name field, also after a name of the full 19 characters.
        lines.append(to_windows_1252(f"{name:<{METRO_NAME_LENGTH}} " +
                                     " ".join(str(code) for code in sorted(codes))))
    return lines


def write_lines(path, lines):
    path.write_bytes(b"".join(line + b"\r\n" for line in lines))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--report", type=pathlib.Path, default=DEFAULT_REPORT)
    parser.add_argument("--geocoding", type=pathlib.Path, default=DEFAULT_GEOCODING)
    parser.add_argument("--out", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parents[1] / "data")
    args = parser.parse_args(argv)

    report = read_report(args.report)
    whole, exchanges = read_geocoding(args.geocoding)
    complexes = overlay_complexes({c: r for c, r in report.items() if listed(r)})
    args.out.mkdir(parents=True, exist_ok=True)
    write_lines(args.out / "cities.txt", directory_records(report, complexes, whole, exchanges))
    write_lines(args.out / "metro.txt", metro_lines(complexes))
    return 0


if __name__ == "__main__":
    sys.exit(main())
