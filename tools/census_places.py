# SPDX-License-Identifier: Apache-2.0
# The US municipalities of the Census Bureau's tables, as gazetteer places: incorporated places,
# the towns and townships that govern in the strong-MCD states, census designated places where no
# municipality holds the area, and Puerto Rico's municipios.

import bisect
import collections
import csv
import json
import math
import pathlib
import re

SOURCES = pathlib.Path(__file__).resolve().parent / "sources"
PLACE_GAZETTEER = SOURCES / "2025_Gaz_place_national.txt"
COUSUB_GAZETTEER = SOURCES / "2025_Gaz_cousubs_national.txt"
COUNTY_GAZETTEER = SOURCES / "2025_Gaz_counties_national.txt"
PLACE_PEOPLE = SOURCES / "acs5-2023-B01003-place.json"
COUSUB_PEOPLE = SOURCES / "acs5-2023-B01003-county-subdivision.json"
# Municipalities incorporated after the population table's years, each with the census
# designated places it took in whole (see new_municipality_people).
NEW_MUNICIPALITIES = pathlib.Path(__file__).resolve().parent / "new_municipalities.csv"
PEOPLE_COLUMN = "B01003_001E"

# The states whose towns and townships are general-purpose governments that cover the whole
# state (the Census Bureau's strong-MCD states): there a place lies in one of them, and a census
# designated place is a community of its town or township (Colonial Park of Lower Paxton).
STRONG_MCD_STATES = {"CT", "ME", "MA", "MI", "MN", "NH", "NJ", "NY", "PA", "RI", "VT", "WI"}
# Census designated places (57) and Puerto Rico's comunidades (55) and zonas urbanas (62) are
# statistical; Puerto Rico's municipalities are its municipios.
STATISTICAL_LSAD = {"57", "55", "62"}
CDP_LSAD = "57"
# Legal descriptions that follow a name in the tables, longest first: a town is shown by its
# own name ("Lower Paxton", not "Lower Paxton township").
DESCRIPTIONS = ("city and borough", "charter township", "township", "plantation", "city",
                "town", "village", "borough", "municipality", "corporation", "CDP", "Municipio")
# Consolidated governments, shown by the city's own name: "Nashville-Davidson metropolitan
# government (balance)" is Nashville, "Louisville/Jefferson County metro government (balance)"
# Louisville, "Macon-Bibb County" Macon.
CONSOLIDATED = re.compile(r"government|\(balance\)|urban county|[-/][\w ]* County\b")
# How a town or township is named where a city, borough or village of its state has its name.
MCD_FORMS = {"township": "{} Township", "charter township": "{} Township", "town": "Town of {}",
             "plantation": "{} Plantation"}
# A township named by one such word is no place name without its status (Lower Township, Cape
# May County).
BARE_WORDS = {"Lower", "Upper", "Middle"}
# Names the tables write otherwise than people and the rate centres do.
CENSUS_NAMES = {("Urban Honolulu", "HI"): "Honolulu", ("Boise City", "ID"): "Boise",
                ("St. Paul", "MN"): "Saint Paul"}
# Massachusetts cities that kept "Town" in their legal names (Winthrop Town city) are known by
# the name alone.
TOWN_CITY = re.compile(r" Town$")
# Neighbourhoods of New York City and the District of Columbia stay with the gazetteer, whose
# boroughs the city's codes list.
GAZETTEER_COUNTIES = {"36005", "36047", "36061", "36081", "36085"}
GAZETTEER_REGIONS = {"DC"}
# A point lies in the unit whose internal point is nearest, counted in units of the unit's own
# radius (that of a disc of its land area), when at most this many radii away.
HOLDS = 1.5
# Towns and townships tile their states, in shapes that a disc fits badly (Oyster Bay runs
# across Long Island): there the nearest internal point counts, less so for a large town
# (distances in units of the root of the radius), at most TOWN_REACH of those away.
TOWN_EXPONENT = 0.5
TOWN_REACH = 10
SQUARE_MILE_KM2 = 2.589988
# A place's county is that of the county subdivision that holds its internal point, looked for
# this many radii out (county subdivisions cover the country).
COUNTY_REACH = 4


class Unit:
    """One census unit: GEOID, shown name, legal description, state, county, position, land
    radius and people."""

    __slots__ = ("geoid", "name", "kind", "state", "county", "lat", "lon", "radius", "people",
                 "status")

    def __init__(self, row, people):
        self.geoid, self.status = row["GEOID"], row.get("FUNCSTAT", "")
        self.state = row["USPS"]
        self.name, self.kind = shown_name(row["NAME"], self.state)
        self.county = self.geoid[2:5] if len(self.geoid) == 10 else ""
        self.lat, self.lon = float(row["INTPTLAT"]), float(row["INTPTLONG"])
        area = float(row["ALAND_SQMI"] or 0) * SQUARE_MILE_KM2
        self.radius = max(math.sqrt(area / math.pi), 0.5)
        self.people = people.get(self.geoid, 0)

    def __repr__(self):
        return f"{self.name} {self.kind} ({self.state} {self.geoid}, {self.people})"


