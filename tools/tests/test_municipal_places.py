# SPDX-License-Identifier: Apache-2.0
# US places as census municipalities: rate-centre spellings that meet the census names, rate
# centres that stand for no municipality, thinly placed towns, namesakes, and the checks that find
# each of them.
import pathlib
import sys
import types
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import located_places  # noqa: E402
import municipal_checks  # noqa: E402
import place_names  # noqa: E402
import places as place_lists  # noqa: E402
import source_files  # noqa: E402


def place(name, region="NY", county="059", lat=40.8, lon=-73.5, population=1000, kind="city",
          country="US"):
    found = source_files.GazetteerPlace([name, country, region, county, str(lat), str(lon),
                                         str(population), "PPL", "America/New_York"], kind)
    return found


def community(name, holder, **fields):
    found = place(name, population=0, kind="", **fields)
    found.locality, found.holder = True, holder
    return found


class SpellingTest(unittest.TestCase):
    def test_rate_centre_spellings_meet_the_census_names(self):
        for rate_centre, census, same in (
                ("Foxboro", "Foxborough", True), ("Hillsboro", "Hillsborough", True),
                ("Huntingdon Vly", "Huntingdon Valley", True),
                ("White Slphr Spgs", "White Sulphur Springs", True),
                ("Boro", "Borough", False), ("Marlboro", "Marlborough", True),
                ("Boston", "Boroston", False)):
            with self.subTest(rate_centre=rate_centre):
                self.assertEqual(place_names.name_key(rate_centre) == place_names.name_key(census),
                                 same)

    def test_names_run_together_or_apart(self):
        gazetteer = place_lists.Gazetteer([place("DeMotte", region="IN"),
                                           place("La Cygne", region="KS")])
        for name, region, found in (("De Motte", "IN", "DeMotte"), ("LaCygne", "KS", "La Cygne"),
                                    ("La Cygne", "IN", None), ("Demotte", "IN", "DeMotte")):
            with self.subTest(name=name):
                names = [p.name for p in gazetteer.candidates(name, region)]
                self.assertEqual(names, [found] if found else [])


class PlacesTest(unittest.TestCase):
    def test_a_community_beside_a_namesake_municipality_is_a_candidate(self):
        oyster_bay = place("Oyster Bay", kind="town", population=299519)
        village = place("Woodbury", county="071", lat=41.36, lon=-74.1, kind="village")
        gazetteer = place_lists.Gazetteer([oyster_bay, village,
                                           community("Woodbury", oyster_bay)])
        self.assertEqual({p.name for p in gazetteer.candidates("Woodbury", "NY")},
                         {"Woodbury", "Oyster Bay"})
        # Deep among another code's rate centres, the village gives way to the hamlet's town.
        matched = place_lists.match_places(
            {("Woodbury", "NY"): 2, ("Oyster Bay", "NY"): 2}, gazetteer,
            rivals=lambda found: 3.0 if found is village else None)
        self.assertIs(matched[("Woodbury", "NY")], oyster_bay)

    def test_what_a_code_lists(self):
        toano = community("Toano", None, region="VA")
        town = place("Williamsburg", region="VA", population=15000)
        ontario = place("Kanata", region="ON", country="CA", kind="")
        matched = {("Williamsburg", "VA"): town, ("Toano", "VA"): toano,
                   ("San Ysidro", "CA"): None, ("Kanata", "ON"): ontario,
                   ("Springfield", "DC"): None}
        counts = {key: 1 for key in matched}
        shares = {"Lynwood-side": 1 / 8, "even": place_lists.LOCATED_SLIVER}
        located = [(place(name, region="VA", population=9000), part)
                   for name, part in shares.items()]
        names = [item.name for item in place_lists.ranked_items(
            counts, matched, {"VA", "CA", "ON", "DC"}, located=located)]
        # A rate centre stands for a census municipality in a state; a part of a city or a
        # locality is left out, as is a town placed on a code that holds an eighth of it.
        for name, listed in (("Williamsburg", True), ("Toano", False), ("San Ysidro", False),
                             ("Kanata", True), ("Springfield", True), ("Lynwood-side", False),
                             ("even", True)):
            with self.subTest(name=name):
                self.assertEqual(name in names, listed)

    def test_the_namesake_of_which_the_code_serves_more_stands(self):
        small, large = (place("Penn Township", region="PA", population=n, kind="township")
                        for n in (10281, 17758))
        items = {}
        for found in (small, large):
            place_lists.add_item(items, place_lists.Item("Penn Township", "PA", found, 1))
        item = items[("Penn Township", "PA")]
        self.assertIs(item.place, large)
        self.assertEqual(item.exchanges, 2)

    def test_municipalities_are_placed_from_5000(self):
        canadian = place("Hampstead", region="QC", country="CA", kind="")
        canadian.municipal = True
        for found, municipal in ((place("Mission", region="KS"), True),
                                 (place("Oak Park", region="CA", kind="CDP"), False),
                                 (place("Lyndhurst", region="NJ", kind="township"), True),
                                 (place("Ladner", region="BC", country="CA", kind=""), False),
                                 (canadian, True)):
            with self.subTest(name=found.name):
                self.assertEqual(located_places.municipality(found), municipal)


class ChecksTest(unittest.TestCase):
    def test_names_that_stand_for_no_municipality(self):
        san_diego = place("San Diego", region="CA")
        gazetteer = place_lists.Gazetteer([
            san_diego, community("San Ysidro", san_diego, region="CA"),
            place("San Buenaventura (Ventura)", region="CA"),
            community("Toano", None, region="VA")])
        names = ["San Diego", "San Ysidro", "San Buenaventura (Ventura)", "Toano", "Nowhere"]
        self.assertEqual(municipal_checks.no_municipality(619, "CA", names, gazetteer),
                         ["619: San Ysidro", "619: Toano", "619: Nowhere"])
        self.assertEqual(municipal_checks.no_municipality(202, "DC", ["Nowhere"], gazetteer), [])

    def test_a_namesake_of_another_codes_area(self):
        oyster_bay = place("Oyster Bay", kind="town")
        village = place("Woodbury", county="071", lat=41.36, lon=-74.1, kind="village")
        hamlet = community("Woodbury", oyster_bay, lat=40.82, lon=-73.47)
        centres = located_places.RateCentres()
        centres.add(place("Syosset", lat=40.83, lon=-73.5), 516, 4)
        centres.add(place("Monroe", county="071", lat=41.33, lon=-74.18), 845, 5)
        context = types.SimpleNamespace(
            gazetteer=place_lists.Gazetteer([oyster_bay, village, hamlet]),
            places=[oyster_bay, village, hamlet], rate_centre_spots=centres,
            serving=lambda code: {code})
        found = municipal_checks.namesakes(516, "NY", ["Woodbury", "Oyster Bay"], context)
        self.assertEqual(len(found), 1)
        self.assertTrue(found[0].startswith("516: Woodbury"))
        self.assertEqual(municipal_checks.namesakes(845, "NY", ["Woodbury"], context), [])


if __name__ == "__main__":
    unittest.main()
