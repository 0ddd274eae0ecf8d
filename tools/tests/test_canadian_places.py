# SPDX-License-Identifier: Apache-2.0
# Canada's municipalities from Statistics Canada's census subdivisions: the table as read, which
# subdivision a GeoNames point is the town of, and the communities inside them.
import csv
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import canadian_places  # noqa: E402
import city_parts  # noqa: E402
import place_names  # noqa: E402
import source_files  # noqa: E402

COLUMNS = ('"REF_DATE","GEO","DGUID","Coordinate",'
           f'"{canadian_places.PEOPLE_COLUMN}","Symbols"\n')
# Rows of the table's shape: the country and a division (not subdivisions), namesakes in one
# division, a bilingual name, a subdivision across two divisions, a suppressed count.
ROWS = [
    ("Canada", "2021A000011124", "36991981"),
    ("Westmorland", "2021A00031307", "163949"),
    ("Moncton", "2021A00051307019", "10704"),
    ("Moncton", "2021A00051307022", "79470"),
    ("Shediac", "2021A00051307016", "5144"),
    ("Shediac", "2021A00051307052", "7535"),
    ("Greater Sudbury / Grand Sudbury", "2021A00053553005", "166004"),
    ("Lloydminster (Part)", "2021A00054810039", "19739"),
    ("Langley", "2021A00055915001", "132603"),
    ("Langley", "2021A00055915002", "28963"),
    ("Wood Buffalo", "2021A00054816037", "72326"),
    ("Chatham-Kent", "2021A00053536020", "103988"),
    ("Victoria", "2021A00051001365", ""),
    ("Strathroy-Caradoc", "2021A00053539015", "23871"),
    ("St. Clair", "2021A00053538003", "14659"),
    ("St. Clair Beach", "2021A00053538099", "1"),
    ("Killarney - Turtle Mountain", "2021A00054605031", "3429"),
    ("Norway House 17", "2021A00054622049", "4758"),
]
SUBDIVISIONS = COLUMNS + "".join(f'"2021","{name}","{dguid}","1","{people}",\n'
                                 for name, dguid, people in ROWS) + "\n\n"
# (names, GeoNames admin1, county, GeoNames figure) -> code of the subdivision, or None.
NAMED = [
    (("Moncton",), "04", "1307", 71889, "1307022"),  # the city, not the parish
    (("Moncton",), "04", "1307", 0, "1307022"),  # no figure: the larger
    (("Moncton",), "04", "", 11000, "1307019"),
    # The town, coded after its parish, though GeoNames' older figure lies nearer the parish's.
    (("Shediac",), "04", "1307", 6053, "1307052"),
    (("Greater Sudbury",), "08", "3553", 157857, "3553005"),
    (("Grand Sudbury",), "08", "", 0, "3553005"),
    (("Lloydminster",), "01", "4810039", 31400, "4810039"),
    (("Langley",), "02", "5915", 23606, "5915002"),
    (("Township of Langley",), "02", "5915001", 0, "5915001"),
    (("Chatham", "Chatham-Kent"), "08", "3536", 43550, "3536020"),
    (("Moncton",), "08", "3536", 100, None),  # another province
    (("Fort McMurray",), "01", "4816037", 76000, None),
    (("Wood Buffalo",), "01", "11995137", 0, "4816037"),  # the only one; no division code
    (("Wood Buffalo",), "01", "4811", 0, None),  # another division of its province
    (("Montr\u00e9al",), "10", "", 0, None),
]


class CanadianPlacesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "table.csv"
            path.write_text(SUBDIVISIONS, encoding="utf-8-sig")
            cls.table = canadian_places.read_subdivisions(path)

    def test_reads_only_subdivisions(self):
        self.assertEqual(len(self.table), len(ROWS) - 2)
        self.assertEqual(self.table["3536020"].people, 103988)
        self.assertEqual(self.table["1001365"].people, 0)

    def test_shown_names(self):
        for code, shown in (("3553005", "Greater Sudbury"), ("4810039", "Lloydminster"),
                            ("5915001", "Township of Langley"), ("5915002", "City of Langley"),
                            ("1307022", "Moncton")):
            with self.subTest(code=code):
                self.assertEqual(self.table[code].shown_name(), shown)

    def test_county_parts_are_one_municipality(self):
        rows = [("Kings, Subd. B", "2021A00051207016", "11951"),
                ("Kings, Subd. A", "2021A00051207001", "22355"),
                ("Division No.  1, Subd. A", "2021A00051001259", "653"),
                ("Division No.  1, Subd. B", "2021A00051001234", "356")]
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "table.csv"
            path.write_text(COLUMNS + "".join(f'"2021","{name}","{dguid}","1","{people}",\n'
                                              for name, dguid, people in rows),
                            encoding="utf-8-sig")
            table = canadian_places.Subdivisions(canadian_places.read_subdivisions(path))
        self.assertEqual(sorted(map(repr, table.by_code.values())),
                         ["Division No.  1, Subd. A (1001259, 653)",
                          "Division No.  1, Subd. B (1001234, 356)",
                          "Kings County (1207001, 34306)", "Kings County (1207001, 34306)"])
        self.assertIs(table.by_code["1207016"], table.by_code["1207001"])

    def test_named(self):
        subdivisions = canadian_places.Subdivisions(self.table)
        for names, admin1, county, people, code in NAMED:
            with self.subTest(names=names, county=county):
                found = subdivisions.named(names, admin1, county, people)
                self.assertEqual(found and found.code, code)


