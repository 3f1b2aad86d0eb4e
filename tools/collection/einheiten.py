"""Unit tables. First row: base unit with factor 1 (factor = size of the unit in
base units) or -1 (factor = number of such units in one base unit)."""
from sammlung import table

table("Länge", "laenge", "l", [
    ("Meter", "m", "1"),
    ("Millimeter", "mm", "0,001"),
    ("Zentimeter", "cm", "0,01"),
    ("Dezimeter", "dm", "0,1"),
    ("Kilometer", "km", "1000"),
    ("Mikrometer", "\\c(m)m", "0,000001"),
    ("Nanometer", "nm", "0,000000001"),
    ("Zoll (inch)", "in", "0,0254"),
    ("Fuß (foot)", "ft", "0,3048"),
    ("Yard", "yd", "0,9144"),
    ("Meile (mile)", "mi", "1609,344"),
    ("Seemeile", "sm", "1852"),
    ("Astronomische Einheit", "AE", "149597870700"),
])

table("Fläche", "flaeche", "A", [
    ("Quadratmeter", "m\\u(2)", "1"),
    ("Quadratmillimeter", "mm\\u(2)", "0,000001"),
    ("Quadratzentimeter", "cm\\u(2)", "0,0001"),
    ("Quadratdezimeter", "dm\\u(2)", "0,01"),
    ("Ar", "a", "100"),
    ("Hektar", "ha", "10000"),
    ("Quadratkilometer", "km\\u(2)", "1000000"),
    ("Quadratzoll", "in\\u(2)", "0,00064516"),
    ("Quadratfuß", "ft\\u(2)", "0,09290304"),
    ("Acre", "ac", "4046,8564224"),
])

table("Volumen", "volumen", "V", [
    ("Kubikmeter", "m\\u(3)", "1"),
    ("Liter", "l", "0,001"),
    ("Milliliter", "ml", "0,000001"),
    ("Hektoliter", "hl", "0,1"),
    ("Kubikzentimeter", "cm\\u(3)", "0,000001"),
    ("Kubikdezimeter", "dm\\u(3)", "0,001"),
    ("Kubikmillimeter", "mm\\u(3)", "0,000000001"),
    ("Kubikzoll", "in\\u(3)", "0,000016387064"),
    ("Kubikfuß", "ft\\u(3)", "0,028316846592"),
    ("US-Gallone", "gal", "0,003785411784"),
    ("Britische Gallone", "gal (UK)", "0,00454609"),
    ("Barrel (Erdöl)", "bbl", "0,158987294928"),
])

table("Masse", "masse", "m", [
    ("Kilogramm", "kg", "1"),
    ("Gramm", "g", "0,001"),
    ("Milligramm", "mg", "0,000001"),
    ("Tonne", "t", "1000"),
    ("Pfund (lb)", "lb", "0,45359237"),
    ("Unze (oz)", "oz", "0,028349523125"),
    ("Zentner", "Ztr", "50"),
    ("Karat", "Kt", "0,0002"),
])

table("Zeit", "zeit", "t", [
    ("Sekunde", "s", "1"),
    ("Millisekunde", "ms", "0,001"),
    ("Mikrosekunde", "\\c(m)s", "0,000001"),
    ("Minute", "min", "60"),
    ("Stunde", "h", "3600"),
    ("Tag", "d", "86400"),
    ("Woche", "Wo", "604800"),
    ("Jahr (365 Tage)", "a", "31536000"),
])

table("Geschwindigkeit", "geschw", "v", [
    ("Meter je Sekunde", "m/s", "-1"),
    ("Kilometer je Stunde", "km/h", "3,6"),
    ("Meter je Minute", "m/min", "60"),
    ("Zentimeter je Sekunde", "cm/s", "100"),
    ("Kilometer je Sekunde", "km/s", "0,001"),
    ("Knoten", "kn", "1,9438444924406"),
    ("Meilen je Stunde", "mph", "2,2369362920544"),
    ("Fuß je Sekunde", "ft/s", "3,2808398950131"),
])

table("Beschleunigung", "beschl", "a", [
    ("Meter je Quadratsekunde", "m/s\\u(2)", "1"),
    ("Zentimeter je Quadratsekunde", "cm/s\\u(2)", "0,01"),
    ("Normfallbeschleunigung", "g\\d(n)", "9,80665"),
    ("Fuß je Quadratsekunde", "ft/s\\u(2)", "0,3048"),
])

table("Kraft", "kraft", "F", [
    ("Newton", "N", "1"),
    ("Kilonewton", "kN", "1000"),
    ("Meganewton", "MN", "1000000"),
    ("Millinewton", "mN", "0,001"),
    ("Kilopond", "kp", "9,80665"),
    ("Dyn", "dyn", "0,00001"),
    ("Pound-force", "lbf", "4,4482216152605"),
])

