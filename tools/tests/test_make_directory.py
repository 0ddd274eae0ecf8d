"""Unit tests of the directory generator on small, made-up sources."""

import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import make_directory as md  # noqa: E402

HEADER = ("NPA_ID,type_of_code,ASSIGNABLE,EXPLANATION,RESERVED,ASSIGNED,ASSIGNMENT_DT,USE,"
          "LOCATION,COUNTRY,IN_SERVICE,IN_SERVICE_DT,STATUS,PLANNING_LETTERS,NOTES,OVERLAY,"
          "OVERLAY_COMPLEX,PARENT_NPA_ID,SERVICE,TIME_ZONE")


def report_row(code, use="G", location="", country="US", in_service="Y", assigned="Yes",
               date="", complex_="", service="", zone="E"):
    return (f"{code},General Purpose Code,Yes,,No,{assigned},,{use},{location},{country},"
            f"{in_service},{date},,,,,{complex_},,{service},{zone}")


class SourcesTest(unittest.TestCase):
    def write(self, name, text):
        path = pathlib.Path(self.folder.name) / name
        path.write_text(text, encoding="utf-8")
        return path

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def directory(self, rows, geocoding):
        report = md.read_report(self.write("r.csv", "File Date,11/26/2025\n" + HEADER + "\n" +
                                           "\n".join(rows) + "\n"))
        whole, exchanges = md.read_geocoding(self.write("g.txt", geocoding))
        complexes = md.overlay_complexes({c: r for c, r in report.items() if md.listed(r)})
        lines = md.directory_records(report, complexes, whole, exchanges)
        return {line[16:19].decode(): line.decode("cp1252") for line in lines}

    def test_records_cities_overlays_and_fallbacks(self):
        records = self.directory(
            [report_row(201, location="NJ", complex_="201/551"),
             report_row(551, location="NJ", complex_="201/551"),
             report_row(802, location="VT", zone="EC"),
             report_row(902, location="NOVA SCOTIA - PRINCE EDWARD ISLAND", country="CANADA",
                        zone="A"),
             report_row(465, location="NY", in_service="N", date="18-Jun-2026"),
             report_row(800, use="N", location="NANP AREA", country="", service="Toll-Free",
                        complex_="800/888"),
             report_row(888, use="N", location="NANP AREA", country="", service="Toll-Free",
                        complex_="800/888"),
             report_row(999, assigned="No", in_service="N")],
            "# comment\n1201|New Jersey\n1201200|Jersey City, NJ\n1201201|Jersey City, NJ\n"
            "1201224|Fort Lee, NJ\n1201225|New York, NY\n1201226|New Jersey\n1802|Vermont\n"
            "1902200|Halifax, NS\n1902201|Charlottetown, PE\n1902202|Halifax, NS\n")
        self.assertEqual(sorted(records), ["201", "465", "551", "800", "802", "888", "902"])
        self.assertEqual(records["201"], "USA         NJ  201     Jersey City, Fort Lee, "
                                         "New York (NY); overlay 551; Eastern time")
        self.assertTrue(records["551"].endswith("Jersey City, Fort Lee, New York (NY); "
                                                "overlay 201; Eastern time"))
        self.assertTrue(records["802"].endswith("     Vermont; Eastern and Central time"))
        self.assertEqual(records["902"][:24], "CANADA      NS  902     ")
        self.assertTrue(records["902"].endswith("Nova Scotia and Prince Edward Island: Halifax, "
                                                "Charlottetown (PE); Atlantic time"))
        self.assertIn("Not yet in service (planned 18 Jun 2026); New York", records["465"])
        self.assertEqual(records["800"][:24], "NANP        NA  800     ")
        self.assertTrue(records["800"].startswith("NANP        NA  800     Toll-free"))
        self.assertTrue(records["800"].endswith("; same service 888"))


class RulesTest(unittest.TestCase):
    def test_texts_are_cut_between_items_within_the_limit(self):
        items = ["a" * 10, "b" * 10, "c" * 10]
        self.assertEqual(md.fit_items("H: ", items, "; T", limit=30), "H: " + "a" * 10 + ", " +
                         "b" * 10 + "; T")
        self.assertEqual(md.fit_items("H: ", items, "; T", limit=10), "H: ; T")
        cities = [f"City {n}" for n in range(200)]
        text = md.fit_items("", cities, "; overlay 1; Eastern time")
        kept = text.split("; ")[0].split(", ")
        self.assertLessEqual(len(text), md.CITY_TEXT_LIMIT)
        self.assertEqual(kept, cities[:len(kept)])  # whole items, in order
        self.assertGreater(len(text) + len(", " + cities[len(kept)]), md.CITY_TEXT_LIMIT)

    def test_complexes_keep_separate_entries_apart(self):
        report = {206: {"OVERLAY_COMPLEX": "206/564"}, 360: {"OVERLAY_COMPLEX": "360/564 "},
                  564: {"OVERLAY_COMPLEX": "206/564, 360/564"}, 212: {"OVERLAY_COMPLEX": ""}}
        complexes = md.overlay_complexes(report)
        self.assertEqual(complexes[206], {206, 564})
        self.assertEqual(complexes[360], {360, 564})
        self.assertEqual(complexes[564], {206, 360, 564})
        self.assertEqual(complexes[212], {212})

    def test_windows_1252_keeps_its_letters_and_folds_the_others(self):
        self.assertEqual(md.to_windows_1252("Montr\u00e9al"), b"Montr\xe9al")
        self.assertEqual(md.to_windows_1252("Contrec\u0153ur"), b"Contrec\x9cur")
        self.assertEqual(md.to_windows_1252("H\u0101na, Wahiaw\u0101"), b"Hana, Wahiawa")

    def test_city_names_and_time_zones(self):
        self.assertEqual(md.city_name("Jersey City, NJ", "NJ"), "Jersey City")
        self.assertEqual(md.city_name("Texarkana, AR", "TX"), "Texarkana (AR)")
        self.assertEqual(md.city_name("Downtown Brooklyn, Brooklyn, NY", "NY"), "Downtown Brooklyn")
        self.assertEqual(md.city_name("Montreal, QC", "QC"), "Montr\u00e9al")
        self.assertEqual(md.city_name("Negril", "JM"), "Negril")
        zone = {"TIME_ZONE": "CMP"}
        self.assertEqual(md.time_zone_text(1, zone), "Central, Mountain and Pacific time")
        self.assertEqual(md.time_zone_text(1, {"TIME_ZONE": "(UTC-10)"}), "Hawaii time")
        self.assertEqual(md.time_zone_text(829, {"TIME_ZONE": "E"}), "Atlantic time")
        self.assertEqual(md.time_zone_text(1, {"TIME_ZONE": "??"}), "")


if __name__ == "__main__":
    unittest.main()
