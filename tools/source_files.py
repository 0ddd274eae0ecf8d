# SPDX-License-Identifier: Apache-2.0
# Readers of the committed sources under tools/sources/: the NPA report, the geocoding file and
# the GeoNames place extract.

import bisect
import collections
import csv
import math
import pathlib

import canadian_places
import census_places
import place_names
import places
import regions

SOURCES = pathlib.Path(__file__).resolve().parent / "sources"
REPORT = SOURCES / "nanpa-npa-report-2025-11-26.csv"
GEOCODING = SOURCES / "libphonenumber-9.0.35-geocoding-en-1.txt"
PLACES = SOURCES / "geonames-places.tsv"

# Known errors of the geocoding file.
GEOCODING_FIXES = {"British Colombia": "British Columbia"}
# Errors of the GeoNames extract: (name, country, admin1, population) -> corrected fields.
PLACE_FIXES = {
    # The time-zone database links Coral Harbour's own zone to Atikokan's; the place keeps it,
    # which names Southampton Island (Nunavut), not Atikokan (Ontario), in a code's text.
    ("Coral Harbour", "CA", "14", "0"): {"zone": "America/Coral_Harbour"},
    # Jackson Township (Ocean County, 54,856 people) sits in GeoNames at a spot in Camden County.
    ("Jackson", "US", "NJ", "54856"): {"admin2": "029", "lat": "40.1060", "lon": "-74.3600"},
    # Voorhees Township (Camden County, 29,131 people) sits in GeoNames at a spot in Somerset
    # County, among 908's towns.
    ("Voorhees", "US", "NJ", "29131"): {"admin2": "007", "lat": "39.8430", "lon": "-74.9550"},
    # Consolidated city-counties, which GeoNames gives the old city's figure (US Census 2010:
    # Augusta-Richmond County consolidated government, and Louisville/Jefferson County metro
    # government, each without the towns that kept their own government).
    ("Augusta", "US", "GA", "43459"): {"population": "195844"},
    ("Louisville", "US", "KY", "243639"): {"population": "597337"},
    # Neighbourhoods that GeoNames gives a figure near their city's own: not towns of that size.
    ("East Chattanooga", "US", "TN", "154024"): {"population": "0"},
    ("West Lynchburg", "US", "VA", "65517"): {"population": "0"},
    ("East Florence", "US", "AL", "35733"): {"population": "0"},
    # Second entries of one place under another name (US Census 2020 place names): the City of
    # Marco Island, the Town of Hilton Head Island, the City of Agoura Hills, and Lealman, the
    # census-designated place called West and East Lealman until 2010; and Derry (New Hampshire),
    # a town of 34,317 (US Census 2020), whose figure GeoNames gives its Derry Village and gives
    # the town the figure of the village's census-designated place.
    ("Marco", "US", "FL", "14879"): {"population": "0"},
    ("Hilton Head", "US", "SC", "37099"): {"population": "0"},
    ("Agoura", "US", "CA", "20537"): {"population": "0"},
    ("West and East Lealman", "US", "FL", "21924"): {"population": "0"},
    ("Derry Village", "US", "NH", "34539"): {"population": "0"},
    ("Derry", "US", "NH", "22015"): {"population": "34317"},
    # Figures GeoNames gives a place that is not a town of that size: Lutes Mountain, a rural
    # community of Moncton parish (Statistics Canada 2021 counts no such municipality); a village
    # of Clearfield County given the figure of York County's Shiloh (11,218); and two points in
    # Mauricie given the figures of Laurentides, merged into Saint-Lin-Laurentides in 2000, and
    # of Sainte-Catherine in Montérégie (Commission de toponymie du Québec).
    ("Lutes Mountain", "CA", "04", "16311"): {"population": "0"},
    ("Shiloh", "US", "PA", "11217"): {"population": "0"},
    ("Laurentides", "CA", "10", "12710"): {"population": "0"},
    ("Sainte-Catherine", "CA", "10", "16211"): {"population": "0"},
    # The Dominican Republic's municipalities by the X Censo Nacional de Población y Vivienda
    # 2022 (Oficina Nacional de Estadística, primary report): the Distrito Nacional is the city
    # of Santo Domingo (GeoNames gives the metro area's figure); Santo Domingo Oeste no longer
    # holds Los Alcarrizos; Higüey holds Punta Cana, a locality of its municipal district
    # Verón-Punta Cana, which is no town of its own.
    ("Santo Domingo", "DO", "34", "2201941"): {"population": "1029110"},
    ("Santo Domingo Este", "DO", "37", "700000"): {"population": "1029117"},
    ("Santo Domingo Oeste", "DO", "37", "701269"): {"population": "410578"},
    ("Boca Chica", "DO", "37", "46300"): {"population": "167040"},
    ("Salvaleón de Higüey", "DO", "10", "123787"): {"population": "415084"},
    ("Punta Cana", "DO", "10", "100023"): {"population": "0"},
    # Half Way Tree, Constant Spring and Stony Hill, parts of Kingston's St. Andrew (Kingston and
    # St. Andrew Municipal Corporation), which GeoNames lists as towns.
    ("Half Way Tree", "JM", "08", "18552"): {"population": "0"},
    ("Constant Spring", "JM", "08", "12830"): {"population": "0"},
    ("Stony Hill", "JM", "08", "8551"): {"population": "0"},
    # Saanich, a district municipality, which GeoNames gives no feature code (its figure is
    # Statistics Canada's, as for every Canadian municipality: canadian_places.py).
    ("Saanich", "CA", "02", "0"): {"feature": "PPL"},
    # Municipalities that GeoNames gives no figure, ranked below villages: US Census 2020 (towns
    # and townships).
    ("Brick", "US", "NJ", "0"): {"population": "73620"},
    ("Middletown", "US", "NJ", "0"): {"population": "67106"},
    ("Bensalem", "US", "PA", "0"): {"population": "62707"},
    ("Abington", "US", "PA", "0"): {"population": "58502"},
    ("Southington", "US", "CT", "0"): {"population": "43501"},
    ("Hillsborough", "US", "NJ", "0"): {"population": "43276"},
    ("Clifton Park", "US", "NY", "0"): {"population": "38029"},
    ("Bloomfield", "US", "CT", "0"): {"population": "21535"},
}
# A municipality's town centre lies within this many radii (of a disc of its land area) of its
# census internal point.
TOWN_CENTRE_REACH = 1.5
# Municipalities that GeoNames lacks: beside a city of their name (each at its municipal hall,
# filed under its census subdivision code; its name and figure are Statistics Canada's), the
# Township of Langley (Murrayville) and the District of North Vancouver; and Santo Domingo Norte.
PLACE_ADDITIONS = [
    ["Township of Langley", "CA", "02", "5915001", "49.08333", "-122.61667", "0", "PPL",
     "America/Vancouver"],
    ["District of North Vancouver", "CA", "02", "5915046", "49.32000", "-123.07300", "0", "PPL",
     "America/Vancouver"],
    # Santo Domingo Norte, a municipality of Santo Domingo province north of the Isabela (Ley
    # 163-01), at its seat Villa Mella, and Los Alcarrizos and Pedro Brand, municipalities of that
    # province since 2005, with the X Censo 2022's counts (see above).
    ["Santo Domingo Norte", "DO", "37", "3203", "18.55000", "-69.90000", "674274", "PPL",
     "America/Santo_Domingo"],
    ["Los Alcarrizos", "DO", "37", "3205", "18.51667", "-70.01667", "336307", "PPL",
     "America/Santo_Domingo"],
    ["Pedro Brand", "DO", "37", "3206", "18.56667", "-70.08333", "92973", "PPL",
     "America/Santo_Domingo"],
]
# The first digit of an exchange (NXX) is 2 to 9.
EXCHANGES = [f"{n}" for n in range(200, 1000)]


