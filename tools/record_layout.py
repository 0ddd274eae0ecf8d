# SPDX-License-Identifier: Apache-2.0
# Field positions of the directory and metro records, the one place the Python tools state them.

# "cities.txt": positions are 1-based as the lookup reads them.
COUNTRY_START, COUNTRY_LENGTH = 1, 12
REGION_START, REGION_LENGTH = 13, 2
CODE_START, CODE_LENGTH = 17, 3
CITY_TEXT_START, CITY_TEXT_LENGTH = 25, 500
RECORD_LENGTH = CITY_TEXT_START + CITY_TEXT_LENGTH - 1

# "metro.txt": the name fills the first 19 characters; a blank and the codes follow, then notes
# on codes not yet in service, each after "; ". A line is kept as short as a directory record.
METRO_NAME_LENGTH = 19
METRO_NOTE = "; "
METRO_LINE_LENGTH = RECORD_LENGTH


def field(line, start, length):
    """The field at 1-based `start` of `length` characters (shorter at the end of the line)."""
    return line[start - 1:start - 1 + length]


def region_of(line):
    return field(line, REGION_START, REGION_LENGTH)


def code_of(line):
    return field(line, CODE_START, CODE_LENGTH)


def city_text_of(line):
    return field(line, CITY_TEXT_START, CITY_TEXT_LENGTH)


def directory_record(country, region, code, text):
    """One directory line (without its line end); the city text is cut to its field."""
    head = (f"{country:<{COUNTRY_LENGTH}.{COUNTRY_LENGTH}}"
            f"{region:<{REGION_LENGTH}}{'':{CODE_START - REGION_START - REGION_LENGTH}}"
            f"{code:03d}{'':{CITY_TEXT_START - CODE_START - CODE_LENGTH}}")
    return head + text[:CITY_TEXT_LENGTH]


def metro_record(name, codes, notes=()):
    """One metro line: the name padded to its field, a blank, the codes, then the `notes`."""
    if len(name) > METRO_NAME_LENGTH:
        raise ValueError(f"metro name longer than {METRO_NAME_LENGTH}: {name}")
    line = f"{name:<{METRO_NAME_LENGTH}} " + " ".join(str(code) for code in sorted(codes))
    line += "".join(METRO_NOTE + note for note in notes)
    if len(line) > METRO_LINE_LENGTH:
        raise ValueError(f"metro line longer than {METRO_LINE_LENGTH}: {name}")
    return line


def metro_codes_of(line):
    """The codes of a metro line: the numbers between its name and its notes."""
    return {int(code) for code in line[METRO_NAME_LENGTH:].split(METRO_NOTE)[0].split()}
