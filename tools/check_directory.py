#!/usr/bin/env python3
"""Checks the shipped "cities.txt" and "metro.txt" against the NPA report: every code listed once
with the right region, the record layout the program reads, and complete metro lines.

Usage: check_directory.py [--data FOLDER] [--report CSV]
Prints one line per failed check and a summary; exits 1 when any check fails."""

import argparse
import collections
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_directory  # noqa: E402
import metro_table  # noqa: E402
import regions  # noqa: E402

RECORD_LENGTH = 524


def lines_of(path, problems):
    data = path.read_bytes()
    if not data.endswith(b"\r\n"):
        problems.append(f"{path.name}: does not end with CR LF")
    lines = data.split(b"\r\n")[:-1]
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            problems.append(f"{path.name}:{number}: a line end other than CR LF")
        try:
            line.decode("cp1252")
        except UnicodeDecodeError as error:
            problems.append(f"{path.name}:{number}: byte outside Windows-1252 ({error.reason})")
    return lines


def expected_region(row):
    place = regions.place_of(row["LOCATION"]) if row["USE"] == "G" else None
    return place.region if place else make_directory.nongeographic_region(row)


def check_cities(lines, report, problems):
    codes = []
    for number, line in enumerate(lines, 1):
        where = f"cities.txt:{number}"
        text = line.decode("cp1252", errors="replace")
        if not re.fullmatch(r"[A-Z. ]{12}[A-Z]{2}  \d{3}     .+", text):
            problems.append(f"{where}: not in the record layout: {text[:40]!r}")
            continue
        if len(line) > RECORD_LENGTH:
            problems.append(f"{where}: city text longer than 500 characters")
        code = int(text[16:19])
        codes.append(code)
        row = report.get(code)
        if row is None:
            problems.append(f"{where}: code {code} is not in the report")
        elif text[12:14] != expected_region(row):
            problems.append(f"{where}: region {text[12:14]} but the report says "
                            f"{row['LOCATION'] or row['SERVICE']!r}")
        elif row["IN_SERVICE"] != "Y" and not text[24:].startswith("Not yet in service"):
            problems.append(f"{where}: code {code} is not in service, and the text does not say so")
    if codes != sorted(codes):
        problems.append("cities.txt: records are not sorted by code")
    duplicates = sorted(code for code, count in collections.Counter(codes).items() if count > 1)
    if duplicates:
        problems.append(f"cities.txt: codes listed more than once: {duplicates}")
    missing = sorted(c for c, row in report.items() if make_directory.listed(row) and c not in codes)
    if missing:
        problems.append(f"cities.txt: codes in service or assigned without a record: {missing}")
    return set(codes)


def check_metro(lines, listed_codes, complexes, problems):
    """Each line: a unique name alone in columns 1-19, then codes that all have a record; its
    metro's core codes with every code of their overlay complexes, and nothing else."""
    cores = {name: core for name, core in metro_table.METRO_AREAS}
    names = []
    for number, line in enumerate(lines, 1):
        where = f"metro.txt:{number}"
        text = line.decode("cp1252", errors="replace")
        name = text[:19].rstrip()
        names.append(name)
        if not name or text[:1] == " " or (len(text) > 19 and text[19] != " "):
            problems.append(f"{where}: the name does not fill columns 1-19 alone: {text!r}")
        codes = [int(code) for code in text[20:].split()]
        if not codes or codes != sorted(codes):
            problems.append(f"{where}: no codes, or codes out of order")
        for code in sorted(set(codes) - listed_codes):
            problems.append(f"{where}: code {code} has no record in cities.txt")
        core = cores.get(name)
        if core is None:
            problems.append(f"{where}: {name!r} is not in the metro table")
            continue
        for code in core:
            absent = sorted(complexes.get(code, {code}) - set(codes))
            if absent:
                problems.append(f"{where}: {name}: the overlay complex of {code} lacks {absent}")
        extra = set(codes) - set().union(*(complexes.get(code, {code}) for code in core))
        if extra:
            problems.append(f"{where}: {name}: codes outside its core and complexes: {extra}")
    if len(set(names)) != len(names):
        problems.append("metro.txt: metro names are not unique")
    if len(names) != len(cores):
        problems.append(f"metro.txt: {len(names)} lines for {len(cores)} metro areas")
    return names


def main(argv=None):
    root = pathlib.Path(__file__).resolve().parents[1]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", type=pathlib.Path, default=root / "data")
    parser.add_argument("--report", type=pathlib.Path, default=make_directory.DEFAULT_REPORT)
    args = parser.parse_args(argv)

    report = make_directory.read_report(args.report)
    complexes = make_directory.overlay_complexes(
        {c: r for c, r in report.items() if make_directory.listed(r)})
    problems = []
    records = lines_of(args.data / "cities.txt", problems)
    codes = check_cities(records, report, problems)
    metros = check_metro(lines_of(args.data / "metro.txt", problems), codes, complexes, problems)

    for problem in problems:
        print("FAIL:", problem)
    in_service = sum(1 for c in codes if report[c]["IN_SERVICE"] == "Y")
    print(f"{len(records)} records ({in_service} codes in service, "
          f"{len(codes) - in_service} assigned and not yet in service), {len(metros)} metro areas")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
