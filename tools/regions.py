# SPDX-License-Identifier: Apache-2.0
# Regions of the numbering plan: the two-letter region of each report location, its name, its
# country column, and how GeoNames codes it.

# US states, the District and territories, by postal code. The report gives these as postal codes.
US_REGIONS = {
    "AL": "Alabama", "AK": "Alaska", "AZ": "Arizona", "AR": "Arkansas", "CA": "California",
    "CO": "Colorado", "CT": "Connecticut", "DE": "Delaware", "DC": "District of Columbia",
    "FL": "Florida", "GA": "Georgia", "HI": "Hawaii", "ID": "Idaho", "IL": "Illinois",
    "IN": "Indiana", "IA": "Iowa", "KS": "Kansas", "KY": "Kentucky", "LA": "Louisiana",
    "ME": "Maine", "MD": "Maryland", "MA": "Massachusetts", "MI": "Michigan", "MN": "Minnesota",
    "MS": "Mississippi", "MO": "Missouri", "MT": "Montana", "NE": "Nebraska", "NV": "Nevada",
    "NH": "New Hampshire", "NJ": "New Jersey", "NM": "New Mexico", "NY": "New York",
    "NC": "North Carolina", "ND": "North Dakota", "OH": "Ohio", "OK": "Oklahoma", "OR": "Oregon",
    "PA": "Pennsylvania", "RI": "Rhode Island", "SC": "South Carolina", "SD": "South Dakota",
    "TN": "Tennessee", "TX": "Texas", "UT": "Utah", "VT": "Vermont", "VA": "Virginia",
    "WA": "Washington", "WV": "West Virginia", "WI": "Wisconsin", "WY": "Wyoming",
    "PR": "Puerto Rico", "VI": "US Virgin Islands", "GU": "Guam", "AS": "American Samoa",
    "MP": "Northern Mariana Islands",
}
US_TERRITORIES = {"PR", "VI", "GU", "AS", "MP"}

# Report locations that are not postal codes: (region, [names of every region served], country).
# A location that spans several regions takes the first as its region and names them all.
OTHER_LOCATIONS = {
    "CNMI": ("MP", ["Northern Mariana Islands"], "USA"),
    "ALBERTA": ("AB", ["Alberta"], "CANADA"),
    "BRITISH COLUMBIA": ("BC", ["British Columbia"], "CANADA"),
    "MANITOBA": ("MB", ["Manitoba"], "CANADA"),
    "NEW BRUNSWICK": ("NB", ["New Brunswick"], "CANADA"),
    "NEWFOUNDLAND AND LABRADOR": ("NL", ["Newfoundland and Labrador"], "CANADA"),
    "NORTHWEST TERRITORIES -YUKON - NUNAVUT":
        ("YT", ["Yukon", "Northwest Territories", "Nunavut"], "CANADA"),
    "NOVA SCOTIA - PRINCE EDWARD ISLAND":
        ("NS", ["Nova Scotia", "Prince Edward Island"], "CANADA"),
    "ONTARIO": ("ON", ["Ontario"], "CANADA"),
    "QUEBEC": ("QC", ["Qu\u00e9bec"], "CANADA"),
    "SASKATCHEWAN": ("SK", ["Saskatchewan"], "CANADA"),
    "ANGUILLA": ("AI", ["Anguilla"], "ANGUILLA"),
    "ANTIGUA/BARBUDA": ("AG", ["Antigua and Barbuda"], "ANTIGUA"),
    "BAHAMAS": ("BS", ["Bahamas"], "BAHAMAS"),
    "BARBADOS": ("BB", ["Barbados"], "BARBADOS"),
    "BERMUDA": ("BM", ["Bermuda"], "BERMUDA"),
    "BRITISH VIRGIN ISLANDS": ("VG", ["British Virgin Islands"], "BRIT. VIRGIN"),
    "CAYMAN ISLANDS": ("KY", ["Cayman Islands"], "CAYMAN ISL."),
    "DOMINICA": ("DM", ["Dominica"], "DOMINICA"),
    "DOMINICAN REPUBLIC": ("DO", ["Dominican Republic"], "DOMINICAN R."),
    "GRENADA": ("GD", ["Grenada"], "GRENADA"),
    "JAMAICA": ("JM", ["Jamaica"], "JAMAICA"),
    "MONTSERRAT": ("MS", ["Montserrat"], "MONTSERRAT"),
    "SINT MAARTEN": ("SX", ["Sint Maarten"], "SINT MAARTEN"),
    "ST. KITTS & NEVIS": ("KN", ["Saint Kitts and Nevis"], "ST. KITTS"),
    "ST. LUCIA": ("LC", ["Saint Lucia"], "ST. LUCIA"),
    "ST. VINCENT & GRENADINES": ("VC", ["Saint Vincent and the Grenadines"], "ST. VINCENT"),
    "TRINIDAD & TOBAGO": ("TT", ["Trinidad and Tobago"], "TRINIDAD"),
    "TURKS & CAICOS ISLANDS": ("TC", ["Turks and Caicos Islands"], "TURKS CAICOS"),
}