table("Druck, mechanische Spannung", "druck", "p", [
    ("Pascal", "Pa", "1"),
    ("Hektopascal", "hPa", "100"),
    ("Kilopascal", "kPa", "1000"),
    ("Megapascal", "MPa", "1000000"),
    ("Newton je Quadratmillimeter", "N/mm\\u(2)", "1000000"),
    ("Bar", "bar", "100000"),
    ("Millibar", "mbar", "100"),
    ("Physikalische Atmosphäre", "atm", "101325"),
    ("Technische Atmosphäre", "at", "98066,5"),
    ("Torr", "Torr", "133,32236842105"),
    ("Millimeter Quecksilbersäule", "mmHg", "133,322387415"),
    ("Meter Wassersäule", "mWS", "9806,65"),
    ("Pound-force je Quadratzoll", "psi", "6894,7572931684"),
])

table("Energie, Arbeit, Wärme", "energie", "W", [
    ("Joule", "J", "1"),
    ("Kilojoule", "kJ", "1000"),
    ("Megajoule", "MJ", "1000000"),
    ("Wattsekunde", "Ws", "1"),
    ("Wattstunde", "Wh", "3600"),
    ("Kilowattstunde", "kWh", "3600000"),
    ("Kalorie", "cal", "4,184"),
    ("Kilokalorie", "kcal", "4184"),
    ("Elektronvolt", "eV", "1,602176634E-19"),
    ("Newtonmeter", "N\\mm", "1"),
    ("British thermal unit", "BTU", "1055,05585262"),
])

table("Leistung", "leistung", "P", [
    ("Watt", "W", "1"),
    ("Milliwatt", "mW", "0,001"),
    ("Kilowatt", "kW", "1000"),
    ("Megawatt", "MW", "1000000"),
    ("Pferdestärke", "PS", "735,49875"),
    ("Horsepower (mechanisch)", "hp", "745,69987158227"),
    ("Kilokalorie je Stunde", "kcal/h", "1,1622222222222"),
])

table("Drehmoment", "drehmom", "M", [
    ("Newtonmeter", "N\\mm", "1"),
    ("Newtonzentimeter", "N\\mcm", "0,01"),
    ("Kilonewtonmeter", "kN\\mm", "1000"),
    ("Kilopondmeter", "kp\\mm", "9,80665"),
    ("Pound-force-foot", "lbf\\mft", "1,3558179483314"),
])

table("Frequenz, Drehzahl", "frequenz", "f", [
    ("Hertz", "Hz", "-1"),
    ("Kilohertz", "kHz", "0,001"),
    ("Megahertz", "MHz", "0,000001"),
    ("Gigahertz", "GHz", "0,000000001"),
    ("Umdrehungen je Minute", "1/min", "60"),
    ("Umdrehungen je Stunde", "1/h", "3600"),
])

table("Winkel", "winkel", "alpha", [
    ("Radiant", "rad", "-1"),
    ("Grad", "°", "57,295779513082"),
    ("Gon", "gon", "63,661977236758"),
    ("Bogenminute", "'", "3437,7467707849"),
    ("Bogensekunde", "''", "206264,80624710"),
    ("Milliradiant", "mrad", "1000"),
    ("Vollwinkel", "U", "0,1591549430919"),
])

table("Winkelgeschwindigkeit", "winkgesc", "omega", [
    ("Radiant je Sekunde", "rad/s", "-1"),
    ("Grad je Sekunde", "°/s", "57,295779513082"),
    ("Umdrehungen je Sekunde", "U/s", "0,1591549430919"),
    ("Umdrehungen je Minute", "U/min", "9,5492965855137"),
])

table("Dichte", "dichte", "rho", [
    ("Kilogramm je Kubikmeter", "kg/m\\u(3)", "1"),
    ("Gramm je Kubikzentimeter", "g/cm\\u(3)", "1000"),
    ("Kilogramm je Liter", "kg/l", "1000"),
    ("Gramm je Liter", "g/l", "1"),
    ("Tonne je Kubikmeter", "t/m\\u(3)", "1000"),
    ("Pfund je Kubikfuß", "lb/ft\\u(3)", "16,018463373960"),
])

table("Elektrische Spannung", "spannung", "U", [
    ("Volt", "V", "-1"),
    ("Millivolt", "mV", "1000"),
    ("Mikrovolt", "\\c(m)V", "1000000"),
    ("Kilovolt", "kV", "0,001"),
    ("Megavolt", "MV", "0,000001"),
])

