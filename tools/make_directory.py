#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
# Generates the shipped area-code directory ("cities.txt") and metro-area file ("metro.txt") from
# the committed sources under tools/sources/ and the metro table tools/metro_counties.csv.
"""Generates data/cities.txt and data/metro.txt from tools/sources/ and tools/metro_counties.csv.

Usage: make_directory.py [--out FOLDER] [--metro-counties CSV]

Both files are Windows-1252 with CR LF line ends; the same inputs always give the same bytes.
Prints a summary of what the directory holds."""

import argparse
import collections
import pathlib
import sys
import unicodedata

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import dates  # noqa: E402
import island_places  # noqa: E402
import located_places  # noqa: E402
import metro_rate_centres  # noqa: E402
import metros  # noqa: E402
import municipal_splits  # noqa: E402
import overlays  # noqa: E402
import place_names  # noqa: E402
import places as place_lists  # noqa: E402
import record_layout  # noqa: E402
import regions  # noqa: E402
import source_files  # noqa: E402
import special_codes  # noqa: E402
import time_zones  # noqa: E402

# Codes whose places are set by hand: the geocoding file names only "New York" for Manhattan's
# exchanges.
HAND_PLACES = {212: [("Manhattan", "NY")]}
# Codes whose own geocoding lines are wrong: 934 overlays 631 (Suffolk County) but the file puts
# it in New York City ("1934|New York, NY"); it takes the places of its overlay area instead.
IGNORED_GEOCODING = {934}
# Places a code serves that the geocoding file does not name: the report's row for 775 says that
# West Wendover keeps Mountain time ("PT/MT only for W Wendover").
EXTRA_RATE_CENTRES = {775: [("West Wendover", "NV")]}
# Territories whose gazetteer entries are islands rather than towns ("Saint Croix", "Saipan"
# with a village of 15,000 on Tinian): their main towns, largest first, judged by hand from the
# 2020 census counts of the US Virgin Islands and the Northern Mariana Islands.
TERRITORY_TOWNS = {
    340: ["Charlotte Amalie", "Christiansted", "Frederiksted", "Cruz Bay"],
    670: ["Saipan", "Tinian", "Rota"],
}
# Codes whose places are named as one city's parts: New York City's boroughs.
CITY_OF_CODES = {code: "New York City" for code in (212, 332, 347, 465, 646, 718, 917, 929)}


class Entry:
    """What the directory says about one code."""

    def __init__(self, code, country, region, text, items=(), zones=(), partners=(),
                 geographic=False):
        self.code, self.country, self.region, self.text = code, country, region, text
        self.items, self.zones, self.partners = list(items), set(zones), set(partners)
        self.geographic = geographic


# --- The places of a code ---------------------------------------------------------------------

def rate_centres(code, whole, exchanges, home, known=True):
    """{(name, region): exchanges} named by a code's own geocoding lines, under the names the
    gazetteer knows them by (a city's part under its city's) unless `known` is false. Lines that
    name a whole state, province or country say nothing about places."""
    named = place_lists.known_as if known else (lambda name, region: (name, region))
    counts = collections.Counter({key: 1 for key in EXTRA_RATE_CENTRES.get(code, ())})
    if code in IGNORED_GEOCODING:
        return counts
    if code in HAND_PLACES:
        for key in HAND_PLACES[code]:
            counts[key] += 1
        return counts
    for description, number in exchanges.get(code, {}).items():
        name, region = place_lists.rate_centre(description, known)
        if regions.is_region_name(name) and not region:
            continue
        counts[named(name, region or home)] += number
    description = whole.get(code)
    if description and not regions.is_region_name(description):
        name, region = place_lists.rate_centre(description, known)
        counts[named(name, region or home)] += 1
    return counts


def area_counts(code, context):
    """{(name, region): exchanges} of the rate centres of the codes that make up a code's area."""
    region = context.place_of[code].region
    counts = collections.Counter()
    for member in sorted(overlays.area_members(code, context.partners)):
        if member in context.place_of:
            counts.update(rate_centres(member, context.whole, context.exchanges, region))
    return counts


