# SPDX-License-Identifier: Apache-2.0
# Canada's municipalities: Statistics Canada's 2021 census subdivisions with their counts, placed
# at the GeoNames points of their names, and the communities inside them.

import collections
import difflib
import csv
import math
import pathlib
import re
import statistics
import unicodedata

from census_places import distance_km

SOURCES = pathlib.Path(__file__).resolve().parent / "sources"
SUBDIVISIONS = SOURCES / "statcan-98100002-2021-census-subdivisions.csv"
COMMUNITIES = pathlib.Path(__file__).resolve().parent / "canadian_communities.csv"
PEOPLE_COLUMN = "Population and dwelling counts (13): Population, 2021 [1]"
AREA_COLUMN = "Population and dwelling counts (13): Land area in square kilometres, 2021 [10]"
# Nova Scotia's county municipalities, which the census counts in parts ("Kings, Subd. A" to
# D): one municipality, "Kings County" (Newfoundland's unorganized "Division No. 1, Subd. A" are
# none).
COUNTY_PART = re.compile(r"^((?!Division No)[^,]+), Subd\. [A-Z]$")
# A census subdivision's DGUID: the 2021 vintage, its level (0005) and its seven-digit code.
SUBDIVISION_DGUID = re.compile(r"2021A0005(\d{7})$")
# The Standard Geographical Classification code of each province and territory, by GeoNames'
# first-level code.
PROVINCE_CODES = {"01": "48", "02": "59", "03": "46", "04": "13", "05": "10", "07": "12",
                  "08": "35", "09": "11", "10": "24", "11": "47", "12": "60", "13": "61",
                  "14": "62"}
# A census division of which one subdivision holds this share of the people is that municipality
# with a few reserves or unorganized parts round it (the single-tier cities: Kawartha Lakes,
# Cape Breton, Chatham-Kent): a place there that names no subdivision is a community of it.
DOMINANT_SHARE = 0.9
# Two municipalities of one name in one census division, told apart by their official names
# (the table names both alike): the Township and the City of Langley, the District and the City
# of North Vancouver, the Districts and the Towns of Lunenburg, Shelburne, Yarmouth and Digby
# (the towns keep their plain names).
TOLD_APART = {"5915001": "Township of Langley", "5915002": "City of Langley",
              "5915046": "District of North Vancouver", "5915051": "City of North Vancouver",
              "1206001": "District of Lunenburg", "1206006": "Lunenburg",
              "1201006": "District of Shelburne", "1202004": "District of Yarmouth",
              "1203004": "District of Digby"}
# The province whose parishes are census subdivisions beside the towns of their names: of two
# namesakes in one division the town is the one coded last (Statistics Canada codes a parish
# before the town inside it: Beresford's parish 1315012, the town 1315015; Shediac's 1307016
# and 1307052), whatever GeoNames' older figure of the town is nearer.
PARISH_PROVINCE = "13"
# A community whose name is the municipality's but for a letter or a mark ("Portugal Cove-St.
# Phillip's") does not follow it in brackets.
SAME_NAME_RATIO = 0.9
# A community follows its municipality's name only where people know the place by it: where
# GeoNames gives it at least this share of the municipality's people (Fort McMurray of Wood
# Buffalo, Lindsay of Kawartha Lakes; not Bowmanville, one of Clarington's towns).
KNOWN_SHARE = 0.2
# Indian reserves ("Norway House 17", "Six Nations (Part) 40", "Tsuu T'ina Nation 145 (Sarcee
# 145)") and unorganized areas ("Division No. 19, Unorganized", Newfoundland's "Division No. 1,
# Subd. A", Prince Edward Island's "Lot 1", British Columbia's electoral areas "Metro Vancouver
# A") are census subdivisions but no municipalities: they hold no town of their own. A rural
# municipality's number follows "No." ("Corman Park No. 344").
RESERVE_NUMBER = re.compile(r"(?<!No\.)(?: \(Part\))? \d+[A-Z]?\d*(?= \(|$)")
NO_MUNICIPALITY = re.compile(RESERVE_NUMBER.pattern +
                             r"|\bFirst Nation$|\bUnorganized\b|, Subd\. |^Lot \d| [A-Z]$")