def read_report(path=REPORT):
    """The report's rows by code (int). Its first line is the file date, then the header."""
    with open(path, encoding="utf-8-sig", newline="") as source:
        lines = source.read().splitlines()
    rows = csv.DictReader(lines[1:])
    return {int(row["NPA_ID"]): {k: (v or "").strip() for k, v in row.items() if k}
            for row in rows}


def read_geocoding(path=GEOCODING):
    """For each code (int): its code-wide description (the 4-digit line), and the number of
    exchanges that each description covers. A 5-, 6- or 7-digit prefix covers every exchange
    that begins with its digits and that no longer prefix claims."""
    whole = {}
    prefixes = collections.defaultdict(dict)
    with open(path, encoding="utf-8") as source:
        for line in source:
            line = line.strip()
            if not line or line.startswith("#") or "|" not in line:
                continue
            prefix, description = line.split("|", 1)
            description = GEOCODING_FIXES.get(description, description)
            code = int(prefix[1:4])
            if len(prefix) == 4:
                whole[code] = description
            else:
                prefixes[code][prefix[4:]] = description
    exchanges = {}
    for code, by_prefix in prefixes.items():
        counts = collections.Counter()
        for exchange in EXCHANGES:
            for length in (3, 2, 1):
                description = by_prefix.get(exchange[:length])
                if description is not None:
                    counts[description] += 1
                    break
        exchanges[code] = counts
    return whole, exchanges


