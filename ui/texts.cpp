#include "texts.h"

namespace umrido::ui {

namespace {

constexpr TextPair kPaste{"Wert aus der Zwischenablage einfügen", "Paste from clipboard"};
constexpr TextPair kCopy{"Ergebnis in die Zwischenablage kopieren", "Copy to clipboard"};

const std::vector<HintRow> kHints = {
    HintRow{"BevelUnit", {"Aktuelle Kategorie", "Actual category"}},
    HintRow{"ListBoxUC", {"Kategorie wählen", "Select category"}},
    HintRow{"ImageV", {"Einheit auswählen", "Select Unit"}},
    HintRow{"EditV", {"Eingabe", "Input"}},
    HintRow{"EditN", {"Ergebnis", "Result"}},
    HintRow{"SpeedButtonInsertV", kPaste},
    HintRow{"SpeedButtonInsertCalc", kPaste},
    HintRow{"SpeedButtonCopyN", kCopy},
    HintRow{"SpeedButtonCopyCalc", kCopy},
    HintRow{"SpeedButtonSwap", {"Tauschen", "Swap"}},
    HintRow{"SpeedButtonD", {"Deutsch", "German"}},
    HintRow{"SpeedButtonE", {"Englisch", "English"}},
    HintRow{"SpeedButtonRechner", {"Kalkulator", "Calculator"}},
    HintRow{"SpeedButtonInfo", {"Programm-Information", "Program-Information"}},
    HintRow{"SpeedButtonEnd", {"Programm beenden ?", "Program exit ?"}},
    // The calculator keys.
    HintRow{"SpeedButtonShift", {"Shift-Taste", "Shift"}},
    HintRow{"SpeedButtonHyp", {"Hyperbolisch", "Hyperbolic function"}},
    HintRow{"SpeedButtonExp", {"Exponentiales (wissenschaftliches) Format", "Exponential (scientific) format"}},
    HintRow{"SpeedButtonDRG",
            {"Wechsel zwischen DEG (Grad), RAD (Radiant) und GRAD (Gon)", "Switch between DEGREE, RADIAN or GRADE"}},
    HintRow{"SpeedButtonCE", {"Löscht alle Einträge", "Clear Entry"}},
    HintRow{"SpeedButtonX_1", {"Kehrwert", "Reciprocal"}},
    HintRow{"SpeedButtonX_2", {"Quadrat", "Square"}},
    HintRow{"SpeedButtonW_2", {"Quadratwurzel", "Square root"}},
    HintRow{"SpeedButtonLn", {"Natürlicher Logarithmus", "Natural logarithm"}},
    HintRow{"SpeedButtonLg", {"Zehner-Logarithmus", "Logarithm (base 10)"}},
    HintRow{"SpeedButtonPi", {"Pi", "Pi"}},
    HintRow{"SpeedButtonSin", {"Sinus", "Sine"}},
    HintRow{"SpeedButtonCos", {"Cosinus", "Cosine"}},
    HintRow{"SpeedButtonTan", {"Tangenz", "Tangent"}},
    HintRow{"SpeedButtonMplus", {"Wert zum Speicher addierern", "Memory add"}},
    HintRow{"SpeedButtonMminus", {"Wert vom Speicher subtrahieren", "Memory subtract"}},
    HintRow{"SpeedButtonMR", {"Gespeicherten Wert abrufen", "Memory recall"}},
    HintRow{"SpeedButtonMC", {"Speicher löschen", "Memory clear"}},
    HintRow{"SpeedButtonKomma", {"Dezimal-Komma", "Decimal point"}},
    HintRow{"SpeedButtonPlusMinus", {"Vorzeichen wechseln", "Change sign"}},
    HintRow{"SpeedButtonDurch", {"Division", "Division"}},
    HintRow{"SpeedButtonMal", {"Multiplikation", "Multiplication"}},
    HintRow{"SpeedButtonMinus", {"Subtraktion", "Subtraction"}},
    HintRow{"SpeedButtonPlus", {"Addition", "Addition"}},
    HintRow{"SpeedButtonIstGleich", {"Ausführen", "Execute"}},
    HintRow{"SpeedButtonXFak", {"Fakultät", "Factorial"}},
    HintRow{"SpeedButtonXhochy", {"X hoch Y", "X to the power Y"}},
    HintRow{"SpeedButtonW_y", {"Y-te Wurzel von X", "Y'th root of X"}},
    HintRow{"SpeedButtonEhochx", {"Exponential Funktion", "Exponential function"}},
    HintRow{"SpeedButton10hochx", {"10 hoch X", "10 to the power X"}},
    HintRow{"SpeedButtonEuler", {"Eulersche Zahl", "Euler"}},
    HintRow{"SpeedButtonArcSin", {"Arcus-Sinus", "Inverse sine"}},
    HintRow{"SpeedButtonArcCos", {"Arcus-Cosinus", "Inverse cosine"}},
    HintRow{"SpeedButtonArcTan", {"Arcus-Tangenz", "Inverse tangent"}},
    HintRow{"SpeedButtonHypSin", {"Hyperbolischer Sinus", "Hyperbolic sine"}},
    HintRow{"SpeedButtonHypCos", {"Hyperbolischer Cosinus", "Hyperbolic cosine"}},
    HintRow{"SpeedButtonHypTan", {"Hyperbolischer Tangenz", "Hyperbolic tangent"}},
    HintRow{"SpeedButtonHypArcSin", {"Hyperbolischer Arcus-Sinus", "Hyperbolic inverse sine"}},
    HintRow{"SpeedButtonHypArcCos", {"Hyperbolischer Arcus-Cosinus", "Hyperbolic inverse cosine"}},
    HintRow{"SpeedButtonHypArcTan", {"Hyperbolischer Arcus-Tangenz", "Hyperbolic inverse tangent"}},
};

constexpr std::string_view kInfoDe =
    "Version: 1.04c\n"
    "\n"
    "Autor: Die Umrido-Entwickler\n"
    "\n"
    "Veröffentlicht: 2026\n"
    "\n"
    "Nutzungsbedingungen:\n"
    "Umrido ist kostenlos. Die Benutzung geschieht auf eigene Gefahr. "
    "Für die Richtigkeit der Ergebnisse und für Schäden, die aus der Benutzung "
    "entstehen, wird keine Gewähr und keine Haftung übernommen.\n"
    "Die Weitergabe des unveränderten Programms ist ausdrücklich erwünscht. "
    "Ein Verkauf ist nicht gestattet.\n"
    "\n"
    "Kontakt:\n"
    "Fragen, Fehlerberichte und Vorschläge bitte über den Issue-Tracker des "
    "Umrido-Projekts.";

constexpr std::string_view kInfoEn =
    "Version: 1.04c\n"
    "\n"
    "Author: The Umrido developers\n"
    "\n"
    "Published: 2026\n"
    "\n"
    "Terms of use:\n"
    "Umrido is free of charge. You use it at your own risk. There is no "
    "warranty for the correctness of its results, and no liability is accepted "
    "for any damage arising from its use.\n"
    "You are welcome to pass on the unchanged program. Selling it is not "
    "allowed.\n"
    "\n"
    "Contact:\n"
    "Please send questions, bug reports and suggestions through the issue "
    "tracker of the Umrido project.";

}  // namespace

const std::vector<HintRow>& ControlHints() { return kHints; }

QString InfoText(bool german) { return FromUtf8(german ? kInfoDe : kInfoEn); }

QStringList BannerQuestionLines(bool bannerFirst) {
  const char* now = bannerFirst ? "\"Taschenrechner\"" : "\"Werbebanner\"";
  const char* still = bannerFirst ? "das \"Werbebanner\"" : "der \"Taschenrechner\"";
  return {
      QStringLiteral("Wollen Sie beim Programmstart von Umrido"),
      QStringLiteral("in Zukunft mit dem %1 beginnen, dann klicken").arg(QLatin1String(now)),
      QStringLiteral("Sie auf \"OK\". Soll weiterhin zuerst %1 angezeigt").arg(QLatin1String(still)),
      QString::fromUtf8("werden, dann drücken Sie auf \"Abbrechen\"."),
  };
}

}  // namespace umrido::ui
