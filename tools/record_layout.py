# SPDX-License-Identifier: Apache-2.0
# Field positions of the directory and metro records, the one place the Python tools state them.

# "cities.txt": positions are 1-based as the lookup reads them.
COUNTRY_START, COUNTRY_LENGTH = 1, 12
REGION_START, REGION_LENGTH = 13, 2
CODE_START, CODE_LENGTH = 17, 3
CITY_TEXT_START, CITY_TEXT_LENGTH = 25, 500
RECORD_LENGTH = CITY_TEXT_START + CITY_TEXT_LENGTH - 1

# "metro.txt": the name fills the first 19 characters; a blank and the codes follow.
METRO_NAME_LENGTH = 19


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


def metro_record(name, codes):
    """One metro line: the name padded to its field, a blank, then the codes."""
    if len(name) > METRO_NAME_LENGTH:
        raise ValueError(f"metro name longer than {METRO_NAME_LENGTH}: {name}")
    return f"{name:<{METRO_NAME_LENGTH}} " + " ".join(str(code) for code in sorted(codes))
