# SPDX-License-Identifier: Apache-2.0
# The table of municipalities filed by their codes' split records, and how it files them.
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import municipal_splits  # noqa: E402
import places as place_lists  # noqa: E402
import source_files  # noqa: E402


def place(name, region="MN", population=1000):
    return source_files.GazetteerPlace([name, "US", region, "053", "44.9", "-93.3",
                                        str(population), "PPL", "America/Chicago"])


def item(name, population, share=1.0, region="MN"):
    return place_lists.Item(name, region, place(name, region, population), 3, share)


ROWS = {("saint louis park", "MN"): municipal_splits.Row("St. Louis Park", "MN",
                                                         frozenset({952}), "s"),
        ("parma", "OH"): municipal_splits.Row("Parma", "OH", frozenset({216, 440}), "s"),
        ("medina", "MN"): municipal_splits.Row("Medina", "MN", frozenset({763}), "s")}


class TableTest(unittest.TestCase):
    def test_every_row_names_geographic_codes_of_its_region_and_a_source(self):
        report = source_files.read_report()
        rows = municipal_splits.read_table()
        self.assertGreater(len(rows), 30)
        # Both tables are read: the split table's Twin Cities and the placed towns' Schertz.
        self.assertEqual(rows[("saint louis park", "MN")].codes, {952})
        self.assertEqual(rows[("schertz", "TX")].codes, {210})
        for row in rows.values():
            with self.subTest(municipality=row.name):
                self.assertTrue(row.source)
                self.assertTrue(row.codes)
                for code in row.codes:
                    self.assertEqual(report[code]["USE"], "G")
                    self.assertEqual(report[code]["LOCATION"], row.region)

    def test_a_municipality_listed_twice_keeps_the_last_row_and_comments_are_skipped(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "t.csv"
            path.write_text("# note, with a comma\nmunicipality,region,codes,source\n"
                            "Saint Louis Park,MN,612,old\nSt. Louis Park,MN, 952 ,\"a, b\"\n",
                            encoding="utf-8")
            rows = municipal_splits.read_table(path)
        self.assertEqual(list(rows.values()), [municipal_splits.Row(
            "St. Louis Park", "MN", frozenset({952}), "a, b")])


class FilingTest(unittest.TestCase):
    def gazetteer(self):
        return place_lists.Gazetteer([place("Saint Louis Park", population=45250),
                                      place("Medina", population=6000),
                                      place("Parma", "OH", 80000)])

    def names(self, items):
        return [(i.name, round(i.share, 2)) for i in items]

    def test_a_municipality_leaves_the_codes_that_the_table_does_not_give_it(self):
        items = [item("Minneapolis", 420000), item("St. Louis Park", 45250), item("Edina", 50000)]
        filed = municipal_splits.filed(items, {612}, ROWS, self.gazetteer(), {"MN"})
        self.assertEqual(self.names(filed), [("Minneapolis", 1.0), ("Edina", 1.0)])

    def test_a_missing_municipality_joins_its_code_in_order_of_the_people_it_holds(self):
        items = [item("Bloomington", 89000), item("Shakopee", 43000, share=0.5)]
        filed = municipal_splits.filed(items, {952}, ROWS, self.gazetteer(), {"MN"})
        self.assertEqual(self.names(filed), [("Bloomington", 1.0), ("St. Louis Park", 1.0),
                                             ("Shakopee", 0.5)])
        self.assertEqual(filed[1].population, 45250)

    def test_a_divided_municipality_is_shared_by_its_codes_overlays_included(self):
        items = [item("Cleveland", 370000, region="OH"), item("Parma", 80000, 0.3, "OH")]
        for area in ({216}, {440, 436}):
            filed = municipal_splits.filed(items, area, ROWS, self.gazetteer(), {"OH"})
            self.assertEqual(self.names(filed), [("Cleveland", 1.0), ("Parma", 0.5)])
        filed = municipal_splits.filed([], {436, 440}, ROWS, self.gazetteer(), {"OH"})
        self.assertEqual(self.names(filed), [("Parma", 0.5)])

    def test_other_regions_and_unknown_places_are_left_as_they_are(self):
        wisconsin = [item("Medina", 900, region="WI")]
        self.assertEqual(self.names(municipal_splits.filed(
            wisconsin, {262}, ROWS, self.gazetteer(), {"WI"})), [("Medina", 1.0)])
        lone = {("lexington", "MN"): municipal_splits.Row("Lexington", "MN", frozenset({763}),
                                                          "s")}
        filed = municipal_splits.filed([item("Blaine", 70000)], {763}, lone,
                                       self.gazetteer(), {"MN"})
        self.assertEqual([(i.name, i.place is None) for i in filed],
                         [("Blaine", False), ("Lexington", True)])


if __name__ == "__main__":
    unittest.main()
