# SPDX-License-Identifier: Apache-2.0
# The places of a code's area: geocoding rate centres matched to gazetteer places by name and
# region, sub-areas taken to their city, ranked by population.

import collections
import functools
import re
import statistics

import census_places
from census_places import distance_km  # noqa: F401 (callers measure places with it)
import place_names
import regions

# New York City's exchanges name neighbourhoods; a person knows the borough.
NEW_YORK_BOROUGHS = {
    "New York": "Manhattan", "Manhattan": "Manhattan", "Brooklyn": "Brooklyn",
    "Downtown Brooklyn": "Brooklyn", "Bronx": "The Bronx", "The Bronx": "The Bronx",
    "Staten Island": "Staten Island", "Queens": "Queens", "Jamaica": "Queens",
    "Flushing": "Queens", "Long Island City": "Queens", "Far Rockaway": "Queens",
    "Elmhurst": "Queens", "Astoria": "Queens", "Bayside": "Queens", "Forest Hills": "Queens",
    "Rockaway Park": "Queens", "Ridgewood": "Queens", "Jackson Heights": "Queens",
}
# Rate centres that the gazetteer knows by another name.
OTHER_NAMES = {
    ("Dawson", "YT"): "Dawson City",
    ("Quebec City", "QC"): "Qu\u00e9bec",
    ("Sorel", "QC"): "Sorel-Tracy",
    ("Grand-M\u00e8re", "QC"): "Shawinigan",
    ("Charny", "QC"): "L\u00e9vis",
    ("Hilton Head Isle", "SC"): "Hilton Head Island",
    ("Bainbridge Isle", "WA"): "Bainbridge Island",
    ("Westbank", "BC"): "West Kelowna",
    ("Trenton", "ON"): "Quinte West",
    ("Newbury Park", "CA"): "Thousand Oaks",
    # The Big Bear Valley's rate centre: the city of Big Bear Lake (Big Bear City is a CDP
    # beside it, listed by its own figure).
    ("Big Bear", "CA"): "Big Bear Lake",
}
# Parts of a city that rate centres name, and the city a person knows.
for _part in ("Lasalle", "Lachine", "Pointe-aux-Trembles"):
    OTHER_NAMES[(_part, "QC")] = "Montr\u00e9al"
for _part in ("Woodbridge", "Maple", "Kleinburg"):
    OTHER_NAMES[(_part, "ON")] = "Vaughan"
for _part, _city in (("Dundas", "Hamilton"), ("Castlemore", "Brampton")):
    OTHER_NAMES[(_part, "ON")] = _city
# Los Angeles' own districts, which the gazetteer lists as towns.
for _part in ("Sun Valley", "Pacoima", "Sylmar", "Panorama City", "Pacific Palisades",
              "Harbor City", "North Hollywood", "Van Nuys", "Canoga Park", "Encino", "Northridge",
              "Reseda", "Sherman Oaks", "Studio City", "Tarzana", "Woodland Hills", "San Pedro",
              "Wilmington", "Venice", "Hollywood", "Chatsworth", "Granada Hills", "Tujunga",
              "Sunland", "North Hills", "Arleta", "Mission Hills", "Winnetka", "West Hills",
              "Playa del Rey", "Westchester", "Eagle Rock", "Highland Park", "Boyle Heights"):
    OTHER_NAMES[(_part, "CA")] = "Los Angeles"
for _part in ("Kingwood",):
    OTHER_NAMES[(_part, "TX")] = "Houston"
# Former cities merged into Toronto (1998) and Ottawa (2001), and Boston's neighbourhoods.
for _part in ("North York", "Scarborough", "Etobicoke", "East York", "York"):
    OTHER_NAMES[(_part, "ON")] = "Toronto"
for _part in ("Nepean", "Kanata", "Gloucester", "Orleans", "Vanier", "Cumberland"):
    OTHER_NAMES[(_part, "ON")] = "Ottawa"
for _part in ("Jamaica Plain", "Dorchester", "Roxbury", "Hyde Park", "West Roxbury",
              "Roslindale", "Mattapan", "Charlestown", "Allston", "Brighton", "South Boston",
              "East Boston"):
    OTHER_NAMES[(_part, "MA")] = "Boston"