def point(name, county, people, admin1="01"):
    return source_files.GazetteerPlace([name, "CA", admin1, county, "56.7", "-111.4",
                                        str(people), "PPL", "America/Edmonton"])


# (point name, county) -> the subdivision whose name begins with it, or None: a word of its own,
# in the division, and only one.
NAMED_AFTER = [
    ("Strathroy", "3539", "3539015"), ("Strathroy", "3539015", "3539015"),
    ("Strathroy", "3538", None), ("Strathroy", "", None), ("Strath", "3539", None),
    ("St. Clair", "3538", None), ("Saint Clair", "3538", None),
]


class NamedAfterTest(unittest.TestCase):
    def test_named_after(self):
        subdivisions = canadian_places.Subdivisions(CanadianPlacesTest.table)
        for name, county, code in NAMED_AFTER:
            with self.subTest(name=name, county=county):
                found = subdivisions.named_after(name, county)
                self.assertEqual(found and found.code, code)


    def test_named_after_in_the_province(self):
        """GeoNames files Manitoba's points under codes of no census division."""
        subdivisions = canadian_places.Subdivisions(CanadianPlacesTest.table)
        for name, county, admin1, code in [("Killarney", "5961416", "03", "4605031"),
                                           ("Killarney", "5961416", "08", None),
                                           ("Killarney", "4604", "03", None),
                                           ("Norway House", "5961416", "03", None)]:
            with self.subTest(name=name, county=county, admin1=admin1):
                found = subdivisions.named_after(name, county, admin1)
                self.assertEqual(found and found.code, code)


class MunicipalitiesTest(unittest.TestCase):
    """The real table: a point of a municipality's name takes its count; a point inside one that
    names none is its community; a municipality without a point stands at its largest one."""

    def test_points_become_municipalities(self):
        calgary, edmonton = point("Calgary", "4806", 1019942), point("Edmonton", "4811", 0)
        town = point("Fort McMurray", "4816037", 76000)
        village = point("Saprae Creek", "4816037", 700)
        neighbourhood = point("Silver Berry", "4811061", 8089)
        loose = point("Nowhere Flats", "4899", 50)
        # Lindsay lies in the division of which the City of Kawartha Lakes holds everyone;
        # Keswick in York's, of nine municipalities.
        lindsay, keswick = point("Lindsay", "3516", 20354, "08"), point("Keswick", "3519", 21000,
                                                                         "08")
        gazetteer = [calgary, edmonton, town, village, neighbourhood, loose, lindsay, keswick]
        added = canadian_places.as_municipalities(gazetteer, lambda name, region: name, None)
        self.assertEqual((calgary.population, edmonton.population), (1306784, 1010899))
        by_code = {p.county: p for p in added}
        self.assertEqual([(by_code[code].name, by_code[code].population) for code in
                          ("3516010", "4816037")],
                         [("Kawartha Lakes (Lindsay)", 79247),
                          ("Wood Buffalo (Fort McMurray)", 72326)])
        self.assertEqual((by_code["4816037"].lat, by_code["4816037"].lon), (town.lat, town.lon))
        wood_buffalo = by_code["4816037"]
        for community, holder in ((town, wood_buffalo), (village, wood_buffalo),
                                  (neighbourhood, edmonton), (loose, None), (keswick, None)):
            with self.subTest(community=community.name):
                self.assertIs(community.holder, holder)
                self.assertTrue(community.locality)
                self.assertEqual(community.population, 0)
        # Every other municipality stands without a point of its own; no reserve does.
        self.assertEqual(by_code["3519070"].name, "Georgina")
        self.assertNotIn("3519076", by_code)  # Chippewas of Georgina Island First Nation
        self.assertNotIn("4622058", by_code)  # Norway House 17

    def test_communities_by_position(self):
        """Thornhill lies in Vaughan's reach; Keswick and Mount Albert in York's only large
        municipality without a point of its name, Georgina, which stands amid them without
        a name in brackets."""
        york = [point(name, "3519", 0, "08") for name in (
            "Aurora", "Markham", "Newmarket", "King", "Richmond Hill", "Whitchurch-Stouffville",
            "East Gwillimbury")]
        vaughan = point("Vaughan", "3519", 0, "08")
        vaughan.lat, vaughan.lon = 43.8361, -79.49827
        thornhill = point("Thornhill", "3519", 0, "08")
        thornhill.lat, thornhill.lon = 43.815, -79.4242
        keswick, albert = point("Keswick", "3519", 21000, "08"), point("Mount Albert", "3519",
                                                                         0, "08")
        keswick.lat, keswick.lon, albert.lat, albert.lon = 44.25, -79.47, 44.13, -79.32
        added = canadian_places.as_municipalities(
            york + [vaughan, thornhill, keswick, albert], lambda name, region: name, None)
        georgina = next(p for p in added if p.county == "3519070")
        self.assertIs(thornhill.holder, vaughan)
        self.assertEqual((keswick.holder, albert.holder), (georgina, georgina))
        self.assertEqual((georgina.name, georgina.lat), ("Georgina", 44.19))

    def test_own_name_before_former_name(self):
        former, own = point("Asbestos", "", 6486, "10"), point("Val-des-Sources", "", 0, "10")
        canadian_places.as_municipalities(
            [former, own], lambda name, region: "Val-des-Sources" if name == "Asbestos" else name,
            None)
        self.assertIs(former.holder, own)
        self.assertEqual(own.population, 7088)


