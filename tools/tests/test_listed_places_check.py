# SPDX-License-Identifier: Apache-2.0
# The independent check of listed places catches what it is for, on made-up inputs.
import collections
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_listed_places as check  # noqa: E402


class ListedPlacesCheckTest(unittest.TestCase):
    def test_failures(self):
        places = [(2300000, "Houston", "TX"), (320000, "Riverside", "CA"),
                  (300000, "Saint Paul", "MN"), (100000, "Fishers", "IN")]
        counts = {(check.key("Houston"), "TX"): collections.Counter({713: 9, 281: 2}),
                  (check.key("Riverside"), "CA"): collections.Counter({951: 14, 909: 1}),
                  (check.key("St. Paul"), "MN"): collections.Counter({651: 5})}
        towns = [f"Town {n}" for n in range(12)]
        lists = {713: towns + ["Houston"], 281: ["Houston"], 909: ["Riverside"],
                 951: ["Corona"], 651: ["St. Paul"]}
        found, checked = check.failures(places, counts, lists)
        self.assertEqual(checked, 3)  # Fishers: no prefix names it
        self.assertEqual([(name, region) for name, region, _ in found],
                         [("Houston", "TX"), ("Riverside", "CA")])
        self.assertIn("after its first 10", found[0][2])
        self.assertIn("951 holds 14 of its 15 prefixes", found[1][2])
        lists[713] = ["Houston"] + towns
        lists[951] = ["Riverside"]
        self.assertEqual(check.failures(places, counts, lists), ([], 3))

    def test_names_compare_without_accents_or_saint(self):
        self.assertEqual(check.key("Montr\u00e9al"), check.key("Montreal"))
        self.assertEqual(check.key("Saint-J\u00e9r\u00f4me"), check.key("St. Jerome"))
        self.assertEqual(check.key("Sainte-Julie"), check.key("Ste. Julie"))
        self.assertNotEqual(check.key("Saint John"), check.key("St. John's"))


if __name__ == "__main__":
    unittest.main()
