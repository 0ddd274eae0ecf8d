# SPDX-License-Identifier: Apache-2.0
# The directory's date: texts of codes not yet in service say what was planned as of the report's
# date, and the date the directory stands on is the same wherever the package states it.
import datetime
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import dates  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
NOV_2025 = datetime.date(2025, 11, 26)


def row(in_service, start=""):
    return {"IN_SERVICE": in_service, "IN_SERVICE_DT": start}


class DatesTest(unittest.TestCase):
    def test_texts_say_what_was_planned_as_of_the_report(self):
        self.assertEqual(dates.status_text(row("Y", "01-Jan-1990"), NOV_2025), "")
        self.assertEqual(dates.status_text(row("N", "18-Jun-2026"), NOV_2025),
                         "New code, planned as of Nov 2025 to start 18 Jun 2026; ")
        self.assertEqual(dates.status_text(row("N"), NOV_2025),
                         "Not yet in service as of Nov 2025; ")
        report = {347: row("Y"), 465: row("N", "18-Jun-2026"), 565: row("N"), 718: row("Y")}
        self.assertEqual(dates.partner_notes(718, {347, 465, 718}, report, NOV_2025),
                         "; 465 planned as of Nov 2025 to start 18 Jun 2026")
        self.assertEqual(dates.partner_notes(912, {565, 912}, report, NOV_2025),
                         "; 565 not yet in service as of Nov 2025")
        self.assertEqual(dates.partner_notes(465, {347, 465, 718}, report, NOV_2025), "")

    def test_the_report_date_is_its_first_line(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "report.csv"
            path.write_text("\ufeffFile Date,11/26/2025\nNPA_ID,USE\n", encoding="utf-8")
            self.assertEqual(dates.report_date(path), NOV_2025)
            path.write_text("NPA_ID,USE\n201,G\n", encoding="utf-8")
            with self.assertRaises(ValueError):
                dates.report_date(path)

    def test_the_package_states_the_directory_date(self):
        date = dates.report_date()
        written = f"{date.day} {date:%B %Y}"
        for path in ("data/README.md", "packaging/CMakeLists.txt",
                     "CHANGELOG.md"):
            with self.subTest(path=path):
                self.assertIn(f"as of {written}", (ROOT / path).read_text(encoding="utf-8"))


if __name__ == "__main__":
    unittest.main()
