#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
# Checks the shipped "cities.txt" and "metro.txt" against the sources: layout and encoding, and
# each fault class the directory once had (partners, corrections, zones, non-places, order,
# stub lists, region-only texts, skipped prefixes, metro codes and counties, sister lists,
# slivers, towns placed by position, communities of a municipality shown as towns, US names
# that are no census municipality or a namesake of another code's area, and the Caribbean's and
# Pacific's parts of towns, names and missing main towns).
"""Checks data/cities.txt and data/metro.txt against the committed sources.

Usage: check_directory.py [--data FOLDER] [--counts]
Prints one line per failed check and a count per fault class; exits 1 when any check fails."""

import argparse
import collections
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import canadian_places  # noqa: E402
import city_parts  # noqa: E402
import dates  # noqa: E402
import island_places  # noqa: E402
import located_places  # noqa: E402
import make_directory  # noqa: E402
import municipal_checks  # noqa: E402
import overlays  # noqa: E402
import place_names  # noqa: E402
import places as place_lists  # noqa: E402
import record_layout as layout  # noqa: E402
import regions  # noqa: E402
import source_files  # noqa: E402
import time_zones  # noqa: E402

CLASSES = {
    "layout": "record layout, encoding, order and coverage",
    "1 partners": "overlay partners other than the code's own report row",
    "2 corrections": "a report error copied (partners or places of a corrected code)",
    "3 zones": "time zones other than those of the code's places",
    "4 non-places": "streets, abbreviations or garbled names shown as places",
    "5 order": "a place listed before one of which the code serves more people",
    "6 stub lists": "codes of one overlay area showing different places",
    "7 region only": "geographic codes naming only their region or country",
    "8 prefixes": "places named by 5- or 6-digit prefixes missing from a text with room",
    "9 metro codes": "metro lines missing a code that serves one of their counties",
    "10 sister lists": "codes of one service listing different sets of that service's codes",
    "11 slivers": "places of which the code holds less than a tenth of the exchanges",
    "12 unplaced towns": "towns of 10,000 or more (municipalities of 5,000) near a code's rate "
                         "centres missing from a text with room, or outweighing its last place",
    "13 parts of towns": "communities that the census puts inside another municipality, shown "
                         "as towns",
    "14 metro lines": "metro lines missing a code whose own rate centre lies in one of their "
                      "counties, or not marking a code that is not in service",
    "15 municipal splits": "municipalities of the split table missing from a line of their codes "
                           "with room, or shown on another code's line",
    "16 island towns": "Caribbean and Pacific lines showing a part of a town, a place that is "
                       "no town, a name other than the official one, or a town with the figure "
                       "of a region the table knows, or lacking a capital, seat or reviewed town "
                       "while they have room",
    "17 no municipality": "US names shown as towns that stand for no census municipality "
                          "(parts of cities, localities, unmatched spellings)",
    "18 namesakes": "a municipality of another code's area shown for a community of the code's "
                    "own of the same name",
    "19 thin placed towns": "towns placed by position on a code that holds less than a quarter "
                            "of the rate centres nearest to them",
    "20 Canadian places": "Canadian places shown that are no census subdivision of their "
                          "province, or shown twice; census subdivisions of 20,000 or more on "
                          "no line of their province, or among the largest of a province with "
                          "one code missing from its line",
    "21 unlisted municipalities": "US municipalities of 10,000 or more on no line of their "
                                  "state, though a code serving them has room or shows a "
                                  "lighter place",
    "metro counties": "metro counties or subdivisions that no code's place lies in",
}
# A code that is the only one of its provinces lists at least their this many largest
# municipalities.
PROVINCE_TOP = 15
# A directory record as the lookup reads it: country, region, code and city text in their columns.
RECORD = re.compile(
    f"[A-Z. ]{{{layout.COUNTRY_LENGTH}}}[A-Z]{{{layout.REGION_LENGTH}}}"
    f" {{{layout.CODE_START - layout.REGION_START - layout.REGION_LENGTH}}}"
    f"\\d{{{layout.CODE_LENGTH}}}"
    f" {{{layout.CITY_TEXT_START - layout.CODE_START - layout.CODE_LENGTH}}}.+")
ZONE_WORD = re.compile(r"\b(Newfoundland|Atlantic|Eastern|Central|Mountain|Pacific|Alaska|"
                       r"Hawaii-Aleutian|Hawaii|Samoa|Chamorro)\b")


