# SPDX-License-Identifier: Apache-2.0
# Time zones in words: the zone of each IANA identifier, whether it keeps standard time all year,
# and the text that names every zone a code's places lie in.

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


def zone_text(zones):
    """Every zone of a set of IANA identifiers in words, east to west, and where one keeps
    standard time all year: 'Mountain time, no daylight saving time in Arizona'. Empty for no
    zones."""
    if not zones:
        return ""
    words = sorted({zone_word(zone) for zone in zones}, key=ZONE_ORDER.index)
    text = _joined(words) + " time"
    standard = sorted({STANDARD_ALL_YEAR[zone] for zone in zones if zone in STANDARD_ALL_YEAR})
    if not standard:
        return text
    if all(zone in STANDARD_ALL_YEAR for zone in zones):
        return text + ", no daylight saving time"
    return text + ", no daylight saving time in " + _joined(standard)


def zone_words(zones):
    """The set of zones in words, for checks."""
    return {zone_word(zone) for zone in zones}
