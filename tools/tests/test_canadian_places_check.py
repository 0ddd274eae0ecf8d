# SPDX-License-Identifier: Apache-2.0
# The check of Canadian places finds what it is for: communities and former towns shown as towns,
# a place shown twice, and large municipalities left out, on made-up lines.
import collections
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import check_directory  # noqa: E402
import record_layout  # noqa: E402


class Place:
    def __init__(self, *regions):
        self.regions = set(regions)


class Context:
    """The codes of the lines: 867 the only code of its territories, 905 one of Ontario's."""

    place_of = {867: Place("YT", "NT", "NU"), 905: Place("ON")}

    def sole_code_of_region(self, code, region):
        return code == 867


def problems_of(lines):
    problems = collections.defaultdict(list)
    check_directory.check_canadian_places(
        [record_layout.directory_record("CANADA", region, code, text)
         for region, code, text in lines], Context(), problems)
    return problems["20 Canadian places"]


class CanadianPlacesCheckTest(unittest.TestCase):
    def test_finds_each_fault(self):
        found = problems_of([
            ("ON", 905, "Mississauga, Clarington (Bowmanville), Bowmanville, Thornhill, "
                        "Mississauga; Eastern time"),
            ("YT", 867, "Yukon, Northwest Territories and Nunavut: Whitehorse, Dawson City, "
                        "Yellowknife (NT), Dawson; Mountain time"),
            ("NB", 506, "Moncton, Tracadie-Sheila; Atlantic time"),
        ])
        for fault in ["905: Bowmanville (ON) is no census subdivision",
                      "905: Thornhill (ON) is no census subdivision",
                      "905: mississauga shown twice",
                      "867: Dawson City (YT) is no census subdivision",
                      "867: Iqaluit (NU, 7,429), one of the 15 largest",
                      "867: Arviat (NU, 2,864), one of the 15 largest",
                      "506: Tracadie-Sheila (NB) is no census subdivision",
                      "Haldimand County (ON, 49,216) is on no line",
                      "Rocky View County (AB, 41,028) is on no line"]:
            with self.subTest(fault=fault):
                self.assertTrue(any(problem.startswith(fault) for problem in found), found)
        for listed in ["Clarington (ON", "Mississauga (ON", "Dawson (YT", "Whitehorse (YT"]:
            with self.subTest(listed=listed):
                self.assertFalse(any(listed in problem for problem in found))

    def test_official_forms_and_other_lines(self):
        found = problems_of([("QC", 418, "Qu\u00e9bec City, Thetford Mines; Eastern time"),
                             ("NA", 600, "Canada: non-geographic services")])
        self.assertFalse(any(name in problem for problem in found
                             for name in ("Qu\u00e9bec", "Thetford", "600")), found)


if __name__ == "__main__":
    unittest.main()