class GazetteerPlace:
    """One populated place: a municipality of the census tables, or a place of the GeoNames
    extract. `kind` is a census municipality's legal description ("township"); `holder` the
    municipality that holds a GeoNames locality of the US (Colonial Park: Lower Paxton), which
    is no town of its own."""

    __slots__ = ("name", "country", "admin1", "admin2", "lat", "lon", "population", "feature",
                 "zone", "region", "county", "kind", "holder", "locality", "municipal")

    def __init__(self, fields, kind=""):
        (self.name, self.country, self.admin1, self.admin2, lat, lon, population, self.feature,
         self.zone) = fields
        self.lat, self.lon, self.population = float(lat), float(lon), int(population)
        self.region = regions.region_of_place(self.country, self.admin1)
        self.county = regions.county_code(self.country, self.admin1, self.admin2)
        self.kind, self.holder, self.locality, self.municipal = kind, None, False, False

    def __repr__(self):
        return f"{self.name} ({self.region}, {self.population})"


def read_gazetteer_places(path=PLACES):
    """The places of the GeoNames extract, in its order."""
    places = []
    with open(path, encoding="utf-8") as source:
        for line in source:
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            # A name keeps no source punctuation: GeoNames writes Ta'u's glottal stop as "`".
            fields[0] = place_names.without_status(fields[0]).replace("`", "'")
            fix = PLACE_FIXES.get((fields[0], fields[1], fields[2], fields[6]), {})
            for index, key in ((3, "admin2"), (4, "lat"), (5, "lon"), (6, "population"),
                               (7, "feature"), (8, "zone")):
                fields[index] = fix.get(key, fields[index])
            places.append(GazetteerPlace(fields))
    return places + [GazetteerPlace(list(fields)) for fields in PLACE_ADDITIONS]


