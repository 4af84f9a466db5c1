// Every fixed text of the window, in German and English. UTF-8, byte for
// byte as the program has always shown them, misspellings included.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace umrido::ui {

// The program's texts (and the catalogue's) are UTF-8.
inline QString FromUtf8(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

struct TextPair {
  std::string_view de;
  std::string_view en;

  QString Get(bool german) const { return FromUtf8(german ? de : en); }
};

// A hint (status-line text) by the objectName of the control carrying it.
struct HintRow {
  const char* control;
  TextPair hint;
};

// The hints of the header, list, strip selector, status bar and calculator
// controls. `ImageN` is not listed: it always carries a copy of `ImageV`'s.
const std::vector<HintRow>& ControlHints();

inline constexpr TextPair kWindowTitle{"UMRIDO (Einheiten-Umrechner)", "UMRIDO (Unit-Converter)"};
inline constexpr TextPair kLabelCalc{"Kalkulator", "Calculator"};
// The caption before start-up writes the texts, and the application's name.
inline constexpr std::string_view kApplicationTitle = "Umrido";
// Fixed in the layout; the same in both languages.
inline constexpr std::string_view kInfoHeading = "Information";

// The contents of the two information texts.
QString InfoText(bool german);

// The hidden banner toggle's confirmation box. Its text is German in both
// interface languages; the four lines depend on what is shown first now.
inline constexpr std::string_view kConfirmTitle = "Bestätigen";
inline constexpr std::string_view kConfirmOk = "OK";
inline constexpr std::string_view kConfirmAbort = "&Abbrechen";
QStringList BannerQuestionLines(bool bannerFirst);

}  // namespace umrido::ui