def shown_name(census_name, state):
    """(name, legal description) of a census name: 'Lower Paxton township' is ('Lower Paxton',
    'township'); 'Nashville-Davidson metropolitan government (balance)' is ('Nashville',
    'city')."""
    if CONSOLIDATED.search(census_name) and not census_name.endswith(" CDP"):
        return re.split(r"[-/,]| County| city| unified| consolidated", census_name)[0], "city"
    for description in DESCRIPTIONS:
        if census_name.endswith(" " + description):
            name = census_name[:-len(description) - 1]
            if state == "MA" and description == "city":
                name = TOWN_CITY.sub("", name)
            return CENSUS_NAMES.get((name, state), name), description
    for description in ("Zona Urbana", "Comunidad"):
        if census_name.endswith(" " + description):
            return census_name[:-len(description) - 1], description.lower()
    return census_name, ""


def read_gazetteer(path):
    with open(path, encoding="utf-8") as source:
        header = source.readline().rstrip("\n").split("|")
        return [dict(zip(header, line.rstrip("\n").split("|"))) for line in source if line.strip()]


def read_people(path, geoid):
    """{GEOID: people} of a population table as the Census Data API returns it."""
    with open(path, encoding="utf-8") as source:
        rows = json.load(source)
    column = rows[0].index(PEOPLE_COLUMN)
    found = {}
    for row in rows[1:]:
        people = int(row[column] or 0)
        found[geoid(row)] = max(people, 0)
    return found


class Holders:
    """The units of each state, to find the one that holds a point: the least distance counted
    in units of the unit's radius raised to `exponent` (see HOLDS)."""

    def __init__(self, units, exponent=1.0):
        self.exponent = exponent
        by_state = collections.defaultdict(list)
        for unit in units:
            by_state[unit.state].append(unit)
        self.by_state = {}
        for state, found in by_state.items():
            found.sort(key=lambda unit: unit.lat)
            self.by_state[state] = ([unit.lat for unit in found], found,
                                    max(unit.radius for unit in found) ** exponent)

    def holder(self, state, lat, lon, reach=HOLDS, county=""):
        """The unit of a state (and of the county, where given) that holds a point, at most
        `reach` away; None where no unit is that near."""
        if state not in self.by_state:
            return None
        lats, found, widest = self.by_state[state]
        # A degree of latitude is 111 km: only units within the widest reach can hold it.
        window = widest * reach / 111
        best, best_ratio = None, reach
        for unit in found[bisect.bisect_left(lats, lat - window):
                          bisect.bisect_right(lats, lat + window)]:
            scale = unit.radius ** self.exponent
            if abs(unit.lat - lat) * 111 > scale * best_ratio or \
                    (county and unit_county(unit) != county):
                continue
            ratio = distance_km((lat, lon), (unit.lat, unit.lon)) / scale
            if ratio <= best_ratio:
                best, best_ratio = unit, ratio
        return best


class LocalityHolders:
    """The municipality that holds a community of a US county: in the strong-MCD states its town
    or township, or the city or borough beside them (a village lies inside a town, and is
    matched by its own name); elsewhere the city or census designated place round it, if any."""

    def __init__(self, units):
        self.towns = Holders([unit for unit in units if unit.state in STRONG_MCD_STATES and
                              unit.kind != "village"], exponent=TOWN_EXPONENT)
        self.places = Holders([unit for unit in units if unit.state not in STRONG_MCD_STATES])

    def holder(self, state, county, lat, lon):
        if state in STRONG_MCD_STATES:
            return self.towns.holder(state, lat, lon, reach=TOWN_REACH, county=county)
        return self.places.holder(state, lat, lon, county=county)


def distance_km(a, b):
    lat1, lon1, lat2, lon2 = map(math.radians, (a[0], a[1], b[0], b[1]))
    h = (math.sin((lat2 - lat1) / 2) ** 2 +
         math.cos(lat1) * math.cos(lat2) * math.sin((lon2 - lon1) / 2) ** 2)
    return 6371 * 2 * math.asin(math.sqrt(min(1.0, h)))


