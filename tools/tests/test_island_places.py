# SPDX-License-Identifier: Apache-2.0
# The Caribbean's and the Pacific's towns: the reviewed table and the rules that show a GeoNames
# place as the town it is or belongs to.
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import types  # noqa: E402

import check_directory  # noqa: E402
import island_places  # noqa: E402
import places as place_lists  # noqa: E402
import record_layout  # noqa: E402
import source_files  # noqa: E402


def place(name, country, lat, population, feature):
    return source_files.GazetteerPlace([name, country, "00", "", str(lat), "-61.0",
                                        str(population), feature, "America/St_Lucia"])


def row(region, name, gazetteer="", population="", part_of="", year="2010"):
    return island_places.Row(region, name, gazetteer, population, year, part_of, "s")


class TableTest(unittest.TestCase):
    def test_no_row_stands_twice(self):
        with open(island_places.TABLE, encoding="utf-8") as source:
            records = [line for line in source if line.strip() and not line.startswith("#")]
        self.assertEqual(len(island_places.read_table()), len(records) - 1)

    def test_every_row_has_a_source_a_year_and_a_place_that_geonames_knows(self):
        gazetteer = place_lists.Gazetteer(source_files.read_gazetteer_places())
        without_figure = {island_places.NO_FIGURE, island_places.GEONAMES_FIGURE}
        for (region, _), found in island_places.read_table().items():
            with self.subTest(row=found.name):
                self.assertTrue(found.source)
                scope = "country:" + region
                if found.part_of == island_places.AREA:
                    self.assertGreater(found.population, 0)
                    continue
                self.assertTrue(gazetteer.candidates(found.gazetteer, scope), found.gazetteer)
                if found.part_of and found.part_of != island_places.NO_TOWN:
                    self.assertTrue(gazetteer.candidates(found.part_of, scope))
                    self.assertEqual(found.population, 0)
                elif not found.part_of and found.year in without_figure:
                    self.assertEqual(found.population, 0)
                elif not found.part_of:
                    self.assertGreater(found.population, 0)
                    self.assertRegex(found.year, r"^(19|20)\d\d$")

    def test_no_town_of_the_table_carries_an_area_figure(self):
        rows = island_places.read_table()
        for (region, _), found in rows.items():
            if found.part_of != island_places.AREA and found.population:
                with self.subTest(row=found.name):
                    self.assertNotIn(found.population, island_places.area_figures(rows, region))


