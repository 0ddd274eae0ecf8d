# SPDX-License-Identifier: Apache-2.0
# Checks of a US code's shown places against the census municipalities and the positions of the
# rate centres: a name that is no municipality, a namesake municipality of another code's area, a
# town placed by its position on a code that holds little of it, and a placed town missing though
# larger than the code's last place.

import collections
import re

import census_places
import located_places
import overlays
import places as place_lists
import place_names
import regions

# A shown name may carry the name people know it by in brackets: "San Buenaventura (Ventura)".
KNOWN_AS = re.compile(r" \([^)]*\)$")


def census_region(region):
    """Whether a region's places are the census municipalities (the states but Washington)."""
    return region in regions.US_REGIONS and region not in regions.US_TERRITORIES and \
        region not in census_places.GAZETTEER_REGIONS


def municipalities_named(name, region, gazetteer):
    """The census municipalities (or, in New York City, the gazetteer's boroughs) that bear a
    shown name as their own (not the municipality that holds a community of the name)."""
    keys = {place_names.name_key(name), place_names.name_key(KNOWN_AS.sub("", name))}
    found = gazetteer.candidates(name, region) + gazetteer.candidates(KNOWN_AS.sub("", name),
                                                                      region)
    return [place for place in found if not getattr(place, "locality", False) and
            keys & {place_names.name_key(place.name),
                    place_names.name_key(census_places.bare_name(place.name))}]


def no_municipality(code, region, names, gazetteer):
    """Shown names of a US code that stand for no census municipality: a part of a city (San
    Ysidro), a locality (Toano), a rate centre's spelling that matched nothing."""
    if not census_region(region):
        return []
    return [f"{code}: {name}" for name in names
            if not municipalities_named(name, region, gazetteer)]


def namesakes(code, region, names, context):
    """Shown names of a US code whose municipalities all lie among other codes' rate centres,
    while a community of the name (a hamlet or locality that a municipality holds) lies among
    this code's: the village of Woodbury (Orange County, 845's) for 516's Woodbury, a hamlet of
    Oyster Bay."""
    if not census_region(region):
        return []
    serving, centres = context.serving(code), context.rate_centre_spots
    found = []
    for name in names:
        key = place_names.name_key(name)
        towns = [place for place in municipalities_named(name, region, context.gazetteer)
                 if place_names.name_key(place.name) == key]
        communities = [place for place in context.places if place.region == region and
                       getattr(place, "locality", False) and place.holder and
                       place.holder not in towns and place_names.name_key(place.name) == key]
        if not towns or not communities:
            continue
        if all(serves(centres, town, serving) == 0 for town in towns) and \
                any(serves(centres, place, serving) >= place_lists.LOCATED_SLIVER
                    for place in communities):
            found.append(f"{code}: {name} (a municipality of another code's area; the "
                         f"community of the name is {communities[0].holder.name}'s)")
    return found


def serves(centres, place, serving):
    """The share of the rate centres nearest to a place, leaving out one at the place itself,
    that the codes `serving` hold."""
    return located_places.share(centres.nearest(place, skip=(place.lat, place.lon)), serving)


def placed_towns(code, region, text_items, entry, context, room):
    """([shown towns placed by position of which the code holds less than LOCATED_SLIVER],
    [towns placed on the code, missing though the text has room, or in the US though they
    outweigh its last shown place]). A town of the split tables is left to check 15."""
    serving = context.serving(code)
    area = overlays.area_members(code, context.partners)
    shown = {place_names.name_key(name) for name in text_items}
    weights = [item.weight for item in entry.items
               if place_names.name_key(item.name) in shown and item.weight > 0]
    lightest = min(weights, default=0)
    thin, missing = [], []
    for member in sorted(area):
        for town, by_code in context.located.get(member, ()):
            name = place_lists.shown_place_name(town.name, town, town.region)
            key = place_names.name_key(name)
            row = context.splits.get((key, town.region))
            if row or (key, town.region) in context.rate_centre_codes:
                continue
            part = located_places.share(by_code, serving)
            if key in shown and part < place_lists.LOCATED_SLIVER:
                thin.append(f"{code}: {name} ({dict(by_code)})")
            elif key not in shown and part >= place_lists.LOCATED_SLIVER and \
                    (room or census_region(region) and town.population * part > lightest):
                missing.append(f"{code}: {name} ({town.population})")
    return sorted(set(thin)), sorted(set(missing))



# Census municipalities of this many people or more are on a line of their state.
LISTED_MUNICIPALITY = 10000


def unlisted(texts, context, full):
    """US census municipalities (incorporated places and governing towns) of LISTED_MUNICIPALITY
    or more on no line of their state: one that no code's places hold (the city of Superior,
    whose rate centre a smaller namesake of its county took), or that a code holds whose line
    has room or shows a place lighter than the code's part of it. `texts`: {code: (region,
    [shown names])}; `full(code)`: whether a code's line is full."""
    shown = collections.defaultdict(set)
    for region, names in texts.values():
        for name in names:
            shown[region] |= {place_names.name_key(name),
                              place_names.name_key(census_places.bare_name(name))}
    held = collections.defaultdict(dict)
    for code in texts:
        for item in context.entries[code].items:
            if item.place is not None:
                held[id(item.place)][code] = item.weight
    found = []
    for place in context.places:
        if not (census_region(place.region) and place.population >= LISTED_MUNICIPALITY and
                place.kind not in ("", "CDP") and not getattr(place, "locality", False)):
            continue
        name = place_lists.shown_place_name(place.name, place, place.region)
        if place_names.name_key(name) in shown[place.region]:
            continue
        weights = held[id(place)]
        if not weights or any(not full(code) or lightest(context.entries[code], texts[code][1])
                              < weight for code, weight in weights.items()):
            found.append(f"{name} ({place.region}, {place.population:,}) is on no line of its "
                         f"state; codes holding it: {sorted(weights) or 'none'}")
    return found


def lightest(entry, names):
    """The least weight of a line's shown places."""
    keys = {place_names.name_key(name) for name in names}
    return min((item.weight for item in entry.items
                if place_names.name_key(item.name) in keys and item.weight > 0), default=0)
