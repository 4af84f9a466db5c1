#include <algorithm>

#include "calc_engine.h"

namespace umrido {
namespace {

using K = CalcKey;
using G = CalcKeyGroup;

constexpr std::array<CalcKeyInfo, kCalcKeyCount> kKeys = {{
    {K::SpeedButtonZiffer0, "SpeedButtonZiffer0", G::kZiffer, 6, 1, -1},
    {K::SpeedButtonZiffer1, "SpeedButtonZiffer1", G::kZiffer, 5, 1, -1},
    {K::SpeedButtonZiffer2, "SpeedButtonZiffer2", G::kZiffer, 5, 2, -1},
    {K::SpeedButtonZiffer3, "SpeedButtonZiffer3", G::kZiffer, 5, 3, -1},
    {K::SpeedButtonZiffer4, "SpeedButtonZiffer4", G::kZiffer, 4, 1, -1},
    {K::SpeedButtonZiffer5, "SpeedButtonZiffer5", G::kZiffer, 4, 2, -1},
    {K::SpeedButtonZiffer6, "SpeedButtonZiffer6", G::kZiffer, 4, 3, -1},
    {K::SpeedButtonZiffer7, "SpeedButtonZiffer7", G::kZiffer, 3, 1, -1},
    {K::SpeedButtonZiffer8, "SpeedButtonZiffer8", G::kZiffer, 3, 2, -1},
    {K::SpeedButtonZiffer9, "SpeedButtonZiffer9", G::kZiffer, 3, 3, -1},
    {K::SpeedButtonKomma, "SpeedButtonKomma", G::kZiffer, 6, 2, -1},
    {K::SpeedButtonPlus, "SpeedButtonPlus", G::kBinary, 5, 4, -1},
    {K::SpeedButtonMinus, "SpeedButtonMinus", G::kBinary, 4, 4, -1},
    {K::SpeedButtonMal, "SpeedButtonMal", G::kBinary, 3, 4, -1},
    {K::SpeedButtonDurch, "SpeedButtonDurch", G::kBinary, 2, 4, -1},
    {K::SpeedButtonXhochy, "SpeedButtonXhochy", G::kBinary, 1, 1, 1},
    {K::SpeedButtonW_y, "SpeedButtonW_y", G::kBinary, 1, 2, 2},
    {K::SpeedButtonIstGleich, "SpeedButtonIstGleich", G::kBinary, 6, 4, -1},
    {K::SpeedButtonCE, "SpeedButtonCE", G::kClear, 0, 4, -1},
    {K::SpeedButtonShift, "SpeedButtonShift", G::kShift, 0, 0, -1},
    {K::SpeedButtonHyp, "SpeedButtonHyp", G::kHyp, 0, 1, -1},
    {K::SpeedButtonDRG, "SpeedButtonDRG", G::kAngle, 0, 3, -1},
    {K::SpeedButtonExp, "SpeedButtonExp", G::kExponent, 0, 2, -1},
    {K::SpeedButtonX_1, "SpeedButtonX_1", G::kOneOperand, 1, 0, 0},
    {K::SpeedButtonX_2, "SpeedButtonX_2", G::kOneOperand, 1, 1, 1},
    {K::SpeedButtonW_2, "SpeedButtonW_2", G::kOneOperand, 1, 2, 2},
    {K::SpeedButtonLn, "SpeedButtonLn", G::kOneOperand, 1, 3, 3},
    {K::SpeedButtonLg, "SpeedButtonLg", G::kOneOperand, 1, 4, 4},
    {K::SpeedButtonPi, "SpeedButtonPi", G::kOneOperand, 2, 0, 5},
    {K::SpeedButtonPlusMinus, "SpeedButtonPlusMinus", G::kOneOperand, 6, 3, -1},
    {K::SpeedButtonXFak, "SpeedButtonXFak", G::kOneOperand, 1, 0, 0},
    {K::SpeedButtonEhochx, "SpeedButtonEhochx", G::kOneOperand, 1, 3, 3},
    {K::SpeedButton10hochx, "SpeedButton10hochx", G::kOneOperand, 1, 4, 4},
    {K::SpeedButtonEuler, "SpeedButtonEuler", G::kOneOperand, 2, 0, 5},
    {K::SpeedButtonSin, "SpeedButtonSin", G::kTrig, 2, 1, 6},
    {K::SpeedButtonCos, "SpeedButtonCos", G::kTrig, 2, 2, 7},
    {K::SpeedButtonTan, "SpeedButtonTan", G::kTrig, 2, 3, 8},
    {K::SpeedButtonArcSin, "SpeedButtonArcSin", G::kTrig, 2, 1, 6},
    {K::SpeedButtonArcCos, "SpeedButtonArcCos", G::kTrig, 2, 2, 7},
    {K::SpeedButtonArcTan, "SpeedButtonArcTan", G::kTrig, 2, 3, 8},
    {K::SpeedButtonHypSin, "SpeedButtonHypSin", G::kTrig, 2, 1, 6},
    {K::SpeedButtonHypCos, "SpeedButtonHypCos", G::kTrig, 2, 2, 7},
    {K::SpeedButtonHypTan, "SpeedButtonHypTan", G::kTrig, 2, 3, 8},
    {K::SpeedButtonHypArcSin, "SpeedButtonHypArcSin", G::kTrig, 2, 1, 6},
    {K::SpeedButtonHypArcCos, "SpeedButtonHypArcCos", G::kTrig, 2, 2, 7},
    {K::SpeedButtonHypArcTan, "SpeedButtonHypArcTan", G::kTrig, 2, 3, 8},
    {K::SpeedButtonMplus, "SpeedButtonMplus", G::kMemory, 3, 0, -1},
    {K::SpeedButtonMminus, "SpeedButtonMminus", G::kMemory, 4, 0, -1},
    {K::SpeedButtonMR, "SpeedButtonMR", G::kMemory, 5, 0, -1},
    {K::SpeedButtonMC, "SpeedButtonMC", G::kMemory, 6, 0, -1},
    {K::SpeedButtonInsertCalc, "SpeedButtonInsertCalc", G::kInsert, -1, -1, -1},
    {K::SpeedButtonCopyCalc, "SpeedButtonCopyCalc", G::kCopy, -1, -1, -1},
}};

// The table is indexed by the enumerator; a slip in its order would misplace
// keys silently.
constexpr bool TableInEnumOrder() {
  for (int i = 0; i < kCalcKeyCount; ++i) {
    if (static_cast<int>(kKeys[static_cast<std::size_t>(i)].key) != i) return false;
  }
  return true;
}
static_assert(TableInEnumOrder(), "CalcKeys() must list the keys in enumerator order");

struct FailureTexts {
  const char* german;
  const char* english;
};

constexpr FailureTexts kFailureTexts[] = {
    {"Fehler => CE drücken !", "Error => press CE !"},
    {"Überlauf => CE drücken!", "Overflow => press CE!"},
    {"Fehler => CE drücken!", "Error press CE!"},
    {"Fehler !", "Error. Press CE!"},
    {"Speicherfehler !", "Memory error !"},
    {"Input-Fehler => CE drücken!", "Insert-Error => press CE!"},
};

}  // namespace

const std::array<std::array<CalcKey, 4>, kKeyLayerCells> KeyLayer = {{
    {K::SpeedButtonX_1, K::SpeedButtonXFak, K::SpeedButtonX_1, K::SpeedButtonXFak},
    {K::SpeedButtonX_2, K::SpeedButtonXhochy, K::SpeedButtonX_2, K::SpeedButtonXhochy},
    {K::SpeedButtonW_2, K::SpeedButtonW_y, K::SpeedButtonW_2, K::SpeedButtonW_y},
    {K::SpeedButtonLn, K::SpeedButtonEhochx, K::SpeedButtonLn, K::SpeedButtonEhochx},
    {K::SpeedButtonLg, K::SpeedButton10hochx, K::SpeedButtonLg, K::SpeedButton10hochx},
    {K::SpeedButtonPi, K::SpeedButtonEuler, K::SpeedButtonPi, K::SpeedButtonEuler},
    {K::SpeedButtonSin, K::SpeedButtonArcSin, K::SpeedButtonHypSin, K::SpeedButtonHypArcSin},
    {K::SpeedButtonCos, K::SpeedButtonArcCos, K::SpeedButtonHypCos, K::SpeedButtonHypArcCos},
    {K::SpeedButtonTan, K::SpeedButtonArcTan, K::SpeedButtonHypTan, K::SpeedButtonHypArcTan},
}};

const std::array<CalcKeyInfo, kCalcKeyCount>& CalcKeys() { return kKeys; }

const CalcKeyInfo& InfoOf(CalcKey key) { return kKeys[static_cast<std::size_t>(key)]; }

CalcKey KeyOnTop(int cell, bool shiftOn, bool hypOn) {
  const int c = std::clamp(cell, 0, kKeyLayerCells - 1);
  return KeyLayer[static_cast<std::size_t>(c)][static_cast<std::size_t>(LayerIndex(shiftOn, hypOn))];
}

bool IsKeyOnTop(CalcKey key, bool shiftOn, bool hypOn) {
  const int cell = InfoOf(key).layerCell;
  return cell < 0 || KeyOnTop(cell, shiftOn, hypOn) == key;
}

std::string_view FailureText(CalcFailure failure, bool german) {
  const FailureTexts& t = kFailureTexts[static_cast<std::size_t>(failure)];
  return german ? t.german : t.english;
}

bool IsFailureText(std::string_view text) {
  for (const FailureTexts& t : kFailureTexts) {
    if (text == t.german || text == t.english) return true;
  }
  return false;
}

}  // namespace umrido
