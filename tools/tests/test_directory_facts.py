# SPDX-License-Identifier: Apache-2.0
# Facts a user of the shipped directory would notice, each row with the reference it comes from.
import pathlib
import re
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import record_layout as layout  # noqa: E402

DATA = pathlib.Path(__file__).resolve().parents[2] / "data"

US_CITIES = "US Census 2020 city populations (Wikipedia, List of U.S. states' largest cities)"
CA_CITIES = "Statistics Canada, 2021 Census of Population, population centres and municipalities"
# Largest place first: (code, region, the state's or province's largest city, shown first).
LARGEST_FIRST = [
    (256, "AL", "Huntsville", US_CITIES), (907, "AK", "Anchorage", US_CITIES),
    (602, "AZ", "Phoenix", US_CITIES), (501, "AR", "Little Rock", US_CITIES),
    (213, "CA", "Los Angeles", US_CITIES), (303, "CO", "Denver", US_CITIES),
    (203, "CT", "Bridgeport", US_CITIES), (302, "DE", "Wilmington", US_CITIES),
    (202, "DC", "Washington", US_CITIES), (904, "FL", "Jacksonville", US_CITIES),
    (404, "GA", "Atlanta", US_CITIES), (808, "HI", "Honolulu", US_CITIES),
    (208, "ID", "Boise", US_CITIES), (312, "IL", "Chicago", US_CITIES),
    (317, "IN", "Indianapolis", US_CITIES), (515, "IA", "Des Moines", US_CITIES),
    (316, "KS", "Wichita", US_CITIES), (502, "KY", "Louisville", US_CITIES),
    (504, "LA", "New Orleans", US_CITIES), (207, "ME", "Portland", US_CITIES),
    (410, "MD", "Baltimore", US_CITIES), (617, "MA", "Boston", US_CITIES),
    (313, "MI", "Detroit", US_CITIES), (612, "MN", "Minneapolis", US_CITIES),
    (601, "MS", "Jackson", US_CITIES), (816, "MO", "Kansas City", US_CITIES),
    (406, "MT", "Billings", US_CITIES), (402, "NE", "Omaha", US_CITIES),
    (702, "NV", "Las Vegas", US_CITIES), (603, "NH", "Manchester", US_CITIES),
    (973, "NJ", "Newark", US_CITIES), (505, "NM", "Albuquerque", US_CITIES),
    (718, "NY", "New York City: Brooklyn", US_CITIES), (704, "NC", "Charlotte", US_CITIES),
    (701, "ND", "Fargo", US_CITIES), (614, "OH", "Columbus", US_CITIES),
    (405, "OK", "Oklahoma City", US_CITIES), (503, "OR", "Portland", US_CITIES),
    (215, "PA", "Philadelphia", US_CITIES), (401, "RI", "Providence", US_CITIES),
    (843, "SC", "Charleston", US_CITIES), (605, "SD", "Sioux Falls", US_CITIES),
    (615, "TN", "Nashville", US_CITIES), (713, "TX", "Houston", US_CITIES),
    (801, "UT", "Salt Lake City", US_CITIES), (802, "VT", "Burlington", US_CITIES),
    (757, "VA", "Virginia Beach", US_CITIES), (206, "WA", "Seattle", US_CITIES),
    (304, "WV", "Charleston", US_CITIES), (414, "WI", "Milwaukee", US_CITIES),
    (307, "WY", "Cheyenne", US_CITIES), (787, "PR", "Puerto Rico: San Juan", US_CITIES),
    (403, "AB", "Calgary", CA_CITIES), (604, "BC", "Vancouver", CA_CITIES),
    (204, "MB", "Winnipeg", CA_CITIES), (506, "NB", "Moncton", CA_CITIES),
    (709, "NL", "St. John's", CA_CITIES), (416, "ON", "Toronto", CA_CITIES),
    (514, "QC", "Montr\u00e9al", CA_CITIES), (306, "SK", "Saskatoon", CA_CITIES),
    (902, "NS", "Nova Scotia and Prince Edward Island: Halifax", CA_CITIES),
    (867, "YT", "Yukon, Northwest Territories and Nunavut: Whitehorse", CA_CITIES),
]
# The larger place listed before the smaller: (code, larger, smaller, reference).
BEFORE = [
    (605, "Sioux Falls", "Rapid City", US_CITIES), (218, "Duluth", "Moorhead", US_CITIES),
    (541, "Eugene", "Bend", US_CITIES), (907, "Anchorage", "Fairbanks", US_CITIES),
    (902, "Charlottetown (PE)", "Summerside (PE)", CA_CITIES),
    (867, "Yellowknife (NT)", "Hay River (NT)", CA_CITIES),
    (867, "Iqaluit (NU)", "Rankin Inlet (NU)", CA_CITIES),
    (306, "Regina", "Prince Albert", CA_CITIES),
    (905, "Oshawa", "Whitby", CA_CITIES + " (Oshawa 175,383, Whitby 138,501)"),
    (603, "Derry", "Dover", "US Census 2020: Derry town 34,317, Dover city 32,741"),
    (905, "Whitby", "Ajax", CA_CITIES + " (Whitby 138,501, Ajax 126,666)"),
    (905, "Whitchurch-Stouffville", "Grimsby", CA_CITIES + " (49,864 and 28,883)"),
    (905, "Halton Hills", "Grimsby", CA_CITIES + " (Halton Hills 62,951)"),
    (732, "Brick", "New Brunswick", "US Census 2020: Brick township 73,620, New Brunswick "
     "city 55,266"),
    (215, "Bensalem", "Bristol Township", "US Census Bureau, ACS 2019-2023: Bensalem township "
     "62,689, Bristol township 54,153 (Levittown is a community of Bristol, Falls, Middletown "
     "and Tullytown townships)"),
    (706, "Augusta", "Athens", "US Census 2010: Augusta-Richmond County 195,844, Athens-Clarke "
     "County 115,452 (consolidated governments)"),
    # 908's Union rate centre is Union township of Union County (59.7k), not the namesake in
    # Hunterdon County (6.4k) nearer the middle of 908's area.
    (908, "Union", "Plainfield", "US Census Bureau, ACS 2019-2023: Union township, Union County, "
     "60,119; Plainfield city 54,515"),
    (978, "Methuen", "Salem", "US Census Bureau, ACS 2019-2023: Methuen Town city 53,043, Salem "
     "city 44,241"),
    # St. George (2024) by the figures of the six CDPs it took in (see new_municipalities.csv).
    (225, "St. George", "Prairieville", "US Census Bureau, ACS 2019-2023: Inniswold, Oak Hills "
     "Place, Old Jefferson, Shenandoah, Village St. George and Westminster CDPs 52,180; "
     "Prairieville CDP 35,010"),
    # 715's Superior rate centre is the city (26,550), not the village of Superior beside it.
    (715, "Superior", "Stevens Point", "US Census Bureau, ACS 2019-2023: Superior city 26,550, "
     "Stevens Point city 25,497"),
]
# Zones of split codes and zones without daylight saving time: (code, words in the text, ref).
ZONES = [
    (986, "Mountain and Pacific time", "Wikipedia, Time in Idaho (the north keeps Pacific)"),
    (208, "Mountain and Pacific time", "Wikipedia, Time in Idaho"),
    (850, "Eastern and Central time",
     "Florida Panhandle guides: the Apalachicola River divides the zones"),
    (541, "Mountain and Pacific time", "Wikipedia, Time in Oregon (Malheur County is Mountain)"),
    (270, "Eastern and Central time", "Wikipedia, Time in Kentucky"),
    (812, "Eastern and Central time", "Wikipedia, Time in Indiana (Evansville is Central)"),
    (906, "Eastern and Central time", "Wikipedia, Time in Michigan (four western UP counties)"),
    (605, "Central and Mountain time", "Wikipedia, Time in South Dakota"),
    (701, "Central and Mountain time", "Wikipedia, Time in North Dakota"),
    (915, "Mountain time", "Wikipedia, Time in Texas (El Paso is Mountain)"),
    (602, "Mountain time, no daylight saving time", "Wikipedia, Time in Arizona"),
    (928, "no daylight saving time in Arizona",
     "Wikipedia, Time in Arizona (the Navajo Nation keeps daylight time)"),
    (928, "no daylight saving time in Arizona except the Navajo Nation (Tuba City",
     "Wikipedia, Time in Arizona; tz database zone.tab: America/Phoenix 'MST - AZ (except "
     "Navajo)'"),
    (306, "no daylight saving time in Saskatchewan except Lloydminster",
     "Wikipedia, Time in Saskatchewan (Lloydminster keeps Alberta's time, daylight saving "
     "included)"),
    (808, "Hawaii time, no daylight saving time", "Wikipedia, Hawaii-Aleutian Time Zone"),
    (787, "Atlantic time, no daylight saving time", "Wikipedia, Time in Puerto Rico"),
    (709, "Newfoundland and Atlantic time", "Wikipedia, Time in Canada (Labrador keeps Atlantic)"),
    (250, "the Peace River region of BC", "Wikipedia, Time in British Columbia"),
    (306, "Central and Mountain time, no daylight saving time in Saskatchewan",
     "Wikipedia, Time in Saskatchewan (Lloydminster keeps Alberta's time)"),
    (639, "Central and Mountain time", "Wikipedia, Time in Saskatchewan (Lloydminster)"),
    (907, "Alaska and Hawaii-Aleutian time",
     "Wikipedia, Time in Alaska (Adak and Atka keep Hawaii-Aleutian time)"),
    (418, "Atlantic and Eastern time, no daylight saving time in Qu\u00e9bec's Lower North Shore",
     "Wikipedia, Time in Canada (Quebec east of 63\u00b0W keeps Atlantic Standard Time)"),
    (581, "Atlantic and Eastern time", "Wikipedia, Time in Canada (overlay of 418)"),
    (867, "no daylight saving time in Coral Harbour (NU) and Yukon",
     "Wikipedia, Time in Nunavut (Southampton Island keeps Eastern Standard Time); Government "
     "of Yukon, permanent UTC-7 since 2020"),
]
# Codes a metro line must list: (metro, code, reference).
METRO_CODES = [
    ("Houston", 409, "OMB Bulletin 23-01: Galveston County is in the Houston MSA"),
    ("Pittsburgh", 814, "Geocoding file 1814446 Seward, PA: Seward borough lies in Westmoreland "
     "County (US Census Bureau gazetteer), in the Pittsburgh MSA (OMB Bulletin 23-01)"),
    ("Atlanta", 470, "Wikipedia, Area codes 404, 470, 678, 770 and 943"),
    ("New York City", 201, "OMB Bulletin 23-01: Bergen and Hudson counties NJ"),
    ("Chicago", 219, "OMB Bulletin 23-01: Lake County IN is in the Chicago MSA"),
    ("Philadelphia", 856, "OMB Bulletin 23-01: Camden County NJ"),
    ("Cincinnati", 859, "OMB Bulletin 23-01: Boone and Kenton counties KY"),
    ("St. Louis", 618, "OMB Bulletin 23-01: Madison and St. Clair counties IL"),
    ("Portland OR", 360, "OMB Bulletin 23-01: Clark County WA"),
    ("Washington DC", 202, "OMB Bulletin 23-01"), ("Washington DC", 703, "OMB Bulletin 23-01"),
    ("Toronto", 905, "Statistics Canada 2021: Mississauga and Brampton are in the Toronto CMA"),
    ("Ottawa-Gatineau", 819, "Statistics Canada 2021: Gatineau is in the Ottawa-Gatineau CMA"),
    ("Richmond VA", 434, "OMB Bulletin 23-01: Sussex County VA is in the Richmond MSA; its town "
     "of Stony Creek is served by 434 (geocoding file: 1434246 Stony Creek, VA)"),
    ("Phoenix", 928, "OMB Bulletin 23-01: Maricopa County; Wickenburg is served by 928 "
     "(encyclopedia, Area code 928)"),
    ("Toronto", 705, "Statistics Canada 2021: New Tecumseth is in the Toronto CMA; Town of New "
     "Tecumseth: formed in 1991 from Alliston, Beeton and Tottenham; Alliston's exchanges are "
     "705's (geocoding file)"),
]
# Codes a metro line must not list: (metro, code, reference).
NOT_METRO_CODES = [
    ("Calgary", 780, "Area code 780 serves northern Alberta and Edmonton, not Calgary"),
    ("Seattle", 509, "Area code 509 serves eastern Washington"),
    ("New York City", 856, "OMB Bulletin 23-01: Camden County NJ (Voorhees, 856) is in the "
     "Philadelphia MSA; 856 serves no county of the New York MSA"),
    ("Orlando", 386, "Area code 386: its Lake Butler is the town of Union County; the Lake Butler "
     "of Orange County is served by 407"),
    ("New York City", 518, "Area code 518: its Greenville is in Greene County; the Greenville of "
     "Westchester County is served by 914"),
    ("New York City", 585, "Area code 585: its Bloomfield is in Ontario County, not on Staten "
     "Island"),
    ("Montr\u00e9al", 418, "Area code 418 serves eastern Qu\u00e9bec; the island of Montr\u00e9al "
     "is 514's"),
]
# Codes of one service that each of them lists: (code, codes listed, reference).
SISTERS = [
    (500, {521, 522, 523, 524, 525, 526, 527, 528, 529, 532, 533, 538, 544, 566, 577, 588},
     "NANPA NPA report: 5XX codes of the non-geographic services in service (538 from Oct 2025)"),
    (588, {500, 521, 522, 523, 524, 525, 526, 527, 528, 529, 532, 533, 538, 544, 566, 577},
     "NANPA NPA report, as for 500"),
    (800, {833, 844, 855, 866, 877, 888}, "NANPA NPA report: the toll-free codes in service"),
    (822, {800, 833, 844, 855, 866, 877, 888},
     "NANPA NPA report: 822 is assigned to toll-free service, not yet in service"),
    (633, {622}, "NANPA NPA report: Canadian non-geographic services"),
]
QC_NAMES = "Commission de toponymie du Qu\u00e9bec, official municipality names"
NB_NAMES = "Government of New Brunswick, local governments and their official names"
CSD = "Statistics Canada, 2021 Census: a community of the census subdivision "
# Places as their official names write them: (code, name shown, reference).
NAMES = [
    # Census subdivisions that no gazetteer point bears (Statistics Canada, 2021 Census).
    (905, "Clarington", "Statistics Canada, 2021 Census: Clarington, 101,427"),
    (905, "Haldimand County", "Statistics Canada, 2021 Census: Haldimand County, 49,216"),
    (519, "Lakeshore", "Statistics Canada, 2021 Census: Lakeshore, 40,410"),
    (204, "St. Clements", "Statistics Canada, 2021 Census: St. Clements, 11,586"),
    (403, "Rocky View County", "Statistics Canada, 2021 Census: Rocky View County, 41,028"),
    (306, "Corman Park No. 344", "Statistics Canada, 2021 Census: Corman Park No. 344, 8,909"),
    (867, "Arviat", "Statistics Canada, 2021 Census: Arviat, 2,864"),
    (757, "Chincoteague", "US Census: Chincoteague town (the rate centre 'Chincoteague Island')"),
    (450, "Saint-Lin\u2013Laurentides", QC_NAMES), (418, "Thetford Mines", QC_NAMES),
    (418, "Pont-Rouge", QC_NAMES),
    (819, "Val-des-Sources", QC_NAMES + " (Asbestos renamed in 2020)"),
    (506, "Tracadie", NB_NAMES + " (the regional municipality formed in 2014 round "
     "Tracadie-Sheila)"), (506, "Miramichi", NB_NAMES),
    (418, "Saguenay", QC_NAMES + " (Chicoutimi, Jonqui\u00e8re and La Baie merged in 2002)"),
    (907, "Utqiagvik", "City of Utqia\u0121vik, named Barrow until 2016"),
    (306, "Lloydminster", "City of Lloydminster, on the Alberta-Saskatchewan border"),
    (320, "St. Cloud", "US Census Bureau, 2020 place names (St. Cloud city, Minnesota)"),
    (586, "St. Clair Shores", "US Census Bureau, 2020 place names"),
    (651, "Saint Paul", "City of Saint Paul, Minnesota (its charter's spelling)"),
    (808, "Ewa Beach", "US Census Bureau, 2020 place names (Ewa Beach CDP, Hawaii)"),
]
# Names a code's text must not show: parts of a city shown as places of their own, and places
# outside the code's area: (code, name, reference).
NOT_SHOWN = [
    # Communities of Canadian municipalities (Statistics Canada, 2021 census subdivisions), and
    # a former town merged into a newer one.
    (905, "Bowmanville", CSD + "Clarington"), (905, "Thornhill", CSD + "Vaughan and Markham"),
    (905, "Mount Albert", CSD + "East Gwillimbury"), (905, "Keswick", CSD + "Georgina"),
    (905, "Dunnville", CSD + "Haldimand County"), (905, "Port Perry", CSD + "Scugog"),
    (519, "Simcoe", CSD + "Norfolk County"), (519, "New Hamburg", CSD + "Wilmot"),
    (519, "Dorchester", CSD + "Thames Centre"), (519, "Paris", CSD + "Brant"),
    (506, "Tracadie-Sheila", "merged into the Regional Municipality of Tracadie in 2014"),
    (514, "Verdun", "Ville de Montr\u00e9al: Verdun and Saint-Laurent are boroughs since 2002"),
    (514, "Saint-Laurent", "Ville de Montr\u00e9al: boroughs of Montr\u00e9al"),
    (613, "Orl\u00e9ans", "City of Ottawa: Orl\u00e9ans is part of Ottawa since 2001"),
    (506, "Nelson-Miramichi", "Nelson became part of Miramichi in 1995"),
    (418, "Jonqui\u00e8re", "Ville de Saguenay: Jonqui\u00e8re is one of its boroughs"),
    (905, "Ancaster", "City of Hamilton: Ancaster and Stoney Creek merged into it in 2001"),
    (705, "Lively", "City of Greater Sudbury: Lively is one of its communities since 2001"),
    (201, "Manhattan", "NANPA NPA report: 201 serves northeastern New Jersey; Manhattan is 212"),
    (757, "Chincoteague Island", "US Census: Chincoteague town, Accomack County"),
    (909, "Big Bear", "US Census: Big Bear Lake city and Big Bear City CDP; no place is Big Bear"),
    (818, "East Los Angeles", "Wikipedia, Area codes 213 and 323: East Los Angeles is 323's"),
    (206, "Bothell", "Wikipedia, Area code 425: Bothell and Kenmore are 425's"),
    (224, "Bartlett", "Wikipedia, Area code 630: Bartlett is 630's"),
    (876, "New Kingston", "New Kingston is the business district of Kingston, Jamaica"),
    (784, "Kingstown Park", "Kingstown Park is a neighbourhood of Kingstown, Saint Vincent"),
    (809, "Bella Vista", "Bella Vista is a sector of Santo Domingo's National District"),
    (902, "Dartmouth", "Halifax Regional Municipality: Dartmouth became part of it in 1996"),
    (604, "Ladner", "City of Delta, BC: Ladner is one of its communities"),
    (902, "Fallingbrook", "Fallingbrook is a neighbourhood of Orl\u00e9ans in Ottawa (613), "
     "which the gazetteer files in Prince Edward Island"),
    (909, "Riverside", "Wikipedia, Area code 951: Riverside is served by 951"),
    (202, "Shaw", "Government of the District of Columbia: Shaw is a neighborhood of Washington"),
    (859, "Lexington-Fayette", "Lexington-Fayette Urban County Government (1974): the merged "
     "city is Lexington, listed once"),
    (423, "East Chattanooga", "City of Chattanooga: East Chattanooga is one of its "
     "neighborhoods"),
    # St. Louis County's inner suburbs, which the St. Louis rate centre serves.
    (636, "Kirkwood", "Wikipedia, Area code 314 (636 serves the outer suburbs)"),
    (636, "Webster Groves", "Wikipedia, Area code 314"),
    (636, "Affton", "Wikipedia, Area code 314"),
    (636, "Lemay", "Wikipedia, Area code 314"),
    # One place listed once, under its current name (US Census 2020 place names).
    (301, "Oxon Hill-Glassmanor",
     "US Census 2020: Oxon Hill CDP (Oxon Hill-Glassmanor until 2010)"),
    (301, "Suitland-Silver Hill",
     "US Census 2020: Suitland CDP (Suitland-Silver Hill until 2010)"),
    (727, "West and East Lealman", "US Census 2020: Lealman CDP (so named since 2010)"),
    (239, "Marco", "US Census 2020: Marco Island city, Florida"),
    (854, "Hilton Head", "US Census 2020: Hilton Head Island town, South Carolina"),
    (870, "Helena", "City of Helena-West Helena: Helena and West Helena merged in 2006"),
    (870, "West Helena", "City of Helena-West Helena"),
    (747, "Agoura", "US Census 2020: Agoura Hills city, California"),
    (603, "Derry Village", "US Census 2020: Derry town, New Hampshire, 34,317"),
    # Towns beside a small rate centre of their own code, not a large one's of another.
    (774, "Rockland", "Wikipedia, Area code 781 (Plymouth County's north: Rockland, Abington)"),
    (774, "Abington", "Wikipedia, Area code 781"),
    (862, "Lyndhurst", "Wikipedia, Area code 201 (Bergen County)"),
    (779, "Lake in the Hills", "Wikipedia, Area code 847 (McHenry County's southeast)"),
    # Former towns of merged cities and districts of cities.
    (705, "Valley East", "City of Greater Sudbury: one of its communities since 2001"),
    (249, "Rayside-Balfour", "City of Greater Sudbury: one of its communities since 2001"),
    (819, "Buckingham", "Ville de Gatineau: Buckingham merged into it in 2002"),
    (873, "le Plateau", "Ville de Gatineau: le Plateau is one of its districts"),
    (418, "Hauterive", "Ville de Baie-Comeau: Hauterive merged into it in 1982"),
    (613, "Queenswood Heights", "City of Ottawa: a neighbourhood of Orl\u00e9ans"),
    (905, "Georgetown", "Town of Halton Hills: Georgetown is one of its communities since 1974"),
    (905, "Bolton", "Town of Caledon: Bolton is one of its communities since 1974"),
    (604, "West End", "City of Vancouver: the West End is one of its neighbourhoods"),
    (216, "Collinwood", "City of Cleveland: one of its neighborhoods"),
    (216, "Hough", "City of Cleveland: one of its neighborhoods"),
    (216, "Detroit-Shoreway", "City of Cleveland: one of its neighborhoods"),
    (832, "Alief", "City of Houston: Alief is one of its super neighborhoods"),
    (602, "Alhambra", "City of Phoenix: Alhambra is one of its urban villages"),
    # Gazetteer figures of another place.
    (428, "Lutes Mountain", CA_CITIES + ": no municipality of that name (Moncton parish)"),
    (506, "Lutes Mountain", CA_CITIES + ": no municipality of that name (Moncton parish)"),
    (814, "Shiloh", "US Census 2020: Shiloh CDP (11,218) is in York County, 717's"),
    (367, "Laurentides", "Commission de toponymie du Qu\u00e9bec: Laurentides merged into "
     "Saint-Lin\u2013Laurentides in 2000 (450)"),
    (468, "Sainte-Catherine", "Commission de toponymie du Qu\u00e9bec: Sainte-Catherine is in "
     "Mont\u00e9r\u00e9gie (450)"),
]
# A core city that a code serves only a sliver of never leads it: (code, city, reference).
NOT_FIRST = [
    (909, "Riverside", "Wikipedia, Area code 951: Riverside is served by 951; one of 909's 146 "
     "exchanges carries its name"),
    (840, "Riverside", "Wikipedia, Area codes 909 and 840 (overlay of 909)"),
    (763, "Minneapolis", "Wikipedia, Area code 763: the northern and western suburbs of "
     "Minneapolis, whose own code is 612"),
    (952, "Minneapolis", "Wikipedia, Area code 952: the southern and western suburbs"),
    (301, "Columbia", "Wikipedia, Area codes 410 and 443: Columbia, Howard County, Maryland"),
]
# Places that no exchange names, listed on the code that serves them: (code, place, reference).
PLACED = [
    (317, "Fishers", "US Census 2020: Fishers city, Hamilton County, Indiana, 98,977; Wikipedia, "
     "Area codes 317 and 463"),
    (763, "Brooklyn Park", "Wikipedia, Area code 763 (Brooklyn Park, Coon Rapids, Blaine)"),
    (763, "Coon Rapids", "Wikipedia, Area code 763"), (763, "Blaine", "Wikipedia, Area code 763"),
    (770, "Sandy Springs", "Wikipedia, Area codes 404, 470, 678, 770 and 943"),
    (450, "Brossard", "Wikipedia, Area codes 450, 579 and 354 (Montreal's South Shore)"),
    (314, "Kirkwood", "Wikipedia, Area code 314"),
    (314, "Webster Groves", "Wikipedia, Area code 314"),
    (314, "Affton", "Wikipedia, Area code 314"),
    (301, "Oxon Hill", "US Census 2020: Oxon Hill CDP, Prince George's County"),
    (301, "Suitland", "US Census 2020: Suitland CDP"),
    (727, "Lealman", "US Census 2020: Lealman CDP"),
    (239, "Marco Island", "US Census 2020"), (854, "Hilton Head Island", "US Census 2020"),
    (870, "Helena-West Helena", "City of Helena-West Helena"),
    (747, "Agoura Hills", "US Census 2020"), (603, "Derry", "US Census 2020: Derry town"),
    # Real towns beside a large city stay, though GeoNames files them like its districts.
    (514, "Westmount", "Statistics Canada 2021: Westmount (V), a city of its own"),
    (514, "Mont-Royal", "Statistics Canada 2021: Mont-Royal (V)"),
    (626, "Monterey Park", "US Census 2020: Monterey Park city, 61,096"),
    (614, "Upper Arlington", "US Census 2020: Upper Arlington city"),
    (216, "East Cleveland", "US Census 2020: East Cleveland city"),
    # Towns far from their code's other places, which no namesake of another code claims.
    (760, "California City", "Wikipedia, Area codes 760 and 442: Kern County, Mojave Desert"),
    (819, "La Tuque", "Wikipedia, Area codes 819, 873 and 468: Haute-Mauricie"),
    (707, "Crescent City", "Wikipedia, Area code 707: Del Norte County"),
    # Towns that position files under a neighbouring code, filed by tools/placed_towns.csv.
    (210, "Schertz", "Wikipedia, Area code 210"), (210, "Cibolo", "Wikipedia, Area code 210"),
    (940, "Lake Dallas", "Wikipedia, Area code 940"),
    (626, "Hacienda Heights", "Wikipedia, Area code 626"),
    (630, "Streamwood", "Wikipedia, Area code 630"),
]
# Codes not yet in service, as planned on the report's date: (code, words in the text, reference).
PLANS = [
    (465, "New code, planned as of Nov 2025 to start 18 Jun 2026; ",
     "NANPA NPA report of 26 Nov 2025, row 465 (planning letter 630)"),
    (718, "; 465 planned as of Nov 2025 to start 18 Jun 2026",
     "NANPA NPA report of 26 Nov 2025, rows 465 and 718"),
    (273, "New code, planned as of Nov 2025 to start 27 Feb 2027; ",
     "NANPA NPA report of 26 Nov 2025, row 273 (planning letter 632)"),
    (502, "; 761 not yet in service as of Nov 2025", "NANPA NPA report of 26 Nov 2025, row 761"),
]
# Codes that are not partners: (code, other code, reference).
NOT_PARTNERS = [
    (404, 770, "NANPA NPA report, row 404: 404/470/678/943"),
    (734, 679, "NANPA NPA report, rows 313 and 679: 313/679"),
]


