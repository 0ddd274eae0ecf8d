# SPDX-License-Identifier: Apache-2.0
# Time zones in words: the zone of each IANA identifier, whether it keeps standard time all year,
# the places that keep daylight saving time inside a region that does not, and the text that names
# every zone a code's places lie in.

import collections

# IANA zone -> (zone in words, where it keeps standard time all year or None). The order of
# ZONE_ORDER is the order in which a text names them, east to west.
ZONE_ORDER = ["Newfoundland", "Atlantic", "Eastern", "Central", "Mountain", "Pacific", "Alaska",
              "Hawaii-Aleutian", "Hawaii", "Samoa", "Chamorro"]

STANDARD_ALL_YEAR = {
    "America/Phoenix": "Arizona",
    "America/Creston": "Creston (BC)",
    "America/Dawson_Creek": "the Peace River region of BC",
    "America/Fort_Nelson": "Fort Nelson (BC)",
    "America/Whitehorse": "Yukon",
    "America/Dawson": "Yukon",
    "America/Regina": "Saskatchewan",
    "America/Swift_Current": "Saskatchewan",
    "America/Atikokan": "Atikokan (ON)",
    "America/Coral_Harbour": "Coral Harbour (NU)",
    "America/Blanc-Sablon": "Qu\u00e9bec's Lower North Shore",
    "Pacific/Honolulu": "Hawaii",
    "America/Jamaica": "Jamaica",
    "America/Cayman": "the Cayman Islands",
    "Pacific/Guam": "Guam",
    "Pacific/Saipan": "the Northern Mariana Islands",
    "Pacific/Pago_Pago": "American Samoa",
}
# Zones of the Caribbean that keep Atlantic Standard Time all year.
for _zone in ("Puerto_Rico", "St_Thomas", "Santo_Domingo", "Port_of_Spain", "Barbados",
              "Anguilla", "Antigua", "Tortola", "Dominica", "Grenada", "Montserrat",
              "Lower_Princes", "St_Kitts", "St_Lucia", "St_Vincent"):
    STANDARD_ALL_YEAR[f"America/{_zone}"] = _zone.replace("_", " ")

# Zones that a code spans where neither the geocoding file nor the gazetteer names a place:
# code -> (IANA zones, why). An overlay area's codes share them.
ZONES_WITHOUT_PLACES = {
    907: ({"America/Adak"}, "Adak and Atka, in the western Aleutians, keep Hawaii-Aleutian time"),
    418: ({"America/Blanc-Sablon"}, "the Lower North Shore, east of 63\u00b0W (Blanc-Sablon to "
          "Kegaska), keeps Atlantic Standard Time all year"),
    867: ({"America/Coral_Harbour"}, "Southampton Island (Coral Harbour) in Nunavut keeps "
          "Eastern Standard Time all year"),
}

ZONE_WORDS = {
    "America/St_Johns": "Newfoundland",
    "America/Halifax": "Atlantic", "America/Glace_Bay": "Atlantic", "America/Moncton": "Atlantic",
    "America/Goose_Bay": "Atlantic", "Atlantic/Bermuda": "Atlantic",
    "America/Blanc-Sablon": "Atlantic",
    "America/New_York": "Eastern", "America/Detroit": "Eastern", "America/Toronto": "Eastern",
    "America/Iqaluit": "Eastern", "America/Nassau": "Eastern", "America/Grand_Turk": "Eastern",
    "America/Jamaica": "Eastern", "America/Cayman": "Eastern", "America/Atikokan": "Eastern",
    "America/Coral_Harbour": "Eastern", "America/Kentucky/Louisville": "Eastern",
    "America/Kentucky/Monticello": "Eastern",
    "America/Chicago": "Central", "America/Winnipeg": "Central", "America/Menominee": "Central",
    "America/Regina": "Central", "America/Swift_Current": "Central",
    "America/Rankin_Inlet": "Central", "America/Resolute": "Central",
    "America/Rainy_River": "Central",
    "America/Denver": "Mountain", "America/Boise": "Mountain", "America/Edmonton": "Mountain",
    "America/Phoenix": "Mountain", "America/Yellowknife": "Mountain",
    "America/Inuvik": "Mountain", "America/Cambridge_Bay": "Mountain",
    "America/Creston": "Mountain", "America/Dawson_Creek": "Mountain",
    "America/Fort_Nelson": "Mountain", "America/Whitehorse": "Mountain",
    "America/Dawson": "Mountain",
    "America/Los_Angeles": "Pacific", "America/Vancouver": "Pacific",
    "America/Anchorage": "Alaska", "America/Juneau": "Alaska", "America/Sitka": "Alaska",
    "America/Nome": "Alaska", "America/Yakutat": "Alaska", "America/Metlakatla": "Alaska",
    "America/Adak": "Hawaii-Aleutian", "Pacific/Honolulu": "Hawaii",
    "Pacific/Pago_Pago": "Samoa", "Pacific/Guam": "Chamorro", "Pacific/Saipan": "Chamorro",
}
for _zone in STANDARD_ALL_YEAR:
    ZONE_WORDS.setdefault(_zone, "Atlantic")