REGION_TAG = re.compile(r" \(([A-Z]{2})\)$")


class Parsed:
    """The parts of a geographic city text: items, partners and zone words."""

    def __init__(self, text):
        parts = text.split("; ")
        self.partners, self.zones, self.items, self.foreign = set(), set(), [], set()
        self.written = []
        for part in parts:
            if part.startswith(("overlay ", "same service ")):
                self.partners = {int(c) for c in re.findall(r"\d{3}", part)}
            elif " time" in part or "UTC" in part:
                self.zones |= set(ZONE_WORD.findall(part.split(";")[0]))
            elif part.startswith((dates.PLANNED_CODE, dates.UNUSED_CODE)):
                continue
            elif not self.items:
                names = part.split(": ", 1)[-1]
                self.written = names.split(", ")
                self.items = [REGION_TAG.sub("", name) for name in self.written]
                self.foreign = {REGION_TAG.sub("", name) for name in self.written
                                if REGION_TAG.search(name)}


def read_lines(path, problems):
    data = path.read_bytes()
    if not data.endswith(b"\r\n"):
        problems["layout"].append(f"{path.name}: does not end with CR LF")
    lines = data.split(b"\r\n")[:-1]
    texts = []
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            problems["layout"].append(f"{path.name}:{number}: a line end other than CR LF")
        try:
            texts.append(line.decode("cp1252"))
        except UnicodeDecodeError as error:
            problems["layout"].append(f"{path.name}:{number}: not Windows-1252 ({error.reason})")
            texts.append(line.decode("cp1252", errors="replace"))
    return texts


def check_layout(lines, report, problems):
    codes = []
    for number, line in enumerate(lines, 1):
        if not RECORD.fullmatch(line):
            problems["layout"].append(f"cities.txt:{number}: not in the record layout")
            continue
        if len(line) > layout.RECORD_LENGTH:
            problems["layout"].append(f"cities.txt:{number}: city text over 500 characters")
        codes.append(int(layout.code_of(line)))
    if codes != sorted(set(codes)):
        problems["layout"].append("cities.txt: codes out of order or listed twice")
    missing = sorted(set(range(200, 1000)) - set(codes))
    if missing:
        problems["layout"].append(f"cities.txt: codes 200-999 without a record: {missing}")
    for line in lines:
        code = int(layout.code_of(line))
        row = report.get(code)
        if row and row["IN_SERVICE"] != "Y" and make_directory.listed(row) and \
                not layout.city_text_of(line).startswith(
                    (dates.PLANNED_CODE, dates.UNUSED_CODE)):
            problems["layout"].append(f"cities.txt: {code} is not in service, the text says not")


def gazetteer_place(name, region, gazetteer):
    found = gazetteer.candidates(name, region)
    return max(found, key=lambda p: p.population) if found else None


def check_cities(lines, context, entries, problems):
    by_code = {int(layout.code_of(line)): line for line in lines}
    expected = {e.code: e for e in entries}
    rows = context.partners
    area_texts = collections.defaultdict(dict)
    for code, entry in sorted(expected.items()):
        line = by_code.get(code)
        if line is None:
            continue
        text = layout.city_text_of(line)
        if entry.geographic:
            shown = Parsed(text)
            own = rows[code] - {code}
            if shown.partners != own:
                corrected = code in overlays.CORRECTIONS
                key = "2 corrections" if corrected else "1 partners"
                problems[key].append(f"{code}: partners {sorted(shown.partners)}, own row "
                                     f"{sorted(own)}")
        if not entry.geographic:
            continue
        region = layout.region_of(line)
        place = context.place_of[code]
        borrowed = wrongly_borrowed(code, shown, context, expected)
        if borrowed:
            problems["2 corrections"].append(f"{code}: shows places of {borrowed}, which a "
                                             f"report error made its partners")
        want_zones = time_zones.zone_words(entry.zones)
        if shown.zones != want_zones:
            problems["3 zones"].append(f"{code}: zones {sorted(shown.zones)}, its places lie in "
                                       f"{sorted(want_zones)}")
        for name in shown.items:
            known = gazetteer_place(name, region, context.gazetteer)
            bad = place_names.abbreviations_in(name) + (
                [] if known else place_names.street_words_in(name))
            garbled = any(len(word) >= 6 and not re.search(r"[aeiouy]", word)
                          for word in place_names.plain(name).split())
            if bad or garbled:
                problems["4 non-places"].append(f"{code}: {name!r}")
        scope = region if place.country in ("USA", "CANADA") and \
            region not in regions.US_TERRITORIES else "country:" + region
        # A place weighs the people of it that the code serves: its population times the code's
        # share of it.
        own_sizes = {item.name: item.weight for item in entry.items}
        sizes = [own_sizes[name] if name in own_sizes else
                 getattr(gazetteer_place(name, scope, context.gazetteer), "population", 0)
                 for name in shown.items if name not in shown.foreign]
        known = [size for size in sizes if size > 0]
        if known and sizes[0] < max(known):
            home = [name for name in shown.items if name not in shown.foreign]
            problems["5 order"].append(f"{code}: {home[0]} listed before "
                                       f"{home[sizes.index(max(known))]}")
        own_items = [name for name in shown.items if name not in shown.foreign]
        for part, town in city_parts.shown_parts(own_items, region, context.city_parts):
            problems["13 parts of towns"].append(f"{code}: {part} (part of {town})")
        if not entry.items or shown.items == [place.full_name()] or not shown.items:
            if not entry.items or shown.items in ([], [place.full_name()]):
                problems["7 region only"].append(f"{code}: names only {place.full_name()}")
        area = frozenset(overlays.area_members(code, rows) & set(context.place_of))
        area_texts[area][code] = shown.items
        check_prefixes(code, text, shown, context, problems)
        if context.placed_by_exchanges(code):
            check_shares(code, region, text, shown, context, problems)
    for area, texts in area_texts.items():
        lists = sorted(texts.values(), key=len)
        if any(lists[-1][:len(items)] != items for items in lists):
            sizes = {code: len(items) for code, items in texts.items()}
            problems["6 stub lists"].append(f"area {sorted(area)}: places per code {sizes}")


