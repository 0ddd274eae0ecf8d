# SPDX-License-Identifier: Apache-2.0
# Towns placed by position: the nearest rate centres' codes, the towns left to their city, and
# how often the position alone finds the code of a town that its exchanges name.
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import located_places  # noqa: E402
import make_directory  # noqa: E402
import source_files  # noqa: E402

# Of the rate centres of 10,000 people or more, the share that the nearest other rate centres
# put on their own code (or an overlay of it): 95.3% with the committed sources (95.5% before
# rate centres had discs; the discs move St. Louis' inner suburbs from 636 to 314).
AGREEMENT_FLOOR = 0.93


def place(name, lat, lon, population=20000, region="IN", county="057", country="US",
          feature="PPL"):
    return source_files.GazetteerPlace([name, country, region, county, str(lat), str(lon),
                                        str(population), feature, "America/Indiana/Indianapolis"])


class LocatedPlacesTest(unittest.TestCase):
    def test_nearest_rate_centres_give_the_codes(self):
        centres = located_places.RateCentres()
        carmel, indy = place("Carmel", 39.97, -86.12), place("Indianapolis", 39.77, -86.16)
        other = place("Muncie", 40.19, -85.39, county="035")
        centres.add(carmel, 317, 12)
        centres.add(indy, 317, 150)
        centres.add(indy, 463, 4)
        centres.add(other, 765, 30)
        # Fishers lies 9 km from Carmel and 25 km from Indianapolis, both of its county, whose
        # rate centres share it by their plain distance.
        fishers = place("Fishers", 39.96, -86.01)
        self.assertEqual(centres.nearest(fishers), {317: 12})
        self.assertEqual(centres.nearest(place("Lawrence", 39.86, -86.02)), {317: 162, 463: 4})
        # A place of another county takes its county's rate centre though another lies nearer.
        near_muncie = place("Yorktown", 40.0, -86.0, county="035")
        self.assertEqual(centres.nearest(near_muncie), {765: 30})
        # A place of a region without rate centres gets no code.
        self.assertEqual(centres.nearest(place("Elsewhere", 40, -86, region="OH")), {})
        self.assertAlmostEqual(located_places.share({317: 150, 463: 4}, {317}), 150 / 154)
        self.assertEqual(located_places.share({}, {317}), 0.0)
        # Leaving each rate centre out in turn, the others put Carmel and Indianapolis on 317,
        # their own code, and Muncie, alone in its county, on 317 too: two of three agree.
        self.assertEqual(centres.agreement(lambda a, b: a == b), (2, 3))

    def test_a_large_rate_centre_serves_its_ring(self):
        # St. Louis' 137 exchanges (a county of its own; a disc of 14.6 km, three fifths of the
        # way to Fenton) serve Kirkwood, 19 km out, though 636's Fenton lies 8 km from it; a town
        # beside Fenton stays Fenton's.
        centres = located_places.RateCentres()
        centres.add(place("St. Louis", 38.627, -90.198, region="MO", county="510"), 314, 137)
        centres.add(place("Fenton", 38.513, -90.436, region="MO", county="189"), 636, 6)
        kirkwood = place("Kirkwood", 38.583, -90.407, region="MO", county="189")
        self.assertEqual(centres.nearest(kirkwood), {314: 137})
        by_fenton = place("Valley Park", 38.549, -90.493, region="MO", county="189")
        self.assertEqual(centres.nearest(by_fenton), {636: 6})
        # The disc stops at CAP of the way to another code's rate centre: a large city does not
        # swallow the town beside its neighbour across a county line (Oakland beside San
        # Francisco, a county of its own too).
        bay = located_places.RateCentres()
        bay.add(place("San Francisco", 37.775, -122.419, region="CA", county="075"), 415, 217)
        bay.add(place("Oakland", 37.804, -122.271, region="CA", county="001"), 510, 69)
        piedmont = place("Piedmont", 37.824, -122.232, region="CA", county="001")
        self.assertEqual(bay.nearest(piedmont), {510: 69})

    def test_towns_to_place(self):
        stamford = place("Stamford", 41.05, -73.54, 129000, region="CT", county="001")
        copies = place("North Stamford", 41.14, -73.54, 121230, region="CT", county="001")
        north_charleston = place("North Charleston", 32.85, -79.97, 114000, region="SC")
        charleston = place("Charleston", 32.78, -79.93, 150000, region="SC")
        twin_a = place("Ironville", 38.45, -82.69, 288649, region="KY")
        twin_b = place("Meads", 38.41, -82.71, 288649, region="KY")
        queens = place("Astoria", 40.77, -73.93, 150165, region="NY", county="081")
        nyc = place("New York City", 40.71, -74.0, 8175133, region="NY", county="")
        section = place("Harlem", 40.81, -73.95, 116345, region="NY", county="", feature="PPLX")
        district = place("Shaw", 38.91, -77.02, 17639, region="DC", county="001")
        small = place("Smallville", 40.0, -86.0, 9999)
        named = place("Carmel", 39.97, -86.12)
        misfiled = place("Fallingbrook", 45.48, -75.48, 25000, region="09", county="3506",
                         country="CA")
        islanders = [place(f"Town {n}", 46.2, -63.1, 100, region="09", county="1102",
                           country="CA") for n in range(3)]
        everything = [stamford, copies, north_charleston, charleston, twin_a, twin_b, queens,
                      nyc, section, district, small, named, misfiled] + islanders
        keys = {("carmel", "IN"), ("stamford", "CT"), ("charleston", "SC")}
        found = located_places.unnamed_towns(everything, {id(named)}, keys)
        self.assertEqual([town.name for town in found], ["North Charleston"])

    def test_agreement_with_the_names_of_the_exchanges(self):
        report = source_files.read_report()
        whole, exchanges = source_files.read_geocoding()
        context = make_directory.Context(report, whole, exchanges, source_files.read_places())

        def same_service(a, b):
            return a == b or a in context.partners[b] or b in context.partners[a]
        agreed, tried = context.rate_centre_spots.agreement(same_service)
        self.assertGreater(tried, 2000)
        self.assertGreaterEqual(agreed / tried, AGREEMENT_FLOOR)


if __name__ == "__main__":
    unittest.main()