def area_items(code, context):
    """A code's places, most people served first: those of the codes that make up its overlay
    area, or for a territory or Caribbean country its largest places."""
    place = context.place_of[code]
    counts = area_counts(code, context)
    if code in TERRITORY_TOWNS:
        return [place_lists.Item(name, place.region, next(iter(context.gazetteer.candidates(
            name, "country:" + place.region)), None), 0) for name in TERRITORY_TOWNS[code]]
    if not context.placed_by_exchanges(code):
        return territory_items(place.region, counts, context.towns)
    serving = context.serving(code)
    located = {}
    for member in sorted(overlays.area_members(code, context.partners)):
        for town, by_code in context.located.get(member, ()):
            located[id(town)] = (town, located_places.share(by_code, serving))
    matched = context.matched[code]
    items = municipal_splits.filed(place_lists.ranked_items(
        counts, matched, place.regions,
        lambda key: context.share_of(key, serving, matched.get(key)), list(located.values())),
        overlays.area_members(code, context.partners), context.splits, context.gazetteer,
        place.regions)
    if not items and context.sole_code_of_region(code, place.region):
        items = [place_lists.Item(p.name, p.region, p, 0)
                 for p in context.gazetteer.largest(place.region)]
    if place.country == "CANADA":
        items = municipal_items(code, items, context)
    return items


def municipal_items(code, items, context):
    """A Canadian code's places as municipalities only: a community that no municipality is
    known to hold, or a rate centre that no place bears, is no town; each municipality once.
    A code that is the only one of its provinces (with its overlays) lists all their
    municipalities, largest first."""
    regions_of_code = context.place_of[code].regions
    shown, seen = [], set()
    sole = all(context.sole_code_of_region(code, region) for region in regions_of_code)
    extra = [place_lists.Item(p.name, p.region, p, 0) for p in context.places
             if p.municipal and p.region in regions_of_code] if sole else []
    for item in sorted(items + extra, key=lambda item: item.sort_key(regions_of_code)):
        canadian = item.region in regions.CANADIAN_ADMIN1.values()
        if canadian and not (item.place and item.place.municipal):
            continue
        key = id(item.place) if canadian else id(item)
        if key not in seen and (item.name, item.region) not in seen:
            seen |= {key, (item.name, item.region)}
            shown.append(item)
    return shown


def territory_items(region, counts, towns):
    """A territory's or country's places, most people first: its towns (see island_places) and
    the towns of its exchange names that the gazetteer knows (a garbled rate-centre name is left
    out), each town once under the name it is shown by."""
    scope = "country:" + region
    gazetteer = towns.gazetteer
    items = {}

    def add(place, exchanges):
        found = towns.town_of(place)
        if not found:
            return
        shown, town = found
        items.setdefault(shown, place_lists.Item(shown, region, town, 0))
        items[shown].exchanges += exchanges

    for place in gazetteer.by_region[scope]:
        if towns.is_town(place):
            add(place, 0)
    for (name, _), number in counts.items():
        for place in gazetteer.candidates(name, scope):
            add(place, number)
    ranked = sorted(items.values(), key=lambda item: item.sort_key())
    # "Tamuning-Tumon-Harmon" is Tamuning again.
    return [item for item in ranked
            if not any(item.name.startswith(other.name + "-") for other in ranked)]


# --- Texts ------------------------------------------------------------------------------------

def fit_items(head, items, tail, limit=record_layout.CITY_TEXT_LENGTH):
    """head + as many of `items` as fit, joined by ", ", + tail, within `limit` characters; cut
    only between two items."""
    text = head + tail
    for count in range(1, len(items) + 1):
        candidate = head + ", ".join(items[:count]) + tail
        if len(candidate) > limit:
            break
        text = candidate
    return text


def partners_text(code, partners, word):
    others = sorted(partners - {code})
    return f"; {word} " + " ".join(str(other) for other in others) if others else ""


def shown_name(item, place):
    """A place as a list item: its name, with its region where that is not the code's."""
    if item.region == place.region or not item.region:
        return item.name
    return f"{item.name} ({item.region})"