# The same, written in brackets after another name ("Pikwakanagan (Golden Lake 39)") or as an
# electoral area's part ("Juan de Fuca (Part 1)").
IN_BRACKETS = re.compile(r" \d+[A-Z]?\d*\)$|\(Part \d+\)$")
# A community within this many radii of a municipality's town is a part of it (the radius of
# a disc of the municipality's land area): Thornhill of Vaughan, Simcoe of Norfolk County; the
# nearest in radii where several reach it.
REACH_RADII = 1.5
# A census division of which one municipality without a point of its name holds this share of
# the people of all such municipalities: a community there that no other rule files is a
# community of it (Keswick of Georgina, Dunnville of Haldimand County, Belle River of Lakeshore).
SOLE_SHARE = 0.9


class Subdivision:
    """One census subdivision: code, name as the table writes it, 2021 population, land area
    (km²), and the codes of its parts where the census counts it in parts."""

    __slots__ = ("code", "name", "people", "area", "parts")

    def __init__(self, code, name, people, area=0.0):
        self.code, self.name, self.people, self.area, self.parts = code, name, people, area, []

    def radius_km(self):
        """The radius of a disc of the subdivision's land area."""
        return math.sqrt(self.area / math.pi)

    def __repr__(self):
        return f"{self.name} ({self.code}, {self.people})"

    def shown_name(self):
        """The name a person reads: without the table's "(Part)" of a municipality that spans
        two divisions, and in English where the table gives both languages ("Greater Sudbury /
        Grand Sudbury")."""
        if self.code in TOLD_APART:
            return TOLD_APART[self.code]
        name = re.sub(r" \(Part\)$", "", self.name).split(" / ")[0]
        # A reserve is known by its name without its number ("Eskasoni 3" is Eskasoni).
        return name if self.is_municipality() else RESERVE_NUMBER.sub(
            "", re.sub(r" \([^)]*\)$", "", name))

    def is_municipality(self):
        """Whether the subdivision is a municipality: no reserve or unorganized area (see
        NO_MUNICIPALITY)."""
        plain = re.sub(r" \([^)]*\)", "", self.name)
        return not NO_MUNICIPALITY.search(plain) and not IN_BRACKETS.search(self.name)

    def name_keys(self):
        keys = {name_key(part) for part in re.sub(r" \(Part\)$", "", self.name).split(" / ")}
        return keys | {name_key(TOLD_APART[self.code])} if self.code in TOLD_APART else keys


def name_key(name):
    """A name as compared: no accents, case or punctuation; Saint and St. alike."""
    plain = "".join(c for c in unicodedata.normalize("NFKD", name)
                    if not unicodedata.combining(c)).casefold()
    plain = re.sub(r"[^a-z0-9]+", " ", plain.replace("'", "").replace("\u2019", "")).strip()
    plain = re.sub(r"\bsainte\b", "ste", plain)
    return re.sub(r"\bsaint\b", "st", plain)


def read_subdivisions(path=SUBDIVISIONS):
    """The census subdivisions of the table by code, with their 2021 counts; the parts of one
    county municipality (see COUNTY_PART) as one, under the code of its first part."""
    found, counties = {}, {}
    with open(path, encoding="utf-8-sig", newline="") as source:
        for row in csv.DictReader(source):
            match = SUBDIVISION_DGUID.match(row.get("DGUID") or "")
            if not match:
                continue
            code, people = match[1], int(row[PEOPLE_COLUMN] or 0)
            area = float(row.get(AREA_COLUMN) or 0)
            part = COUNTY_PART.match(row["GEO"])
            if part:
                county = counties.setdefault((code[:4], part[1]), Subdivision(
                    code, f"{part[1]} County", 0))
                county.code, county.people = min(county.code, code), county.people + people
                county.area += area
                county.parts.append(code)
            else:
                found[code] = Subdivision(code, row["GEO"], people, area)
    return found | {county.code: county for county in counties.values()}


