# SPDX-License-Identifier: Apache-2.0
# Checks the reviewed table of metro areas and their counties / census subdivisions.

import csv
import pathlib
import re
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
from record_layout import METRO_NAME_LENGTH as NAME_WIDTH  # noqa: E402
from regions import STATE_FIPS as US_STATE_FIPS  # noqa: E402

TABLE = pathlib.Path(__file__).resolve().parents[1] / "metro_counties.csv"
HEADER = ["metro", "country", "region", "unit_code", "unit_name"]

# Province and territory codes of the Standard Geographical Classification: the first two
# digits of every census subdivision code.
CA_PROVINCE_SGC = {
    "NL": "10", "PE": "11", "NS": "12", "NB": "13", "QC": "24", "ON": "35", "MB": "46",
    "SK": "47", "AB": "48", "BC": "59", "YT": "60", "NT": "61", "NU": "62",
}
CODE_RULES = {"US": (US_STATE_FIPS, 5), "CA": (CA_PROVINCE_SGC, 7)}
COUNTS_LINE = re.compile(r"^# metros: US (\d+), CA (\d+)$")
REVIEW_STATUSES = ("checked", "checked in part", "unverified")


def read_table(text):
    """Splits the table into its comment lines, header row and data rows."""
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    comments = [line for line in lines if line.startswith("#")]
    records = list(csv.reader(line for line in lines if not line.startswith("#")))
    return comments, (records[0] if records else []), records[1:]


def row_problems(rows):
    """Every fault of the data rows, one sentence each; empty when the rows are sound."""
    problems = []
    owner = {}
    country_of = {}
    for number, row in enumerate(rows, start=1):
        if len(row) != len(HEADER):
            problems.append(f"row {number}: {len(row)} fields")
            continue
        metro, country, region, code, name = row
        try:
            metro.encode("cp1252")
        except UnicodeEncodeError:
            problems.append(f"row {number}: {metro!r} is not Windows-1252")
        if not metro.strip() or len(metro) > NAME_WIDTH or metro != metro.strip():
            problems.append(f"row {number}: metro name {metro!r} empty, padded or too long")
        if not name.strip():
            problems.append(f"row {number}: unit {code} has no name")
        if country_of.setdefault(metro, country) != country:
            problems.append(f"row {number}: {metro} spans two countries")
        if country not in CODE_RULES:
            problems.append(f"row {number}: country {country!r}")
            continue
        prefixes, digits = CODE_RULES[country]
        if region not in prefixes:
            problems.append(f"row {number}: region {region!r} is not in {country}")
        elif not (len(code) == digits and code.isascii() and code.isdigit()):
            problems.append(f"row {number}: unit code {code!r} is not {digits} digits")
        elif not code.startswith(prefixes[region]):
            problems.append(f"row {number}: unit code {code} is not in {region}")
        if code in owner:
            problems.append(f"row {number}: unit {code} already in {owner[code]}")
        owner.setdefault(code, metro)
    return problems


def stated_counts(comments):
    """The metro counts per country that the comment lines state, or None."""
    for line in comments:
        match = COUNTS_LINE.match(line)
        if match:
            return {"US": int(match.group(1)), "CA": int(match.group(2))}
    return None


def review_lists(comments):
    """The metros named on the '# checked:', '# checked in part:' and '# unverified:' lines."""
    lists = {status: [] for status in REVIEW_STATUSES}
    for line in comments:
        status, colon, names = line[2:].partition(": ")
        if line.startswith("# ") and colon and status in lists:
            lists[status] += [name.strip() for name in names.split(";")]
    return lists


class MetroTableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.raw = TABLE.read_bytes()
        cls.comments, cls.header, cls.rows = read_table(cls.raw.decode("utf-8"))

    def test_file_form(self):
        self.assertNotIn(b"\r", self.raw, "line ends must be LF")
        self.assertTrue(self.raw.endswith(b"\n"))
        self.assertEqual(self.comments[0], "# SPDX-License-Identifier: Apache-2.0")
        self.assertEqual(self.header, HEADER)
        text = "\n".join(self.comments)
        for source in ("Bulletin No. 23-01", "July 21, 2023", "2021 Census", "2020 Census"):
            self.assertIn(source, text)

    def test_rows_are_sound(self):
        self.assertEqual(row_problems(self.rows), [])

    def test_metro_counts_match_the_comments(self):
        counts = stated_counts(self.comments)
        self.assertIsNotNone(counts, "no '# metros: US n, CA m' line")
        for country, stated in counts.items():
            metros = {row[0] for row in self.rows if row[1] == country}
            self.assertEqual(len(metros), stated, country)
        self.assertEqual({row[1] for row in self.rows}, set(counts))

    def test_every_metro_has_units_and_a_review_status(self):
        reviewed = review_lists(self.comments)
        metros = {row[0] for row in self.rows}
        for status, names in reviewed.items():
            for metro in names:
                self.assertIn(metro, metros, f"{status} metro {metro} has no units")
        statuses = [name for names in reviewed.values() for name in names]
        self.assertCountEqual(statuses, metros, "each metro needs exactly one review status")

    def test_faulty_rows_are_caught(self):
        good = ["Houston", "US", "TX", "48201", "Harris County"]
        cases = [
            ("name too long", ["Houston-Pasadena-The Woodlands"] + good[1:]),
            ("name not Windows-1252", ["Łódź"] + good[1:]),
            ("padded name", ["Houston "] + good[1:]),
            ("unknown country", good[:1] + ["MX"] + good[2:]),
            ("region of the other country", good[:2] + ["ON"] + good[3:]),
            ("four-digit county", good[:3] + ["4820"] + good[4:]),
            ("county of another state", good[:3] + ["22071"] + good[4:]),
            ("census subdivision of another province",
             ["Toronto", "CA", "ON", "2466023", "Montréal"]),
            ("six-digit census subdivision", ["Toronto", "CA", "ON", "352000", "Toronto"]),
            ("missing field", good[:4]),
            ("empty unit name", good[:4] + [" "]),
        ]
        for label, row in cases:
            with self.subTest(label):
                self.assertNotEqual(row_problems([row]), [])
        with self.subTest("unit in two metros"):
            self.assertNotEqual(row_problems([good, ["Dallas-Fort Worth"] + good[1:]]), [])
        with self.subTest("metro in two countries"):
            self.assertNotEqual(
                row_problems([good, ["Houston", "CA", "ON", "3520005", "Toronto"]]), [])
        self.assertEqual(row_problems([good]), [])

    def test_counts_line_is_read_exactly(self):
        self.assertEqual(stated_counts(["# metros: US 57, CA 11"]), {"US": 57, "CA": 11})
        self.assertIsNone(stated_counts(["# metros: US 57"]))


if __name__ == "__main__":
    unittest.main()
