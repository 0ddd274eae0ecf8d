# SPDX-License-Identifier: Apache-2.0
# Towns and cities that no exchange names, placed by their position on the codes of the rate
# centres nearest to them: Fishers, whose exchanges carry Indianapolis' and its neighbours' names.

import collections
import math

import place_names
import places as place_lists

# Places of this many people or more are placed by their position.
MIN_POPULATION = 10000
# Municipalities carry the census' counts of the whole municipality (Canada's census
# subdivisions, the US's incorporated places and governing towns), so smaller ones are placed
# too: Hampstead (7,037), a town of Montréal's island that no exchange names; Mission (9,928)
# beside Overland Park; Bel Aire (8,654) beside Wichita. A census designated place is a
# statistical area, placed from MIN_POPULATION.
MIN_MUNICIPAL_POPULATION = 5000
# GeoNames features of towns and cities; sections (PPLX), localities (PPLL) and abandoned or
# historical places are left to the places that hold them.
TOWN_FEATURES = {"PPL", "PPLA", "PPLA2", "PPLA3", "PPLA4", "PPLC", "PPLG"}
# The rate centres near a place: the nearest, and those at most this much farther (a factor and
# a few km), whose codes share the place by their exchanges.
NEAR_FACTOR = 1.2
NEAR_SLACK_KM = 2
# The rate centres of a place's own county share it by their plain distance, but a large one
# serves a wide ring round it beyond its county too: St. Louis, a county of its own whose 137
# exchanges serve Kirkwood and Webster Groves in St. Louis County, 15 to 19 km out, though 636's
# small Fenton lies nearer. From another county's place, distances are counted to the edge of a
# disc round each large rate centre, of RADIUS_KM times the root of its exchanges beyond the first
# SMALL (the area it serves grows with their number; a town's rate centre is a point), reaching at
# most CAP of the way to the nearest rate centre of another code (San Francisco's does not swallow
# the towns beside Oakland), and a place within REACH_FACTOR of the radius may take it.
RADIUS_KM = 1.5
CAP = 0.6
REACH_FACTOR = 1.5
SMALL = 30
# A rate centre named after a part of a city (Van Nuys, North York) lies where that part does,
# when the gazetteer has one place of the name within this distance of the city.
PART_KM = 40
# GeoNames gives some parts of a place the whole place's population: "North Stamford" (121,230)
# beside Stamford, "Metairie Terrace" beside Metairie. A name that holds the name of a place
# within COPY_KM whose figure is within COPY_RATIO of its own is such a part, as is a place
# whose figure another place of its region within COPY_KM repeats to the person.
COPY_KM = 30
COPY_RATIO = 0.1
# GeoNames lists some US places twice: under the census name of two places joined (Oxon
# Hill-Glassmanor, Suitland-Silver Hill) beside the current one of either part (Oxon Hill,
# Suitland). A US town whose hyphened name has a part that is the name of a place of its county
# within this distance is that place. (Other second names are corrected in source_files.py.)
TWIN_KM = 8
# New York City's counties, whose neighbourhoods GeoNames lists as towns: the city's codes
# list its boroughs.
NEW_YORK_CITY_COUNTIES = {"36005", "36047", "36061", "36081", "36085"}
NEW_YORK_CITY = ("New York City", "NY")


