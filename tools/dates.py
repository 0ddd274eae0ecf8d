# SPDX-License-Identifier: Apache-2.0
# The date the directory stands on (the numbering report's file date), and the texts of codes not
# yet in service, worded so that they stay true when read after that date.

import datetime

import source_files

# How the text of a code not yet in service begins: with a planned start date, or without one.
PLANNED_CODE = "New code, planned as of"
UNUSED_CODE = "Not yet in service as of"


def report_date(path=source_files.REPORT):
    """The report's file date, from its first line ('File Date,11/26/2025')."""
    with open(path, encoding="utf-8-sig") as source:
        label, _, value = source.readline().strip().partition(",")
    if label != "File Date":
        raise ValueError(f"{path}: the first line is not the file date")
    return datetime.datetime.strptime(value, "%m/%d/%Y").date()


def as_of(date):
    """The month a plan was known in: 'Nov 2025'."""
    return date.strftime("%b %Y")


def _start(row):
    """The report's planned start ('18-Jun-2026') as '18 Jun 2026', or ''."""
    return row["IN_SERVICE_DT"].replace("-", " ")


def status_text(row, date):
    """The head of a code's text: '' for a code in service; else what the report planned as of
    its date ('New code, planned as of Nov 2025 to start 18 Jun 2026; ')."""
    if row["IN_SERVICE"] == "Y":
        return ""
    start = _start(row)
    if start:
        return f"{PLANNED_CODE} {as_of(date)} to start {start}; "
    return f"{UNUSED_CODE} {as_of(date)}; "


def service_notes(codes, report, date):
    """What another line says of the `codes` not yet in service, one note each:
    '465 planned as of Nov 2025 to start 18 Jun 2026', '761 not yet in service as of Nov 2025'."""
    notes = []
    for other in sorted(codes):
        row = report.get(other)
        if not row or row["IN_SERVICE"] == "Y":
            continue
        start = _start(row)
        notes.append(f"{other} planned as of {as_of(date)} to start {start}" if start else
                     f"{other} not yet in service as of {as_of(date)}")
    return notes


def partner_notes(code, partners, report, date):
    """What another code's line says of its overlay partners not yet in service:
    '; 465 planned as of Nov 2025 to start 18 Jun 2026'. Empty when every partner is in
    service."""
    return "".join("; " + note for note in service_notes(partners - {code}, report, date))