def municipalities():
    """(municipalities, communities): the US municipalities as Units, each with its county; and
    the census designated places of the strong-MCD states, communities of their towns and
    townships."""
    place_people = read_people(PLACE_PEOPLE, lambda row: row[-2] + row[-1])
    cousub_people = read_people(COUSUB_PEOPLE, lambda row: row[-3] + row[-2] + row[-1])
    place_rows, cousub_rows = read_gazetteer(PLACE_GAZETTEER), read_gazetteer(COUSUB_GAZETTEER)
    renamed = renamed_people(place_rows, cousub_rows)
    place_people.update(new_municipality_people(place_people, place_rows))
    for rows, people in ((place_rows, place_people), (cousub_rows, cousub_people)):
        for row in rows:
            if row["GEOID"] not in people:
                people[row["GEOID"]] = renamed.get(renamed_key(row["USPS"], row["NAME"]), 0)
    cousubs = [Unit(row, cousub_people) for row in cousub_rows]
    by_cousub = Holders(cousubs)
    governing = {unit.geoid: unit for unit in cousubs
                 if unit.state in STRONG_MCD_STATES and unit.status == "A"}
    found = [unit for unit in governing.values() if unit.state != "PR"]
    communities = []
    for row in place_rows:
        # A consolidated city's balance (the city less the towns that kept their own government)
        # is the city as people know it; other fictitious entries fill the census hierarchy.
        if row["USPS"] == "PR" or (row["FUNCSTAT"] == "F" and "(balance)" not in row["NAME"]):
            continue
        unit = Unit(row, place_people)
        holder = by_cousub.holder(unit.state, unit.lat, unit.lon, reach=COUNTY_REACH)
        unit.county = holder.county if holder else ""
        if row["LSAD"] in STATISTICAL_LSAD and (row["LSAD"] != CDP_LSAD or
                                                 (holder and holder.geoid in governing)):
            if row["LSAD"] == CDP_LSAD:
                communities.append(unit)
            continue
        found.append(unit)
    found.extend(municipios(cousub_people))
    told_apart(found)
    return [unit for unit in found if unit.state not in GAZETTEER_REGIONS and
            unit_county(unit) not in GAZETTEER_COUNTIES], communities


def renamed_people(place_rows, cousub_rows):
    """{(state, name key): people} of the population rows whose GEOID neither gazetteer has: a
    unit renamed or recoded between the two vintages (Methuen Town city, 2540710, is the
    gazetteer's Methuen city, 2540675; Mount Lebanon township became a place, Mount Lebanon
    municipality). Keys that two figures share are left out."""
    known = {row["GEOID"] for row in place_rows + cousub_rows}
    states = {row["GEOID"][:2]: row["USPS"] for row in place_rows + cousub_rows}
    figures = collections.defaultdict(set)
    for path, geoid in ((PLACE_PEOPLE, lambda row: row[-2] + row[-1]),
                        (COUSUB_PEOPLE, lambda row: row[-3] + row[-2] + row[-1])):
        with open(path, encoding="utf-8") as source:
            rows = json.load(source)
        column = rows[0].index(PEOPLE_COLUMN)
        for row in rows[1:]:
            if geoid(row) not in known and geoid(row)[:2] in states:
                key = renamed_key(states[geoid(row)[:2]], row[0].split(",")[0])
                figures[key].add(max(int(row[column] or 0), 0))
    return {key: found.pop() for key, found in figures.items() if len(found) == 1}


def new_municipality_people(place_people, place_rows):
    """{GEOID: people} of the municipalities incorporated after the population table's years
    (St. George, Louisiana, 2024), which it has no figure of: the sum of its figures of the
    census designated places that each took in whole. That counts the people of those places
    only, so it is at most the municipality's; a CDP still in the gazetteer was not taken in."""
    live = {row["GEOID"] for row in place_rows}
    found = {}
    with open(NEW_MUNICIPALITIES, encoding="utf-8", newline="") as source:
        for row in csv.DictReader(source):
            parts = row["census_designated_places"].split()
            if row["geoid"] in place_people or row["geoid"] not in live or \
                    any(part in live or part not in place_people for part in parts):
                raise ValueError(f"{NEW_MUNICIPALITIES.name}: {row['name']} is no new "
                                 f"municipality of the gazetteer made of CDPs it lost")
            found[row["geoid"]] = sum(place_people[part] for part in parts)
    return found


def renamed_key(state, census_name):
    return state, name_key(shown_name(census_name, state)[0])


def told_apart(units):
    """Names a town or township by its status where a city, borough or village of its state
    bears the same name: "Lancaster Township" beside Lancaster, "Town of Hempstead" beside the
    village of Hempstead; and where its name is no place name alone ("Lower Township")."""
    incorporated = {(unit.state, name_key(unit.name)) for unit in units
                    if not county_subdivision(unit)}
    for unit in units:
        if county_subdivision(unit) and unit.kind in MCD_FORMS and \
                ((unit.state, name_key(unit.name)) in incorporated or unit.name in BARE_WORDS):
            unit.name = MCD_FORMS[unit.kind].format(unit.name)


def county_subdivision(unit):
    """Whether a unit is a county subdivision (a town or township; its GEOID has ten digits),
    not a place (an incorporated town of Indiana is a place)."""
    return len(unit.geoid) == 10


def bare_name(name):
    """A municipality's name without the status that tells it apart: "Town of Hempstead" and
    "Lancaster Township" are Hempstead and Lancaster."""
    return re.sub(r"^Town of | Township$| Plantation$", "", name)


def name_key(name):
    return re.sub(r"[^a-z0-9]+", " ", name.lower()).strip()


def unit_county(unit):
    return unit.geoid[:2] + unit.county


def municipios(cousub_people):
    """Puerto Rico's municipios, each with the people of its barrios."""
    people = collections.Counter()
    for geoid, number in cousub_people.items():
        if geoid.startswith("72"):
            people[geoid[:5]] += number
    found = []
    for row in read_gazetteer(COUNTY_GAZETTEER):
        if row["USPS"] == "PR":
            unit = Unit(row, people)
            unit.county = unit.geoid[2:5]
            found.append(unit)
    return found