def geographic_entry(code, row, context):
    place = context.place_of[code]
    items = area_items(code, context)
    zones = {item.place.zone for item in items if item.place and item.place.zone}
    for member in overlays.area_members(code, context.partners):
        zones |= time_zones.ZONES_WITHOUT_PLACES.get(member, (set(),))[0]
    partners = context.partners[code]
    zone = time_zones.zone_text(zones, time_zones.daylight_exceptions(items, context.zone_norms),
                                context.zone_norms)
    tail = (partners_text(code, partners, "overlay") +
            dates.partner_notes(code, partners, context.report, context.date) +
            (f"; {zone}" if zone else ""))
    head = dates.status_text(row, context.date)
    if place.named_in_text and items:
        head += place.full_name() + ": "
    elif code in CITY_OF_CODES:
        head += CITY_OF_CODES[code] + ": "
    names = [shown_name(item, place) for item in items] or [place.full_name()]
    text = fit_items(head, names, tail)
    return Entry(code, place.country, place.region, text, items, zones, partners, True)


def nongeographic_entry(code, row, context):
    service = special_codes.service_of(row)
    region = "US" if service == "us government" else "NA"
    country = "USA" if region == "US" else ("CANADA" if service.startswith("canadian") else "NANP")
    text = special_codes.service_text(row) or "Non-geographic service"
    sisters = context.sisters[code]
    text = fit_items(dates.status_text(row, context.date) + text, [],
                     partners_text(code, sisters, "same service"))
    return Entry(code, country, region, text, partners=sisters)


def unused_entry(code, row):
    return Entry(code, "NANP", "NA", special_codes.unused_code_text(code, row))


def listed(row):
    """Codes in service, and codes assigned but not yet in service."""
    return row["IN_SERVICE"] == "Y" or row["ASSIGNED"] == "Yes"


# --- The whole directory ----------------------------------------------------------------------

class Context:
    """The sources as the texts need them."""

    def __init__(self, report, whole, exchanges, places):
        self.report, self.whole, self.exchanges = report, whole, exchanges
        self.date = dates.report_date()
        self.places = places
        self.gazetteer = place_lists.Gazetteer(places)
        self.splits = municipal_splits.read_table()
        self.towns = island_places.Towns(self.gazetteer, island_places.read_table())
        self.zone_norms = time_zones.region_zones(places)
        self.partners = overlays.partners({c: r for c, r in report.items()})
        self.place_of = {}
        for code, row in report.items():
            place = regions.place_of(row["LOCATION"]) if row["USE"] == "G" else None
            if place and listed(row):
                self.place_of[code] = place
        self.sisters = special_codes.sister_codes(
            {code: row for code, row in report.items()
             if code not in self.place_of and listed(row)})

        self.territory = collections.defaultdict(list)
        self.sure_points = collections.defaultdict(list)
        # Exchanges of every rate centre by code: (name key, region) -> {code: exchanges}.
        self.rate_centre_codes = collections.defaultdict(collections.Counter)
        for code in sorted(self.place_of):
            if not self.placed_by_exchanges(code):
                continue
            region = self.place_of[code].region
            for key, number in rate_centres(code, whole, exchanges, region).items():
                self.rate_centre_codes[(place_names.name_key(key[0]), key[1])][code] += number
                found = self.gazetteer.candidates(*key)
                if len(found) == 1:
                    spot = (found[0].lat, found[0].lon)
                    self.territory[found[0].region].append((code, spot))
                    self.sure_points[code].append(spot)
        name_municipalities(self.gazetteer, self.rate_centre_codes)
        self._serving = {}
        self.matched = {}
        centres = located_places.RateCentres()
        for code in sorted(self.place_of):
            if not self.placed_by_exchanges(code):
                continue
            counts = area_counts(code, self)
            self.matched[code] = place_lists.match_places(
                counts, self.gazetteer, self.rivals(code), self.namesakes(code))
            own = rate_centres(code, whole, exchanges, self.place_of[code].region, known=False)
            for name, region in sorted(own):
                place = self.matched[code].get(place_lists.known_as(name, region))
                if place and region in self.place_of[code].regions:
                    centres.add(self.part_of(name, region, place), code, own[(name, region)])
        self.rate_centre_spots = centres
        named = {id(place) for found in self.matched.values() for place in found.values()
                 if place}
        self.place_codes = municipal_exchanges(self.matched, self.rate_centre_codes)
        self.located = collections.defaultdict(list)
        for town in located_places.unnamed_towns(places, named, set(self.rate_centre_codes)):
            by_code = centres.nearest(town)
            for code in sorted(by_code):
                self.located[code].append((town, by_code))

    def part_of(self, name, region, city):
        """Where a rate centre named after a part of a city lies (Van Nuys of Los Angeles): the
        one gazetteer place of that name near the city, else the city."""
        if place_lists.known_as(name, region)[0] == name:
            return city
        near = [part for part in self.gazetteer.candidates(name, region)
                if place_lists.distance_km((part.lat, part.lon), (city.lat, city.lon))
                <= located_places.PART_KM]
        return near[0] if len(near) == 1 else city

    def placed_by_exchanges(self, code):
        """Whether a code's places come from its exchanges' rate centres: the US and Canadian
        codes (a territory's or Caribbean country's come from its largest places)."""
        place = self.place_of[code]
        return place.country in ("USA", "CANADA") and place.region not in regions.US_TERRITORIES

    def serving(self, code):
        """The codes whose exchanges serve a code's area: those of its area and those whose own
        row overlays a code of it."""
        if code not in self._serving:
            area = overlays.area_members(code, self.partners)
            self._serving[code] = {other for other, row in self.partners.items() if row & area}
        return self._serving[code]

    def share_of(self, key, serving, place=None):
        """The part of a rate centre's exchanges (key: (name, region)) that the codes `serving`
        hold, counted over every rate centre of the municipality `place` that it was matched to
        (Lower Paxton's, Colonial Park's and Linglestown's alike); 1 for a place that no code's
        exchanges name (one set by hand)."""
        own = place is not None and place.region == key[1]
        by_code = (self.place_codes.get(id(place)) if own else None) or \
            self.rate_centre_codes.get((place_names.name_key(key[0]), key[1]))
        return located_places.share(by_code, serving) if by_code else 1.0

    def related(self, code):
        return self.partners[code] | {c for c, row in self.partners.items() if code in row}

    def rivals(self, code):
        """For a code: the distance from a place to the nearest rate centre of another code of
        the place's region that is no overlay partner of this one, or None."""
        related = self.related(code)

        def nearest(place):
            spot = (place.lat, place.lon)
            return min((place_lists.distance_km(spot, point)
                        for other, point in self.territory.get(place.region, ())
                        if other not in related and point != spot), default=None)
        return nearest

    def namesakes(self, code):
        """For a code: the distance from a place to the nearest rate centre of another code,
        no overlay partner of this one, that has a rate centre of the name (key) too; or None."""
        related = self.related(code)

        def nearest(place, key):
            spot = (place.lat, place.lon)
            others = set(self.rate_centre_codes.get((key, place.region), ())) - related
            return min((place_lists.distance_km(spot, point) for other in sorted(others)
                        for point in self.sure_points.get(other, ()) if point != spot),
                       default=None)
        return nearest

    def sole_code_of_region(self, code, region):
        """Whether every code of the region lies in this code's overlay area."""
        same = {c for c, p in self.place_of.items() if p.region == region}
        return same <= self.partners[code]