class RateCentres:
    """The positions of the rate centres of a region, each with its exchanges by code."""

    def __init__(self):
        self.by_region = collections.defaultdict(dict)
        self._radius = {}

    def add(self, place, code, exchanges):
        spots = self.by_region[place.region]
        spot = spots.setdefault((place.lat, place.lon), (place, collections.Counter()))
        spot[1][code] += exchanges
        self._radius.clear()

    def radius(self, region, spot, skip=None):
        """The radius of the disc a rate centre serves (see radius_km), at most CAP of the way
        to the nearest rate centre of another code (leaving out the spot `skip`)."""
        key = (region, spot)
        if key not in self._radius:
            spots = self.by_region[region]
            code, own = top_code(spots[spot][1]), radius_km(spots[spot][1])
            # Only rate centres within own / CAP can bind the disc; a degree of latitude is
            # 111 km, which rules most out without a distance.
            window = own / CAP
            others = sorted((place_lists.distance_km(spot, there), there) for there, (_, counts)
                            in spots.items() if abs(there[0] - spot[0]) * 111 <= window and
                            top_code(counts) != code)
            self._radius[key] = (own, [(away, there) for away, there in others[:2]
                                       if away <= window])
        own, others = self._radius[key]
        other = next((away for away, there in others if there != skip), math.inf)
        return min(own, CAP * other)

    def edge(self, place, spot, away, skip):
        """The distance from a place to a rate centre's disc; within its own county, to the
        rate centre itself, since a county's rate centres share it among them."""
        if self.by_region[place.region][spot][0].county == place.county:
            return away
        return max(away - self.radius(place.region, spot, skip), 0)

    def nearest(self, place, skip=None):
        """The exchanges by code of the rate centres nearest to a place (leaving out the spot
        `skip`), by the distance to the edge of their discs (see RADIUS_KM): those of its own
        county or whose disc reaches it where one lies there, else of its state or province.
        An empty count where its region has none."""
        here = (place.lat, place.lon)
        spots = self.by_region.get(place.region, {})
        away = {spot: place_lists.distance_km(here, spot) for spot in spots if spot != skip}
        same_county = [spot for spot in away if place.county and
                       (spots[spot][0].county == place.county or
                        away[spot] <= REACH_FACTOR * self.radius(place.region, spot, skip))]
        found = sorted((self.edge(place, spot, away[spot], skip), spot)
                       for spot in same_county or away)
        counts = collections.Counter()
        if not found:
            return counts
        # Those near it by both measures: a large city's disc edge near a town beside a small
        # rate centre does not share the town (Los Angeles' with Monterey Park, Alhambra's).
        reach = found[0][0] * NEAR_FACTOR + NEAR_SLACK_KM
        plain_reach = away[found[0][1]] * NEAR_FACTOR + NEAR_SLACK_KM
        for edge, spot in found:
            if edge > reach:
                break
            if away[spot] <= plain_reach:
                counts.update(spots[spot][1])
        return counts

    def agreement(self, same_service):
        """(agreed, tried): of the rate centres of MIN_POPULATION people or more, how many the
        nearest other rate centres place on the code that holds most of their own exchanges,
        or on one that overlays it (`same_service(a, b)`)."""
        agreed = tried = 0
        for spots in self.by_region.values():
            for spot, (place, counts) in sorted(spots.items()):
                if place.population < MIN_POPULATION:
                    continue
                guess = self.nearest(place, skip=spot)
                if not guess:
                    continue
                tried += 1
                agreed += same_service(top_code(guess), top_code(counts))
        return agreed, tried


def radius_km(counts):
    """The radius of the disc a rate centre of these exchanges (by code) serves: none for a
    small one."""
    return RADIUS_KM * math.sqrt(max(sum(counts.values()) - SMALL, 0))


def top_code(counts):
    return min(counts, key=lambda code: (-counts[code], code))


def share(counts, codes):
    """The part of the exchanges `counts` (by code) that `codes` hold."""
    total = sum(counts.values())
    return sum(n for code, n in counts.items() if code in codes) / total if total else 0.0


