#include "wrecks/CountryTable.h"

// Country names by two-letter code (ISO 3166 alpha-2), in search order. The
// names are the wreck data's own and must match it character for character.
const CountryRow kCountries[kCountryCount] = {
    {"AL", "Albania"},
    {"DZ", "Algeria"},
    {"AO", "Angola"},
    {"AG", "Antigua and Barbuda"},
    {"AR", "Argentina"},
    {"AW", "Aruba"},
    {"AU", "Australia"},
    {"AT", "Austria"},
    {"BS", "Bahamas"},
    {"BH", "Bahrain"},
    {"BD", "Bangladesh"},
    {"BB", "Barbados"},
    {"BE", "Belgium"},
    {"BZ", "Belize"},
    {"BJ", "Benin"},
    {"BO", "Bolivia (Plurinational State of)"},
    {"BR", "Brazil"},
    {"BN", "Brunei Darussalam"},
    {"BG", "Bulgaria"},
    {"KH", "Cambodia"},
    {"CM", "Cameroon"},
    {"CA", "Canada"},
    {"CV", "Cape Verde"},
    {"CL", "Chile"},
    {"CN", "China"},
    {"CO", "Colombia"},
    {"KM", "Comoros"},
    {"CD", "Congo(Democratic Republic of)"},
    {"CG", "Congo(Republic of)"},
    {"CK", "Cook Islands"},
    {"CR", "Costa - Rica"},
    {"CI", "C\xF4" "te d\x92" "Ivoire"},
    {"HR", "Croatia"},
    {"CU", "Cuba"},
    {"CY", "Cyprus"},
    {"DK", "Denmark"},
    {"DJ", "Djibouti"},
    {"DM", "Dominica"},
    {"DO", "Dominican Republic"},
    {"EC", "Ecuador"},
    {"EG", "Egypt"},
    {"SV", "El Salvador"},
    {"GQ", "Equatorial Guinea"},
    {"ER", "Eritrea"},
    {"EE", "Estonia"},
    {"ET", "Ethiopia"},
    {"FO", "Faeroe Islands"},
    {"FJ", "Fiji"},
    {"FI", "Finland"},
    {"FR", "France"},
    {"GA", "Gabon"},
    {"GM", "Gambia"},
    {"DE", "Germany"},
    {"GH", "Ghana"},
    {"GR", "Greece"},
    {"GD", "Grenada"},
    {"GT", "Guatemala"},
    {"GN", "Guinea"},
    {"GW", "Guinea - Bissau"},
    {"GY", "Guyana"},
    {"HT", "Haiti"},
    {"HN", "Honduras"},
    {"IS", "Iceland"},
    {"IN", "India"},
    {"ID", "Indonesia"},
    {"IR", "Iran"},
    {"IQ", "Iraq"},
    {"IE", "Ireland"},
    {"IM", "Isle of Man"},
    {"IL", "Israel"},
    {"IT", "Italy"},
    {"JM", "Jamaica"},
    {"JP", "Japan"},
    {"JO", "Jordan"},
    {"KE", "Kenya"},
    {"KI", "Kiribati"},
    {"KR", "Korea(Republic of)"},
    {"KP", "Korea(Democratic Peoples Republic of)"},
    {"KW", "Kuwait"},
    {"LV", "Latvia"},
    {"LB", "Lebanon"},
    {"LR", "Liberia"},
    {"LY", "Libyan Arab Jamahiriya"},
    {"LT", "Lithuania"},
    {"MG", "Madagascar"},
    {"MW", "Malawi"},
    {"MY", "Malaysia"},
    {"MV", "Maldives"},
    {"MT", "Malta"},
    {"MH", "Marshall Islands"},
    {"MR", "Mauritania"},
    {"MU", "Mauritius"},
    {"MX", "Mexico"},
    {"FM", "Micronesia(Federated States of)"},
    {"MC", "Monaco"},
    {"MA", "Morocco"},
    {"MZ", "Mozambique"},
    {"MM", "Myanmar"},
    {"NA", "Namibia"},
    {"NR", "Nauru"},
    {"NL", "Netherlands"},
    {"NZ", "New Zealand"},
    {"NI", "Nicaragua"},
    {"NG", "Nigeria"},
    {"NU", "Niue"},
    {"NO", "Norway"},
    {"OM", "Oman"},
    {"PK", "Pakistan"},
    {"PW", "Palau"},
    {"PA", "Panama"},
    {"PG", "Papua New Guinea"},
    {"PY", "Paraguay"},
    {"PE", "Peru"},
    {"PH", "Philippines"},
    {"PL", "Poland"},
    {"PT", "Portugal"},
    {"QA", "Qatar"},
    {"RO", "Romania"},
    {"RU", "Russian Federation"},
    {"KN", "Saint Kitts and Nevis"},
    {"LC", "Saint Lucia"},
    {"VC", "Saint Vincent and the Grenadines"},
    {"WS", "Samoa"},
    {"ST", "Sao Tome and Principe"},
    {"SA", "Saudi Arabia"},
    {"SN", "Senegal"},
    {"CS", "Serbia and Montenegro"},
    {"SC", "Seychelles"},
    {"SL", "Sierra Leone"},
    {"SG", "Singapore"},
    {"SI", "Slovenia"},
    {"SB", "Solomon Islands"},
    {"SO", "Somalia"},
    {"ZA", "South Africa(Republic of)"},
    {"ES", "Spain"},
    {"LK", "Sri Lanka"},
    {"SD", "Sudan"},
    {"SR", "Suriname"},
    {"SE", "Sweden"},
    {"SY", "Syrian Arab Republic"},
    {"TZ", "Tanzania"},
    {"TH", "Thailand"},
    {"TG", "Togo"},
    {"TK", "Tokelau"},
    {"TO", "Tonga"},
    {"TT", "Trinidad & Tobago"},
    {"TN", "Tunisia"},
    {"TR", "Turkey"},
    {"TV", "Tuvalu"},
    {"GB", "United Kingdom"},
    {"UA", "Ukraine"},
    {"AE", "United Arab Emirates"},
    {"UY", "Uruguay"},
    {"US", "United States of America"},
    {"VU", "Vanuatu"},
    {"VE", "Venezuela"},
    {"VN", "Vietnam"},
    {"YE", "Yemen"},
};