class Subdivisions:
    """The census subdivisions by name, to find the one a GeoNames point is the town of."""

    def __init__(self, subdivisions):
        self.by_code = dict(subdivisions)
        # GeoNames files some points under the code of a county municipality's part.
        for subdivision in subdivisions.values():
            for part in subdivision.parts:
                self.by_code.setdefault(part, subdivision)
        self.by_name = collections.defaultdict(list)
        people = collections.Counter()
        largest = {}
        self.by_division = collections.defaultdict(list)
        for subdivision in subdivisions.values():
            division = subdivision.code[:4]
            self.by_division[division].append(subdivision)
            people[division] += subdivision.people
            if subdivision.people > getattr(largest.get(division), "people", -1):
                largest[division] = subdivision
        self.dominant = {division: subdivision for division, subdivision in largest.items()
                         if subdivision.people >= DOMINANT_SHARE * people[division] > 0}
        for subdivision in subdivisions.values():
            for key in subdivision.name_keys():
                self.by_name[(subdivision.code[:2], key)].append(subdivision)

    def named(self, names, admin1, county, people):
        """The subdivision a point of these names is the town of: of its name in its census
        division (the first four digits of its GeoNames code), else the only one of its name in
        its province. Of namesakes in one division, in New Brunswick the town (see
        PARISH_PROVINCE), elsewhere the one whose count is nearest the point's own figure, else
        the largest. None where none is."""
        province = PROVINCE_CODES.get(admin1, "")
        for name in names:
            found = self.by_name.get((province, name_key(name)), [])
            if len(county) >= 4:
                inside = [s for s in found if s.code.startswith(county[:4])]
                # A point filed in another division of the same province is another place of
                # the name (Calgary's Lakeview, Waterloo's Lincoln); GeoNames' own codes for
                # Manitoba and the Northwest Territories are no divisions at all.
                foreign = not county.startswith(province)
                found = inside or (found if len(found) == 1 and foreign else [])
            if len(found) == 1:
                return found[0]
            if found:
                if len(county) >= 4 and found[0].code.startswith(PARISH_PROVINCE):
                    return max(found, key=lambda s: s.code)
                return min(found, key=lambda s: (abs(math.log((s.people + 1) / (people + 1)))
                                                 if people else -s.people, s.code))
        return None

    def named_after(self, name, county, admin1=""):
        """The only subdivision of a census division whose name begins with a point's name as a
        word of its own (Bradford West Gwillimbury of Bradford, Strathroy-Caradoc of Strathroy),
        or None. A point filed under no division of its province (GeoNames' codes for Manitoba)
        is looked for in the whole province's municipalities (Killarney of Killarney - Turtle
        Mountain)."""
        province = PROVINCE_CODES.get(admin1, "")
        if province and not county.startswith(province):
            # (a reserve, "Norway House 17", is no municipality of a community's name)
            inside = [s for division, found in self.by_division.items()
                      if division.startswith(province) for s in found
                      if not s.name[-1].isdigit()]
        elif len(county) < 4:
            return None
        else:
            inside = self.by_division.get(county[:4], [])
        key = name_key(name)
        if any(key in s.name_keys() for s in inside):
            return None
        found = [s for s in inside if any(other.startswith(key + " ") for other in s.name_keys())]
        return found[0] if len(found) == 1 else None