def unnamed_towns(places, named, rate_centre_keys):
    """The places to place by position: towns of MIN_POPULATION or more that no rate centre of
    their region names (a US municipality: that no rate centre was matched to) or was matched
    to (`named`: ids of matched places; `rate_centre_keys`: (name key, region) of every rate
    centre), that are no part of a merged city (they are known by another name), no New York
    City neighbourhood, and carry no figure copied from a neighbour."""
    large = [p for p in places if p.country in ("US", "CA") and p.feature in TOWN_FEATURES
             and p.population >= (MIN_MUNICIPAL_POPULATION if municipality(p) else MIN_POPULATION)]
    by_region = collections.defaultdict(list)
    for place in places:
        if place.population >= MIN_POPULATION:
            by_region[place.region].append(place)
    provinces = province_codes(places)
    found = []
    for place in large:
        key = place_names.name_key(place.name)
        # A US municipality whose name a rate centre bears that a namesake took (the village
        # of Superior beside the city, Milton's hamlet in Ulster County for the Town of Milton
        # in Saratoga County) is placed by its position all the same.
        rate_centre_named = (key, place.region) in rate_centre_keys and \
            place.kind in ("", "CDP")
        if id(place) in named or rate_centre_named or \
                misfiled(place, provinces) or part_of_a_city(place):
            continue
        # Census municipalities carry their own figures and names; the gazetteer's may not.
        if place.kind or not copied_figure(place, key, by_region[place.region]):
            found.append(place)
    by_county = collections.defaultdict(list)
    for other in places:
        if id(other) in named:
            by_county[(other.region, other.county)].append(other)
    for other in found:
        by_county[(other.region, other.county)].append(other)
    return [place for place in found if not twin(place, by_county[(place.region, place.county)])]


def municipality(place):
    """Whether a place is a municipality with the census count of the whole of it: a Canadian
    census subdivision, or a US incorporated place or governing town (not a census designated
    place)."""
    return place.municipal or place.kind not in ("", "CDP")


def twin(place, neighbours):
    """Whether a town to place is another place under a joined census name (see TWIN_KM), of
    its county's `neighbours` (the places that rate centres name, and the towns to place)."""
    parts = place.name.split("-")
    if place.country != "US" or len(parts) < 2 or place.kind:
        return False
    keys = {place_names.name_key(part) for part in parts}
    return any(other is not place and place_names.name_key(other.name) in keys and
               place_lists.distance_km((place.lat, place.lon), (other.lat, other.lon)) <= TWIN_KM
               for other in neighbours)


def part_of_a_city(place):
    """Whether a place is a part of a merged city (known by the city's name), of New York or of
    Washington, which is the whole District of Columbia."""
    return place_lists.known_as(place.name, place.region)[0] != place.name or \
        place.county in NEW_YORK_CITY_COUNTIES or (place.name, place.region) == NEW_YORK_CITY or \
        place.region == "DC"


def province_codes(places):
    """The two leading digits of the census division codes that most places of each Canadian
    province carry (its Standard Geographical Classification code)."""
    seen = collections.defaultdict(collections.Counter)
    for place in places:
        if place.country == "CA" and len(place.county) >= 4:
            seen[place.region][place.county[:2]] += 1
    return {region: top_code(counts) for region, counts in seen.items()}


def misfiled(place, provinces):
    """Whether a Canadian place's census division lies in another province than the one it is
    filed in (GeoNames files a Fallingbrook of Ottawa's division in Prince Edward Island)."""
    return place.country == "CA" and len(place.county) >= 4 and \
        provinces.get(place.region) not in (None, place.county[:2])


def copied_figure(place, key, neighbours):
    """Whether a place carries the figure of a neighbour within COPY_KM (see COPY_RATIO)."""
    for other in neighbours:
        # A degree of latitude is 111 km: most neighbours are ruled out without a distance.
        if other is place or abs(other.lat - place.lat) * 111 > COPY_KM:
            continue
        if place_lists.distance_km((place.lat, place.lon), (other.lat, other.lon)) > COPY_KM:
            continue
        if other.population == place.population:
            return True
        other_key = place_names.name_key(other.name)
        if f" {other_key} " in f" {key} " and other_key != key and \
                abs(other.population - place.population) <= COPY_RATIO * other.population:
            return True
    return False