# Subdivision names -> whether they are municipalities, and the name shown.
KINDS = [
    ("Clarington", True, "Clarington"), ("Corman Park No. 344", True, "Corman Park No. 344"),
    ("Eskasoni 3", False, "Eskasoni"), ("Six Nations (Part) 40", False, "Six Nations"),
    ("Tsuu T'ina Nation 145 (Sarcee 145)", False, "Tsuu T'ina Nation"),
    ("Shoal Lake 34B2", False, "Shoal Lake"), ("Division No. 19, Unorganized", False, None),
    ("Division No.  1, Subd. A", False, None), ("Lot 11 and Area", False, None),
    ("Metro Vancouver A", False, None), ("Chippewas of Rama First Nation", False, None),
    ("Pikwakanagan (Golden Lake 39)", False, "Pikwakanagan"), ("Juan de Fuca (Part 1)", False,
                                                               None),
    ("Grande Prairie County No. 1", True, None), ("Lloydminster (Part)", True, "Lloydminster"),
]


class KindsTest(unittest.TestCase):
    def test_municipalities_and_their_names(self):
        for name, municipal, shown in KINDS:
            with self.subTest(name=name):
                subdivision = canadian_places.Subdivision("3500000", name, 1)
                self.assertEqual(subdivision.is_municipality(), municipal)
                if shown:
                    self.assertEqual(subdivision.shown_name(), shown)


class DirectoryPlacesTest(unittest.TestCase):
    """The places the directory is made of: Canadian figures are the table's, and communities
    are parts of their municipalities, which the check of shown towns finds."""

    @classmethod
    def setUpClass(cls):
        cls.places = source_files.read_places()

    def test_figures_are_the_census_counts(self):
        towns = {(p.name, p.region): p.population for p in self.places
                 if p.country == "CA" and not p.locality}
        for name, region, people in [("Victoria", "BC", 91867), ("Saanich", "BC", 117735),
                                     ("Toronto", "ON", 2794356), ("Chatham", "ON", 103988),
                                     ("Langley", "BC", 28963),
                                     ("Township of Langley", "BC", 132603),
                                     ("District of North Vancouver", "BC", 88168),
                                     ("Wood Buffalo (Fort McMurray)", "AB", 72326)]:
            with self.subTest(name):
                self.assertEqual(towns.get((name, region)), people)

    def test_communities_are_parts_of_towns(self):
        parts = city_parts.parts_of_towns(self.places)
        for part, region, town in [("Fort McMurray", "AB", "Wood Buffalo (Fort McMurray)"),
                                   ("Sherwood Park", "AB", "Strathcona County (Sherwood Park)"),
                                   ("Glace Bay", "NS", "Cape Breton (Sydney)"),
                                   ("Lindsay", "ON", "Kawartha Lakes (Lindsay)"),
                                   ("Silver Berry", "AB", "Edmonton"),
                                   ("Oakbank", "MB", "Springfield"),
                                   ("Bowmanville", "ON", "Clarington"),
                                   ("Thornhill", "ON", "Vaughan"),
                                   ("Simcoe", "ON", "Norfolk County"),
                                   ("Geraldton", "ON", "Greenstone"),
                                   ("Bloomfield", "ON", "Prince Edward County"),
                                   ("Chezzetcook", "NS", "Halifax")]:
            with self.subTest(part):
                self.assertEqual(parts.get((region, place_names.name_key(part))), town)

    def test_community_table_names_subdivisions(self):
        """Each row of the reviewed table files its community under a subdivision of its own
        province, and the municipality that stands for it carries that subdivision's count."""
        subdivisions = canadian_places.read_subdivisions()
        named = {(p.name, p.region): p.holder or p for p in self.places if p.country == "CA"}
        with open(canadian_places.COMMUNITIES, encoding="utf-8") as source:
            rows = list(csv.DictReader(line for line in source if not line.startswith("#")))
        for row in rows:
            with self.subTest(row["community"]):
                code = row["subdivision"]
                self.assertIn(code, subdivisions)
                self.assertEqual(regions_of_codes[code[:2]], row["province"])
                town = named[(row["community"], row["province"])]
                self.assertEqual(town.population, subdivisions[code].people)


# The first two digits of a subdivision code: its province.
regions_of_codes = {"10": "NL", "11": "PE", "12": "NS", "13": "NB", "24": "QC", "35": "ON",
                    "46": "MB", "47": "SK", "48": "AB", "59": "BC"}


if __name__ == "__main__":
    unittest.main()