# The name the tz database's zone.tab gives an area whose zone cuts into a region that keeps
# standard time all year ("MST - AZ (except Navajo)"): (region, IANA zone) -> area. An area without
# a name here is named by its places.
EXCEPTION_AREAS = {("AZ", "America/Denver"): "the Navajo Nation"}
# How many of an area's places a text names.
EXCEPTION_PLACES = 3


def region_zones(places):
    """(country, region) -> the IANA zone that most of the region's gazetteer population lives
    in. The country keeps the Cayman Islands (KY) apart from Kentucky."""
    people = collections.defaultdict(collections.Counter)
    for place in places:
        if place.zone and place.region:
            people[(place.country, place.region)][place.zone] += place.population
    return {region: min(counts, key=lambda zone: (-counts[zone], zone))
            for region, counts in people.items()}


def daylight_exceptions(items, norms):
    """The places of a code (directory items, largest first) that keep daylight saving time in a
    region whose own zone keeps standard time all year, from each place's zone: Tuba City
    (America/Denver) in Arizona, Lloydminster (America/Edmonton) in Saskatchewan.
    {(country, region, zone): [place names]}."""
    found = collections.defaultdict(list)
    for item in items:
        if not item.place or not item.place.zone:
            continue
        zone, norm = item.place.zone, norms.get((item.place.country, item.region))
        if norm in STANDARD_ALL_YEAR and zone not in STANDARD_ALL_YEAR:
            found[(item.place.country, item.region, zone)].append(item.name)
    return dict(found)


def _exception_text(standard_name, exceptions, norms):
    """' except the Navajo Nation (Tuba City, Kayenta, Chinle)' for the exceptions of the region
    whose standard time goes by `standard_name`."""
    parts = []
    for (country, region, zone), names in sorted(exceptions.items()):
        if STANDARD_ALL_YEAR.get(norms.get((country, region))) != standard_name:
            continue
        shown = ", ".join(names[:EXCEPTION_PLACES])
        area = EXCEPTION_AREAS.get((region, zone))
        parts.append(f"{area} ({shown})" if area else shown)
    return " except " + " and ".join(parts) if parts else ""


def zone_word(zone):
    """The zone in words; Indiana's and North Dakota's many identifiers fall in with their
    neighbours."""
    if zone in ZONE_WORDS:
        return ZONE_WORDS[zone]
    if zone.startswith("America/Indiana/"):
        return "Central" if zone.rsplit("/", 1)[1] in ("Knox", "Tell_City") else "Eastern"
    if zone.startswith("America/North_Dakota/"):
        return "Central"
    raise KeyError(f"time zone without a name in words: {zone}")


def _joined(words):
    return words[0] if len(words) == 1 else ", ".join(words[:-1]) + " and " + words[-1]


def zone_text(zones, exceptions=None, norms=None):
    """Every zone of a set of IANA identifiers in words, east to west, and where one keeps
    standard time all year: 'Mountain time, no daylight saving time in Arizona', with the places
    that keep daylight saving time there (`exceptions` and `norms` as daylight_exceptions takes
    and gives them). Empty for no zones."""
    if not zones:
        return ""
    words = sorted({zone_word(zone) for zone in zones}, key=ZONE_ORDER.index)
    text = _joined(words) + " time"
    standard = sorted({STANDARD_ALL_YEAR[zone] for zone in zones if zone in STANDARD_ALL_YEAR})
    if not standard:
        return text
    if all(zone in STANDARD_ALL_YEAR for zone in zones):
        return text + ", no daylight saving time"
    if exceptions:
        standard = [name + _exception_text(name, exceptions, norms or {}) for name in standard]
    return text + ", no daylight saving time in " + _joined(standard)


def zone_words(zones):
    """The set of zones in words, for checks."""
    return {zone_word(zone) for zone in zones}