def canadian_items(line):
    """[(name, region)] of the places of a Canadian line: each in the region that follows it in
    brackets, else the line's; without a community in brackets after a municipality's name."""
    region = layout.region_of(line)
    found = []
    for name in Parsed(layout.city_text_of(line)).written:
        tag = REGION_TAG.search(name)
        name = REGION_TAG.sub("", name)
        found.append((re.sub(r" \([^)]*\)$", "", name), tag[1] if tag else region))
    return found


def check_canadian_places(lines, context, problems):
    """Canada's places are its census subdivisions, each once, by its own name (or its official
    form, see places.SHOWN_NAMES); the large ones are listed (see PROVINCE_TOP)."""
    key = canadian_places.name_key
    provinces = {province: regions.CANADIAN_ADMIN1[admin1]
                 for admin1, province in canadian_places.PROVINCE_CODES.items()}
    names, largest = collections.defaultdict(set), collections.defaultdict(dict)
    for subdivision in canadian_places.read_subdivisions().values():
        region = provinces[subdivision.code[:2]]
        names[region] |= subdivision.name_keys() | {key(subdivision.shown_name())}
        if subdivision.is_municipality():
            found = largest[region].get(key(subdivision.shown_name()), ("", 0))
            if subdivision.people > found[1]:
                largest[region][key(subdivision.shown_name())] = (subdivision.shown_name(),
                                                                   subdivision.people)
    official = {(key(shown), region): key(name)
                for (name, region), shown in place_lists.SHOWN_NAMES.items()}
    listed = collections.defaultdict(set)
    for line in lines:
        if layout.region_of(line) not in names:
            continue
        code = int(layout.code_of(line))
        written = canadian_items(line)
        items = [(key(name), region) for name, region in written]
        for twice in sorted({item for item in items if items.count(item) > 1}):
            problems["20 Canadian places"].append(f"{code}: {twice[0]} shown twice")
        items += [(official[item], item[1]) for item in items if item in official]
        for name, region in written:
            if key(name) not in names[region] and (key(name), region) not in official:
                problems["20 Canadian places"].append(f"{code}: {name} ({region}) is no census "
                                                      f"subdivision of its province")
        for item in items:
            listed[item[1]].add(item[0])
        place = context.place_of.get(code)
        if place and all(context.sole_code_of_region(code, r) for r in place.regions):
            top = sorted(((people, name, r, k) for r in place.regions
                          for k, (name, people) in largest[r].items()), reverse=True)
            for people, name, region, k in top[:PROVINCE_TOP]:
                if (k, region) not in items:
                    problems["20 Canadian places"].append(
                        f"{code}: {name} ({region}, {people:,}), one of the {PROVINCE_TOP} "
                        f"largest of its code's provinces, missing")
    for region, found in sorted(largest.items()):
        for k, (name, people) in sorted(found.items()):
            if people >= 20000 and k not in listed[region]:
                problems["20 Canadian places"].append(f"{name} ({region}, {people:,}) is on no "
                                                      f"line of its province")