def read_places(path=PLACES):
    """The places: the US municipalities of the census tables (Puerto Rico's municipios
    included), and the GeoNames places of Canada, the territories and the Caribbean, and of New
    York City and Washington. The GeoNames places of the rest of the US, and the census
    designated places of the strong-MCD states, follow as localities, without a figure, each
    with the municipality that holds it (see census_places.LocalityHolders)."""
    gazetteer = read_gazetteer_places(path)
    gazetteer += canadian_places.as_municipalities(
        gazetteer, lambda name, region: places.SHOWN_NAMES.get((name, region), name))
    units, communities = census_places.municipalities()
    zones = NearestZone(gazetteer)
    municipal = [GazetteerPlace(unit_fields(unit, zones.zone(unit)), unit.kind) for unit in units]
    centre_at_town(municipal, units, gazetteer)
    holders = census_places.LocalityHolders(units)
    by_unit = {id(unit): place for unit, place in zip(units, municipal)}
    by_name = {(place.region, place_names.name_key(place.name)): place for place in municipal}
    kept, localities = [], []
    census_communities = [GazetteerPlace(unit_fields(unit, "")) for unit in communities]
    for place in gazetteer + census_communities:
        if not replaced(place):
            kept.append(place)
            continue
        unit = holders.holder(place.region if place.country == "US" else "PR", place.county,
                              place.lat, place.lon)
        place.holder, place.locality, place.population = by_unit.get(id(unit)), True, 0
        # The cities' own lists of their parts come before a guess from positions (Maryvale
        # borders Glendale, though it is Phoenix's).
        known = places.known_as(place.name, place.region)[0]
        if known != place.name:
            place.holder = by_name.get((place.region, place_names.name_key(known)), place.holder)
        localities.append(place)
    return kept + municipal + localities


def centre_at_town(municipal, units, gazetteer):
    """Puts each municipality at its town centre, the GeoNames place of its name within it, and
    in that place's county: where its exchanges are (a census internal point lies anywhere in
    the land; Wickenburg's lies in Yavapai County, though the town is Maricopa County's)."""
    by_name = collections.defaultdict(list)
    for place in gazetteer:
        if place.country in ("US", "PR"):
            by_name[(place.region, place_names.name_key(place.name))].append(place)
    for place, unit in zip(municipal, units):
        key = (place.region, place_names.name_key(census_places.bare_name(place.name)))
        near = [other for other in by_name.get(key, ())
                if census_places.distance_km((place.lat, place.lon), (other.lat, other.lon))
                <= TOWN_CENTRE_REACH * unit.radius]
        if near:
            centre = min(near, key=lambda other: census_places.distance_km(
                (place.lat, place.lon), (other.lat, other.lon)))
            place.lat, place.lon = centre.lat, centre.lon
            if centre.county and place.country == "US":
                place.county = centre.county


def replaced(place):
    """Whether the census tables hold a GeoNames place's municipality: the US but New York
    City and Washington, and Puerto Rico."""
    if place.country == "PR":
        return True
    return place.country == "US" and place.region not in census_places.GAZETTEER_REGIONS and \
        place.county not in census_places.GAZETTEER_COUNTIES


def unit_fields(unit, zone):
    """A census unit as the fields of a gazetteer line; Puerto Rico's municipios as GeoNames
    files them (the municipio as the first-level division)."""
    if unit.state == "PR":
        return [unit.name, "PR", unit.county, "", unit.lat, unit.lon, unit.people, "PPLA", zone]
    return [unit.name, "US", unit.state, unit.county, unit.lat, unit.lon, unit.people, "PPL", zone]


class NearestZone:
    """The time zone of the nearest GeoNames place of the same region (the extract carries the
    zone of each place's position)."""

    def __init__(self, places):
        self.by_region = collections.defaultdict(list)
        for place in places:
            if place.zone:
                self.by_region[place.region].append(place)
        for found in self.by_region.values():
            found.sort(key=lambda place: place.lat)
        self.lats = {region: [p.lat for p in found] for region, found in self.by_region.items()}

    def zone(self, unit):
        region = "PR" if unit.state == "PR" else unit.state
        found, lats = self.by_region.get(region, []), self.lats.get(region, [])
        for window in (0.2, 1, 5, 90):
            near = found[bisect.bisect_left(lats, unit.lat - window):
                         bisect.bisect_right(lats, unit.lat + window)]
            if near:
                return min(near, key=lambda p: (p.lat - unit.lat) ** 2 + (
                    (p.lon - unit.lon) * math.cos(math.radians(unit.lat))) ** 2).zone
        return ""