def records():
    text = (DATA / "cities.txt").read_bytes().decode("cp1252")
    return {int(layout.code_of(line)): (layout.region_of(line), layout.city_text_of(line))
            for line in text.split("\r\n") if line}


def metro_lines():
    text = (DATA / "metro.txt").read_bytes().decode("cp1252")
    name = layout.METRO_NAME_LENGTH
    return {line[:name].rstrip(): layout.metro_codes_of(line)
            for line in text.split("\r\n") if line}


def places_of(text):
    return [name.split(" (")[0]
            for name in text.split("; ")[0].split(": ")[-1].split(", ")]


def partners_of(text):
    return {int(c) for part in text.split("; ") if part.startswith("overlay ")
            for c in part.split()[1:]}


class FactsTest(unittest.TestCase):
    def test_largest_place_first_in_every_state_and_province(self):
        texts = records()
        for code, region, start, source in LARGEST_FIRST:
            with self.subTest(code=code, source=source):
                self.assertEqual(texts[code][0], region)
                self.assertRegex(texts[code][1], "^" + re.escape(start) + "[,;]")
        for code, larger, smaller, source in BEFORE:
            with self.subTest(code=code, source=source):
                names = texts[code][1].split("; ")[0].split(": ")[-1].split(", ")
                self.assertLess(names.index(larger), names.index(smaller))

    def test_official_names_and_no_city_parts(self):
        texts = records()
        for code, name, source in NAMES:
            with self.subTest(code=code, name=name, source=source):
                self.assertIn(name, places_of(texts[code][1]))
        for code, part, source in NOT_SHOWN:
            with self.subTest(code=code, part=part, source=source):
                self.assertNotIn(part, places_of(texts[code][1]))

    def test_slivers_do_not_lead_and_unnamed_towns_are_placed(self):
        texts = records()
        for code, city, source in NOT_FIRST:
            with self.subTest(code=code, city=city, source=source):
                self.assertNotEqual(places_of(texts[code][1])[0], city)
        for code, town, source in PLACED:
            with self.subTest(code=code, town=town, source=source):
                self.assertIn(town, places_of(texts[code][1]))

    def test_zones(self):
        texts = records()
        for code, words, source in ZONES:
            with self.subTest(code=code, source=source):
                self.assertIn("; " + words if words[0].isupper() else words, texts[code][1])

    def test_metro_codes(self):
        metros = metro_lines()
        for name, code, source in METRO_CODES:
            with self.subTest(metro=name, source=source):
                self.assertIn(code, metros[name])
        for name, code, source in NOT_METRO_CODES:
            with self.subTest(metro=name, source=source):
                self.assertNotIn(code, metros[name])

    def test_partners_and_numbers_that_are_not_area_codes(self):
        texts = records()
        for code, other, source in NOT_PARTNERS:
            with self.subTest(code=code, source=source):
                self.assertNotIn(other, partners_of(texts[code][1]))
        self.assertIn("emergencies", texts[911][1])
        self.assertIn("directory assistance", texts[411][1])
        self.assertTrue(texts[233][1].startswith("Not assigned"))

    def test_plans_are_dated(self):
        texts = records()
        for code, words, source in PLANS:
            with self.subTest(code=code, source=source):
                self.assertIn(words, texts[code][1])
                self.assertNotIn("planned to start", texts[code][1])

    def test_codes_of_one_service_list_each_other(self):
        texts = records()
        for code, sisters, source in SISTERS:
            with self.subTest(code=code, source=source):
                self.assertEqual({int(c) for c in texts[code][1].split("; same service ")[1]
                                  .split()}, sisters)


if __name__ == "__main__":
    unittest.main()