def name_municipalities(gazetteer, rate_centre_codes):
    """Files each Canadian rate centre that no place bears under the one municipality of its
    province whose name begins with it (Bradford of Bradford West Gwillimbury), which GeoNames
    lacks."""
    canadian = set(regions.CANADIAN_ADMIN1.values())
    for key, region in sorted(rate_centre_codes):
        if region not in canadian or gazetteer.candidates(key, region):
            continue
        found = [place for place in gazetteer.by_region[region] if place.municipal and
                 place_names.name_key(place.name).startswith(key + " ")]
        if len(found) == 1:
            gazetteer.by_name[(region, key)].append(found[0])


def municipal_exchanges(matched, rate_centre_codes):
    """{id(place): exchanges by code} of the census municipalities that hold the communities
    rate centres are named after: the exchanges of every rate centre matched to the
    municipality (Halton Hills' of Georgetown, 905, and of Acton, 519)."""
    seen = {}
    for found in matched.values():
        for (name, region), place in found.items():
            # (a city across a provincial border keeps each side's own: Lloydminster)
            if place is not None and (place.kind or place.municipal) and \
                    region == place.region:
                seen.setdefault((place_names.name_key(name), region), place)
    by_place = collections.defaultdict(collections.Counter)
    for key, place in seen.items():
        by_place[id(place)].update(rate_centre_codes.get(key, {}))
    return by_place


def directory_entries(context):
    entries = []
    for code in sorted(context.report):
        row = context.report[code]
        if code in context.place_of:
            entries.append(geographic_entry(code, row, context))
        elif listed(row):
            entries.append(nongeographic_entry(code, row, context))
        else:
            entries.append(unused_entry(code, row))
    return entries


