# SPDX-License-Identifier: Apache-2.0
# Facts a user of the shipped directory would notice, each row with the reference it comes from.
import pathlib
import unittest

DATA = pathlib.Path(__file__).resolve().parents[2] / "data"

# (code, text that must begin the places, reference)
LARGEST_FIRST = [
    (605, "Sioux Falls, Rapid City", "Wikipedia, Area code 605; US Census 2020 city populations"),
    (208, "Boise, Meridian, Nampa", "Wikipedia, Area codes 208 and 986; US Census 2020"),
    (214, "Dallas, Plano", "Wikipedia, Area codes 214, 469, 972 and 945"),
    (718, "New York City: Brooklyn, Queens", "Wikipedia, Area codes 718, 347 and 929"),
    (306, "Saskatoon, Regina", "Statistics Canada, 2021 census populations"),
    (787, "Puerto Rico: San Juan", "Wikipedia, Area codes 787 and 939"),
]
# (code, zone words that must appear, reference)
ZONES = [
    (986, "Mountain and Pacific time", "Wikipedia, Time in Idaho: southern Idaho is Mountain"),
    (928, "no daylight saving time in Arizona", "Wikipedia, Time in Arizona (Navajo Nation keeps DST)"),
    (306, "Central time, no daylight saving time", "Wikipedia, Time in Saskatchewan"),
    (808, "Hawaii time, no daylight saving time", "Wikipedia, Hawaii-Aleutian Time Zone"),
]
# (metro, code it must list, reference)
METRO_CODES = [
    ("Houston", 409, "OMB Bulletin 23-01: Galveston County is in the Houston MSA"),
    ("Atlanta", 470, "Wikipedia, Area codes 404, 470, 678, 770 and 943"),
]
# (code, partner it must not list, reference)
NOT_PARTNERS = [
    (404, "770", "NANPA NPA report, row 404: 404/470/678/943"),
    (679, "734", "NANPA planning letter: 679 overlays 313"),
]


def records():
    lines = (DATA / "cities.txt").read_bytes().decode("cp1252").split("\r\n")
    return {line[16:19]: line[24:] for line in lines if line}


class FactsTest(unittest.TestCase):
    def test_facts(self):
        texts = records()
        metro = {line[:19].rstrip(): line[20:].split()
                 for line in (DATA / "metro.txt").read_bytes().decode("cp1252").split("\r\n")
                 if line}
        for code, start, source in LARGEST_FIRST:
            with self.subTest(code=code, source=source):
                self.assertTrue(texts[str(code)].startswith(start), texts[str(code)][:80])
        for code, words, source in ZONES:
            with self.subTest(code=code, source=source):
                self.assertIn(words, texts[str(code)])
        for name, code, source in METRO_CODES:
            with self.subTest(metro=name, source=source):
                self.assertIn(str(code), metro[name])
        for code, other, source in NOT_PARTNERS:
            with self.subTest(code=code, source=source):
                overlay = [part for part in texts[str(code)].split("; ") if part.startswith("overlay")]
                self.assertNotIn(other, " ".join(overlay))
        self.assertIn("emergencies", texts["911"])


if __name__ == "__main__":
    unittest.main()