# Montréal's boroughs, and towns merged into a city of another name: Saguenay (2002), Longueuil's
# and Laval's boroughs, Hamilton and Greater Sudbury (2001), Vaughan's Concord, Rimouski's Bic;
# Georgetown, Bolton and Brooklin, communities of Halton Hills, Caledon and Whitby since 1974.
for _part in ("Saint-Laurent", "Verdun"):
    OTHER_NAMES[(_part, "QC")] = "Montr\u00e9al"
for _part, _city in (("Chicoutimi", "Saguenay"), ("Jonqui\u00e8re", "Saguenay"),
                     ("La Baie", "Saguenay"), ("Saint-Hubert", "Longueuil"),
                     ("Chomedey", "Laval"), ("Le Bic", "Rimouski")):
    OTHER_NAMES[(_part, "QC")] = _city
for _part, _city in (("Ancaster", "Hamilton"), ("Stoney Creek", "Hamilton"),
                     ("Waterdown", "Hamilton"), ("Binbrook", "Hamilton"),
                     ("Mount Hope", "Hamilton"), ("Concord", "Vaughan"),
                     ("Lively", "Greater Sudbury"), ("Val Caron", "Greater Sudbury"),
                     ("Hanmer", "Greater Sudbury"), ("Garson", "Greater Sudbury"),
                     ("Chelmsford", "Greater Sudbury"), ("Georgetown", "Halton Hills"),
                     ("Bolton", "Caledon"), ("Brooklin", "Whitby")):
    OTHER_NAMES[(_part, "ON")] = _city
# Halifax Regional Municipality took in Dartmouth, Bedford and Sackville in 1996; Delta (BC)
# holds Ladner, which GeoNames lists with a population of 200,000.
for _part in ("Dartmouth", "Bedford", "Lower Sackville", "Sackville"):
    OTHER_NAMES[(_part, "NS")] = "Halifax"
OTHER_NAMES[("Ladner", "BC")] = "Delta"
# Former towns of merged cities and districts of cities, which the gazetteer lists as towns of
# their own and no rule tells from the real towns beside a city (Westmount, Monterey Park, Upper
# Arlington): Greater Sudbury (2001), Gatineau (2002; le Plateau is one of its districts),
# Baie-Comeau (Hauterive, 1982), Mirabel (Saint-Canut, 1971), Ottawa (Queenswood Heights in
# Orléans), the Township of Langley's and Delta's communities, Halifax's Fall River (the
# municipalities' own lists of their communities); Vancouver's West End, Cleveland's, Houston's,
# Miami's, Indianapolis', Chicago's neighbourhoods and Phoenix's urban villages (the cities'
# planning maps).
for _part, _city, _region in (
        ("Valley East", "Greater Sudbury", "ON"), ("Rayside-Balfour", "Greater Sudbury", "ON"),
        ("Queenswood Heights", "Ottawa", "ON"), ("Buckingham", "Gatineau", "QC"),
        ("le Plateau", "Gatineau", "QC"), ("Hauterive", "Baie-Comeau", "QC"),
        ("Saint-Canut", "Mirabel", "QC"), ("West End", "Vancouver", "BC"),
        ("Aldergrove", "Township of Langley", "BC"),
        ("Walnut Grove", "Township of Langley", "BC"),
        ("Murrayville", "Township of Langley", "BC"), ("Willoughby", "Township of Langley", "BC"),
        ("Deep Cove", "District of North Vancouver", "BC"),
        ("Wallaceburg", "Chatham", "ON"), ("Tilbury", "Chatham", "ON"),
        ("Ridgetown", "Chatham", "ON"), ("Blenheim", "Chatham", "ON"),
        ("Tsawwassen", "Delta", "BC"), ("Fall River", "Halifax", "NS"),
        ("Collinwood", "Cleveland", "OH"), ("Glenville", "Cleveland", "OH"),
        ("Clark-Fulton", "Cleveland", "OH"), ("Detroit-Shoreway", "Cleveland", "OH"),
        ("Hough", "Cleveland", "OH"), ("Alief", "Houston", "TX"),
        ("Coconut Grove", "Miami", "FL"), ("Broad Ripple", "Indianapolis", "IN"),
        ("South Chicago", "Chicago", "IL"), ("Ahwatukee Foothills", "Phoenix", "AZ"),
        ("Alhambra", "Phoenix", "AZ"), ("Maryvale", "Phoenix", "AZ"),
        ("Deer Valley", "Phoenix", "AZ"), ("Laveen", "Phoenix", "AZ"),
        ("Eagle River", "Anchorage", "AK"), ("Chugiak", "Anchorage", "AK"),
        ("Girdwood", "Anchorage", "AK")):
    OTHER_NAMES[(_part, _region)] = _city