def check_sisters(lines, report, problems):
    """Each non-geographic code lists every other code in service with the same service (its
    report SERVICE, else NOTES): the same set on every one of them."""
    service = {code: (row["SERVICE"] or row["NOTES"]).strip().lower()
               for code, row in report.items() if row["USE"] == "N"}
    in_service = collections.defaultdict(set)
    for code, name in service.items():
        if report[code]["IN_SERVICE"] == "Y":
            in_service[name].add(code)
    for line in lines:
        code = int(layout.code_of(line))
        if code not in service or not make_directory.listed(report[code]):
            continue
        shown = Parsed(layout.city_text_of(line)).partners
        want = in_service[service[code]] - {code}
        if shown != want:
            problems["10 sister lists"].append(
                f"{code}: lists {sorted(shown)}; its service's codes are {sorted(want)}")


def uncorrected_rows(report):
    return {code: {int(c) for c in re.findall(r"\d{3}", row["OVERLAY_COMPLEX"])} | {code}
            for code, row in report.items()}


def wrongly_borrowed(code, shown, context, expected):
    """Codes that only a report error makes partners of `code`, whose own places the text
    shows: 679 showing 734's towns because the 734 row reads "679/734"."""
    raw = uncorrected_rows(context.report)
    wrong = (raw.get(code, set()) | {c for c, row in raw.items() if code in row}) - \
        overlays.area_members(code, context.partners) - {code}
    wrong = {c for c in wrong if c in overlays.CORRECTIONS or c in overlays.AREA_CORRECTIONS or
             code in overlays.CORRECTIONS or code in overlays.AREA_CORRECTIONS}
    own = {item.name for item in expected[code].items}
    found = set()
    for other in wrong:
        if other in expected and expected[other].geographic:
            theirs = {item.name for item in expected[other].items} - own
            if theirs & set(shown.items):
                found.add(other)
    return sorted(found)


def check_shares(code, region, text, shown, context, problems):
    """Places the code serves only a sliver of, and towns placed on the code by their position
    that a text with room leaves out."""
    serving = context.serving(code)
    for name in shown.items:
        # A municipality that the reviewed tables file under the code is served there, whatever
        # the rate centre of its name says (Costa Mesa's own exchanges are all 949's).
        if name in shown.foreign or (place_names.name_key(name), region) in context.splits:
            continue
        # A census municipality counts the exchanges of every community matched to it; of
        # namesakes (Derry Township of Dauphin and of Westmoreland County) any one may be the
        # place, and one that no rate centre names is placed by its position (check 12).
        municipal = [place for place in context.gazetteer.candidates(name, region)
                     if place.kind or place.municipal]
        counts = [context.place_codes.get(id(place)) for place in municipal] or \
            [context.rate_centre_codes.get((place_names.name_key(name), region))]
        if all(by_code and located_places.share(by_code, serving) < place_lists.SLIVER
               for by_code in counts):
            problems["11 slivers"].append(f"{code}: {name} ({dict(counts[0])})")
    own = [name for name in shown.items if name not in shown.foreign]
    thin, missing = municipal_checks.placed_towns(
        code, region, own, context.entries[code], context,
        room=len(text) <= layout.CITY_TEXT_LENGTH - 40)
    problems["19 thin placed towns"] += thin
    problems["12 unplaced towns"] += missing
    problems["17 no municipality"] += municipal_checks.no_municipality(
        code, region, own, context.gazetteer)
    problems["18 namesakes"] += municipal_checks.namesakes(code, region, own, context)


def check_splits(lines, context, problems):
    """The lines agree with the table of municipal splits: a municipality of the table is on the
    line of each of its codes (and their overlays) that has room, and on no other line of its
    region."""
    for line in lines:
        code = int(layout.code_of(line))
        place = context.place_of.get(code)
        if not place:
            continue
        text = layout.city_text_of(line)
        shown = {place_names.name_key(name) for name in Parsed(text).items}
        area = overlays.area_members(code, context.partners)
        for (key, region), row in sorted(context.splits.items()):
            if region not in place.regions:
                continue
            if key in shown and not row.codes & area:
                problems["15 municipal splits"].append(f"{code}: shows {row.name}, which is "
                                                       f"{sorted(row.codes)}'s")
            elif key not in shown and row.codes & area and \
                    len(text) <= layout.CITY_TEXT_LENGTH - 40:
                problems["15 municipal splits"].append(f"{code}: lacks {row.name}")