class TownsTest(unittest.TestCase):
    castries = place("Castries", "LC", 14.00, 20000, "PPLC")
    bisee = place("Bisee", "LC", 14.02, 12980, "PPLL")  # 3 km off: a locality of Castries
    far = place("Cul de Sac", "LC", 14.30, 8467, "PPLL")  # 33 km off: stands
    freeport = place("Freeport", "BS", 26.53, 26910, "PPLA")
    lucaya = place("Lucaya", "BS", 26.53, 46525, "PPL")
    calliaqua = place("Calliaqua", "VC", 13.13, 0, "")
    hamlet = place("Diamond", "VC", 13.14, 0, "")
    seat = place("Governor\u2019s Harbour", "BS", 25.17, 0, "PPLA")
    house = place("Guam Government House", "GU", 13.47, 0, "PPLG")
    plymouth = place("Plymouth", "MS", 16.70, 0, "PPLC")
    st_george = place("Saint George", "BM", 32.38, 1896, "PPL")
    rio_claro = place("Rio Claro", "TT", 10.31, 35650, "PPLA")  # its region's figure
    paradise = place("Paradise", "TT", 10.65, 15067, "PPL")  # another community's figure
    koolbaai = place("Koolbaai", "SX", 18.04, 6000, "PPL")
    rows = {("BS", "lucaya"): row("BS", "Lucaya", part_of="Freeport"),
            ("VC", "calliaqua"): row("VC", "Calliaqua", population="636"),
            ("MS", "plymouth"): row("MS", "Plymouth", part_of=island_places.NO_TOWN),
            ("BM", "saint george"): row("BM", "St. George's", "Saint George", "1802"),
            ("TT", "rio claro"): row("TT", "Rio Claro", year=island_places.NO_FIGURE),
            ("TT", "paradise"): row("TT", "Paradise", year=island_places.NO_FIGURE),
            ("SX", "koolbaai"): row("SX", "Cole Bay", "Koolbaai",
                                    year=island_places.GEONAMES_FIGURE),
            ("TT", "area:mayaro rio claro"): row("TT", "Mayaro-Rio Claro", population="35650",
                                                 part_of=island_places.AREA)}

    def towns(self, rows=None):
        everything = [self.castries, self.bisee, self.far, self.freeport, self.lucaya,
                      self.calliaqua, self.hamlet, self.seat, self.house, self.plymouth,
                      self.st_george, self.rio_claro, self.paradise, self.koolbaai]
        return island_places.Towns(place_lists.Gazetteer(everything), rows or self.rows)

    def test_parts_of_towns_are_shown_as_their_town(self):
        towns = self.towns()
        cases = [(self.bisee, "Castries", 20000), (self.far, "Cul de Sac", 8467),
                 (self.lucaya, "Freeport", 26910), (self.castries, "Castries", 20000)]
        for found, name, population in cases:
            with self.subTest(place=found.name):
                shown, town = towns.town_of(found)
                self.assertEqual((shown, town.population), (name, population))

    def test_figures_and_names_of_the_table_replace_geonames(self):
        towns = self.towns()
        shown, town = towns.town_of(self.calliaqua)
        self.assertEqual((shown, town.population, self.calliaqua.population),
                         ("Calliaqua", 636, 0))
        self.assertEqual(towns.town_of(self.st_george)[0], "St. George's")
        self.assertIsNone(towns.town_of(self.plymouth))

    def test_figures_of_another_level_are_dropped_and_names_alone_keep_geonames_figure(self):
        towns = self.towns()
        cases = [(self.rio_claro, "Rio Claro", 0), (self.paradise, "Paradise", 0),
                 (self.koolbaai, "Cole Bay", 6000)]
        for found, name, population in cases:
            with self.subTest(place=found.name):
                shown, town = towns.town_of(found)
                self.assertEqual((shown, town.population), (name, population))

    def test_which_places_stand_as_towns(self):
        towns = self.towns()
        cases = [(self.calliaqua, True), (self.seat, True), (self.castries, True),
                 (self.hamlet, False), (self.house, False), (self.plymouth, False),
                 (self.rio_claro, True), (self.paradise, False), (self.koolbaai, True)]
        for found, expected in cases:
            with self.subTest(place=found.name):
                self.assertIs(towns.is_town(found), expected)

    def test_names_as_the_islands_write_them(self):
        cases = [("Saint John\u2019s", "St. John's"), ("Dededo Village", "Dededo"),
                 ("Nu\u2018uuli", "Nu'uuli"), ("Saint Ann\u2019s Bay", "St. Ann's Bay"),
                 ("Sainte Rose", "Sainte Rose"), ("San Fernando", "San Fernando")]
        for name, expected in cases:
            with self.subTest(name=name):
                self.assertEqual(island_places.shown_name(name), expected)


class CheckTest(unittest.TestCase):
    """The check of the island lines finds the faults of each class in lines written before
    the table and rules, and none in the lines they give."""

    def check(self, texts, rows=None):
        towns = TownsTest().towns(rows)
        regions = {758: "LC", 242: "BS", 441: "BM", 784: "VC", 664: "MS", 868: "TT"}
        context = types.SimpleNamespace(
            place_of={code: types.SimpleNamespace(region=region)
                      for code, region in regions.items()},
            placed_by_exchanges=lambda code: False, gazetteer=towns.gazetteer, towns=towns)
        lines = [record_layout.directory_record("X", regions[code], code, text)
                 for code, text in texts.items()]
        problems = {"16 island towns": []}
        check_directory.check_island_towns(lines, context, problems)
        return problems["16 island towns"]

    def test_faults_are_found(self):
        found = self.check({758: "Saint Lucia: Castries, Bisee, Cul de Sac",
                            242: "Bahamas: Lucaya, Freeport, Governor's Harbour",
                            441: "Bermuda: Saint George",
                            784: "Saint Vincent and the Grenadines: Kingstown",
                            664: "Montserrat: Plymouth"})
        self.assertEqual(found, ["758: Bisee shown for Castries",
                                 "242: Lucaya shown for Freeport",
                                 "441: Saint George shown for St. George's",
                                 "441: lacks St. George's",
                                 "784: lacks Calliaqua",
                                 "664: Plymouth is no town today"])

    def test_a_town_with_its_regions_figure_is_found(self):
        rows = dict(TownsTest.rows)
        del rows[("TT", "rio claro")]  # a table that does not drop GeoNames' figure
        found = self.check({868: "Trinidad and Tobago: Rio Claro"}, rows)
        self.assertEqual(found, ["868: Rio Claro carries Mayaro-Rio Claro's figure"])

    def test_right_lines_pass(self):
        self.assertEqual(self.check({758: "Saint Lucia: Castries, Cul de Sac",
                                     242: "Bahamas: Freeport, Governor's Harbour",
                                     441: "Bermuda: St. George's",
                                     784: "Saint Vincent and the Grenadines: Calliaqua"}), [])


if __name__ == "__main__":
    unittest.main()