# Helena and West Helena (Arkansas) merged in 2006 as the City of Helena-West Helena.
for _part in ("Helena", "West Helena"):
    OTHER_NAMES[(_part, "AR")] = "Helena-West Helena"
# Lexington and Fayette County merged in 1974 as Lexington-Fayette, known as Lexington.
OTHER_NAMES[("Lexington-Fayette", "KY")] = "Lexington"
OTHER_NAMES.update({
    # The Town of Salem and Silver Lake (Kenosha County) became the Village of Salem Lakes in
    # 2017; the Salem of the census tables is a town of Pierce County, 715's.
    ("Salem", "WI"): "Salem Lakes",
    ("Nelson-Miramichi", "NB"): "Miramichi",
    ("Florenceville", "NB"): "Florenceville-Bristol",
})
# Gazetteer names that a person reads otherwise: the official names (Commission de toponymie du
# Québec; the Government of New Brunswick's list of local governments), where the gazetteer
# writes them without accents, with the wrong joining mark, or by a former name. Québec joins
# two names that hold hyphens of their own with an en dash.
SHOWN_NAMES = {
    ("Qu\u00e9bec", "QC"): "Qu\u00e9bec City",
    ("Metabetchouan-Lac-a-la-Croix", "QC"): "M\u00e9tabetchouan\u2013Lac-\u00e0-la-Croix",
    ("Saint-Lin-Laurentides", "QC"): "Saint-Lin\u2013Laurentides",
    ("Thetford-Mines", "QC"): "Thetford Mines",
    ("New-Richmond", "QC"): "New Richmond",
    ("Asbestos", "QC"): "Val-des-Sources",  # renamed in 2020
    ("Cap-Pele", "NB"): "Cap-Pel\u00e9",
    ("Saint-Louis de Kent", "NB"): "Saint-Louis-de-Kent",
    ("Barrow", "AK"): "Utqia\u0121vik",  # renamed in 2016
    # Two municipalities of one name in one code, told apart by their official names; and
    # Chatham-Kent, which took in Chatham and its neighbours in 1998.
    ("Langley", "BC"): "City of Langley",
    ("North Vancouver", "BC"): "City of North Vancouver",
    ("Chatham", "ON"): "Chatham-Kent",
}
# Rate centres named shorter than the census municipality: the city of Carmel-by-the-Sea, the
# Carmel Valley Village CDP, the town of Manchester-by-the-Sea, Block Island's town of New
# Shoreham, the Mililani Town CDP.
OTHER_NAMES.update({
    ("Carmel", "CA"): "Carmel-by-the-Sea", ("Carmel Valley", "CA"): "Carmel Valley Village",
    ("Manchester", "MA"): "Manchester-by-the-Sea", ("Block Island", "RI"): "New Shoreham",
    ("Mililani", "HI"): "Mililani Town",
    # Zuni Pueblo CDP; the Mississippi State CDP; Phil Campbell (and Jemison, which the
    # geocoding file misspells "Jemiison"); Howey-in-the-Hills; the town of Pinetop-Lakeside,
    # Pinetop and Lakeside joined in 1984; the Tuolumne City CDP; Fort Campbell North CDP, the
    # post's Kentucky side; the Moapa Valley CDP, Overton's and Logandale's since 2000.
    ("Zuni", "NM"): "Zuni Pueblo", ("Miss State", "MS"): "Mississippi State",
    ("Philcmpbll", "AL"): "Phil Campbell", ("Jemiison", "AL"): "Jemison",
    ("Howey In Hills", "FL"): "Howey-in-the-Hills", ("Pinetop", "AZ"): "Pinetop-Lakeside",
    ("Lakeside", "AZ"): "Pinetop-Lakeside", ("Tuolumne", "CA"): "Tuolumne City",
    ("Fort Campbell", "KY"): "Fort Campbell North", ("Overton", "NV"): "Moapa Valley",
    # Lake City (Anderson County) renamed itself Rocky Top in 2014.
    ("Lake City", "TN"): "Rocky Top",
})
OTHER_NAMES.update({
    ("Washington D.C.", "DC"): "Washington",
    ("Truth Or Cnsqncs", "NM"): "Truth or Consequences",
})
_OTHER_NAMES_BY_KEY = {(place_names.name_key(name), region): other
                       for (name, region), other in OTHER_NAMES.items()}