def check_island_towns(lines, context, problems):
    """The Caribbean's and the Pacific territories' lines, whose places are GeoNames' with the
    reviewed table: each shown place is the town it belongs to under the name the town is shown
    by (not Bisee, a locality of Castries, nor Lucaya, Freeport's suburb, nor "Saint George" for
    St. George's), and carries no figure of a region (Rio Claro with Mayaro-Rio Claro's); and
    the capitals, seats and reviewed towns are all listed where there is room (the Sister
    Islands, Calliaqua, Nu'uuli)."""
    for line in lines:
        code = int(layout.code_of(line))
        place = context.place_of.get(code)
        if not place or context.placed_by_exchanges(code) or code in make_directory.TERRITORY_TOWNS:
            continue
        text = layout.city_text_of(line)
        shown = Parsed(text).items
        scope = "country:" + place.region
        areas = island_places.area_figures(context.towns.rows, place.region)
        for name in shown:
            for found in context.gazetteer.candidates(name, scope):
                town = context.towns.town_of(found)
                if not town:
                    problems["16 island towns"].append(f"{code}: {name} is no town today")
                elif as_shown(town[0]) != name:
                    problems["16 island towns"].append(f"{code}: {name} shown for {town[0]}")
                elif town[1].population in areas:
                    problems["16 island towns"].append(
                        f"{code}: {name} carries {areas[town[1].population]}'s figure")
        if len(text) > layout.CITY_TEXT_LENGTH - 40:
            continue
        listed = set(shown)
        for found in context.gazetteer.by_region[scope]:
            if not context.towns.is_town(found) or (
                    found.feature not in island_places.SEATS and not context.towns.row(found)):
                continue
            town = context.towns.town_of(found)
            # "Tamuning" stands for "Tamuning-Tumon-Harmon", as the lines list it.
            if town and as_shown(town[0]) not in listed and \
                    not any(town[0].startswith(name + "-") for name in listed):
                problems["16 island towns"].append(f"{code}: lacks {town[0]}")
                listed.add(as_shown(town[0]))


def as_shown(name):
    """A name as the directory's Windows-1252 text writes it."""
    return make_directory.to_windows_1252(name).decode("cp1252")


def check_prefixes(code, text, shown, context, problems):
    """Places that only a 5- or 6-digit prefix names, missing from a text that has room."""
    if len(text) > layout.CITY_TEXT_LENGTH - 40:
        return
    listed = set(shown.items)
    for member in overlays.area_members(code, context.partners):
        for description in context.short_prefixes.get(member, ()):
            name, region = place_lists.rate_centre(description)
            place = gazetteer_place(name, region, context.gazetteer)
            place = place and context.gazetteer.city_of_section(place)
            if regions.is_region_name(name) or not region:
                continue
            if place and not {place.name, name, place_lists.shown_place_name(
                    name, place, region)} & listed:
                problems["8 prefixes"].append(f"{code}: {place.name} ({description})")


def check_metro(lines, metro_result, problems):
    shown = {}
    for number, line in enumerate(lines, 1):
        name = line[:layout.METRO_NAME_LENGTH].rstrip()
        if len(line) > layout.METRO_NAME_LENGTH and line[layout.METRO_NAME_LENGTH] != " ":
            problems["layout"].append(f"metro.txt:{number}: the name does not fill columns 1-19")
        if len(line) > layout.METRO_LINE_LENGTH:
            problems["layout"].append(f"metro.txt:{number}: longer than "
                                      f"{layout.METRO_LINE_LENGTH} characters")
        shown[name] = layout.metro_codes_of(line)
    if list(shown) != sorted(shown) or len(shown) != len(lines):
        problems["layout"].append("metro.txt: names not sorted or not unique")
    for name, (codes, covered) in sorted(metro_result.items()):
        if name not in shown:
            problems["9 metro codes"].append(f"{name}: no line")
            continue
        missing = sorted(codes - shown[name])
        if missing:
            problems["9 metro codes"].append(f"{name}: lacks {missing}")
        for unit, served in sorted(covered.items()):
            # A Canadian subdivision counts as covered where its census division is.
            division = unit[:4] if len(unit) == 7 else None
            if division and any(other.startswith(division) and ok
                                for other, ok in covered.items()):
                continue
            if not served:
                problems["metro counties"].append(f"{name}: no code serves unit {unit}")


