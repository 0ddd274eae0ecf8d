# SPDX-License-Identifier: Apache-2.0
# Unit tests of the directory generator's rules on small, made-up inputs.
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import make_directory as md  # noqa: E402
import metro_rate_centres  # noqa: E402
import metros  # noqa: E402
import overlays  # noqa: E402
import place_names  # noqa: E402
import record_layout  # noqa: E402
import source_files  # noqa: E402
import special_codes  # noqa: E402
import time_zones  # noqa: E402


def place(name, region="TX", county="201", lat=29.7, lon=-95.4, population=1000,
          zone="America/Chicago"):
    return source_files.GazetteerPlace([name, "US", region, county, str(lat), str(lon),
                                        str(population), "PPL", zone])


class RulesTest(unittest.TestCase):
    def test_texts_are_cut_between_items_within_the_limit(self):
        cities = [f"City {n}" for n in range(200)]
        text = md.fit_items("", cities, "; overlay 1; Eastern time")
        kept = text.split("; ")[0].split(", ")
        self.assertLessEqual(len(text), record_layout.CITY_TEXT_LENGTH)
        self.assertEqual(kept, cities[:len(kept)])
        self.assertGreater(len(text) + len(", " + cities[len(kept)]),
                           record_layout.CITY_TEXT_LENGTH)

    def test_record_layout(self):
        line = record_layout.directory_record("USA", "NJ", 201, "x" * 600)
        self.assertEqual(record_layout.region_of(line), "NJ")
        self.assertEqual(record_layout.code_of(line), "201")
        self.assertEqual(len(line), record_layout.RECORD_LENGTH)
        self.assertEqual(record_layout.metro_record("Houston", {713, 281}),
                         "Houston             281 713")
        with self.assertRaises(ValueError):
            record_layout.metro_record("x" * 20, {201})
        with self.assertRaises(ValueError):
            record_layout.metro_record("Too long", range(200, 400))

    def test_metro_lines_mark_codes_not_in_service_and_keep_their_codes_readable(self):
        report = {465: {"IN_SERVICE": "N", "IN_SERVICE_DT": "18-Jun-2026"},
                  761: {"IN_SERVICE": "N", "IN_SERVICE_DT": ""}, 718: {"IN_SERVICE": "Y"}}
        notes = md.dates.service_notes({718, 465, 761}, report, md.dates.report_date())
        line = record_layout.metro_record("New York City", {718, 465, 761}, notes)
        self.assertEqual(line, "New York City       465 718 761; 465 planned as of Nov 2025 to "
                               "start 18 Jun 2026; 761 not yet in service as of Nov 2025")
        self.assertEqual(record_layout.metro_codes_of(line), {465, 718, 761})
        for odd in ("Short", "", "Houston             "):
            self.assertEqual(record_layout.metro_codes_of(odd), set())

    def test_partners_come_from_the_own_row_and_areas_stay_apart(self):
        rows = overlays.partners({
            404: {"OVERLAY_COMPLEX": "404/470/678/943"},
            770: {"OVERLAY_COMPLEX": "470/678/770/943"},
            470: {"OVERLAY_COMPLEX": "404/470/678/770/943"},
            678: {"OVERLAY_COMPLEX": "404/470/678/770/943"},
            943: {"OVERLAY_COMPLEX": "404/470/678/770/943"},
            734: {"OVERLAY_COMPLEX": "679/734"}})
        self.assertEqual(rows[404], {404, 470, 678, 943})
        self.assertNotIn(770, rows[404])
        self.assertEqual(overlays.area_members(404, rows), {404})
        self.assertEqual(overlays.area_members(470, rows), {404, 470, 678, 770, 943})
        self.assertEqual(rows[734], {734})  # the corrections table

    def test_rate_centre_names_are_written_out_and_matched(self):
        self.assertEqual(place_names.written_out("Internatl Falls"), "International Falls")
        self.assertEqual(place_names.written_out("Hasbrouck Hts"), "Hasbrouck Heights")
        self.assertEqual(place_names.name_key("St-Felicien"),
                         place_names.name_key("Saint-F\u00e9licien"))
        self.assertEqual(place_names.abbreviations_in("St. Louis"), [])
        self.assertEqual(place_names.abbreviations_in("Mt Pleasant Mls"), ["Mt", "Mls"])
        self.assertEqual(place_names.street_words_in("West Spring Creek Parkway"), ["parkway"])
        for name, bare in (("City of Milford (balance)", "Milford"),
                           ("Village of Campton Hills", "Campton Hills"),
                           ("Town of the Pines", "Town of the Pines"), ("Milford", "Milford")):
            self.assertEqual(place_names.without_status(name), bare)
        self.assertEqual(md.place_lists.rate_centre("West Spring Creek Parkway, Plano, TX"),
                         ("Plano", "TX"))
        self.assertEqual(md.place_lists.rate_centre("Flushing, NY"), ("Queens", "NY"))

    def test_places_rank_by_people_served_and_far_towns_stand(self):
        gazetteer = md.place_lists.Gazetteer([
            place("Houston", population=2300000), place("Pasadena", population=150000),
            place("Galveston", county="167", lat=29.3, lon=-94.8, population=50000),
            place("Friendswood", population=0),
            place("Marble Falls", lat=30.6, lon=-98.3, population=7000)])
        counts = {("Pasadena", "TX"): 9, ("Houston", "TX"): 1, ("Galveston", "TX"): 3,
                  ("Friendswood", "TX"): 2, ("Marble Falls", "TX"): 1, ("Webster Pkwy", "TX"): 1}

        def ranked(share=lambda key: 1.0, **rules):
            matched = md.place_lists.match_places(counts, gazetteer, **rules)
            return md.place_lists.ranked_items(counts, matched, {"TX"}, share)
        items = ranked()
        self.assertEqual([item.name for item in items][:3], ["Houston", "Pasadena", "Galveston"])
        self.assertNotIn("Webster Pkwy", [item.name for item in items])
        # Houston's one exchange of 40 is a sliver: the code serves Pasadena, not Houston; a
        # third of Galveston still counts, after the whole of Pasadena.
        shares = {("Houston", "TX"): 1 / 40, ("Galveston", "TX"): 1 / 3}
        items = ranked(lambda key: shares.get(key, 1.0))
        self.assertEqual([item.name for item in items][:2], ["Pasadena", "Galveston"])
        self.assertNotIn("Houston", [item.name for item in items])
        # Far from the code's other places (about 280 km), and nearer to another code's town, a
        # town stands ...
        items = ranked(rivals=lambda found: 100.0 if found.name == "Marble Falls" else None)
        marble = [item for item in items if item.name == "Marble Falls"][0]
        self.assertIsNotNone(marble.place)
        # ... but not a namesake deep in another code's area, 5 km from its town: the rate
        # centre then stands for no municipality the census knows, and is no town of the list
        # ...
        items = ranked(rivals=lambda found: 5.0 if found.name == "Marble Falls" else None)
        self.assertNotIn("Marble Falls", [item.name for item in items])
        # ... nor where that other code has a rate centre of the same name nearer to it.
        items = ranked(namesakes=lambda found, key: 5.0 if key == "marble falls" else None)
        self.assertNotIn("Marble Falls", [item.name for item in items])
        self.assertEqual(md.place_lists.rate_centre("Lakewood Township, NJ"),
                         ("Lakewood Township", "NJ"))

    def test_namesakes_are_chosen_and_refused_only_for_a_nearer_namesake(self):
        def nj(name, lat, lon, population=10000):
            return place(name, region="NJ", county="007", lat=lat, lon=lon,
                         population=population, zone="America/New_York")
        towns = [nj("Camden", 39.93, -75.12), nj("Cherry Hill", 39.93, -75.03),
                 nj("Glassboro", 39.70, -75.11), nj("Vineland", 39.49, -75.03),
                 nj("Millville", 39.40, -75.04)]
        # A town put among another code's towns, and two namesakes, the nearer to the middle
        # beside another code's rate centre.
        voorhees = nj("Voorhees", 40.68, -74.35, 29131)
        amid, own = nj("Salem", 39.95, -74.80), nj("Salem", 39.57, -75.47)
        gazetteer = md.place_lists.Gazetteer(towns + [voorhees, amid, own])
        counts = {(town.name, "NJ"): 1 for town in towns + [voorhees, amid]}

        def rivals(found):
            return 2.0 if found is amid else 40.0
        matched = md.place_lists.match_places(counts, gazetteer, rivals)
        self.assertIs(matched[("Salem", "NJ")], own)
        self.assertIs(matched[("Vineland", "NJ")], towns[3])
        # Other codes' towns near it are no reason to refuse a place ...
        self.assertIs(matched[("Voorhees", "NJ")], voorhees)
        # ... another code's Voorhees nearer to it is.
        matched = md.place_lists.match_places(
            counts, gazetteer, rivals, lambda found, key: 2.0 if key == "voorhees" else None)
        self.assertIsNone(matched[("Voorhees", "NJ")])

    def test_of_namesakes_in_one_county_the_largest_is_the_rate_centres(self):
        def wi(name, lat, lon, population, county="031"):
            return place(name, region="WI", county=county, lat=lat, lon=lon,
                         population=population, zone="America/Chicago")
        towns = [wi("Eau Claire", 44.81, -91.50, 69274, "035"),
                 wi("Wausau", 44.96, -89.63, 39893, "073")]
        # The village of Superior lies nearer the code's other towns than the city beside it;
        # a namesake in another county nearer still stays the nearer one's.
        city, village = wi("Superior", 46.69, -92.08, 26550), wi("Superior", 46.65, -92.11, 668)
        elsewhere = wi("Superior", 46.65, -92.11, 668, "099")
        for found, namesakes in ((city, [city, village]), (city, [village, city]),
                                 (elsewhere, [city, elsewhere])):
            gazetteer = md.place_lists.Gazetteer(towns + namesakes)
            counts = {(town.name, "WI"): 1 for town in towns + [city]}
            matched = md.place_lists.match_places(counts, gazetteer)
            self.assertEqual(matched[("Superior", "WI")].population, found.population)
            self.assertEqual(matched[("Superior", "WI")].county, found.county)

    def test_places_are_shown_by_their_official_names(self):
        def qc(name):
            return source_files.GazetteerPlace([name, "CA", "10", "02", "48.4", "-71.8", "4084",
                                                "PPL", "America/Toronto"])
        shown = md.place_lists.shown_name
        self.assertEqual(shown("Perc\u00e9", qc("Perce")), "Perc\u00e9")
        self.assertEqual(shown("M\u00e9tabetchouan-Lac-\u00e0-la-Croix",
                               qc("Metabetchouan-Lac-a-la-Croix")),
                         "M\u00e9tabetchouan\u2013Lac-\u00e0-la-Croix")
        self.assertEqual(shown("Sept-Iles", qc("Sept-\u00celes")), "Sept-\u00celes")
        self.assertEqual(md.place_lists.known_as("Orl\u00e9ans", "ON"), ("Ottawa", "ON"))
        self.assertEqual(md.place_lists.us_saint("Saint Clair Shores"), "St. Clair Shores")
        self.assertEqual(md.place_lists.us_saint("Sainte Genevieve"), "Ste. Genevieve")
        self.assertEqual(md.place_lists.us_saint("Saint Paul"), "Saint Paul")
        self.assertEqual(md.island_places.shown_name("Saint John\u2019s"), "St. John's")

    def test_small_city_sections_are_shown_as_their_city(self):
        def section(name, population):
            found = place(name, population=population)
            found.feature = "PPLX"
            return found
        houston = place("Houston", population=2300000)
        gazetteer = md.place_lists.Gazetteer([houston])
        self.assertIs(gazetteer.city_of_section(section("Kingwood Heights", 5000)), houston)
        big = section("Culver City", 39000)
        self.assertIs(gazetteer.city_of_section(big), big)

        def jm(name, lat, population, feature):
            return source_files.GazetteerPlace([name, "JM", "08", "", str(lat), "-76.79",
                                                str(population), feature, "America/Jamaica"])
        kingston = jm("Kingston", 18.00, 937700, "PPLC")
        part = jm("New Kingston", 18.01, 500000, "PPLX")
        far = jm("Tamuning", 18.20, 19685, "PPLX")  # 22 km off: a town of its own
        towns = md.place_lists.Gazetteer([kingston, part, far])
        self.assertIs(towns.town_of_section(part), kingston)
        self.assertIs(towns.town_of_section(far), far)

    def test_zones_in_words(self):
        self.assertEqual(time_zones.zone_text({"America/Phoenix", "America/Denver"}),
                         "Mountain time, no daylight saving time in Arizona")
        self.assertEqual(time_zones.zone_text({"America/Boise", "America/Los_Angeles"}),
                         "Mountain and Pacific time")
        self.assertEqual(time_zones.zone_text({"America/Puerto_Rico"}),
                         "Atlantic time, no daylight saving time")
        self.assertEqual(time_zones.zone_text({"America/Regina", "America/Edmonton"}),
                         "Central and Mountain time, no daylight saving time in Saskatchewan")
        self.assertEqual(time_zones.zone_text(set()), "")

    def test_places_keeping_daylight_time_in_a_region_that_does_not(self):
        def az(name, population, zone, region="AZ", country="US"):
            found = place(name, region=region, population=population, zone=zone)
            found.country = country
            return md.place_lists.Item(name, region, found, 1)
        items = [az("Flagstaff", 76000, "America/Phoenix"),
                 az("Tuba City", 8611, "America/Denver"), az("Kayenta", 5189, "America/Denver"),
                 az("Chinle", 4518, "America/Denver"),
                 az("Window Rock", 2712, "America/Denver"), az("Nowhere", 0, "")]
        gazetteer = [item.place for item in items] + [
            az("Phoenix", 1600000, "America/Phoenix").place,
            az("Louisville", 600000, "America/Kentucky/Louisville", "KY").place,
            az("George Town", 34000, "America/Cayman", "KY", "KY").place]
        norms = time_zones.region_zones(gazetteer)
        self.assertEqual(norms[("US", "AZ")], "America/Phoenix")
        self.assertEqual(norms[("KY", "KY")], "America/Cayman")  # not Kentucky's
        exceptions = time_zones.daylight_exceptions(items, norms)
        self.assertEqual(exceptions, {("US", "AZ", "America/Denver"):
                                      ["Tuba City", "Kayenta", "Chinle", "Window Rock"]})
        self.assertEqual(
            time_zones.zone_text({"America/Phoenix", "America/Denver"}, exceptions, norms),
            "Mountain time, no daylight saving time in Arizona except the Navajo Nation "
            "(Tuba City, Kayenta, Chinle)")
        # An area the tz database does not name is named by its places.
        lloydminster = az("Lloydminster", 31400, "America/Edmonton", "SK", "CA")
        norms[("CA", "SK")] = "America/Regina"
        exceptions = time_zones.daylight_exceptions([lloydminster], norms)
        self.assertEqual(
            time_zones.zone_text({"America/Regina", "America/Edmonton"}, exceptions, norms),
            "Central and Mountain time, no daylight saving time in Saskatchewan except "
            "Lloydminster")
        # A place of a region that keeps daylight saving time is no exception.
        self.assertEqual(
            time_zones.daylight_exceptions(items, {("US", "AZ"): "America/Denver"}), {})

    def test_numbers_that_are_not_area_codes(self):
        row = {"EXPLANATION": "N11 Code", "RESERVED": "No"}
        self.assertIn("emergencies", special_codes.unused_code_text(911, row))
        self.assertTrue(special_codes.unused_code_text(290, {"EXPLANATION": "Expansion Code",
                                                             "RESERVED": "Yes"})
                        .startswith("Not in use"))
        self.assertIn("233", special_codes.unused_code_text(233, {"EXPLANATION": "",
                                                                  "RESERVED": "No"}))

    def test_codes_of_one_service_list_the_same_set(self):
        def row(service, in_service="Y", notes=""):
            return {"SERVICE": service, "NOTES": notes, "IN_SERVICE": in_service}
        rows = {500: row("Non-geographic services"), 533: row("Non-Geographic Services "),
                538: row("Non-geographic services"), 800: row("Toll-free"),
                833: row("Toll-Free"), 822: row("Toll-Free", "N"),
                622: row("Canadian Non-Geographic Services"),
                633: row("", notes="Canadian Non-Geographic Services  "), 900: row("Premium")}
        sisters = special_codes.sister_codes(rows)
        self.assertEqual(sisters[500], {500, 533, 538})
        self.assertEqual(sisters[538], sisters[500])
        self.assertEqual(sisters[800], {800, 833})
        self.assertEqual(sisters[822], {800, 822, 833})  # not yet in service: lists them all
        self.assertEqual(sisters[633], {622, 633})
        self.assertEqual(sisters[900], {900})

    def test_metro_codes_come_from_counties_and_overlays(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "m.csv"
            path.write_text("# fixture\nmetro,country,region,unit_code,unit_name\n"
                            "Houston,US,TX,48201,Harris\nHouston,US,TX,48167,Galveston\n",
                            encoding="utf-8")
            table = metros.read_metro_counties(path)
        places_of_code = {713: [place("Houston")], 409: [place("Galveston", county="167")],
                          512: [place("Austin", county="453")]}
        result = metros.metro_codes(table, places_of_code, {713: {281, 713}})
        codes, covered = result["Houston"]
        self.assertEqual(codes, {281, 409, 713})
        self.assertEqual(covered, {"48201": True, "48167": True})
        # A town that no gazetteer place stands for brings its code through the unit's TOWNS.
        sussex = metros.Unit("US", "VA", "51183", "Sussex County")
        result = metros.metro_codes({"Richmond VA": [sussex]}, {804: []}, {},
                                    towns_of_code={434: [("Stony Creek", "VA")],
                                                   757: [("Wakefield", "VA")],
                                                   540: [("Stony Creek", "WV")]})
        self.assertEqual(result["Richmond VA"], ({434, 757}, {"51183": True}))

    def test_a_rate_centre_known_only_by_its_parts_lies_in_their_county(self):
        parts = metro_rate_centres.places_of_parts([
            place("North Vacherie", "LA", "093"), place("South Vacherie", "LA", "093"),
            place("North Union", "LA", "005"), place("South Union", "LA", "047"),
            place("Northfield", "LA", "001")])
        own = {225: {("Vacherie", "LA"), ("Baton Rouge", "LA"), ("Union", "LA")},
               504: {("Field", "LA")}}
        matched = {225: {("Baton Rouge", "LA"): place("Baton Rouge", "LA", "033")}}
        found = metro_rate_centres.rate_centre_places(own, matched, parts)
        self.assertEqual(sorted((p.name, p.county) for p in found[225]),
                         [("Baton Rouge", "22033"), ("North Vacherie", "22093"),
                          ("South Vacherie", "22093")])  # Union's parts lie in two parishes
        self.assertEqual(found[504], [])


if __name__ == "__main__":
    unittest.main()