# Cities that straddle a border, which the gazetteer files in the region next door only:
# (name, the rate centre's region) -> the gazetteer's region. Lloydminster's Saskatchewan side
# keeps Alberta's time, daylight saving included.
BORDER_CITIES = {("Lloydminster", "SK"): "AB"}
# US places whose own name spells Saint out.
US_SAINT_NAMES = {"Saint Paul", "Lake Saint Louis"}
# A match within this distance of the middle of its code's other places stands even where a
# namesake rate centre of another code lies nearer: the two codes share the place.
FAR_KM = 100
# A far match that lies this many times nearer to another code's rate centres than to any place
# of its own code is a namesake of the rate centre elsewhere, where the gazetteer lacks the rate
# centre's own place (518's Greenville is in Greene County; the gazetteer knows only Westchester's,
# 3 km from a 914 rate centre and 111 km from any 518 place). Far towns of a code (a desert or a
# northern town) lie at most a few times nearer to another code than to their own, and stand.
ELSEWHERE = 10
# Of namesakes, one is deep among another code's towns when a rate centre of that code lies this
# many times nearer to it than the nearest place of its own code.
DEEP_AMID = 3
# Of namesakes, one is amid another code's towns when a rate centre of that code lies this many
# times nearer to it than the nearest place of its own code; else the one nearest a place of its
# own code is the rate centre's. A town on the border of two codes lies about as near to
# either's rate centres: of the two Union townships of 908, the one beside Elizabeth and Cranford
# (3.8 km from a 973 rate centre, 5.3 km from a 908 one) is the rate centre's, not the one in
# Hunterdon County that lies nearer the middle of 908's area.
NEAR_RIVAL = 2
# A place is listed for a code only where the code serves at least this share of it (of its
# exchanges, or of those of the rate centres nearest to it). Below a tenth, the code holds a
# sliver at the place's edge (one of Riverside's 46 exchanges is 909's, 3 of Minneapolis' 103 are
# 763's) and a person of the place dials another code; a town split between two or three codes
# keeps a third or more on each, well above it.
SLIVER = 0.1
# A town placed by its position shares the codes of the few rate centres nearest to it, whose
# exchange counts say little about its own: one 310 exchange of Lynwood beside South Gate's
# seven of 323 gave Huntington Park, Bell and Cudahy an eighth on 310. Such a town is listed
# only where a code holds at least this share of those rate centres.
LOCATED_SLIVER = 0.25
# A section or locality of a Caribbean or territory town (GeoNames PPLX, PPLL) is shown as the
# larger town within this distance.
TOWN_SECTION_KM = 6
# A section of a city (GeoNames PPLX) is shown as the largest city within this distance.
SECTION_KM = 20
SMALL_SECTION = 20000
LARGE_CITY = 200000


class Item:
    """One place of a code's area as the directory shows it: `share` is the part of the place
    that the code serves (its share of the place's exchanges)."""

    def __init__(self, name, region, place, exchanges, share=1.0):
        self.name, self.region, self.place, self.exchanges = name, region, place, exchanges
        self.share = share

    @property
    def population(self):
        return self.place.population if self.place else 0

    @property
    def weight(self):
        """The people of the place that the code serves."""
        return self.population * self.share

    def sort_key(self, home=()):
        """Places of the code's own regions first, then the most people served."""
        return (bool(home) and self.region not in home, -self.weight, -self.exchanges,
                self.name)

    def __repr__(self):
        return f"{self.name}/{self.region}/{self.population}/{self.share:.2f}/{self.exchanges}"


def rate_centre(description, known=True):
    """A geocoding description as (name, region): 'Jersey City, NJ' -> ('Jersey City', 'NJ');
    'West Spring Creek Parkway, Plano, TX' -> ('Plano', 'TX'): the city, not the sub-area; under
    the name the gazetteer knows it by (see known_as) unless `known` is false."""
    match = re.fullmatch(r"(.*), ([A-Z]{2})", description)
    if not match:
        return description, ""
    name, region = match.groups()
    name = name.split(", ")[-1]
    if region == "NY" and name in NEW_YORK_BOROUGHS:
        name = NEW_YORK_BOROUGHS[name]
    return known_as(name, region) if known else (name, region)