def check_metro_lines(lines, context, rate_centre_places, problems):
    """Every code with a rate centre of its own in a metro's counties (a town too small to be
    listed counts) is on the metro's line, and the line marks each of its codes that is not in
    service as the directory does."""
    codes_at = collections.defaultdict(set)
    for code, places in rate_centre_places.items():
        for place in places:
            for key in make_directory.metros.place_keys(place):
                codes_at[key].add(code)
    by_name = {line[:layout.METRO_NAME_LENGTH].rstrip(): line for line in lines}
    for name, units in sorted(make_directory.metros.read_metro_counties().items()):
        line = by_name.get(name, "")
        codes = layout.metro_codes_of(line) if line else set()
        for unit in units:
            serving = set().union(*(codes_at.get(key, set()) for key in unit.keys()))
            for code in sorted(serving - codes):
                problems["14 metro lines"].append(f"{name}: lacks {code}, whose rate centre lies "
                                                  f"in {unit.name}")
        notes = line[layout.METRO_NAME_LENGTH:].split(layout.METRO_NOTE)[1:]
        want = dates.service_notes(codes, context.report, context.date)
        if notes != want:
            problems["14 metro lines"].append(f"{name}: notes {notes}, codes not in service "
                                              f"call for {want}")


def short_prefixes(path=source_files.GEOCODING):
    """code -> descriptions of its 5- and 6-digit prefixes."""
    found = collections.defaultdict(list)
    with open(path, encoding="utf-8") as source:
        for line in source:
            prefix, _, description = line.strip().partition("|")
            if prefix.isdigit() and len(prefix) in (5, 6):
                found[int(prefix[1:4])].append(description)
    return found


def check_unlisted(lines, context, problems):
    """Every large US municipality is on a line of its state (see municipal_checks.unlisted)."""
    texts, full = {}, set()
    for line in lines:
        code = int(layout.code_of(line))
        entry = context.entries.get(code)
        if entry and entry.geographic and code in context.place_of:
            text = layout.city_text_of(line)
            texts[code] = (layout.region_of(line), Parsed(text).items)
            if len(text) > layout.CITY_TEXT_LENGTH - 40:
                full.add(code)
    problems["21 unlisted municipalities"] += municipal_checks.unlisted(
        texts, context, lambda code: code in full)


def main(argv=None):
    root = pathlib.Path(__file__).resolve().parents[1]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", type=pathlib.Path, default=root / "data")
    parser.add_argument("--counts", action="store_true",
                        help="print only the count of each fault class")
    args = parser.parse_args(argv)

    report = source_files.read_report()
    whole, exchanges = source_files.read_geocoding()
    context = make_directory.Context(report, whole, exchanges, source_files.read_places())
    context.short_prefixes = short_prefixes()
    context.city_parts = city_parts.parts_of_towns(context.places)
    entries = make_directory.directory_entries(context)
    context.entries = {entry.code: entry for entry in entries}
    rate_centre_places = make_directory.own_rate_centre_places(context)
    metro_result = make_directory.metro_entries(
        entries, make_directory.metros.read_metro_counties(), context.partners, context.places,
        rate_centre_places)

    problems = {key: [] for key in CLASSES}
    cities = read_lines(args.data / "cities.txt", problems)
    check_layout(cities, report, problems)
    check_cities(cities, context, entries, problems)
    check_sisters(cities, report, problems)
    check_splits(cities, context, problems)
    check_island_towns(cities, context, problems)
    check_canadian_places(cities, context, problems)
    check_unlisted(cities, context, problems)
    metro_file = read_lines(args.data / "metro.txt", problems)
    check_metro(metro_file, metro_result, problems)
    check_metro_lines(metro_file, context, rate_centre_places, problems)

    for key, found in problems.items():
        if not args.counts:
            for problem in found:
                print(f"{'NOTE' if key == 'metro counties' else 'FAIL'} [{key}]: {problem}")
    for key, found in problems.items():
        print(f"{len(found):5d}  {key}: {CLASSES[key]}")
    print(f"{len(cities)} records checked")
    # Counties without a matched place are reported for review; they fail nothing, since the
    # codes of their neighbours already stand on the metro's line.
    failing = {key: found for key, found in problems.items() if key != "metro counties"}
    return 1 if any(failing.values()) else 0


if __name__ == "__main__":
    sys.exit(main())
