# SPDX-License-Identifier: Apache-2.0
# The place each rate centre of a code stands for, for the metro lines: a code serves a metro's
# county when one of its own rate centres lies there, though the town be too small to be listed
# (Vacherie, 225's, in St. James Parish of the New Orleans metro).

import collections

import place_names

# Words before a town's name that the gazetteer keeps where it lists only the town's parts: it
# knows "North Vacherie" and "South Vacherie", not Vacherie.
PART_WORDS = ("north", "south", "east", "west", "upper", "lower")


def places_of_parts(gazetteer_places):
    """(region, name key) -> the places whose name is that name after a PART_WORDS word."""
    parts = collections.defaultdict(list)
    for place in gazetteer_places:
        first, _, rest = place_names.name_key(place.name).partition(" ")
        if first in PART_WORDS and rest:
            parts[(place.region, rest)].append(place)
    return parts


def rate_centre_places(own_centres, matched, parts):
    """{code: [place]}: the gazetteer place matched to each of a code's own rate centres
    (`own_centres`: code -> {(name, region)}; `matched`: code -> {(name, region): place or
    None}), or for a name that no place bears, the places of its parts where all lie in one
    county."""
    found = {}
    for code, keys in own_centres.items():
        places = []
        for key in sorted(keys):
            place = matched.get(code, {}).get(key)
            named = parts.get((key[1], place_names.name_key(key[0])), [])
            if place:
                places.append(place)
            elif named and len({p.county for p in named}) == 1:
                places.extend(named)
        found[code] = places
    return found