def known_as(name, region):
    """(name, region) under the name the gazetteer knows the rate centre by; spellings do not
    matter ('Orléans' is 'Orleans')."""
    return _OTHER_NAMES_BY_KEY.get((place_names.name_key(name), region), name), region


class Gazetteer:
    """The gazetteer's places by region and name key."""

    def __init__(self, places):
        self.by_name = collections.defaultdict(list)
        self.by_region = collections.defaultdict(list)
        self._by_compact = None
        localities = []
        for place in places:
            if getattr(place, "locality", False):
                localities.append(place)
                continue
            self.by_name[(self.scope(place), place_names.name_key(place.name))].append(place)
            self.by_region[self.scope(place)].append(place)
            # A town told apart from a city of its name ("Fairview Township") is a namesake of
            # that city for a rate centre that names neither.
            bare = census_places.bare_name(place.name) if place.kind else place.name
            if bare != place.name:
                self.by_name[(self.scope(place), place_names.name_key(bare))].append(place)
        # A community that is no municipality is known by the municipality that holds it
        # (Colonial Park is Lower Paxton, Eagle River Anchorage); one that no municipality holds
        # stands under its own name, without a figure.
        holders = collections.defaultdict(list)
        for place in localities:
            key = (self.scope(place), place_names.name_key(place.name))
            if key in self.by_name and (place.holder or place) in self.by_name[key]:
                continue
            # A US community's municipality stands beside a municipality of the community's
            # name elsewhere in the state, and matching picks the one among the code's places:
            # the rate centre Woodbury of 516 is the Town of Oyster Bay's hamlet, not the village
            # of Woodbury in Orange County, 845's. (Puerto Rico's lines list its municipios, not
            # rate centres: barrio Bayamón of Cidra is no name of Cidra.)
            if key in self.by_name and not (place.holder and place.country == "US") and not any(
                    getattr(other, "locality", False) or other in holders[key]
                    for other in self.by_name[key]):
                continue
            holders[key].append(place.holder or place)
            self.by_name[key].append(place.holder or place)
            if not place.holder:
                self.by_region[key[0]].append(place)

    @staticmethod
    def scope(place):
        """The key of a place's region: a US state or Canadian province, or 'country:XX'
        elsewhere, since Montserrat (MS) and the Cayman Islands (KY) share their two letters with
        Mississippi and Kentucky."""
        return place.region if place.country in ("US", "CA") else "country:" + place.country

    def candidates(self, name, region):
        """The places of a region that bear the name; a rate centre named after its township
        ('Lakewood Township') or island ('Chincoteague Island') is the town of that name when
        the township or island itself is unknown."""
        key = place_names.name_key(name)
        found = self.by_name.get((region, key), [])
        for suffix in (" charter township", " township", " island"):
            if not found and key.endswith(suffix):
                found = self.by_name.get((region, key[:-len(suffix)]), [])
        # Words run together or apart: the rate centres "De Motte" and "LaCygne" are the towns
        # DeMotte and La Cygne.
        return found or self.by_compact().get((region, key.replace(" ", "")), [])

    def by_compact(self):
        """{(region, name key without blanks): places}, for names spelt with other blanks."""
        if self._by_compact is None:
            self._by_compact = collections.defaultdict(list)
            for (region, key), found in self.by_name.items():
                self._by_compact[(region, key.replace(" ", ""))].extend(found)
        return self._by_compact

    def city_of_section(self, place):
        """A small city section's city: the large city near it. Sections of some size keep
        their name (Culver City and West Hollywood are towns of their own; GeoNames files them
        as sections of Los Angeles)."""
        if place.feature != "PPLX" or place.population >= SMALL_SECTION:
            return place
        near = [other for other in self.by_region[self.scope(place)]
                if other.feature not in ("PPLX", "") and other.population >= LARGE_CITY
                and distance_km((place.lat, place.lon), (other.lat, other.lon)) <= SECTION_KM]
        return max(near, key=lambda other: other.population, default=place)

    def town_of_section(self, place):
        """A section or locality of a Caribbean or territory town (New Kingston, Villa Francisca
        in Santo Domingo, Kingstown Park, Bisee in Castries) shown as the larger town it lies
        in; one without such a town near it stands (Guam's villages, which the gazetteer files
        as sections)."""
        if place.feature not in ("PPLX", "PPLL"):
            return place
        near = [other for other in self.by_region[self.scope(place)]
                if other.feature not in ("PPLX", "PPLL", "") and
                other.population > place.population
                and distance_km((place.lat, place.lon), (other.lat, other.lon)) <= TOWN_SECTION_KM]
        return max(near, key=lambda other: other.population, default=place)

    def largest(self, region):
        """A region's places with a known population, largest first (region as scope gives)."""
        return sorted((place for place in self.by_region[region] if place.population > 0),
                      key=lambda place: (-place.population, place.name))


