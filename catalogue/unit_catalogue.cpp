#include "unit_catalogue.h"

#include <cstddef>

namespace umrido {
namespace {

// Unit tables, one per quantity, in strip order (row 0 = base unit).
// Columns: German symbol, English symbol, German name, English name,
// factor (units per base unit), offset (Temperature only).
// Factors are the shortest decimals that read back to the intended doubles.
// Category 0: SI-Prefix
constexpr UnitEntry kUnits0[] = {
    {"-", "-", "Basis Einheit", "Base Unit", 1.0, 0.0},
    {"Y", "Y", "Yotta", "Yotta", 1e-24, 0.0},
    {"Z", "Z", "Zetta", "Zetta", 1e-21, 0.0},
    {"E", "E", "Exa", "Exa", 1e-18, 0.0},
    {"P", "P", "Peta", "Peta", 1e-15, 0.0},
    {"T", "T", "Tera", "Tera", 1e-12, 0.0},
    {"G", "G", "Giga", "Giga", 1e-09, 0.0},
    {"M", "M", "Mega", "Mega", 1e-06, 0.0},
    {"k", "k", "Kilo", "Kilo", 0.001, 0.0},
    {"h", "h", "Hekto", "Hecto", 0.01, 0.0},
    {"da", "da", "Deka", "Deka", 0.1, 0.0},
    {"d", "d", "Dezi", "Deci", 10.0, 0.0},
    {"c", "c", "Zenti", "Centi", 100.0, 0.0},
    {"m", "m", "Milli", "Milli", 1000.0, 0.0},
    {"µ", "µ", "Mikro", "Micro", 1000000.0, 0.0},
    {"n", "n", "Nano", "Nano", 1000000000.0, 0.0},
    {"p", "p", "Piko", "Pico", 1000000000000.0, 0.0},
    {"f", "f", "Femto", "Femto", 1000000000000000.0, 0.0},
    {"a", "a", "Atto", "Atto", 1e+18, 0.0},
    {"z", "z", "Zepto", "Zepto", 1e+21, 0.0},
    {"y", "y", "Yocto", "Yocto", 1e+24, 0.0},
};

// Category 1: Angle
constexpr UnitEntry kUnits1[] = {
    {"rad", "rad", "Radiant", "Radian", 1.0, 0.0},
    {"° = deg", "° = deg", "Grad", "Degree", 57.29577951308232, 0.0},
    {"' = min", "' = min", "Minute", "Degree minute", 3437.746770784939, 0.0},
    {"\" = sec", "\" = sec", "Sekunde", "Degree second", 206264.80624709636, 0.0},
    {"g", "g", "Neugrad = Gon", "Grade = Gon", 63.66197723675813, 0.0},
    {"c", "c", "Neugrad Minute = Zenti-Gon", "Grade minute = Centi-Gon", 6366.197723675813, 0.0},
    {"cc", "cc", "Neugrad Sekunde = Zenti-Zenti-Gon", "Grade second = Centi-Centi-Gon", 636619.7723675814, 0.0},
    {"rev.", "rev.", "Vollkreis (Revolution)", "Revolution", 0.15915494309189535, 0.0},
};

// Category 2: Length
constexpr UnitEntry kUnits2[] = {
    {"m", "m", "Meter", "Meter", 1.0, 0.0},
    {"dm", "dm", "Dezimeter", "Decimeter", 10.0, 0.0},
    {"cm", "cm", "Zentimeter", "Centimeter", 100.0, 0.0},
    {"mm", "mm", "Millimeter", "Millimeter", 1000.0, 0.0},
    {"µm", "µm", "Mikrometer", "Micrometer", 1000000.0, 0.0},
    {"nm", "nm", "Nanometer", "Nanometer", 1000000000.0, 0.0},
    {"km", "km", "Kilometer", "Kilometer", 0.001, 0.0},
    {"mile", "mile", "Statute mile (Meile)", "Statute mile", 0.0006213711922373339, 0.0},
    {"yd", "yd", "Yard", "Yard", 1.0936132983377078, 0.0},
    {"' = ft", "' = ft", "Foot", "Foot", 3.2808398950131235, 0.0},
    {"\" = in", "\" = in", "Inch (Zoll)", "Inch", 39.37007874015748, 0.0},
    {"''' = mil", "''' = mil", "Tausendstel Inch = thou", "Thousandth inch = thou", 39370.07874015748, 0.0},
    {"line", "line", "Line", "Line", 1574.8031496062993, 0.0},
    {"gg", "gg", "Gauge", "Gauge", 39370.07874015748, 0.0},
    {"rd", "rd", "Rod", "Rod", 0.19883878151594686, 0.0},
    {"ch", "ch", "Chain", "Chain", 0.049709695378986715, 0.0},
    {"Å", "Å", "Ångstrom", "Angstrom", 10000000000.0, 0.0},
    {"pc", "pc", "Parsec", "Parsec", 3.2407788498994385e-17, 0.0},
    {"Lj.", "LY", "Lichtjahr", "Light year", 1.057000886823744e-16, 0.0},
    {"AE", "AU", "Astronomische Einheit", "Astronomical Unit", 6.684585813036146e-12, 0.0},
    {"sm", "n mile", "Internationale Seemeile", "International nauticel mile", 0.0005399568034557236, 0.0},
};

// Category 3: Area
constexpr UnitEntry kUnits3[] = {
    {"m²", "m²", "Quadratmeter", "Square meter", 1.0, 0.0},
    {"dm²", "dm²", "Quadratdezimeter", "Square decimeter", 100.0, 0.0},
    {"cm²", "cm²", "Quadratzentimeter", "Square centimeter", 10000.0, 0.0},
    {"mm²", "mm²", "Quadratmillimeter", "Square millimeter", 1000000.0, 0.0},
    {"µm²", "µm²", "Quadratmikrometer", "Square micrometer", 1000000000000.0, 0.0},
    {"km²", "km²", "Quadratkilometer", "Square kilometer", 1e-06, 0.0},
    {"a", "a", "Ar", "Are", 0.01, 0.0},
    {"ha", "ha", "Hektar", "Hectare", 0.0001, 0.0},
    {"mi²", "mi²", "Square mile (Quadrat-Meile)", "Square mile", 3.8610215854244587e-07, 0.0},
    {"yd²", "yd²", "Square yard", "Square yard", 1.1959900463010802, 0.0},
    {"ft²", "ft²", "Square foot", "Square foot", 10.763910416709722, 0.0},
    {"in²", "in²", "Square inch", "Square inch", 1550.0031000062, 0.0},
    {"rd²", "rd²", "Square rod", "Square rod", 0.039536861034746455, 0.0},
    {"ch²", "ch²", "Square chain", "Square chain", 0.0024710538146716535, 0.0},
    {"ac", "ac", "Acre of land", "Acre of land", 0.0002471053814671653, 0.0},
    {"rood", "rood", "Rood", "Rood", 0.0009884215258686613, 0.0},
};

// Category 4: Volume
constexpr UnitEntry kUnits4[] = {
    {"m³", "m³", "Kubikmeter", "Cubic meter", 1.0, 0.0},
    {"dm³ = l", "dm³ = l", "Kubikdezimeter = Liter", "Cubic decimeter = liter", 1000.0, 0.0},
    {"cm³ = ml", "cm³ = ml", "Kubikzentimeter = Milliliter", "Cubic centimeter = milliliter", 1000000.0, 0.0},
    {"mm³", "mm³", "Kubikmillimeter", "Cubic millimeter", 1000000000.0, 0.0},
    {"hl", "hl", "Hektoliter", "Hectoliter", 10.0, 0.0},
    {"cl", "cl", "Zentiliter", "Centiliter", 100000.0, 0.0},
    {"yd³", "yd³", "Cubic yard", "Cubic yard", 1.3079506193143922, 0.0},
    {"ft³", "ft³", "Cubic foot", "Cubic foot", 35.31466672148859, 0.0},
    {"in³", "in³", "Cubic inch", "Cubic inch", 61023.74409473228, 0.0},
    {"bl [UK]", "bl [UK]", "Liquid barrel [UK]", "Liquid barrel [UK]", 6.110256897196883, 0.0},
    {"gal [UK]", "gal [UK]", "Liquid gallon [UK]", "Liquid gallon [UK]", 219.96924829908778, 0.0},
    {"qt [UK]", "qt [UK]", "Liquid quart [UK]", "Liquid quart [UK]", 879.8769931963511, 0.0},
    {"pt [UK]", "pt [UK]", "Liquid pint [UK]", "Liquid pint [UK]", 1759.7539863927022, 0.0},
    {"fl oz [UK]", "fl oz [UK]", "Fluid ounce [UK]", "Fluid ounce [UK]", 35195.07972785405, 0.0},
    {"fl dr [UK]", "fl dr [UK]", "Fluid drachm [UK]", "Fluid drachm [UK]", 281560.6378228324, 0.0},
    {"ptr bl [US]", "ptr bl [US]", "Petroleum barrel [US]", "Petroleum barrel [US]", 6.289811160590226, 0.0},
    {"gal [US]", "gal [US]", "Liquid gallon [US]", "Liquid gallon [US]", 264.1720687447895, 0.0},
    {"liq qt [US]", "liq qt [US]", "Liquid quart [US]", "Liquid quart [US]", 1056.688274979158, 0.0},
    {"liq pt [US]", "liq pt [US]", "Liquid pint [US]", "Liquid pint [US]", 2113.376549958316, 0.0},
    {"fl oz [US]", "fl oz [US]", "Fluid ounce [US]", "Fluid ounce [US]", 33814.024799333056, 0.0},
    {"fl dr [US]", "fl dr [US]", "Fluid drachm [US]", "Fluid drachm [US]", 270512.19839466445, 0.0},
};

// Category 5: Time
constexpr UnitEntry kUnits5[] = {
    {"s", "s", "Sekunde", "Second", 1.0, 0.0},
    {"ms", "ms", "Millisekunde", "Milli-Second", 1000.0, 0.0},
    {"min", "min", "Minute", "Minute", 0.016666666666666666, 0.0},
    {"h", "h", "Stunde", "Hour", 0.0002777777777777778, 0.0},
    {"d", "d", "Tag", "Day", 1.1574074074074073e-05, 0.0},
    {"w", "w", "Woche", "Week", 1.6534391534391535e-06, 0.0},
    {"a", "a", "Jahr", "Year", 3.16887645351e-08, 0.0},
};

// Category 6: Velocity, angular
constexpr UnitEntry kUnits6[] = {
    {"rad/s", "rad/s", "Radiant pro Sekunde", "Radian per second", 1.0, 0.0},
    {"rad/min", "rad/min", "Radiant pro Minute", "Radian per minute", 60.0, 0.0},
    {"rad/h", "rad/h", "Radiant pro Stunde", "Radian per hour", 3600.0, 0.0},
    {"°/s", "deg/s", "Grad pro Sekunde", "Degree per second", 57.29577951308232, 0.0},
    {"°/min", "deg/min", "Grad pro Minute", "Degree per minute", 3437.746770784939, 0.0},
    {"°/h", "deg/h", "Grad pro Stunde", "Degree per hour", 206264.80624709636, 0.0},
    {"gon/s", "grade/s", "Neugrad pro Sekunde", "Grade per second", 63.66197723675813, 0.0},
    {"gon/min", "grade/min", "Neugrad pro Minute", "Grade per minute", 3819.718634205488, 0.0},
    {"gon/h", "grade/h", "Neugrad pro Stunde", "Grade per hour", 229183.1180523293, 0.0},
    {"1/s = Hz", "1/s = Hz", "Umdrehung pro Sekunde", "Revolution per second", 0.15915494309189535, 0.0},
    {"1/min = upm", "1/min = rpm", "Umdrehung pro Minute", "Revolution per minute", 9.54929658551372, 0.0},
    {"1/h", "1/h", "Umdrehung pro Stunde", "Revolution per hour", 572.9577951308232, 0.0},
};

// Category 7: Acceleration, angular
constexpr UnitEntry kUnits7[] = {
    {"rad/s²", "rad/s²", "Radiant pro Quadratsekunde", "Radian per square second", 1.0, 0.0},
    {"°/s²", "°deg/s²", "Grad pro Quadratsekunde", "Degree per square second", 57.29577951308232, 0.0},
    {"gon/s²", "grade/s²", "Neugrad pro Quadratsekunde", "Grade per square second", 63.66197723675813, 0.0},
};

// Category 8: Velocity, linear
constexpr UnitEntry kUnits8[] = {
    {"m/s", "m/s", "Meter pro Sekunde", "Meter per second", 1.0, 0.0},
    {"mm/s", "mm/s", "Millimeter pro Sekunde", "Millimeter per second", 1000.0, 0.0},
    {"cm/s", "cm/s", "Zentimeter pro Sekunde", "Centimeter per second", 100.0, 0.0},
    {"m/min", "m/min", "Meter pro Minute", "Meter per minute", 60.0, 0.0},
    {"mm/min", "mm/min", "Millimeter pro Minute", "Millimeter per minute", 60000.0, 0.0},
    {"km/s", "km/s", "Kilometer pro Sekunde", "Kilometer per second", 0.001, 0.0},
    {"km/h", "km/h", "Kilometer pro Stunde", "Kilometer per hour", 3.6, 0.0},
    {"mile/s", "mile/s", "Statute mile per second", "Statute mile per second", 0.0006213711922373339, 0.0},
    {"mile/min", "mile/min", "Statute mile per minute", "Statute mile per minute", 0.03728227153424004, 0.0},
    {"mile/h", "mile/h", "Statute mile per hour (mph)", "Statute mile per hour (mph)", 2.2369362920544025, 0.0},
    {"ft/s", "ft/s", "Foot per second", "Foot per second", 3.2808398950131235, 0.0},
    {"ft/min", "ft/min", "Foot per minute", "Foot per minute", 196.8503937007874, 0.0},
    {"ft/h", "ft/h", "Foot per hour", "Foot per hour", 11811.023622047243, 0.0},
    {"yd/s", "yd/s", "Yard per second", "Yard per second", 1.0936132983377078, 0.0},
    {"yd/min", "yd/min", "Yard per minute", "Yard per minute", 65.61679790026247, 0.0},
    {"yd/h", "yd/h", "Yard per hour", "Yard per hour", 3937.0078740157483, 0.0},
    {"in/s", "in/s", "Inch per second", "Inch per second", 39.37007874015748, 0.0},
    {"in/min", "in/min", "Inch per minute", "Inch per minute", 2362.2047244094488, 0.0},
    {"in/h", "in/h", "Inch per hour", "Inch per hour", 141732.28346456692, 0.0},
    {"Ma", "Ma", "Mach", "Mach", 0.0029411764705882353, 0.0},
    {"kn", "kn", "Knoten", "Knot", 1.9438446603753485, 0.0},
};

// Category 9: Acceleration, linear
constexpr UnitEntry kUnits9[] = {
    {"m/s²", "m/s²", "Meter pro Quadratsekunde", "Meter per square second", 1.0, 0.0},
    {"km/s²", "km/s²", "Kilometer pro Quadratsekunde", "Kilometer per square second", 0.001, 0.0},
    {"cm/s²", "cm/s²", "Zentimeter pro Quadratsekunde", "Centimeter per square second", 100.0, 0.0},
    {"mm/s²", "mm/s²", "Millimeter pro Quadratsekunde", "Millimeter per square second", 1000.0, 0.0},
    {"mile/s²", "mile/s²", "Statute mile per square second", "Statute mile per square second", 0.0006213711922373339,
     0.0},
    {"mile/h.s", "mile/h.s", "Statute mile per hour and second", "Statute mile per hour and second", 2.2369362920544025,
     0.0},
    {"yd/s²", "yd/s²", "Yard per square second", "Yard per square second", 1.0936132983377078, 0.0},
    {"ft/s²", "ft/s²", "Foot per square second", "Foot per square second", 3.2808398950131235, 0.0},
    {"in/s²", "in/s²", "Inch per square second", "Inch per square second", 39.37007874015748, 0.0},
    {"g", "g", "Gravitation (Freier Fall)", "Gravity (free fall)", 0.10197162129779283, 0.0},
    {"gal", "gal", "Galilei", "Galileo", 100.0, 0.0},
};

// Category 10: Volumetric Flow Rate
constexpr UnitEntry kUnits10[] = {
    {"m³/s", "m³/s", "Kubikmeter pro Sekunde", "Cubic meter per second", 1.0, 0.0},
    {"m³/min", "m³/min", "Kubikmeter pro Minute", "Cubic meter per minute", 60.0, 0.0},
    {"m³/h", "m³/h", "Kubikmeter pro Stunde", "Cubic meter per hour", 3600.0, 0.0},
    {"l/s", "l/s", "Liter pro Sekunde", "Liter per second", 1000.0, 0.0},
    {"l/min", "l/min", "Liter pro Minute", "Liter per minute", 60000.0, 0.0},
    {"l/h", "l/h", "Liter pro Stunde", "Liter per hour", 3600000.0, 0.0},
    {"ft³/s", "ft³/s", "Cubic foot per second", "Cubic foot per second", 35.31466672148859, 0.0},
    {"ft³/min", "ft³/min", "Cubic foot per minute", "Cubic foot per minute", 2118.8800032893155, 0.0},
    {"ft³/h", "ft³/h", "Cubic foot per hour", "Cubic foot per hour", 127132.80019735893, 0.0},
    {"gal/s [UK]", "gal/s [UK]", "Liquid gallon [UK] per second", "Liquid gallon [UK] per second", 219.96924829908778,
     0.0},
    {"gal/min [UK]", "gal/min [UK]", "Liquid gallon [UK] per minute", "Liquid gallon [UK] per minute",
     13198.154897945267, 0.0},
    {"gal/h [UK]", "gal/h [UK]", "Liquid gallon [UK] per hour", "Liquid gallon [UK] per hour", 791889.293876716, 0.0},
    {"gal/s [US]", "gal/s [US]", "Liquid gallon [US] per second", "Liquid gallon [US] per second", 264.1720687447895,
     0.0},
    {"gal/min [US]", "gal/min [US]", "Liquid gallon [US] per minute", "Liquid gallon [US] per minute",
     15850.32412468737, 0.0},
    {"gal/h [US]", "gal/h [US]", "Liquid gallon [US] per hour", "Liquid gallon [US] per hour", 951019.4474812421, 0.0},
};

// Category 11: Volumetric Flux
constexpr UnitEntry kUnits11[] = {
    {"m³/m²s", "m³/m²s", "Kubikmeter pro Quadratmeter und Sekunde", "Cubic meter per square meter and second", 1.0,
     0.0},
    {"m³/m²min", "m³/m²min", "Kubikmeter pro Quadratmeter und Minute", "Cubic meter per square meter and minute", 60.0,
     0.0},
    {"m³/m²h", "m³/m²h", "Kubikmeter pro Quadratmeter und Stunde", "Cubic meter per square meter and hour", 3600.0,
     0.0},
    {"l/m²s", "l/m²s", "Liter pro Quadratmeter und Sekunde", "Liter per square meter second", 1000.0, 0.0},
    {"l/m²min", "l/m²min", "Liter pro Quadratmeter und Minute", "Liter per square meter minute", 60000.0, 0.0},
    {"l/m²h", "l/m²h", "Liter pro Quadratmeter und Stunde", "Liter per square meter hour", 3600000.0, 0.0},
    {"ft³/ft²s", "ft³/ft²s", "Cubic foot per square foot and second", "Cubic foot per square foot and second",
     3.2808398950131235, 0.0},
    {"ft³/ft²min", "ft³/ft²min", "Cubic foot per square foot and minute", "Cubic foot per square foot and minute",
     196.8503937007874, 0.0},
    {"ft³/ft²h", "ft³/ft²h", "Cubic foot per square foot and hour", "Cubic foot per square foot and hour",
     11811.023622047243, 0.0},
    {"gal[UK]/ft²s", "gal[UK]/ft²s", "Gallon [UK] per square foot and second", "Gallon [UK] per square foot and second",
     20.435811873500086, 0.0},
    {"gal[UK]/m²s", "gal[UK]/m²s", "Gallon [UK] per square meter and second", "Gallon [UK] per square meter and second",
     219.96924829908778, 0.0},
    {"gal[US]/ft²s", "gal[US]/ft²s", "Gallon [US] per square foot and second", "Gallon [US] per square foot and second",
     24.542388269479925, 0.0},
    {"gal[US]/m²s", "gal[US]/m²s", "Gallon [US] per square meter and second", "Gallon [US] per square meter and second",
     264.1720687447895, 0.0},
};

// Category 12: Mass
constexpr UnitEntry kUnits12[] = {
    {"kg", "kg", "Kilogramm", "Kilogram", 1.0, 0.0},
    {"g", "g", "Gramm", "Gram", 1000.0, 0.0},
    {"mg", "mg", "Milligramm", "Milligram", 1000000.0, 0.0},
    {"µg", "µg", "Mikrogramm", "Microgram", 1000000000.0, 0.0},
    {"t", "t", "Tonne", "Metric ton", 0.001, 0.0},
    {"sh.tn.", "sh.tn.", "Short ton", "Short ton", 0.001102311310924388, 0.0},
    {"l.tn.", "l.tn.", "Long ton", "Long ton", 0.0009842065276110606, 0.0},
    {"sh.cwt.", "sh.cwt.", "Short hundredweight", "Short hundredweight", 0.022046226218487758, 0.0},
    {"l.cwt.", "l.cwt.", "Long hundredweight", "Long hundredweight", 0.019684130552221214, 0.0},
    {"lb.av.", "lb.av.", "Pound (Handel)", "Pound (avoirdupois)", 2.2046226218487757, 0.0},
    {"lb.t.", "lb.t.", "Pound (Edelmetall)", "Pound (troy)", 2.679229035769583, 0.0},
    {"oz.av.", "oz.av.", "Ounce (Handel)", "Ounce (avoirdupois)", 35.27396194958041, 0.0},
    {"oz.t.", "oz.t.", "Ounce (Edelmetall, Feinunze)", "Ounce (troy)", 32.150748429234994, 0.0},
    {"dr.av.", "dr.av.", "Dram, Drachme (Handel)", "Dram, Drachme (avoirdupois)", 564.3833911932866, 0.0},
    {"dr.t.", "dr.t.", "Dram, Drachme (Edelmetall)", "Dram, Drachme (troy)", 257.20598743387995, 0.0},
    {"dwt.", "dwt.", "Pennyweight", "Pennyweight", 643.0149685846999, 0.0},
    {"gr.", "gr.", "Grain", "Grain", 15432.35835294143, 0.0},
    {"st.", "st.", "Stone", "Stone", 0.15747304441776971, 0.0},
    {"slm.", "slm.", "Slug metric", "Slug metric", 0.10197162129779283, 0.0},
    {"sl.", "sl.", "Slug", "Slug", 0.06852176585679176, 0.0},
    {"Kt.", "c mt.", "Karat (Edelstein, Edelmetall)", "Carat metric", 5000.0, 0.0},
};

// Category 13: Density
constexpr UnitEntry kUnits13[] = {
    {"kg/dm³", "kg/dm³", "Kilogramm pro Kubikdezimeter", "Kilogram per cubic decimeter", 1.0, 0.0},
    {"kg/m³", "kg/m³", "Kilogramm pro Kubikmeter", "Kilogram per cubic meter", 1000.0, 0.0},
    {"g/dm³", "g/dm³", "Gramm pro Kubikdezimeter", "Gram per cubic decimeter", 1000.0, 0.0},
    {"g/l", "g/l", "Gramm pro Liter", "Gram per liter", 1000.0, 0.0},
    {"g/cm³", "g/cm³", "Gramm pro Kubikzentimeter", "Gram per cubic centimeter", 1.0, 0.0},
    {"t/m³", "t/m³", "Tonne pro Kubikmeter", "Metric ton per cubic meter", 1.0, 0.0},
    {"lb/ft³", "lb/ft³", "Pound (av.) per cubic foot", "Pound (av.) per cubic foot", 62.42796057614461, 0.0},
    {"lb/in³", "lb/in³", "Pound (av). per cubic inch", "Pound (av). per cubic inch", 0.03612729200008369, 0.0},
    {"lb/yd³", "lb/yd³", "Pound (av). per cubic yard", "Pound (av). per cubic yard", 1685.5549355559044, 0.0},
    {"lb/gal [UK]", "lb/gal [UK]", "Pound (av). per gallon [UK]", "Pound (av). per gallon [UK]", 10.022412854960502,
     0.0},
    {"lb/gal [US]", "lb/gal [US]", "Pound (av). per gallon [US]", "Pound (av). per gallon [US]", 8.345403934352388,
     0.0},
    {"sh.tn./ft³", "sh.tn./ft³", "Short ton per cubic foot", "Short ton per cubic foot", 0.031213980288072304, 0.0},
    {"sh.tn./yd³", "sh.tn./yd³", "Short ton per cubic yard", "Short ton per cubic yard", 0.8427774677779523, 0.0},
    {"l.tn./ft³", "l.tn./ft³", "Long ton per cubic foot", "Long ton per cubic foot", 0.027869625257207417, 0.0},
    {"l.tn./yd³", "l.tn./yd³", "Long ton per cubic yard", "Long ton per cubic yard", 0.7524798819446002, 0.0},
    {"sl./ft³", "sl./ft³", "slug per cubic foot", "slug per cubic foot", 1.9403203319797155, 0.0},
    {"sl./in³", "sl./in³", "slug per cubic inch", "slug per cubic inch", 0.0011228705624882613, 0.0},
    {"sl./yd³", "sl./yd³", "slug per cubic yard", "slug per cubic yard", 52.38864896345232, 0.0},
    {"oz/ft³", "oz/ft³", "ounce (av.) per cubic foot", "ounce (av.) per cubic foot", 998.8473692183138, 0.0},
    {"oz/in³", "oz/in³", "ounce (av.) per cubic inch", "ounce (av.) per cubic inch", 0.578036672001339, 0.0},
    {"oz/yd³", "oz/yd³", "ounce (av.) per cubic yard", "ounce (av.) per cubic yard", 26968.87896889447, 0.0},
};

// Category 14: Volume, specific
constexpr UnitEntry kUnits14[] = {
    {"dm³/kg", "dm³/kg", "Kubikdezimeter pro Kilogramm", "Cubic decimeter per kilogram", 1.0, 0.0},
    {"m³/kg", "m³/kg", "Kubikmeter pro Kilogramm", "Cubic meter per kilogram", 0.001, 0.0},
    {"cm³/g", "cm³/g", "Kubikzentimeter pro Gramm", "Cubic centimeter per gram", 1.0, 0.0},
    {"m³/t", "m³/t", "Kubikmeter pro Tonne", "Cubic meter per metric ton", 1.0, 0.0},
    {"ft³/lb", "ft³/lb", "Cubic foot per pound (av.)", "Cubic foot per pound (av.)", 0.01601846337396014, 0.0},
    {"in³/lb", "in³/lb", "Cubic inch per pound (av.)", "Cubic inch per pound (av.)", 27.67990471020312, 0.0},
    {"ft³/sh.tn.", "ft³/sh.tn.", "Cubic foot per short ton", "Cubic foot per short ton", 32.036926747920276, 0.0},
    {"yd³/sh.tn.", "yd³/sh.tn.", "Cubic yard per short ton", "Cubic yard per short ton", 1.1865528425155658, 0.0},
    {"ft³/l.tn.", "ft³/l.tn.", "Cubic foot per long ton", "Cubic foot per long ton", 35.881357957670716, 0.0},
    {"yd³/l.tn.", "yd³/l.tn.", "Cubic yard per long ton", "Cubic yard per long ton", 1.3289391836174338, 0.0},
};

// Category 15: Mass Flow Rate
constexpr UnitEntry kUnits15[] = {
    {"kg/s", "kg/s", "Kilogramm pro Sekunde", "Kilogram per second", 1.0, 0.0},
    {"kg/min", "kg/min", "Kilogramm pro Minute", "Kilogram per minute", 60.0, 0.0},
    {"kg/h", "kg/h", "Kilogramm pro Stunde", "Kilogram per hour", 3600.0, 0.0},
    {"t/s", "t/s", "Tonne pro Sekunde", "Metric tonne per second", 0.001, 0.0},
    {"t/min", "t/min", "Tonne pro Minute", "Metric tonne per minute", 0.06, 0.0},
    {"t/h", "t/h", "Tonne pro Stunde", "Metric tonne per hour", 3.6, 0.0},
    {"sh.tn/s", "sh.tn/s", "Short ton per second", "Short ton per second", 0.001102311310924388, 0.0},
    {"sh.tn/min", "sh.tn/min", "Short ton per minute", "Short ton per minute", 0.06613867865546327, 0.0},
    {"sh.tn/h", "sh.tn/h", "Short ton per hour", "Short ton per hour", 3.9683207193277963, 0.0},
    {"l.tn/s", "l.tn/s", "Long ton per second", "Long ton per second", 0.0009842065276110606, 0.0},
    {"l.tn/min", "l.tn/min", "Long ton per minute", "Long ton per minute", 0.059052391656663636, 0.0},
    {"l.tn/h", "l.tn/h", "Long ton per hour", "Long ton per hour", 3.543143499399818, 0.0},
    {"lb/s", "lb/s", "Pound (av.) per second", "Pound (av.) per second", 2.2046226218487757, 0.0},
    {"lb/min", "lb/min", "Pound (av.) per minute", "Pound (av.) per minute", 132.27735731092656, 0.0},
    {"lb/h", "lb/h", "Pound (av.) per hour", "Pound (av.) per hour", 7936.6414386555925, 0.0},
};

// Category 16: Mass Flux
constexpr UnitEntry kUnits16[] = {
    {"kg/m²s", "kg/m²s", "Kilogramm pro Quadratmeter und Sekunde", "Kilogram per square meter and second", 1.0, 0.0},
    {"kg/m²min", "kg/m²min", "Kilogramm pro Quadratmeter und Minute", "Kilogram per square meter and minute", 60.0,
     0.0},
    {"kg/m²h", "kg/m²h", "Kilogramm pro Quadratmeter und Stunde", "Kilogram per square meter and hour", 3600.0, 0.0},
    {"t/m²h", "t/m²h", "Tonne pro Quadratmeter und Stunde", "Metric tonne per square meter and hour", 3.6, 0.0},
    {"lb/ft²s", "lb/ft²s", "Pound (av.) per square foot and second", "Pound (av.) per square foot and second",
     0.20481614362252168, 0.0},
    {"lb/ft²min", "lb/ft²min", "Pound (av.) per square foot and minute", "Pound (av.) per square foot and minute",
     12.288968617351301, 0.0},
    {"lb/ft²h", "lb/ft²h", "Pound (av.) per square foot and hour", "Pound (av.) per square foot and hour",
     737.3381170410781, 0.0},
};

// Category 17: Moment of Inertia
constexpr UnitEntry kUnits17[] = {
    {"kg.m²", "kg.m²", "Kilogramm Quadratmeter", "Kilogram square meter", 1.0, 0.0},
    {"kg.cm²", "kg.cm²", "Kilogramm Quadratzentimeter", "Kilogram square centimeter", 10000.0, 0.0},
    {"g.cm²", "g.cm²", "Gramm Quadratzentimeter", "Gram square centimeter", 10000000.0, 0.0},
    {"lb.ft²", "lb.ft²", "Pound (av.) square foot", "Pound (av.) square foot", 23.730360404231938, 0.0},
    {"lb.in²", "lb.in²", "Pound (av.) square inch", "Pound (av.) square inch", 3417.171898209399, 0.0},
    {"slug.ft²", "slug.ft²", "Slug square foot", "Slug square foot", 0.7375621492772654, 0.0},
    {"Nm.s²", "Nm.s²", "Newtonmeter Quadratsekunde", "Newtonmeter square second", 1.0, 0.0},
    {"ft.lbf.s²", "ft.lbf.s²", "Foot pound-force square second", "Foot pound-force square second", 0.7375621492772654,
     0.0},
    {"in.lbf.s²", "in.lbf.s²", "Inch pound-force square second", "Inch pound-force square second", 8.850745791327185,
     0.0},
};

// Category 18: Force
constexpr UnitEntry kUnits18[] = {
    {"N", "N", "Newton", "Newton", 1.0, 0.0},
    {"kN", "kN", "Kilonewton", "Kilonewton", 0.001, 0.0},
    {"dyn", "dyn", "Dyn", "Dyn", 100000.0, 0.0},
    {"p", "p", "Pond", "Pond", 101.97162129779282, 0.0},
    {"gf", "gf", "Gram-force", "Gram-force", 101.97162129779282, 0.0},
    {"kp", "kp", "Kilopond", "Kilopond", 0.10197162129779283, 0.0},
    {"kgf", "kgf", "Kilogram-force", "Kilogram-force", 0.10197162129779283, 0.0},
    {"l.tn.f", "l.tn.f", "Long ton-force", "Long ton-force", 0.00010036113531237075, 0.0},
    {"sh.tn.f", "sh.tn.f", "Short ton-force", "Short ton-force", 0.00011240447154985524, 0.0},
    {"lb f", "lb f", "Pound-force", "Pound-force", 0.22480894309971047, 0.0},
    {"lb wt", "lb wt", "Pound-weight", "Pound-weight", 0.22480894309971047, 0.0},
    {"kip f", "kip f", "Kilo-pound-force (kip)", "Kilo-pound-force (kip)", 0.00022480894309971047, 0.0},
    {"oz f", "oz f", "Ounce-force", "Ounce-force", 3.5969430895953676, 0.0},
    {"pdl.", "pdl.", "Poundal", "Poundal", 7.233013851209894, 0.0},
};

// Category 19: Torque
constexpr UnitEntry kUnits19[] = {
    {"Nm", "Nm", "Newtonmeter", "Newtonmeter", 1.0, 0.0},
    {"kNm", "kNm", "Kilonewtonmeter", "Kilonewtonmeter", 0.001, 0.0},
    {"Ncm", "Ncm", "Newtonzentimeter", "Newtoncentimeter", 100.0, 0.0},
    {"kp m", "kgf.m", "Kilopondmeter", "Kilogram-force meter", 0.10197162129779283, 0.0},
    {"kp cm", "kgf.cm", "Kilopondzentimeter", "Kilogram-force centimeter", 10.197162129779283, 0.0},
    {"p cm", "gf.cm", "Pondzentimeter", "Gram-force centimeter", 10197.162129779283, 0.0},
    {"lbf.ft", "lbf.ft", "Pound-force foot", "Pound-force foot", 0.7375621492772654, 0.0},
    {"lbf.in", "lbf.in", "Pound-force inch", "Pound-force inch", 8.850745791327185, 0.0},
    {"pdl.ft", "pdl.ft", "Poundal foot", "Poundal foot", 23.730360404231938, 0.0},
    {"pdl.in", "pdl.in", "Poundal inch", "Poundal inch", 284.7643248507832, 0.0},
    {"dyn.m", "dyn.m", "Dyn-Meter", "Dyne meter", 100000.0, 0.0},
    {"dyn.cm", "dyn.cm", "Dyn-Zentimeter", "Dyne centimeter", 10000000.0, 0.0},
    {"ozf.ft", "ozf.ft", "Ounce-force foot", "Ounce-force foot", 11.800994388436246, 0.0},
    {"ozf.in", "ozf.in", "Ounce-force inch", "Ounce-force inch", 141.61193266123496, 0.0},
};

// Category 20: Momentum/Impulse
constexpr UnitEntry kUnits20[] = {
    {"kg.m/s", "kg.m/s", "Kilogramm Meter pro Sekunde", "Kilogram meter per second", 1.0, 0.0},
    {"kg.cm/s", "kg.cm/s", "Kilogramm Zentimeter pro Sekunde", "Kilogram centimeter per second", 100.0, 0.0},
    {"g.cm/s", "g.cm/s", "Gramm Zentimeter pro Sekunde", "Gram centimeter per second", 100000.0, 0.0},
    {"lb.ft/s", "lb.ft/s", "Pound (av.) foot per second", "Pound (av.) foot per second", 7.233013851209894, 0.0},
    {"lb.in/s", "lb.in/s", "Pound (av.) inch per second", "Pound (av.) inch per second", 86.79616621451873, 0.0},
    {"slug.ft/s", "slug.ft/s", "Slug foot per second", "Slug foot per second", 0.22480894309971047, 0.0},
    {"lbf.s", "lbf.s", "Pound-force second", "Pound-force second", 0.22480894309971047, 0.0},
    {"N s", "N s", "Newton Sekunde", "Newton second", 1.0, 0.0},
};

// Category 21: Momentum, angular
constexpr UnitEntry kUnits21[] = {
    {"kg.m²/s", "kg.m²/s", "Kilogramm Quadratmeter pro Sekunde", "Kilogram square meter per second", 1.0, 0.0},
    {"kg.cm²/s", "kg.cm²/s", "Kilogramm Quadratzentimeter pro Sek.", "Kilogram square centimeter per sec.", 10000.0,
     0.0},
    {"g.cm²/s", "g.cm²/s", "Gramm Quadratzentimeter pro Sekunde", "Gram square centimeter per second", 10000000.0, 0.0},
    {"lb.ft²/s", "lb.ft²/s", "Pound (av.) square foot per second", "Pound (av.) square foot per second",
     23.730360404231938, 0.0},
    {"lb.in²/s", "lb.in²/s", "Pound (av.) square inch per second", "Pound (av.) square inch per second",
     3417.171898209399, 0.0},
    {"slug.ft²/s", "slug.ft²/s", "Slug square foot per second", "Slug square foot per second", 0.7375621492772654, 0.0},
    {"Nm.s", "Nm.s", "Newtonmeter Sekunde", "Newtonmeter second", 1.0, 0.0},
    {"ft.lbf.s", "ft.lbf.s", "Foot pound-force second", "Foot pound-force second", 0.7375621492772654, 0.0},
    {"in.lbf.s", "in.lbf.s", "Inch pound-force second", "Inch pound-force second", 8.850745791327185, 0.0},
};

// Category 22: Pressure
constexpr UnitEntry kUnits22[] = {
    {"Pa=N/m²", "Pa=N/m²", "Pascal = Newton pro Quadratmeter", "Pascal = Newton per square meter", 1.0, 0.0},
    {"kPa", "kPa", "Kilopascal", "Kilopascal", 0.001, 0.0},
    {"MPa=N/mm²", "MPa=N/mm²", "Megapascal = Newton pro Quadratmillimeter", "Megapascal = Newton per square millimeter",
     1e-06, 0.0},
    {"bar", "bar", "Bar", "Bar", 1e-05, 0.0},
    {"mbar", "mbar", "Millibar", "Millibar", 0.01, 0.0},
    {"atm", "atm", "Atmosphäre physikalisch", "Atmosphare physical", 9.869232667160129e-06, 0.0},
    {"ata = at", "ata = at", "Atmosphäre absolut (ata) = Atmosphäre techn. (at)",
     "Atmosphare absolut (ata) = Atmosphare techn. (at)", 1.0197162129779282e-05, 0.0},
    {"Torr=mmHg", "Torr=mmHg", "Torr = Millimeter Quecksilber", "Torr = millimeter of mercury", 0.007500616827041697,
     0.0},
    {"m.H2O", "m.H2O", "Meter Wassersäule", "Meter Water", 0.00010197162129779283, 0.0},
    {"mm.H2O", "mm.H2O", "Millimeter Wassersäule", "Millimeter Water", 0.10197162129779283, 0.0},
    {"ft.H2O", "ft.H2O", "Foot water", "Foot water", 0.0003345525633129686, 0.0},
    {"in.H2O", "in.H2O", "Inch water", "Inch water", 0.004014630759755623, 0.0},
    {"kips/in²=ksi", "kips/in²=ksi", "Kips per square inch = ksi", "Kips per square inch = ksi", 1.4503773773020921e-07,
     0.0},
    {"lbf./in²=psi", "lbf./in²=psi", "Pound-force per square inch = psi", "Pound-force per square inch = psi",
     0.0001450377377302092, 0.0},
    {"lbf./ft²", "lbf./ft²", "Pound-force per square foot", "Pound-force per square foot", 0.020885434233150126, 0.0},
    {"pdl./in²", "pdl./in²", "Poundal per square inch", "Poundal per square inch", 0.004666451216246576, 0.0},
    {"pdl./ft²", "pdl./ft²", "Poundal per square foot", "Poundal per square foot", 0.6719689751395068, 0.0},
    {"dyn/cm²", "dyn/cm²", "Dyn pro Quadratzentimeter", "Dyne per square centimeter", 10.0, 0.0},
    {"kp/cm²", "kgf/cm²", "Kilopond pro Quadratzentimeter", "Kilogram-force per square centimeter",
     1.0197162129779282e-05, 0.0},
    {"kp/m²", "kgf/m²", "Kilogram-force per square meter", "Kilogram-force per square meter", 0.10197162129779283, 0.0},
    {"p/cm²", "gf/cm²", "Gram-force per square centimeter", "Gram-force per square centimeter", 0.010197162129779282,
     0.0},
};

// Category 23: Resistence/Stress
constexpr UnitEntry kUnits23[] = {
    {"N/m²=Pa", "N/m²=Pa", "Newton pro Quadratmeter = Pascal", "Newton per square meter = Pascal", 1.0, 0.0},
    {"kPa", "kPa", "Kilopascal", "Kilopascal", 0.001, 0.0},
    {"N/cm²", "N/cm²", "Newton pro Quadratzentimeter", "Newton per square centimeter", 0.0001, 0.0},
    {"N/mm²=MPa", "N/mm²=MPa", "Newton pro Quadratmillimeter = Megapascal", "Newton per square millimeter = Megapascal",
     1e-06, 0.0},
    {"kips/in²=ksi", "kips/in²=ksi", "Kips per square inch", "Kips per square inch", 1.4503773773020921e-07, 0.0},
    {"lbf./in²=psi", "lbf./in²=psi", "Pound-force per square inch", "Pound-force per square inch",
     0.0001450377377302092, 0.0},
    {"lbf./ft²", "lbf./ft²", "Pound-force per square foot", "Pound-force per square foot", 0.020885434233150126, 0.0},
    {"pdl./in²", "pdl./in²", "Poundal per square inch", "Poundal per square inch", 0.004666451216246576, 0.0},
    {"pdl./ft²", "pdl./ft²", "Poundal per square foot", "Poundal per square foot", 0.6719689751395068, 0.0},
    {"dyn/cm²", "dyn/cm²", "Dyn pro Quadratzentimeter", "Dyne per square centimeter", 10.0, 0.0},
    {"kp/cm²", "kp/cm²", "Kilopond pro Quadratzentimeter", "Kilopond per square centimeter", 1.0197162129779282e-05,
     0.0},
    {"kp/mm²", "kp/mm²", "Kilopond pro Quadratmillimeter", "Kilopond per square millimeter", 1.0197162129779283e-07,
     0.0},
    {"kgf/cm²", "kgf/cm²", "Kilogram-force per square centimeter", "Kilogram-force per square centimeter",
     1.0197162129779282e-05, 0.0},
    {"kgf/mm²", "kgf/mm²", "Kilogram-force per square millimeter", "Kilogram-force per square millimeter",
     1.0197162129779283e-07, 0.0},
    {"l.tn.f/in²", "l.tn.f/in²", "Long-ton-force per square inch", "Long-ton-force per square inch",
     6.474899005812911e-08, 0.0},
    {"l.tn.f/ft²", "l.tn.f/ft²", "Long-ton-force per square foot", "Long-ton-force per square foot",
     9.323854568370593e-06, 0.0},
};

// Category 24: Viscosity, dynamic
constexpr UnitEntry kUnits24[] = {
    {"Pa.s", "Pa.s", "Pascalsekunde", "Pascal second", 1.0, 0.0},
    {"N.s/m²", "N.s/m²", "Newton Sekunde pro Quadratmeter", "Newton second per square meter", 1.0, 0.0},
    {"kg/m.s", "kg/m.s", "Kilogramm pro Meter und Sekunde", "Kilogram per meter second", 1.0, 0.0},
    {"kg/m.h", "kg/m.h", "Kilogramm pro Meter und Stunde", "Kilogram per meter and hour", 3600.0, 0.0},
    {"g/cm.s", "g/cm.s", "Gramm pro Zentimeter und Sekunde", "Gram per Centimeter and second", 10.0, 0.0},
    {"P", "P", "Poise", "Poise", 10.0, 0.0},
    {"cP", "cP", "Centipoise", "Centipoise", 1000.0, 0.0},
    {"lbf.s/in²", "lbf.s/in²", "Pound-force second per square inch", "Pound-force second per square inch",
     0.0001450377377302092, 0.0},
    {"lbf.s/ft²", "lbf.s/ft²", "Pound-force second per square foot", "Pound-force second per square foot",
     0.020885434233150126, 0.0},
    {"lb/ft.s", "lb/ft.s", "Pound (av.) per foot and second", "Pound (av.) per foot and second", 0.6719689751395068,
     0.0},
    {"lb/ft.h", "lb/ft.h", "Pound (av.) per foot and hour", "Pound (av.) per foot and hour", 2419.088310502225, 0.0},
    {"kp.s/m²", "kgf.s/m²", "Kilopond Sekunde pro Quadratmeter", "Kilogram-force second per square meter",
     0.10197162129779283, 0.0},
    {"kp.h/m²", "kgf.h/m²", "Kilopond Stunde pro Quadratmeter", "Kilogram-force hour per square meter",
     2.8325450360498007e-05, 0.0},
    {"dyn.s/cm²", "dyn.s/cm²", "Dyne second per square centimeter", "Dyne second per square centimeter", 10.0, 0.0},
};

// Category 25: Viscosity, kinematic
constexpr UnitEntry kUnits25[] = {
    {"m²/s", "m²/s", "Quadratmeter pro Sekunde", "Square meter per second", 1.0, 0.0},
    {"cm²/s", "cm²/s", "Quadratzentimeter pro Sekunde", "Square centimeter per second", 10000.0, 0.0},
    {"St", "St", "Stoke", "Stoke", 10000.0, 0.0},
    {"cSt", "cSt", "Zentistoke", "Centistoke", 1000000.0, 0.0},
    {"ft²/s", "ft²/s", "Square foot per second", "Square foot per second", 10.763910416709722, 0.0},
    {"ft²/h", "ft²/h", "Square foot per hour", "Square foot per hour", 38750.077500155, 0.0},
    {"in²/s", "in²/s", "Square inch per second", "Square inch per second", 1550.0031000062, 0.0},
    {"in²/h", "in²/h", "Square inch per hour", "Square inch per hour", 5580011.16002232, 0.0},
};

// Category 26: Surface Tension
constexpr UnitEntry kUnits26[] = {
    {"N/m", "N/m", "Newton pro Meter", "Newton per meter", 1.0, 0.0},
    {"erg/cm²", "erg/cm²", "erg per square centimeter", "erg per square centimeter", 1000.0, 0.0},
    {"erg/mm²", "erg/mm²", "erg per square millimeter", "erg per square millimeter", 10.0, 0.0},
    {"lbf./in", "lbf./in", "Pound-force per inch", "Pound-force per inch", 0.0057101471547326465, 0.0},
    {"pdl./in", "pdl./in", "Poundal per inch", "Poundal per inch", 0.18371855182073132, 0.0},
    {"kg/s²", "kg/s²", "Kilogramm pro Quadratsekunde", "Kilogram per square second", 1.0, 0.0},
    {"g/s²", "g/s²", "Gramm pro Quadratsekunde", "Gram per square second", 1000.0, 0.0},
    {"dyn/cm", "dyn/cm", "Dyn pro Zentimeter", "Dyne per centimeter", 1000.0, 0.0},
};

// Category 27: Work/Energy
constexpr UnitEntry kUnits27[] = {
    {"Nm = J", "Nm = J", "Newtonmeter = Joule", "Newtonmeter = Joule", 1.0, 0.0},
    {"kJ", "kJ", "Kilojoule", "Kilojoule", 0.001, 0.0},
    {"kWh", "kWh", "Kilowattstunde", "Kilowatt hour", 2.7777777777777776e-07, 0.0},
    {"Ws", "Ws", "Wattsekunde", "Watt second", 1.0, 0.0},
    {"kcal", "kcal", "Kilokalorie", "Kilocalorie", 0.00023884589662749594, 0.0},
    {"cal", "cal", "Kalorie", "Calorie", 0.23884589662749595, 0.0},
    {"dyn.cm", "dyn.cm", "Dyn-Zentimeter", "Dyne centimeter", 10000000.0, 0.0},
    {"dyn.m ", "dyn.m ", "Dyn-Meter", "Dyne meter", 100000.0, 0.0},
    {"kp m", "kgf.m", "Kilopondmeter", "Kilogram-force meter", 0.10197162129779283, 0.0},
    {"kp cm", "kgf.cm", "Kilopondzentimeter", "Kilogram-force centimeter", 10.197162129779283, 0.0},
    {"ft.lbf", "ft.lbf", "Foot pound-force", "Foot pound-force", 0.7375621492772654, 0.0},
    {"in.lbf", "in.lbf", "Inch pound-force", "Inch pound-force", 8.850745791327185, 0.0},
    {"ft.pdl.", "ft.pdl.", "Foot poundal", "Foot poundal", 23.730360404231938, 0.0},
    {"in.pdl.", "in.pdl.", "Inch poundal", "Inch poundal", 284.7643248507832, 0.0},
    {"Chu", "Chu", "Centigrade-heat-unit", "Centigrade-heat-unit", 0.0005265650668407317, 0.0},
    {"Btu", "Btu", "British-thermal-unit", "British-thermal-unit", 0.0009478171203133172, 0.0},
    {"erg", "erg", "erg", "erg", 10000000.0, 0.0},
};

// Category 28: Work, specific
constexpr UnitEntry kUnits28[] = {
    {"kJ/kg", "kJ/kg", "Kilojoule pro Kilogramm", "Kilojoule per kilogram", 1.0, 0.0},
    {"J/kg", "J/kg", "Joule pro Kilogramm", "Joule per kilogram", 1000.0, 0.0},
    {"kcal/kg", "kcal/kg", "Kilokalorie pro Kilogramm", "Kilokalorie per kilogram", 0.23884589662749595, 0.0},
    {"kp m/kg", "kgf.m/kg", "Kilopondmeter pro Kilogramm", "Kilogram-force meter per kilogram", 101.97162129779282,
     0.0},
    {"Chu/lb", "Chu/lb", "Centigrade-heat-unit per pound", "Centigrade-heat-unit per pound", 0.23884589662749595, 0.0},
    {"Btu/lb", "Btu/lb", "British-thermal-unit per pound", "British-thermal-unit per pound", 0.4299226139294927, 0.0},
    {"ft.lbf/lb", "ft.lbf/lb", "Foot pound-force per pound", "Foot pound-force per pound", 334.5525633129686, 0.0},
};

// Category 29: Power
constexpr UnitEntry kUnits29[] = {
    {"J/s = W", "J/s = W", "Joule pro Sekunde = Watt", "Joule per second = Watt", 1.0, 0.0},
    {"kW", "kW", "Kilowatt", "Kilowatt", 0.001, 0.0},
    {"MW", "MW", "Megawatt", "Megawatt", 1e-06, 0.0},
    {"Nm/s", "Nm/s", "Newtonmeter por Sekunde", "Newtonmeter per second", 1.0, 0.0},
    {"kcal/h", "kcal/h", "Kilokalorie pro Stunde", "Kilocalorie per hour", 0.8598452278589854, 0.0},
    {"cal/s", "cal/s", "Kalorie pro Sekunde", "Calorie per second", 0.23884589662749595, 0.0},
    {"erg/s", "erg/s", "erg pro Sekunde", "erg per second", 10000000.0, 0.0},
    {"kp m/s", "kgf.m/s", "Kilopondmeter pro Sekunde", "Kilogram-force meter per second", 0.10197162129779283, 0.0},
    {"ft.lbf/s", "ft.lbf/s", "Foot pound-force per second", "Foot pound-force per second", 0.7375621492772654, 0.0},
    {"in.lbf/s", "in.lbf/s", "Inch pound-force per second", "Inch pound-force per second", 8.850745791327185, 0.0},
    {"ft.pdl/s", "ft.pdl/s", "Foot poundal per second", "Foot poundal per second", 23.730360404231938, 0.0},
    {"Chu/h", "Chu/h", "Centigrade-heat-unit per hour", "Centigrade-heat-unit per hour", 1.8956342406266344, 0.0},
    {"Chu/s", "Chu/s", "Centigrade-heat-unit per second", "Centigrade-heat-unit per second", 0.0005265650668407317,
     0.0},
    {"Btu/h", "Btu/h", "British-thermal-unit per hour", "British-thermal-unit per hour", 3.4121416331279417, 0.0},
    {"Btu/s", "Btu/s", "British-thermal-unit per second", "British-thermal-unit per second", 0.0009478171203133172,
     0.0},
    {"hp [UK]", "hp [UK]", "Horse power [UK]", "Horse power [UK]", 0.0013410218586562962, 0.0},
    {"PS", "hp [mt]", "Pferdestärke", "Horse power metric", 0.0013596216173039043, 0.0},
};

// Category 30: Temperature
constexpr UnitEntry kUnits30[] = {
    {"K", "K", "Kelvin", "Kelvin", 1.0, 0.0},
    {"°C", "°C", "Grad Celsius", "Degree Celsius", 1.0, -273.15},
    {"°F", "°F", "Grad Fahrenheit", "Degree Fahrenheit", 1.8, -459.67},
    {"°R", "°R", "Grad Réaumur", "Degree Réaumur", 0.8, -218.52},
    {"°Rank", "°Rank", "Grad Rankine", "Degree Rankine", 1.8, 0.0},
};

// Category 31: Temperature Difference
constexpr UnitEntry kUnits31[] = {
    {"K", "K", "Kelvin", "Kelvin", 1.0, 0.0},
    {"°C", "°C", "Grad Celsius", "Degree Celsius", 1.0, 0.0},
    {"°F", "°F", "Grad Fahrenheit", "Degree Fahrenheit", 1.8, 0.0},
    {"°R", "°R", "Grad Réaumur", "Degree Réaumur", 0.8, 0.0},
    {"°Rank", "°Rank", "Grad Rankine", "Degree Rankine", 1.8, 0.0},
};

// Category 32: Heat Flux
constexpr UnitEntry kUnits32[] = {
    {"W/m²", "W/m²", "Watt pro Quadratmeter", "Watt per square meter", 1.0, 0.0},
    {"kW/m²", "kW/m²", "Kilowatt pro Quadratmeter", "Kilowatt per square meter", 0.001, 0.0},
    {"W/cm²", "W/cm²", "Watt pro Quadratzentimeter", "Watt per square centimeter", 0.0001, 0.0},
    {"kcal/m²h", "kcal/m²h", "kcal pro Quadratmeter und Stunde", "kcal per square meter and hour", 0.8598452278589854,
     0.0},
    {"kcal/ft²h", "kcal/ft²h", "kcal per square foot and hour", "kcal per square foot and hour", 0.07988223559759243,
     0.0},
    {"Chu/ft²h", "Chu/ft²h", "Chu per square foot and hour", "Chu per square foot and hour", 0.17611018368230585, 0.0},
    {"Chu/ft²s", "Chu/ft²s", "Chu per square foot and second", "Chu per square foot and second", 4.891949546730718e-05,
     0.0},
    {"Btu/ft²h", "Btu/ft²h", "Btu per square foot and hour", "Btu per square foot and hour", 0.3169983306281505, 0.0},
    {"Btu/ft²s", "Btu/ft²s", "Btu per square foot and second", "Btu per square foot and second", 8.805509184115292e-05,
     0.0},
    {"ly", "ly", "Langley (flux)", "Langley (flux)", 0.0014336917562724014, 0.0},
};

// Category 33: Thermal Conductivity
constexpr UnitEntry kUnits33[] = {
    {"W/m.K", "W/m.K", "Watt pro Meter und Kelvin", "Watt per meter and Kelvin", 1.0, 0.0},
    {"cal/cm.s°C", "cal/cm.s°C", "", "", 0.0023884589662749593, 0.0},
    {"kcal/m.h°C", "kcal/m.h°C", "", "", 0.8598452278589854, 0.0},
    {"kcal/ft.h°C", "kcal/ft.h°C", "", "", 0.26208082545141875, 0.0},
    {"Chu/ft.h°C", "Chu/ft.h°C", "", "", 0.5777893165429981, 0.0},
    {"Btu/ft.h°F", "Btu/ft.h°F", "", "", 0.5777893165429981, 0.0},
    {"Btu/ft.s°F", "Btu/ft.s°F", "", "", 0.00016049703237305503, 0.0},
};

// Category 34: Heat Transfer Coefficient
constexpr UnitEntry kUnits34[] = {
    {"W/m²K", "W/m²K", "Watt pro Quadratmeter und Kelvin", "Watt per square meter and Kelvin", 1.0, 0.0},
    {"kcal/m²h°C", "kcal/m²h°C", "", "", 0.8598452278589854, 0.0},
    {"kcal/ft²h°C", "kcal/ft²h°C", "", "", 0.07988223559759243, 0.0},
    {"Chu/ft²h°C", "Chu/ft²h°C", "", "", 0.17611018368230585, 0.0},
    {"Btu/ft²h°F", "Btu/ft²h°F", "", "", 0.17611018368230585, 0.0},
    {"Btu/ft²s°F", "Btu/ft²s°F", "", "", 4.891949546730718e-05, 0.0},
};

// Category 35: Heat Capacity, specific
constexpr UnitEntry kUnits35[] = {
    {"kJ/kg.K", "kJ/kg.K", "Kilojoule pro Kilogramm und Kelvin", "Kilojoule per kilogram and Kelvin", 1.0, 0.0},
    {"J/g°C", "J/g°C", "Joule pro Gramm und Celsius", "Joule per gram and Celsius", 1.0, 0.0},
    {"kcal/kg°C", "kcal/kg°C", "Kilokalorie pro Kilogramm und °C", "Kilokalorie per kilogram °C", 0.23884589662749595,
     0.0},
    {"Chu/lb°C", "Chu/lb°C", "Chu per pound and °C", "Chu per pound and °C", 0.23884589662749595, 0.0},
    {"Btu/lb°F", "Btu/lb°F", "Btu per pound and °F", "Btu per pound and °F", 0.23884589662749595, 0.0},
};

// Category 36: Entropy, specific
constexpr UnitEntry kUnits36[] = {
    {"kJ/kg.K", "kJ/kg.K", "Kilojoule pro Kilogramm und Kelvin", "Kilojoule per kilogram and Kelvin", 1.0, 0.0},
    {"J/g°C", "J/g°C", "Joule pro Gramm und Celsius", "Joule per gram and Celsius", 1.0, 0.0},
    {"kcal/kg°C", "kcal/kg°C", "Kilokalorie pro Kilogramm und °C", "Kilokalorie per kilogram °C", 0.23884589662749595,
     0.0},
    {"Chu/lb°C", "Chu/lb°C", "Chu per pound and °C", "Chu per pound and °C", 0.23884589662749595, 0.0},
    {"Btu/lb°F", "Btu/lb°F", "Btu per pound and °F", "Btu per pound and °F", 0.23884589662749595, 0.0},
};

// Category 37: Enthalpy, specific
constexpr UnitEntry kUnits37[] = {
    {"kJ/kg", "kJ/kg", "Kilojoule pro Kilogramm", "Kilojoule per kilogram", 1.0, 0.0},
    {"J/kg", "J/kg", "Joule pro Kilogramm", "Joule per kilogram", 1000.0, 0.0},
    {"kcal/kg", "kcal/kg", "Kilokalorie pro Kilogramm", "Kilokalorie per kilogram", 0.23884589662749595, 0.0},
    {"kp m/kg", "kgf.m/kg", "Kilopondmeter pro Kilogramm", "Kilogram-force meter per kilogram", 101.97162129779282,
     0.0},
    {"Chu/lb", "Chu/lb", "Centigrade-heat-unit per pound", "Centigrade-heat-unit per pound", 0.23884589662749595, 0.0},
    {"Btu/lb", "Btu/lb", "British-thermal-unit per pound", "British-thermal-unit per pound", 0.4299226139294927, 0.0},
    {"ft.lbf/lb", "ft.lbf/lb", "Foot pound-force per pound", "Foot pound-force per pound", 334.5525633129686, 0.0},
};

// Category 38: Light Intensity
constexpr UnitEntry kUnits38[] = {
    {"cd", "cd", "Candela", "Candela", 1.0, 0.0},
    {"IK", "ICP", "Internationale Kerze", "International candle power", 0.9813542688910697, 0.0},
    {"HK", "HK", "Hefnerkerze", "Hefner-candle", 1.1074197120708749, 0.0},
};

// Category 39: Luminous Density
constexpr UnitEntry kUnits39[] = {
    {"cd/m²", "cd/m²", "Candela pro Quadratmeter", "Candela per square meter", 1.0, 0.0},
    {"cd/ft²", "cd/ft²", "Candela per square foot", "Candela per square foot", 0.09290304, 0.0},
    {"cd/in²", "cd/in²", "Candela per square inch", "Candela per square inch", 0.00064516, 0.0},
    {"candle/ft²", "candle/ft²", "Candle per square foot", "Candle per square foot", 0.0911707948969578, 0.0},
    {"candle/in²", "candle/in²", "Candle per square inch", "Candle per square inch", 0.0006331305201177625, 0.0},
    {"HK/cm²", "HK/cm²", "Hefnerkerze pro Quadratzentimeter", "Hefner-candle per square centimeter",
     0.00011074197120708749, 0.0},
    {"asb", "asb", "Apostilb", "Apostilb", 3.141592653589793, 0.0},
    {"la", "la", "Lambert", "Lambert", 0.0003141592653589793, 0.0},
    {"ft.la", "ft.la", "Foot-Lambert", "Foot-Lambert", 0.2918635079601587, 0.0},
    {"sb", "sb", "Stilb", "Stilb", 0.0001, 0.0},
};

// Category 40: Illumination
constexpr UnitEntry kUnits40[] = {
    {"lx", "lx", "Lux", "Lux", 1.0, 0.0},
    {"ph", "ph", "Phot", "Phot", 0.0001, 0.0},
    {"lm/m²", "lm/m²", "Lumen pro Quadratmeter", "Lumen per square meter", 1.0, 0.0},
    {"lm/ft² = fc", "lm/ft² = fc", "Lumen per square foot = foot-candle (fc)",
     "Lumen per square foot = foot-candle (fc)", 0.09290304, 0.0},
    {"Ilx", "Ilx", "Internationales Lux", "International lux", 0.9813542688910697, 0.0},
    {"Hlx", "Hlx", "Hefner-lux", "Hefner-lux", 1.1074197120708749, 0.0},
};

// Category 41: Radioactivity
constexpr UnitEntry kUnits41[] = {
    {"1/s = tps", "1/s = tps", "Umwandlung pro Sekunde", "Transmutation per second", 1.0, 0.0},
    {"Bq", "Bq", "Becquerel", "Becquerel", 1.0, 0.0},
    {"Ci", "Ci", "Curie", "Curie", 2.7027027027027027e-11, 0.0},
    {"emanl", "emanl", "Emanliter", "Emanliter", 0.2702702702702703, 0.0},
    {"1/min = tpm", "1/min = tpm", "Umwandlung pro Minute", "Transmutation per minute", 60.0, 0.0},
    {"1/h = tph", "1/h = tph", "Umwandlung pro Stunde", "Transmutation per hour", 3600.0, 0.0},
};

// Category 42: Energy Dose
constexpr UnitEntry kUnits42[] = {
    {"J/kg", "J/kg", "Joule pro Kilogramm", "Joule per kilogram", 1.0, 0.0},
    {"Gy", "Gy", "Gray", "Gray", 1.0, 0.0},
    {"rd", "rd", "Rad", "Rad", 100.0, 0.0},
};

// Category 43: Equivalent Dose
constexpr UnitEntry kUnits43[] = {
    {"J/kg", "J/kg", "Joule pro Kilogramm", "Joule per kilogram", 1.0, 0.0},
    {"Sv", "Sv", "Sievert", "Sievert", 1.0, 0.0},
    {"rem", "rem", "rem", "rem", 100.0, 0.0},
};

// Category 44: Ionic Dose
constexpr UnitEntry kUnits44[] = {
    {"C/kg", "C/kg", "Coulumb pro Kilogramm", "Coulumb per kilogram", 1.0, 0.0},
    {"R", "R", "Roentgen", "Roentgen", 3875.968992248062, 0.0},
};

// Category 45: Volume divided by area
constexpr UnitEntry kUnits45[] = {
    {"l/m²", "l/m²", "Liter pro Quadratmeter", "Liter per square meter", 1.0, 0.0},
    {"l/ha", "l/ha", "Liter pro Hektar", "Liter per hectare", 10000.0, 0.0},
    {"l/km²", "l/km²", "Liter pro Quadratkilometer", "Liter per square kilometer", 1000000.0, 0.0},
    {"fl oz[UK]/ft²", "fl oz[UK]/ft²", "Fluid ounce [UK] per square foot", "Fluid ounce [UK] per square foot",
     3.2697298997600135, 0.0},
    {"fl oz[UK]/yd²", "fl oz[UK]/yd²", "Fluid ounce [UK] per square yard", "Fluid ounce [UK] per square yard",
     29.427569097840124, 0.0},
    {"gal[UK]/yd²", "gal[UK]/yd²", "Gallon [UK] per square yard", "Gallon [UK] per square yard", 0.18392230686150077,
     0.0},
    {"gal[UK]/acre", "gal[UK]/acre", "Gallon [UK] per acre", "Gallon [UK] per acre", 890.1839652096637, 0.0},
    {"gal[UK]/ha", "gal[UK]/ha", "Gallon [UK] per hectare", "Gallon [UK] per hectare", 2199.692482990878, 0.0},
    {"fl oz[US]/ft²", "fl oz[US]/ft²", "Fluid ounce [US] per square foot", "Fluid ounce [US] per square foot",
     3.1414256984934306, 0.0},
    {"fl oz[US]/yd²", "fl oz[US]/yd²", "Fluid ounce [US] per square yard", "Fluid ounce [US] per square yard",
     28.272831286440876, 0.0},
    {"gal[US]/yd²", "gal[US]/yd²", "Gallon [US] per square yard", "Gallon [US] per square yard", 0.22088149442531935,
     0.0},
    {"gal[US]/acre", "gal[US]/acre", "Gallon [US] per acre", "Gallon [US] per acre", 1069.0664330185457, 0.0},
    {"gal[US]/ha", "gal[US]/ha", "Gallon [US] per hectare", "Gallon [US] per hectare", 2641.7206874478948, 0.0},
};

// Category 46: Volume divided by lenght
constexpr UnitEntry kUnits46[] = {
    {"l/100km", "l/100km", "Liter pro 100 Kilometer", "Liter per 100 kilometer", 1.0, 0.0},
    {"l/km", "l/km", "Liter pro Kilometer", "Liter per kilometer", 0.01, 0.0},
    {"UKgal/100mi.", "UKgal/100mi.", "Gallon [UK] per 100 miles", "Gallon [UK] per 100 miles", 0.3540061899346471, 0.0},
    {"UKgal/mile", "UKgal/mile", "Gallon [UK] per mile", "Gallon [UK] per mile", 0.003540061899346471, 0.0},
    {"USgal/100mi.", "USgal/100mi.", "Gallon [US] per 100 miles", "Gallon [US] per 100 miles", 0.4251437338020145, 0.0},
    {"USgal/mile", "USgal/mile", "Gallon [US] per mile", "Gallon [US] per mile", 0.004251437338020145, 0.0},
};

// Category 47: Mass divided by lenght
constexpr UnitEntry kUnits47[] = {
    {"kg/m", "kg/m", "Kilogramm pro Meter", "Kilogram per meter", 1.0, 0.0},
    {"kg/km", "kg/km", "Kilogramm pro Kilometer", "Kilogram per kilometer", 1000.0, 0.0},
    {"g/m", "g/m", "Gramm pro Meter", "Gram per meter", 1000.0, 0.0},
    {"g/mm", "g/mm", "Gramm pro Millimeter", "Gram per millimeter", 1.0, 0.0},
    {"g/cm", "g/cm", "Gramm pro Zentimeter", "Gram per centimeter", 10.0, 0.0},
    {"t/m", "t/m", "Tonne pro Meter", "Metric ton per meter", 0.001, 0.0},
    {"t/km", "t/km", "Tonne pro Kilometer", "Metric ton per kilometer", 1.0, 0.0},
    {"lb/in", "lb/in", "Pound (av.) per inch", "Pound (av.) per inch", 0.055997414594958904, 0.0},
    {"lb/ft", "lb/ft", "Pound (av.) per foot", "Pound (av.) per foot", 0.6719689751395068, 0.0},
    {"lb/yd", "lb/yd", "Pound (av.) per yard", "Pound (av.) per yard", 2.0159069254185207, 0.0},
    {"oz/in", "oz/in", "Ounce (av.) per inch", "Ounce (av.) per inch", 0.8959586335193425, 0.0},
    {"oz/ft", "oz/ft", "Ounce (av.) per foot", "Ounce (av.) per foot", 10.751503602232109, 0.0},
    {"oz/mile", "oz/mile", "Ounce (av.) per mile", "Ounce (av.) per mile", 56767.93901978554, 0.0},
    {"sh.tn./mile", "sh.tn./mile", "Short ton per mile", "Short ton per mile", 1.773998094368298, 0.0},
    {"l.tn./mile", "l.tn./mile", "Long ton per mile", "Long ton per mile", 1.5839268699716949, 0.0},
    {"tex = g/km", "tex = g/km", "Fadenstärke tex (Gramm pro Kilometer)", "Line density tex (gram per kilometer)",
     1000000.0, 0.0},
    {"den", "den", "Fadenstärke Denier", "Line density denier", 9000000.0, 0.0},
};

// Category 48: Mass divided by area
constexpr UnitEntry kUnits48[] = {
    {"kg/m²", "kg/m²", "Kilogramm pro Quadratmeter", "Kilogram per square meter", 1.0, 0.0},
    {"kg/ha", "kg/ha", "Kilogramm pro Hektar", "Kilogram per hectare", 10000.0, 0.0},
    {"g/m²", "g/m²", "Gramm pro Quadratmeter", "Gram per square meter", 1000.0, 0.0},
    {"g/cm²", "g/cm²", "Gramm pro Quadratzentimeter", "Gram per square centimeter", 0.1, 0.0},
    {"g/mm²", "g/mm²", "Gramm pro Quadratmillimeter", "Gram per square millimeter", 0.001, 0.0},
    {"t/ha", "t/ha", "Tonne pro Hektar", "Metric ton per hectare", 10.0, 0.0},
    {"t/km²", "t/km²", "Tonne pro Quadratkilometer", "Metric ton per square kilometer", 1000.0, 0.0},
    {"t/m²", "t/m²", "Tonne pro Quadratmeter", "Metric ton per square meter", 0.001, 0.0},
    {"l.tn./ac.", "l.tn./ac.", "Long ton per acre", "Long ton per acre", 3.9829425072308235, 0.0},
    {"l.tn./yd²", "l.tn./yd²", "Long ton per square yard", "Long ton per square yard", 0.0008229220056262032, 0.0},
    {"l.tn./ft²", "l.tn./ft²", "Long ton per square foot", "Long ton per square foot", 9.143577840291147e-05, 0.0},
    {"sh.t./ac.", "sh.t./ac.", "Short ton per acre", "Short ton per acre", 4.4608956080985225, 0.0},
    {"sh.t./yd²", "sh.t./yd²", "Short ton per square vard", "Short ton per square vard", 0.0009216726463013476, 0.0},
    {"sh.t./ft²", "sh.t./ft²", "Short ton per square foot", "Short ton per square foot", 0.00010240807181126085, 0.0},
    {"lb/ac.", "lb/ac.", "Pound (av.) per acre", "Pound (av.) per acre", 8921.791216197045, 0.0},
    {"lb/yd²", "lb/yd²", "Pound (av.) per square yard", "Pound (av.) per square yard", 1.8433452926026952, 0.0},
    {"lb/ft²", "lb/ft²", "Pound (av.) per square foot", "Pound (av.) per square foot", 0.20481614362252168, 0.0},
    {"lb/in²", "lb/in²", "Pound (av.) per square inch", "Pound (av.) per square inch", 0.0014223343307119562, 0.0},
    {"oz/yd²", "oz/yd²", "Ounce (av.) per square yard", "Ounce (av.) per square yard", 29.493524681643123, 0.0},
    {"oz/ft²", "oz/ft²", "Ounce (av.) per square foot", "Ounce (av.) per square foot", 3.277058297960347, 0.0},
    {"oz/in²", "oz/in²", "Ounce (av.) per square inch", "Ounce (av.) per square inch", 0.0227573492913913, 0.0},
};

// Category 49: Spring constant
constexpr UnitEntry kUnits49[] = {
    {"N/m", "N/m", "Netwon pro Meter", "Newton per meter", 1.0, 0.0},
    {"N/mm", "N/mm", "Netwon pro Millimeter", "Newton per millimeter", 0.001, 0.0},
    {"N/cm", "N/cm", "Netwon pro Zentimeter", "Newton per centimeter", 0.01, 0.0},
    {"kN/m", "kN/m", "Kilonewton pro Meter", "Kilonewton per meter", 0.001, 0.0},
    {"lbf/in", "lbf/in", "Pound (av.) per inch", "Pound (av.) per inch", 0.0057101471547326465, 0.0},
    {"lbf/ft", "lbf/ft", "Pound (av.) per foot", "Pound (av.) per foot", 0.06852176585679176, 0.0},
    {"lbf/yd", "lbf/yd", "Pound (av.) per yard", "Pound (av.) per yard", 0.20556529757037525, 0.0},
    {"kip/in", "kip/in", "Kilo-Pound (av.) per inch", "Kilo-Pound (av.) per inch", 5.7101471547326466e-06, 0.0},
    {"kip/ft", "kip/ft", "Kilo-Pound (av.) per foot", "Kilo-Pound (av.) per foot", 6.852176585679175e-05, 0.0},
    {"kip/yd", "kip/yd", "Kilo-Pound (av.) per yard", "Kilo-Pound (av.) per yard", 0.00020556529757037527, 0.0},
    {"p/mm", "gf/mm", "Pond pro Millimeter", "Gram-force per millimeter", 0.10197162129779283, 0.0},
    {"p/cm", "gf/cm", "Pond pro Zentimeter", "Gram-force per centimeter", 1.0197162129779282, 0.0},
    {"kp/mm", "kgf/mm", "Kilopond pro Millimeter", "Kilogram-force per millimeter", 0.00010197162129779283, 0.0},
    {"kp/cm", "kgf/cm", "Kilopond pro Zentimeter", "Kilogram-force per centimeter", 0.0010197162129779282, 0.0},
    {"dyn/cm", "dyn/cm", "Dyn pro Zentimeter", "Dyne per centimeter", 1000.0, 0.0},
};

// Category 50: Thermal expansion coeff.
constexpr UnitEntry kUnits50[] = {
    {"m/m K", "m/m K", "Meter pro Meter und Kelvin", "Meter per meter and Kelvin", 1.0, 0.0},
    {"mm/m K", "mm/m K", "Millimeter pro Meter und Kelvin", "Millimeter per meter and Kelvin", 1000.0, 0.0},
    {"µm/m K", "µm/m K", "Mikrometer  pro Meter und Kelvin", "Micrometer per meter and Kelvin", 1000000.0, 0.0},
    {"m/m °C", "m/m °C", "Meter pro Meter und Grad Celsius", "Meter per meter and degree Celsius", 1.0, 0.0},
    {"mm/m °C", "mm/m °C", "Millimeter pro Meter und Grad Celsius", "Millimeter per meter and degree Celsius", 1000.0,
     0.0},
    {"µm/m °C", "µm/m °C", "Mikrometer  pro Meter und Grad Celsius", "Micrometer per meter and degree Celsius",
     1000000.0, 0.0},
    {"in/in °F", "in/in °F", "Inch pro Inch und Grad Fahrenheit", "Inch per inch and degree Fahrenheit",
     0.5555555555555556, 0.0},
    {"mil/in °F", "mil/in °F", "Tausenstel Inch pro Inch und Grad Fahrenheit",
     "Thousandth inch per inch and degree Fahrenheit", 555.5555555555555, 0.0},
    {"µin/in °F", "µin/in °F", "Mikroinch pro Inch und Grad Fahrenheit", "Microinch per inch and degree Fahrenheit",
     555555.5555555555, 0.0},
    {"1/°C", "1/°C", "1 pro Grad Celsius", "1 per degree Celsius", 1.0, 0.0},
    {"1/°F", "1/°F", "1 pro Grad Fahrenheit", "1 per degree Fahrenheit", 0.5555555555555556, 0.0},
    {"1/°R", "1/°R", "1 pro Grad Réaumur", "1 per degree Réaumur", 1.25, 0.0},
    {"1/°Rank", "1/°Rank", "1 pro Grad Rankine", "1 per degree Rankine", 0.5555555555555556, 0.0},
};

// A quantity whose unit count and strip height follow from its table.
template <std::size_t N>
constexpr CategoryEntry Quantity(CategoryId id, std::string_view nameDe, std::string_view nameEn, int listPositionDe,
                                 int listPositionEn, const UnitEntry (&units)[N]) {
  const int count = static_cast<int>(N);
  return {id, nameDe, nameEn, listPositionDe, listPositionEn, count, StripHeightFor(count), units};
}

// id, German name, English name, German position, English position, units
constexpr CategoryEntry kCategories[kCategoryCount] = {
    Quantity(0, "SI-Vorsätze", "SI-Prefix", 30, 30, kUnits0),
    Quantity(1, "Winkel", "Angle", 47, 2, kUnits1),
    Quantity(2, "Länge", "Length", 19, 15, kUnits2),
    Quantity(3, "Fläche", "Area", 14, 3, kUnits3),
    Quantity(4, "Volumen", "Volume", 36, 43, kUnits4),
    Quantity(5, "Zeit", "Time", 50, 37, kUnits5),
    Quantity(6, "Winkelgeschwindigkeit", "Velocity, angular", 49, 39, kUnits6),
    Quantity(7, "Winkelbeschleunigung", "Acceleration, angular", 48, 0, kUnits7),
    Quantity(8, "Geschwindigkeit", "Velocity, linear", 15, 40, kUnits8),
    Quantity(9, "Beschleunigung", "Acceleration, linear", 4, 1, kUnits9),
    Quantity(10, "Volumenstrom", "Volumetric Flow Rate", 40, 47, kUnits10),
    Quantity(11, "Volumenstromdichte", "Volumetric Flux", 41, 48, kUnits11),
    Quantity(12, "Masse", "Mass", 23, 18, kUnits12),
    Quantity(13, "Dichte", "Density", 5, 4, kUnits13),
    Quantity(14, "Volumen, spezif.", "Volume, specific", 39, 46, kUnits14),
    Quantity(15, "Massenstrom", "Mass Flow Rate", 26, 21, kUnits15),
    Quantity(16, "Massenstromdichte", "Mass Flux", 27, 22, kUnits16),
    Quantity(17, "Trägheitsmoment", "Moment of Inertia", 33, 23, kUnits17),
    Quantity(18, "Kraft", "Force", 18, 9, kUnits18),
    Quantity(19, "Drehmoment", "Torque", 7, 38, kUnits19),
    Quantity(20, "Impuls/Kraftstoss", "Momentum/Impulse", 16, 25, kUnits20),
    Quantity(21, "Drehimpuls/Drall", "Momentum, angular", 6, 24, kUnits21),
    Quantity(22, "Druck", "Pressure", 8, 27, kUnits22),
    Quantity(23, "Festigkeit/Spannung", "Resistence/Stress", 13, 29, kUnits23),
    Quantity(24, "Viskosität, dynamisch", "Viscosity, dynamic", 34, 41, kUnits24),
    Quantity(25, "Viskosität, kinematisch", "Viscosity, kinematic", 35, 42, kUnits25),
    Quantity(26, "Oberflächenspannung", "Surface Tension", 28, 32, kUnits26),
    Quantity(27, "Arbeit/Energie", "Work/Energy", 2, 49, kUnits27),
    Quantity(28, "Arbeit, spezif.", "Work, specific", 1, 50, kUnits28),
    Quantity(29, "Leistung", "Power", 20, 26, kUnits29),
    Quantity(30, "Temperatur", "Temperature", 31, 33, kUnits30),
    Quantity(31, "Temperaturdifferenz", "Temperature Difference", 32, 34, kUnits31),
    Quantity(32, "Wärmestromdichte", "Heat Flux", 46, 11, kUnits32),
    Quantity(33, "Wärmeleitfähigkeit", "Thermal Conductivity", 45, 35, kUnits33),
    Quantity(34, "Wärmedurchgangskoeff.", "Heat Transfer Coefficient", 43, 12, kUnits34),
    Quantity(35, "Wärmekapazität, spezif.", "Heat Capacity, specific", 44, 10, kUnits35),
    Quantity(36, "Entropie, spezif.", "Entropy, specific", 11, 7, kUnits36),
    Quantity(37, "Enthalpie, spezif.", "Enthalpy, specific", 10, 6, kUnits37),
    Quantity(38, "Lichtstärke", "Light Intensity", 22, 16, kUnits38),
    Quantity(39, "Leuchtdichte", "Luminous Density", 21, 17, kUnits39),
    Quantity(40, "Beleuchtungsstärke", "Illumination", 3, 13, kUnits40),
    Quantity(41, "Radioaktivität", "Radioactivity", 29, 28, kUnits41),
    Quantity(42, "Energiedosis", "Energy Dose", 9, 5, kUnits42),
    Quantity(43, "Äquivalentdosis", "Equivalent Dose", 0, 8, kUnits43),
    Quantity(44, "Ionendosis", "Ionic Dose", 17, 14, kUnits44),
    Quantity(45, "Volumen, flächenbezogen", "Volume divided by area", 38, 45, kUnits45),
    Quantity(46, "Volumen, längenbezogen", "Volume divided by lenght", 37, 44, kUnits46),
    Quantity(47, "Masse, längenbezogen", "Mass divided by lenght", 25, 20, kUnits47),
    Quantity(48, "Masse, flächenbezogen", "Mass divided by area", 24, 19, kUnits48),
    Quantity(49, "Federkonstante", "Spring constant", 12, 31, kUnits49),
    Quantity(50, "Wärmeausdehnungskoeff.", "Thermal expansion coeff.", 42, 36, kUnits50),
};

// Which quantity stands at each position of the two lists. Fixed orders, not
// sorted by name: the two "Volume ..." and "Mass ..." pairs run opposite ways.
constexpr CategoryId kGermanOrder[kCategoryCount] = {43, 28, 27, 40, 9,  13, 21, 19, 22, 42, 37, 36, 49, 23, 3,  8,  20,
                                                     44, 18, 2,  29, 39, 38, 12, 48, 47, 15, 16, 26, 41, 0,  30, 31, 17,
                                                     24, 25, 4,  46, 45, 14, 10, 11, 50, 34, 35, 33, 32, 1,  7,  6,  5};
constexpr CategoryId kEnglishOrder[kCategoryCount] = {
    7,  9,  1,  3,  13, 42, 37, 36, 43, 18, 35, 32, 34, 40, 44, 2,  38, 39, 12, 48, 47, 15, 16, 17, 21, 20,
    29, 22, 41, 23, 0,  49, 26, 30, 31, 33, 50, 5,  19, 6,  8,  24, 25, 4,  46, 45, 14, 10, 11, 27, 28};

constexpr bool OrdersMatchPositions() {
  for (int p = 0; p < kCategoryCount; ++p) {
    if (kCategories[kGermanOrder[p]].listPositionDe != p) return false;
    if (kCategories[kEnglishOrder[p]].listPositionEn != p) return false;
  }
  for (int id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry& c = kCategories[id];
    if (c.id != id || c.unitCount < 2 || c.unitCount > kMaxUnitsPerCategory) return false;
  }
  return true;
}
static_assert(OrdersMatchPositions(),
              "list orders, position columns or ids disagree, or a unit table's length is out of range");

constexpr int UnitTotal() {
  int total = 0;
  for (const CategoryEntry& c : kCategories) total += c.unitCount;
  return total;
}
static_assert(UnitTotal() == kUnitTotal, "the unit tables do not hold 573 units");

}  // namespace

const CategoryEntry* UnitCatalogue::Category(CategoryId id) {
  if (id < 0 || id >= kCategoryCount) return nullptr;
  return &kCategories[id];
}

const UnitEntry* UnitCatalogue::Unit(CategoryId id, UnitRow row) {
  const CategoryEntry* c = Category(id);
  if (c == nullptr || row < 0 || row >= c->unitCount) return nullptr;
  return &c->units[row];
}

CategoryId CategoryAtListPosition(int position, bool german) {
  if (position < 0 || position >= kCategoryCount) return -1;
  return german ? kGermanOrder[position] : kEnglishOrder[position];
}

int ListPositionOf(CategoryId id, bool german) {
  const CategoryEntry* c = UnitCatalogue::Category(id);
  if (c == nullptr) return -1;
  return german ? c->listPositionDe : c->listPositionEn;
}

}  // namespace umrido