def as_municipalities(gazetteer, shown_name, communities=COMMUNITIES):
    """Makes the Canadian GeoNames places municipalities: a point named after a census
    subdivision is that municipality, with its 2021 count; a point that names none is a
    community of the one that holds it (see community_of), a locality without a figure held by
    the municipality, or by none where no rule finds it (it is then no town either); a
    municipality without a point of its name stands at its largest community ("Wood Buffalo
    (Fort McMurray)"), else amid the points of its census division (see placed_apart). Other
    points stay as GeoNames gives them. `shown_name(name, region)` is the name a point is shown
    by (Chatham is Chatham-Kent); `communities` the reviewed table of communities (see
    filed_communities), or None. Returns the municipalities added."""
    table = Subdivisions(read_subdivisions())
    filed = filed_communities(gazetteer, communities) if communities else []
    gazetteer = list(gazetteer) + filed
    towns, communities = {}, collections.defaultdict(list)
    matches = []
    for place in gazetteer:
        if place.country == "CA":
            subdivision = table.named((place.name, shown_name(place.name, place.region)),
                                      place.admin1, place.county, place.population)
            own = subdivision is not None and name_key(place.name) in subdivision.name_keys()
            matches.append((place, subdivision, own))
    # A point of the municipality's own name is its town before one of a former name (the
    # Val-des-Sources of GeoNames' Asbestos), and the larger before the smaller.
    matches.sort(key=lambda match: (not match[2], -match[0].population))
    unfiled = []
    for place, subdivision, _ in matches:
        if subdivision and subdivision.code not in towns:
            towns[subdivision.code] = place
            # A municipality is a town, though GeoNames gives some no feature (Riverview,
            # Quispamsis, Paradise), which would keep them from being placed by position.
            place.population, place.feature = subdivision.people, place.feature or "PPL"
            place.municipal = True
            # Québec's names keep their hyphens ("Sainte Catherine de la Jacques Cartier").
            official = subdivision.shown_name()
            if place.name.replace("-", " ") == official.replace("-", " ") or \
                    not subdivision.is_municipality():
                place.name = official
        elif subdivision:
            communities[subdivision.code].append((False, place))
        else:
            unfiled.append(place)
    holders = CommunityHolders(table, towns)
    for place in unfiled:
        holder, sure = holders.holder(place)
        if holder:
            communities[holder.code].append((not sure, place))
        else:
            place.locality, place.population = True, 0
    added = []
    for code, members in communities.items():
        members.sort(key=lambda member: (member[0], -member[1].population))
        holder = towns.get(code)
        if holder is None:
            guessed = members[0][0]
            holder = municipality_at(table.by_code[code], [place for weak, place in members
                                                           if weak == guessed], not guessed)
            towns[code] = holder
            added.append(holder)
        for _, place in members:
            place.holder, place.locality, place.population = holder, True, 0
    return filed + added + placed_apart(table, towns, gazetteer)


class CommunityHolders:
    """Finds the municipality that holds a community, a point that names none (see holder)."""

    def __init__(self, table, towns):
        self.table = table
        self.towns = collections.defaultdict(list)
        for code, place in towns.items():
            self.towns[code[:4]].append((place, code))
        self.sole = {}
        for division, found in table.by_division.items():
            apart = [s for s in found if s.code not in towns and s.is_municipality()]
            people = sum(s.people for s in apart)
            largest = max(apart, key=lambda s: s.people, default=None)
            if largest and largest.people >= SOLE_SHARE * people > 0:
                self.sole[division] = largest

    def holder(self, place):
        """(subdivision, sure): the one whose name begins with the point's (Bradford), else the
        one GeoNames files it in (Fort McMurray), else the one that holds its census division
        (Lindsay; see DOMINANT_SHARE): sure; else the town whose reach it lies in (see
        REACH_RADII), else
        its division's only large municipality without a town (see SOLE_SHARE): a guess from
        its position, which names no municipality after it. (None, False) where none does."""
        found = community_of(self.table, place)
        if found:
            return found, True
        division = place.county[:4] if len(place.county) >= 4 else ""
        spot = (place.lat, place.lon)
        radii = [(distance_km(spot, (town.lat, town.lon)) /
                  max(self.table.by_code[code].radius_km(), 1), code)
                 for town, code in self.towns.get(division, ())]
        near = min(radii, default=(math.inf, ""))
        if near[0] <= REACH_RADII:
            return self.table.by_code[near[1]], False
        return self.sole.get(division), False


def filed_communities(gazetteer, path=COMMUNITIES):
    """Files the GeoNames points of the reviewed table under the census subdivisions that hold
    them (their county code), and returns the points that GeoNames lacks, made from the table."""
    own = {(place.name, place.region): place for place in gazetteer if place.country == "CA"}
    made = []
    with open(path, encoding="utf-8", newline="") as source:
        for row in csv.DictReader(line for line in source if not line.startswith("#")):
            place = own.get((row["community"], row["province"]))
            if not row["latitude"] and place:
                place.county = row["subdivision"]
            elif row["latitude"]:
                made.append(made_point(row, own.values()))
    return [place for place in made if place]