def _middle(points):
    return (statistics.median(p[0] for p in points), statistics.median(p[1] for p in points))


def sure_points(counts, gazetteer):
    """Positions of the rate centres whose name only one gazetteer place of its region bears."""
    points = []
    for key in counts:
        found = gazetteer.candidates(*key)
        if len(found) == 1:
            points.append((found[0].lat, found[0].lon))
    return points


def match_places(counts, gazetteer, rivals=lambda place: None,
                 namesakes=lambda place, key: None):
    """Gazetteer places for rate centres {(name, region): exchanges}: {(name, region): place or
    None}. A name borne by several places of its region is the one nearest the code's other
    places, before one amid the places of the region's other codes (`rivals(place)`: the
    distance to the nearest of those, or None): of the Waterford in Erie County and the one
    among 724's towns, 814's is the first. A match is refused only where another code has a
    rate centre of the same name nearer to it than this code's own places are
    (`namesakes(place, name key)`: the distance to the nearest place of such a code, or None):
    Greenville in Westchester is 914's, not the Greenville of 518's rate centre. Distance alone
    refuses nothing: a desert or northern town far from its code's other places stands."""
    found = {key: gazetteer.candidates(*key) for key in counts}
    points = sure_points(counts, gazetteer) or [(p.lat, p.lon) for ps in found.values()
                                                for p in ps]
    if not points:
        return {key: None for key in counts}
    middle = _middle(points)

    @functools.lru_cache(maxsize=None)
    def own_distance(p):
        return min((distance_km((p.lat, p.lon), point) for point in points
                    if point != (p.lat, p.lon)), default=None)

    rival_distance = functools.lru_cache(maxsize=None)(rivals)

    def claimed(p, key):
        """Whether a namesake rate centre of another code lies nearer than this code's places."""
        rival = namesakes(p, place_names.name_key(key[0]))
        own = own_distance(p)
        return rival is not None and own is not None and rival < own

    def amid_rivals(p, factor=1):
        own, rival = own_distance(p), rival_distance(p)
        return own is not None and rival is not None and rival * factor < own

    def near_own(p):
        own = own_distance(p)
        return distance_km(middle, (p.lat, p.lon)) if own is None else own

    def county_near_own(p, places):
        """near_own of the nearest namesake of p's county: namesakes of one county lie about
        as near the code's places, and the one of most people is the rate centre's (the city
        of Superior, 26,550, not the village of Superior beside it, 668, Douglas County)."""
        return min(near_own(other) for other in places
                   if other.county and other.county == p.county and other.name == p.name) \
            if p.county else near_own(p)

    matched = {}
    for key, places in found.items():
        near = [p for p in places
                if distance_km(middle, (p.lat, p.lon)) <= FAR_KM or
                not (claimed(p, key) or amid_rivals(p, ELSEWHERE))]
        # Of namesakes, one deep among another code's towns comes last (the Lake Butler near
        # Orlando, for 386's Lake Butler in Union County), a place of known population before
        # one without (often a neighbourhood), and the one spelt as the rate centre before the
        # others ('Pont-Rouge', not 'Pont Rouge').
        several = len(near) > 1
        ranked = sorted(near, key=lambda p: (
            several and amid_rivals(p, DEEP_AMID), p.population == 0,
            several and amid_rivals(p, NEAR_RIVAL), p.name != key[0],
            county_near_own(p, near), -p.population))
        best = ranked[0] if ranked else None
        matched[key] = gazetteer.city_of_section(best) if best else None
    for key in counts:
        if key in BORDER_CITIES:
            matched[key] = max(gazetteer.candidates(key[0], BORDER_CITIES[key]),
                               key=lambda p: p.population, default=None)
    return matched