// Flag names by flag index, in the order of the flag images (image 13 + i).
// Spellings such as "Swizerland" are the image set's own.
const char* const kFlagNames[kFlagCount] = {
    "Unknown",  // 0
    "United Kingdom",  // 1
    "England",  // 2
    "Scotland",  // 3
    "Wales",  // 4
    "Northern Ireland",  // 5
    "Ireland",  // 6
    "Red Ensign",  // 7
    "Blue Ensign",  // 8
    "Isle of Man",  // 9
    "Faeroe Islands",  // 10
    "Iceland",  // 11
    "Norway",  // 12
    "Russia",  // 13
    "Denmark",  // 14
    "Germany",  // 15
    "Netherlands",  // 16
    "Belgium",  // 17
    "France",  // 18
    "Channel Islands",  // 19
    "Spain",  // 20
    "Portugal",  // 21
    "Gibraltar",  // 22
    "Italy",  // 23
    "Greece",  // 24
    "Finland",  // 25
    "Sweden",  // 26
    "Croatia",  // 27
    "Turkey",  // 28
    "Poland",  // 29
    "Malta",  // 30
    "Estonia",  // 31
    "Bulgaria",  // 32
    "Cyprus",  // 33
    "Ukraine",  // 34
    "Morocco",  // 35
    "Egypt",  // 36
    "Israel",  // 37
    "Azores",  // 38
    "Canaries",  // 39
    "Bermuda",  // 40
    "Canada",  // 41
    "Greenland",  // 42
    "United States of America",  // 43
    "Antilles",  // 44
    "Argentina",  // 45
    "Chile",  // 46
    "Uruguay",  // 47
    "Venezuela",  // 48
    "Peru",  // 49
    "Namibia",  // 50
    "South Africa",  // 51
    "India",  // 52
    "Mauritius",  // 53
    "Bahrain",  // 54
    "Iran",  // 55
    "Iraq",  // 56
    "Oman",  // 57
    "Pakistan",  // 58
    "Qatar",  // 59
    "Saudia Arabia",  // 60
    "China",  // 61
    "Hong Kong",  // 62
    "Indonesia",  // 63
    "Japan",  // 64
    "Malaysia",  // 65
    "Singapore",  // 66
    "South Korea",  // 67
    "Taiwan",  // 68
    "Thailand",  // 69
    "Vietnam",  // 70
    "Alaska",  // 71
    "Hawaii",  // 72
    "Puerto Rico",  // 73
    "Guam",  // 74
    "Honduras",  // 75
    "Bahamas",  // 76
    "Latvia",  // 77
    "Liberia",  // 78
    "Panama",  // 79
    "Australia",  // 80
    "Antigua",  // 81
    "New Zealand",  // 82
    "Brazil",  // 83
    "Swizerland",  // 84
    "Austria",  // 85
    "Yugoslavia",  // 86
    "Lithuania",  // 87
    "Romania",  // 88
    "Barbados",  // 89
    "St Vincent & Grenada",  // 90
    "Costa Rica",  // 91
    "Ecuador",  // 92
    "Somalia",  // 93
    "Austro-Hungary",  // 94
    "Viking",  // 95
    "Genoa",  // 96
};