def made_point(row, places):
    """A point of the table, in the time zone of the nearest GeoNames point of its province;
    None where the gazetteer holds no place of that province."""
    lat, lon = float(row["latitude"]), float(row["longitude"])
    near = min((p for p in places if p.region == row["province"]), default=None,
               key=lambda p: (p.lat - lat) ** 2 + (p.lon - lon) ** 2)
    if near is None:
        return None
    return near.__class__([row["community"], "CA", near.admin1, row["subdivision"],
                           row["latitude"], row["longitude"], "0", "PPL", near.zone])


def community_of(table, place):
    """The subdivision that holds a point that names none: the one whose name begins with the
    point's (Bradford), else the one GeoNames files it in (Fort McMurray), else the one that
    holds its census division (Lindsay; see DOMINANT_SHARE); None where none does."""
    return table.named_after(place.name, place.county, place.admin1) or table.by_code.get(
        place.county if len(place.county) == 7 else "") or table.dominant.get(place.county)


def municipality_at(subdivision, communities, sure=True):
    """A municipality that no point names, at its largest community, which follows its name
    in brackets where people know the place by it (see KNOWN_SHARE) and the name does not hold
    it (Chatham-Kent's Chatham); at the middle of `communities` without a name in brackets
    where they are only guessed to be its (not `sure`)."""
    community = communities[0] if sure else middle(communities)
    place = community.__class__([subdivision.shown_name(), "CA", community.admin1,
                                 subdivision.code, community.lat, community.lon,
                                 subdivision.people, "PPL", community.zone])
    place.municipal = True
    known = community.population >= KNOWN_SHARE * subdivision.people
    if sure and known and name_key(community.name) not in name_key(place.name) and \
            difflib.SequenceMatcher(None, name_key(community.name),
                                    name_key(place.name)).ratio() < SAME_NAME_RATIO:
        place.name = f"{place.name} ({community.name})"
    return place


def middle(points):
    """A copy of the point nearest the median position of `points`, at that position."""
    lat = statistics.median(p.lat for p in points)
    lon = statistics.median(p.lon for p in points)
    near = min(points, key=lambda p: (p.lat - lat) ** 2 + (p.lon - lon) ** 2)
    return near.__class__([near.name, near.country, near.admin1, near.admin2, lat, lon, 0,
                           near.feature, near.zone])


def placed_apart(table, towns, gazetteer):
    """The municipalities that neither a point nor a community places, amid the points and towns
    of their census division (of their province where it has none): their codes follow from
    that position. A namesake of a municipality that has a town (New Brunswick's parish of
    Shediac beside the town) is left out: the town is the place of the name."""
    points = collections.defaultdict(list)
    for place in gazetteer:
        if place.country == "CA":
            province = PROVINCE_CODES.get(place.admin1, "")
            points[province].append(place)
            if place.county.startswith(province) and len(place.county) >= 4:
                points[place.county[:4]].append(place)
    # GeoNames' codes of Québec's, Manitoba's and the territories' points are no census
    # divisions: there the municipalities' towns stand for their divisions.
    for code, town in sorted(towns.items()):
        if not town.county.startswith(code[:4]):
            points[code[:4]].append(town)
    named = {(code[:2], name_key(table.by_code[code].shown_name())) for code in towns}
    # A city across a provincial border stands at its town ("Lloydminster (Part)", Alberta's).
    named |= {("", key) for _, key in named}
    made = []
    for code, subdivision in sorted(table.by_code.items()):
        province = "" if subdivision.name.endswith(" (Part)") else code[:2]
        if code in towns or code != subdivision.code or not subdivision.is_municipality() or \
                not subdivision.people or (province, name_key(subdivision.shown_name())) in named:
            continue
        around = points.get(code[:4]) or points.get(code[:2])
        if around:
            place = municipality_at(subdivision, around, sure=False)
            towns[code] = place
            made.append(place)
    return made