def overlaid_by(partners):
    """code -> every code whose overlay area takes it in (itself included)."""
    result = collections.defaultdict(set)
    for code in partners:
        for member in overlays.area_members(code, partners):
            result[member].add(code)
    return result


def own_rate_centre_places(context):
    """{code: [place]}: the places that each code's own rate centres stand for (see
    metro_rate_centres), listed or not."""
    own = {code: {key for key in rate_centres(code, context.whole, context.exchanges,
                                              place.region) if key[1] in place.regions}
           for code, place in context.place_of.items() if context.placed_by_exchanges(code)}
    return metro_rate_centres.rate_centre_places(
        own, context.matched, metro_rate_centres.places_of_parts(context.places))


def metro_entries(entries, metro_table, partners, gazetteer_places=(), rate_centre_places=None):
    """The metro result (see metros.metro_codes) of the entries' places and of the places of
    every code's own rate centres (`rate_centre_places`, see own_rate_centre_places)."""
    places_of_code = {e.code: [item.place for item in e.items if item.place] +
                      (rate_centre_places or {}).get(e.code, [])
                      for e in entries if e.geographic}
    listed_codes = {e.code for e in entries if e.geographic}
    covering = {code: {c for c in over if c in listed_codes}
                for code, over in overlaid_by(partners).items()}
    towns_of_code = {e.code: [(item.name, item.region) for item in e.items if not item.place]
                     for e in entries if e.geographic}
    return metros.metro_codes(metro_table, places_of_code, covering, gazetteer_places,
                              towns_of_code)


# --- Encoding and writing ---------------------------------------------------------------------

def to_windows_1252(text):
    """The text's Windows-1252 bytes; a character that code page lacks loses its accents."""
    out = bytearray()
    for character in text:
        try:
            out += character.encode("cp1252")
        except UnicodeEncodeError:
            plain = unicodedata.normalize("NFKD", character)
            out += "".join(c for c in plain if not unicodedata.combining(c)).encode(
                "cp1252", errors="ignore")
    return bytes(out)


def directory_lines(entries):
    return [to_windows_1252(record_layout.directory_record(e.country, e.region, e.code, e.text))
            for e in entries]


def metro_lines(metro_result, report, date):
    """The metro lines, each marking its codes not in service on `date` as the directory does."""
    return [to_windows_1252(record_layout.metro_record(
        name, codes, dates.service_notes(codes, report, date)))
        for name, (codes, _) in sorted(metro_result.items())]


def write_lines(path, lines):
    path.write_bytes(b"".join(line + b"\r\n" for line in lines))


def summary(entries, metro_result):
    geographic = [e for e in entries if e.geographic]
    three = sum(1 for e in geographic if len(e.items) >= 3)
    zoned = sum(1 for e in geographic if e.zones)
    country_only = sum(1 for e in geographic if not e.items)
    return (f"{len(entries)} records: {len(geographic)} geographic codes, {three} with 3 or more "
            f"places, {zoned} with time zones, {country_only} naming only their region; "
            f"{len(metro_result)} metro areas")


def build(metro_counties=metros.METRO_COUNTIES):
    """(directory entries, metro result) from the committed sources."""
    report = source_files.read_report()
    whole, exchanges = source_files.read_geocoding()
    context = Context(report, whole, exchanges, source_files.read_places())
    entries = directory_entries(context)
    return entries, metro_entries(entries, metros.read_metro_counties(metro_counties),
                                  context.partners, context.places,
                                  own_rate_centre_places(context))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parents[1] / "data")
    parser.add_argument("--metro-counties", type=pathlib.Path, default=metros.METRO_COUNTIES)
    parser.add_argument("--quiet", action="store_true", help="print no summary")
    args = parser.parse_args(argv)
    entries, metro_result = build(args.metro_counties)
    args.out.mkdir(parents=True, exist_ok=True)
    write_lines(args.out / "cities.txt", directory_lines(entries))
    write_lines(args.out / "metro.txt", metro_lines(metro_result, source_files.read_report(),
                                                    dates.report_date()))
    if not args.quiet:
        print(summary(entries, metro_result))
    return 0


if __name__ == "__main__":
    sys.exit(main())
