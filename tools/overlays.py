# SPDX-License-Identifier: Apache-2.0
# Overlay partners of each code, taken from the code's own report row, with the corrections
# that the report needs, and the codes whose places an overlay area shares.

import re

# Errors of the report's OVERLAY_COMPLEX column: code -> (the codes of its own overlay area,
# itself included; the reason). Every other code takes its own row as the report gives it.
CORRECTIONS = {
    # 679 opened in 2025 as an overlay of 313 (Detroit) alone; 313's and 679's rows say so, the
    # 734 row's "679/734" is a slip.
    734: ({734}, "679 overlays 313 only, not 734"),
    # 621 opened in January 2025 over all of Houston's 281/346/713/832; only 832's row lacks it.
    832: ({281, 346, 621, 713, 832}, "621 overlays the whole Houston complex"),
    # 942 opened in 2025 over Toronto's 416/437/647; the older rows do not list it yet.
    416: ({416, 437, 647, 942}, "942 overlays 416/437/647"),
    437: ({416, 437, 647, 942}, "942 overlays 416/437/647"),
    647: ({416, 437, 647, 942}, "942 overlays 416/437/647"),
    # 273 is assigned to overlay 367/418/581 (eastern Quebec, from 2027); 273's row lists them,
    # theirs do not list it yet.
    367: ({273, 367, 418, 581}, "273 is assigned to overlay 367/418/581"),
    418: ({273, 367, 418, 581}, "273 is assigned to overlay 367/418/581"),
    581: ({273, 367, 418, 581}, "273 is assigned to overlay 367/418/581"),
    # 321 serves Brevard County and overlays 407 around Orlando (1999); its own row is empty
    # while 407's and 689's rows list it.
    321: ({321, 407, 689}, "321 overlays 407 and 689 around Orlando"),
}
# Codes whose places are those of fewer codes than their overlay partners: 321's exchanges lie
# mostly in Brevard County, which 407 and 689 do not serve.
AREA_CORRECTIONS = {
    407: ({407, 689}, "321's own exchanges are in Brevard County, outside 407's area"),
    689: ({407, 689}, "689 overlays 407's area around Orlando, not Brevard County"),
}


def own_row(code, row):
    """The codes of a code's own overlay area as its report row lists them, itself included.
    A row listing several complexes ('212/332/646/917, 347/465/718/917/929') joins them all:
    the code overlays each of them."""
    if code in CORRECTIONS:
        return set(CORRECTIONS[code][0])
    members = {int(member) for member in re.findall(r"\d{3}", row["OVERLAY_COMPLEX"])}
    return members | {code}


def partners(report):
    """For each code of the report: the codes its own row lists with it (itself included)."""
    return {code: own_row(code, row) for code, row in report.items()}


def area_members(code, rows):
    """The codes whose exchanges make up a code's area: the partners whose own area lies within
    the code's area. 404's row (404/470/678/943) does not take in 470's, which reaches into
    770's area too, so 404 shows Atlanta only, while 470 shows both 404's and 770's places."""
    if code in AREA_CORRECTIONS:
        return set(AREA_CORRECTIONS[code][0])
    own = rows.get(code, {code})
    return {member for member in own if rows.get(member, {member}) <= own}
