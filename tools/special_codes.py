# SPDX-License-Identifier: Apache-2.0
# What the codes that serve no place are, in plain words: services that span the numbering plan,
# three-digit numbers people dial, and codes reserved or not yet assigned.

import collections

# Non-geographic services by the report's SERVICE (or NOTES) column, lower case.
SERVICES = {
    "toll-free": "Toll-free: calls are free to the caller and paid for by the number's owner",
    "premium services": "Premium-rate services: calls are billed to the caller at the service's "
                        "own rate",
    "non-geographic services": "Personal communications services: numbers that follow a person "
                               "or a device anywhere, not tied to a place",
    "canadian non-geographic tariffed services": "Canada: non-geographic tariffed services, not "
                                                 "tied to a place",
    "canadian non-geographic services": "Canada: non-geographic services, not tied to a place",
    "interexchange carrier services": "Interexchange carrier services: numbers that each "
                                      "long-distance carrier defines for its own services",
    "us government": "US Government: federal emergency telecommunications service (GETS)",
}

NOT_AN_AREA_CODE = "Not an area code. "

# Three-digit numbers that people dial on their own, by code.
DIALED_NUMBERS = {
    211: "Dial 211 for community information and referral services (help with food, housing, "
         "health and social services)",
    311: "Dial 311 for city or municipal services and non-emergency calls, where offered",
    411: "Dial 411 for directory assistance (telephone numbers and addresses)",
    511: "Dial 511 for traffic, road and travel information, where offered",
    611: "Dial 611 for your telephone company's repair and customer service",
    711: "Dial 711 for the telecommunications relay service for people who are deaf, hard of "
         "hearing or speech-impaired",
    811: "Dial 811 before you dig, to have underground utility lines marked (US); in several "
         "Canadian provinces 811 is a health information line",
    911: "Dial 911 for emergencies: police, fire and ambulance",
    988: "Dial 988 for the Suicide and Crisis Lifeline (US) and the Suicide Crisis Helpline "
         "(Canada)",
    555: "555 numbers after an area code: 555-1212 is directory assistance, and 555-0100 to "
         "555-0199 are set aside for fictional use in films and books",
    950: "950 numbers (950-XXXX) reach a long-distance carrier directly (carrier access codes)",
    976: "976 is a local exchange: in many areas 976 numbers were pay-per-call information "
         "lines billed at premium rates",
}

# Reserved codes by the report's EXPLANATION column, lower case.
RESERVED = {
    "expansion code": "Not in use: reserved for expanding the numbering plan in the future",
    "reserved by inc": "Not in use: reserved by the numbering plan's industry committee",
    "reserved for 5xx": "Not in use: reserved for personal communications services (5XX)",
    "set aside for toll free": "Not in use: set aside for future toll-free numbers",
    "reserved for canada": "Not in use: reserved for Canadian non-geographic services",
}
HELD_BACK = "Not in use: held in reserve for a future area code"
UNASSIGNED = "Not assigned: no place or service uses area code {code}"


def service_of(row):
    """A non-geographic code's service as the report names it (SERVICE, else NOTES), lower case."""
    return (row["SERVICE"] or row["NOTES"]).strip().lower()


def service_text(row):
    """The text of a non-geographic service code, or None when the report names none."""
    return SERVICES.get(service_of(row))


def sister_codes(rows):
    """For each non-geographic code of `rows` ({code: report row}, the codes the directory lists):
    the codes in service with the same service, itself included. Every code of a service thus
    lists the same set: the report's OVERLAY_COMPLEX column lags behind new codes (500's row lacks
    523 to 538), and a code not yet in service (822) is listed by none but lists them all."""
    in_service = collections.defaultdict(set)
    for code, row in rows.items():
        if row["IN_SERVICE"] == "Y":
            in_service[service_of(row)].add(code)
    return {code: in_service[service_of(row)] | {code} for code, row in rows.items()}


def unused_code_text(code, row):
    """The text of a code that is neither in service nor assigned: what the number is, why the
    code is held back, or that it is free."""
    if code in DIALED_NUMBERS:
        return NOT_AN_AREA_CODE + DIALED_NUMBERS[code]
    reserved = RESERVED.get(row["EXPLANATION"].strip().lower())
    if reserved:
        return reserved
    if row["RESERVED"] == "Yes":
        return HELD_BACK
    return UNASSIGNED.format(code=code)
