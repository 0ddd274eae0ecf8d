# SPDX-License-Identifier: Apache-2.0
# The towns of the Caribbean's and the Pacific territories' codes: GeoNames' places, with the
# reviewed table island_places.csv for the census figures, official names and parts of towns that
# GeoNames lacks or gets wrong.

import copy
import csv
import pathlib
import re

import place_names

TABLE = pathlib.Path(__file__).resolve().parent / "island_places.csv"
# GeoNames features of a capital or an administrative seat: a main town even where GeoNames has
# no figure for it (Governor's Harbour, Eleuthera's seat). A seat of government (PPLG) may be a
# building ("Guam Government House"), not a town.
SEATS = {"PPLC", "PPLA", "PPLA2", "PPLA3", "PPLA4"}
# The table's mark of a place that is no town today (Plymouth, Montserrat's capital, abandoned to
# the volcano in 1997).
NO_TOWN = "none"
# GeoNames features of a part of a town: sections (New Kingston) and localities (Bisee in
# Castries).
PARTS = {"PPLX", "PPLL"}
# The table's year of a town whose GeoNames figure is another unit's or an older census's and
# that has no census count of its own: it stands only as a seat or as an exchange's name, without
# a figure (Rio Claro, which GeoNames gives its region's 35,650).
NO_FIGURE = "none"
# The table's year of a row that gives only the name, keeping GeoNames' figure.
GEONAMES_FIGURE = "geonames"
# The table's part_of of a unit above the towns (a region, a county, an agglomeration) whose
# census figure no town may carry.
AREA = "area"


class Row:
    """One reviewed place: its shown name, its census figure and year, or the town it is a part
    of."""

    def __init__(self, region, name, gazetteer, population, year, part_of, source):
        self.region, self.name, self.gazetteer = region, name, gazetteer or name
        self.population = int(population) if population else 0
        self.year, self.part_of, self.source = year, part_of, source

    def figure(self, gazetteer_figure):
        """The figure the town is shown with: the table's, none, or GeoNames'."""
        if self.year == NO_FIGURE:
            return 0
        return self.population or gazetteer_figure


def key(name):
    """A name key under which GeoNames' spellings meet the table's: "Nu‘uuli" is "Nu'uuli"."""
    return place_names.name_key(name.replace("\u2018", "'"))


def read_table(path=TABLE):
    """{(region, name key of the GeoNames name): Row}; lines starting with '#' are comments."""
    with open(path, encoding="utf-8", newline="") as source:
        lines = [line for line in source if line.strip() and not line.startswith("#")]
    rows = {}
    for record in csv.DictReader(lines):
        row = Row(*(record[field].strip() for field in (
            "region", "name", "gazetteer", "population", "year", "part_of", "source")))
        # An area is no GeoNames place: Sangre Grande the region is not Sangre Grande the town.
        place_key = AREA + ":" + key(row.name) if row.part_of == AREA else key(row.gazetteer)
        rows[(row.region, place_key)] = row
    return rows


def area_figures(rows, region):
    """{census figure: area name} of a country's areas above the towns, as the table knows
    them."""
    return {row.population: row.name for (place_region, _), row in rows.items()
            if place_region == region and row.part_of == AREA}


def shown_name(name):
    """A GeoNames name as the territories write it: 'Dededo', not 'Dededo Village'; 'St. John's'
    as the English-speaking islands write Saint; abbreviations written out; plain apostrophes."""
    name = name.replace("\u2019", "'").replace("\u2018", "'")
    for suffix in (" Village", " village"):
        if name.endswith(suffix):
            name = name[:-len(suffix)]
    name = re.sub(r"\bSaint (?=[A-Z])", "St. ", name)
    return place_names.written_out(name) if place_names.abbreviations_in(name) else name


class Towns:
    """The towns of a territory's or country's places, as the directory shows them."""

    def __init__(self, gazetteer, rows):
        self.gazetteer, self.rows = gazetteer, rows

    def row(self, place):
        return self.rows.get((place.region, key(place.name)))

    def town_of(self, place):
        """(shown name, place with its census figure) of the town a place is or is a part of:
        the table's town, or for a GeoNames section or locality the larger town it lies in; None
        for a place that is no town today."""
        row = self.row(place)
        if row and row.part_of == NO_TOWN:
            return None
        if row and row.part_of:
            holder = self.gazetteer.candidates(row.part_of, "country:" + place.region)
            if holder:
                return self.town_of(max(holder, key=lambda p: p.population))
        if not row:
            town = self.gazetteer.town_of_section(place)
            if town is not place:
                return self.town_of(town)
            return shown_name(place.name), place
        figured = copy.copy(place)
        figured.population = row.figure(place.population)
        return row.name, figured

    def is_town(self, place):
        """Whether a place stands as a town: one with a figure, a seat, or one of the table's
        with a figure."""
        row = self.row(place)
        if row and row.part_of == NO_TOWN:
            return False
        if row and row.year == NO_FIGURE:
            return place.feature in SEATS
        return bool(row) or place.population > 0 or place.feature in SEATS