def shown_name(rate_centre_name, place):
    """How a place is shown: the gazetteer's name, but 'St. Cloud' as the town writes itself
    where the gazetteer spells it 'Saint Cloud'; a rate centre the gazetteer lacks with its
    abbreviations written out."""
    if not place:
        name = place_names.written_out(rate_centre_name)
        return _OFFICIAL_BY_KEY.get(place_names.name_key(name), name)
    same = place_names.name_key(rate_centre_name) == place_names.name_key(place.name)
    if (place.name, place.region) in SHOWN_NAMES:
        return SHOWN_NAMES[(place.name, place.region)]
    if re.search(r"\b(St|Ste|Mt|Ft)\. ", rate_centre_name) and same:
        return rate_centre_name
    # The gazetteer's plain-letter spelling of a name the rate centre writes with its accents.
    if same and place.name.isascii() and not rate_centre_name.isascii() and \
            place_names.plain(rate_centre_name) == place.name.lower():
        return rate_centre_name
    name = place.name
    return place_names.written_out(name) if place_names.abbreviations_in(name) else name


_OFFICIAL_BY_KEY = {place_names.name_key(name): shown for (name, _), shown in SHOWN_NAMES.items()
                    if name != "Qu\u00e9bec"}


def us_saint(name):
    """A US place as the Census Bureau and the town write it: 'St. Cloud', 'Ste. Genevieve',
    where the gazetteer writes 'Saint Cloud'; Saint Paul and Lake Saint Louis keep their own."""
    if name in US_SAINT_NAMES:
        return name
    return re.sub(r"\bSaint(e?) (?=[A-Z])", lambda m: "St. " if not m.group(1) else "Ste. ", name)


def ranked_items(counts, matched, home_regions, share=lambda key: 1.0, located=()):
    """The shown places of rate centres {(name, region): exchanges} whose gazetteer places are
    `matched` (see match_places), and of the gazetteer places `located` [(place, share)] on the
    code by their position, most people served first: population times `share`, the code's part
    of the place (`share((name, region))` for a rate centre). Exchange counts break ties and order
    the places the gazetteer lacks. A place of which the code serves less than SLIVER is left out,
    as are names the directory cannot show (streets, or abbreviations it cannot write out)."""
    items = {}
    for (name, region), exchanges in counts.items():
        # A lone exchange named after a place of another state (201-631 "New York, NY") is
        # a foreign exchange, not a place of the code's area.
        if home_regions and region not in home_regions and exchanges <= 1:
            continue
        part = share((name, region))
        if part < SLIVER:
            continue
        place = matched[(name, region)]
        shown = shown_place_name(name, place, region)
        if not place and (place_names.street_words_in(shown) or
                          place_names.abbreviations_in(shown)):
            continue
        if no_municipality(place, region):
            continue
        add_item(items, Item(shown, region, place, exchanges, part))
    for place, part in located:
        if part >= LOCATED_SLIVER:
            add_item(items, Item(shown_place_name(place.name, place, place.region),
                                 place.region, place, 0, part))
    return sorted(items.values(), key=lambda item: item.sort_key(home_regions))


def no_municipality(place, region):
    """Whether a rate centre of a US state stands for no census municipality: a part of a city
    (San Ysidro of San Diego, Hixson of Chattanooga) or a locality of a county (Toano), whose
    people the municipality round it, or none, counts."""
    return region in regions.US_REGIONS and region not in regions.US_TERRITORIES and \
        region not in census_places.GAZETTEER_REGIONS and \
        (place is None or getattr(place, "locality", False))


def add_item(items, item):
    """Adds an item to {(name, region): item}; one place named twice is one item, with the
    larger share of the two."""
    key = (item.name, item.region)
    if key not in items:
        items[key] = item
        return
    # Of two municipalities of one name (the Penn Townships of York and Lancaster counties, both
    # 717's), the one of which the code serves more people stands for the name.
    if item.place and items[key].place and item.weight > items[key].weight:
        items[key].place, items[key].share = item.place, item.share
    items[key].exchanges += item.exchanges
    items[key].share = max(items[key].share, item.share)
    items[key].place = items[key].place or item.place


def shown_place_name(name, place, region):
    # Hawaiian names lose the ʻokina, which the gazetteer writes as an opening quote ('‘Ewa
    # Beach') and Windows-1252 lacks: 'Ewa Beach', as plain text writes it.
    shown = shown_name(name, place).replace("\u2018", "").replace("\u02bb", "")
    return us_saint(shown) if region in regions.US_REGIONS else shown
