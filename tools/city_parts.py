# SPDX-License-Identifier: Apache-2.0
# The communities that the census puts inside a municipality of another name (Maryvale in Phoenix,
# Eagle River in Anchorage, Colonial Park in Lower Paxton), which the directory never shows as
# towns of their own.

import place_names


def parts_of_towns(places):
    """{(region, name key): the municipality's name} of the communities (the gazetteer's
    localities, the strong-MCD states' census designated places, Canada's communities) that a
    census municipality holds, leaving out names that a municipality of the region bears too
    (Lincoln, Ontario, beside Waterloo's Lincoln)."""
    municipal = {(place.region, place_names.name_key(place.name)) for place in places
                 if place.kind or place.municipal}
    parts = {}
    for place in places:
        key = (place.region, place_names.name_key(place.name))
        if place.locality and place.holder and key not in municipal and \
                place_names.name_key(place.holder.name) != key[1]:
            parts.setdefault(key, place.holder.name)
    return parts


def shown_parts(items, region, parts):
    """[(item, municipality)] of the shown items of a region's text that are parts of towns."""
    return [(name, parts[(region, place_names.name_key(name))]) for name in items
            if (region, place_names.name_key(name)) in parts]