# Second and third regions of the locations that serve several.
SHARED_REGION_CODES = {"NT": "Northwest Territories", "NU": "Nunavut",
                       "PE": "Prince Edward Island"}


class Place:
    """Where a geographic code is: its region, the names of all it serves, its country column, and
    whether the region code alone says enough (a US state or a single Canadian province)."""

    def __init__(self, region, names, country):
        self.region = region
        self.names = names
        self.country = country
        # Every region the location serves: 867 serves Yukon, NT and Nunavut alike.
        self.regions = {region} | {code for code, name in SHARED_REGION_CODES.items()
                                   if name in names}

    @property
    def named_in_text(self):
        """Caribbean countries, territories and codes spanning several regions are named in the
        text: their two-letter codes alone are ambiguous or incomplete."""
        if len(self.names) > 1:
            return True
        if self.country == "CANADA":
            return False
        return self.country != "USA" or self.region in US_TERRITORIES

    def full_name(self):
        return " and ".join(self.names) if len(self.names) <= 2 else (
            ", ".join(self.names[:-1]) + " and " + self.names[-1])


def place_of(location):
    """The place of a report LOCATION, or None for one that is not geographic."""
    location = location.strip()
    if location in US_REGIONS:
        return Place(location, [US_REGIONS[location]], "USA")
    if location in OTHER_LOCATIONS:
        region, names, country = OTHER_LOCATIONS[location]
        return Place(region, names, country)
    return None


# How the geocoding file names whole states, provinces and countries besides their own names.
OTHER_REGION_NAMES = {"Washington State", "Quebec", "British Colombia",
                      "Nova Scotia/Prince Edward Island", "Northwest Territories/Nunavut/Yukon"}


REGION_NAMES = (set(US_REGIONS.values()) | OTHER_REGION_NAMES |
                {name for _, served, _ in OTHER_LOCATIONS.values() for name in served})


def is_region_name(description):
    """Whether a geocoding description names a whole region rather than a city."""
    return description in REGION_NAMES


# Two-digit state FIPS codes, which prefix GeoNames' three-digit US county codes.
STATE_FIPS = {
    "AL": "01", "AK": "02", "AZ": "04", "AR": "05", "CA": "06", "CO": "08", "CT": "09",
    "DE": "10", "DC": "11", "FL": "12", "GA": "13", "HI": "15", "ID": "16", "IL": "17",
    "IN": "18", "IA": "19", "KS": "20", "KY": "21", "LA": "22", "ME": "23", "MD": "24",
    "MA": "25", "MI": "26", "MN": "27", "MS": "28", "MO": "29", "MT": "30", "NE": "31",
    "NV": "32", "NH": "33", "NJ": "34", "NM": "35", "NY": "36", "NC": "37", "ND": "38",
    "OH": "39", "OK": "40", "OR": "41", "PA": "42", "RI": "44", "SC": "45", "SD": "46",
    "TN": "47", "TX": "48", "UT": "49", "VT": "50", "VA": "51", "WA": "53", "WV": "54",
    "WI": "55", "WY": "56", "PR": "72",
}

# GeoNames' first-level codes of the Canadian provinces and territories.
CANADIAN_ADMIN1 = {
    "01": "AB", "02": "BC", "03": "MB", "04": "NB", "05": "NL", "07": "NS", "08": "ON",
    "09": "PE", "10": "QC", "11": "SK", "12": "YT", "13": "NT", "14": "NU",
}



def region_of_place(country, admin1):
    """The two-letter region of a GeoNames place: the state in the US, the province in Canada,
    the country or territory elsewhere."""
    if country == "US":
        return admin1
    if country == "CA":
        return CANADIAN_ADMIN1.get(admin1, "")
    return country


def county_code(country, admin1, admin2):
    """A place's county as the metro table writes it: five-digit FIPS in the US (Puerto Rico's
    municipios included), GeoNames' census division or subdivision code in Canada."""
    if country == "US" and admin1 in STATE_FIPS and admin2:
        return STATE_FIPS[admin1] + admin2
    if country == "PR" and admin1:
        return STATE_FIPS["PR"] + admin1  # GeoNames files Puerto Rico's municipios as admin1
    return admin2