table("Elektrische Stromstärke", "strom", "I", [
    ("Ampere", "A", "-1"),
    ("Milliampere", "mA", "1000"),
    ("Mikroampere", "\\c(m)A", "1000000"),
    ("Nanoampere", "nA", "1000000000"),
    ("Kiloampere", "kA", "0,001"),
])

table("Elektrischer Widerstand", "widerst", "R", [
    ("Ohm", "\\c(W)", "-1"),
    ("Milliohm", "m\\c(W)", "1000"),
    ("Kiloohm", "k\\c(W)", "0,001"),
    ("Megaohm", "M\\c(W)", "0,000001"),
])

table("Elektrische Ladung", "ladung", "Q", [
    ("Coulomb", "C", "1"),
    ("Millicoulomb", "mC", "0,001"),
    ("Mikrocoulomb", "\\c(m)C", "0,000001"),
    ("Nanocoulomb", "nC", "0,000000001"),
    ("Amperestunde", "A\\mh", "3600"),
    ("Milliamperestunde", "mA\\mh", "3,6"),
])

table("Elektrische Kapazität", "kapazit", "C", [
    ("Farad", "F", "-1"),
    ("Millifarad", "mF", "1000"),
    ("Mikrofarad", "\\c(m)F", "1000000"),
    ("Nanofarad", "nF", "1000000000"),
    ("Pikofarad", "pF", "1000000000000"),
])

table("Induktivität", "indukt", "L", [
    ("Henry", "H", "-1"),
    ("Millihenry", "mH", "1000"),
    ("Mikrohenry", "\\c(m)H", "1000000"),
    ("Nanohenry", "nH", "1000000000"),
])

table("Magnetische Flussdichte", "flussdi", "B", [
    ("Tesla", "T", "-1"),
    ("Millitesla", "mT", "1000"),
    ("Mikrotesla", "\\c(m)T", "1000000"),
    ("Nanotesla", "nT", "1000000000"),
    ("Gauß", "G", "10000"),
])

table("Stoffmenge", "stoffmen", "n", [
    ("Mol", "mol", "1"),
    ("Millimol", "mmol", "0,001"),
    ("Mikromol", "\\c(m)mol", "0,000001"),
    ("Kilomol", "kmol", "1000"),
])

table("Stoffmengenkonzentration", "konzentr", "c", [
    ("Mol je Liter", "mol/l", "1"),
    ("Millimol je Liter", "mmol/l", "0,001"),
    ("Mikromol je Liter", "\\c(m)mol/l", "0,000001"),
    ("Mol je Kubikmeter", "mol/m\\u(3)", "0,001"),
])

table("Datenmenge", "daten", "D", [
    ("Byte", "B", "1"),
    ("Bit", "bit", "0,125"),
    ("Kilobyte", "kB", "1000"),
    ("Megabyte", "MB", "1000000"),
    ("Gigabyte", "GB", "1000000000"),
    ("Terabyte", "TB", "1000000000000"),
    ("Kibibyte", "KiB", "1024"),
    ("Mebibyte", "MiB", "1048576"),
    ("Gibibyte", "GiB", "1073741824"),
    ("Tebibyte", "TiB", "1099511627776"),
])

table("Kraftstoffverbrauch", "verbrauc", "K", [
    ("Liter je 100 Kilometer", "l/100 km", "1"),
    ("Liter je Kilometer", "l/km", "100"),
    ("Milliliter je Kilometer", "ml/km", "0,1"),
    ("Liter je 1000 Kilometer", "l/1000 km", "0,1"),
    ("US-Gallonen je 100 Meilen", "gal/100 mi", "2,3521458333333"),
])

table("Volumenstrom", "volstrom", "Q", [
    ("Kubikmeter je Sekunde", "m\\u(3)/s", "-1"),
    ("Liter je Sekunde", "l/s", "1000"),
    ("Liter je Minute", "l/min", "60000"),
    ("Kubikmeter je Stunde", "m\\u(3)/h", "3600"),
    ("Liter je Stunde", "l/h", "3600000"),
    ("Kubikmeter je Minute", "m\\u(3)/min", "60"),
])

table("Dynamische Viskosität", "dynvisk", "eta", [
    ("Pascalsekunde", "Pa\\ms", "1"),
    ("Millipascalsekunde", "mPa\\ms", "0,001"),
    ("Poise", "P", "0,1"),
    ("Zentipoise", "cP", "0,001"),
])

table("Kinematische Viskosität", "kinvisk", "nu", [
    ("Quadratmeter je Sekunde", "m\\u(2)/s", "1"),
    ("Quadratmillimeter je Sekunde", "mm\\u(2)/s", "0,000001"),
    ("Stokes", "St", "0,0001"),
    ("Zentistokes", "cSt", "0,000001"),
])
