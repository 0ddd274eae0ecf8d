# SPDX-License-Identifier: Apache-2.0
# Place names: the rate-centre abbreviations written out, a key that matches spellings of one
# name, and the words that mark a street or an abbreviation rather than a place.

import functools
import re
import unicodedata

# Rate-centre abbreviations and the words they stand for. Keys are lower-case without their
# full stop. "St" stands for "Saint" in a name ("St. Louis", "St-Felicien").
ABBREVIATIONS = {
    "st": "saint", "ste": "sainte", "mt": "mount", "ft": "fort", "pt": "point",
    "hts": "heights", "hgts": "heights", "spgs": "springs", "spg": "springs", "sprgs": "springs",
    "bch": "beach", "jct": "junction", "twp": "township", "vly": "valley", "vlg": "village",
    "mls": "mills", "hbr": "harbor", "ctr": "center", "lk": "lake", "pk": "park",
    "crk": "creek", "mtn": "mountain", "sta": "station", "is": "island", "isl": "island",
    "fls": "falls", "internatl": "international", "intl": "international", "cty": "city",
    "n": "north", "s": "south", "e": "east", "w": "west", "ne": "northeast", "nw": "northwest",
    "se": "southeast", "sw": "southwest", "hls": "hills", "grv": "grove", "rdg": "ridge",
    "ct": "court", "hs": "house", "hse": "house", "afb": "air force base", "jn": "juan",
    "vly": "valley", "slphr": "sulphur", "marblhd": "marblehead",
}
# Words that are abbreviations only without a full stop, as a place name may keep them with one
# ("St. Louis", "Mt. Juliet").
FULL_STOP_ABBREVIATIONS = {"st", "ste", "mt", "ft", "pt"}
# Words that end a street, a road or a building's name rather than a place's.
STREET_WORDS = {"parkway", "pkwy", "street", "avenue", "ave", "boulevard", "blvd", "drive",
                "expressway", "expy", "highway", "hwy", "freeway", "lane", "plaza", "suite"}

# How a few gazetteer names carry the municipality's status or the census' remainder of a
# consolidated city: "City of Sammamish", "Village of Campton Hills", "City of Milford (balance)".
_STATUS = re.compile(r"^(?:City|Town|Village|Borough|Township) of (?=[A-Z])|\s+\(balance\)$")

_TOKEN = re.compile(r"[^\W_]+(?:['\u2019][^\W_]+)?\.?", re.UNICODE)


@functools.lru_cache(maxsize=None)
def plain(text):
    """The text without accents and in lower case."""
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c)).lower()


@functools.lru_cache(maxsize=None)
def name_key(name):
    """A key under which spellings of one place name meet: accents, case, punctuation and
    abbreviations do not matter ('Internatl Falls' and 'International Falls', 'St-Felicien' and
    'Saint-Félicien')."""
    words = re.findall(r"[a-z0-9]+", plain(name).replace("'", "").replace("\u2019", ""))
    return " ".join(_BORO.sub("borough", ABBREVIATIONS.get(word, word)) for word in words)


# "-boro" is the short spelling of "-borough" that rate centres use (Foxboro, Hillsboro of New
# Hampshire) for the town the census spells in full (Foxborough, Hillsborough).
_BORO = re.compile(r"(?<=[a-z])boro$")


# Abbreviations only in capitals: "is" and "e" are words, and "'n'" joins "Town 'n' Country".
CAPITAL_ONLY = {"is", "e", "n", "s", "w"}


def written_out(name):
    """A rate-centre name with its abbreviations written out, for a name that no gazetteer
    entry matches: 'Wessington Spgs' reads 'Wessington Springs'."""
    def expand(match):
        token = match.group(0)
        bare = token.rstrip(".").lower()
        if bare not in ABBREVIATIONS or (token.endswith(".") and bare in FULL_STOP_ABBREVIATIONS) \
                or (bare in CAPITAL_ONLY and not token[0].isupper()):
            return token
        word = ABBREVIATIONS[bare]
        return word.title() if token[0].isupper() else word
    return _TOKEN.sub(expand, name)


def abbreviations_in(name):
    """The abbreviations a shown name still holds ('St' without its full stop, 'Hts', 'N')."""
    found = []
    for token in _TOKEN.findall(name):
        bare = token.rstrip(".").lower()
        if bare in ABBREVIATIONS and not (token.endswith(".") and bare in FULL_STOP_ABBREVIATIONS):
            if bare in CAPITAL_ONLY and not token[0].isupper():
                continue
            found.append(token)
    return found


def street_words_in(name):
    """Words of a shown name that mark a street or a building."""
    return [word for word in re.findall(r"[a-z]+", plain(name)) if word in STREET_WORDS]


def without_status(name):
    """A gazetteer name without a municipal status or census remainder around it:
    'City of Milford (balance)' is Milford."""
    return _STATUS.sub("", name)
