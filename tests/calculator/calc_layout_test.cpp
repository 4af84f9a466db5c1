// The pad as data: placement, the key layers and the indicator bands.
#include "calc_test_util.h"

namespace umrido::testing {
namespace {

using K = CalcKey;

// Every position of the 7 x 5 pad holds exactly one key on top, whatever the
// layer flags; stacked keys share a position only with their own cell. Under
// HYP the trigonometric keys turn hyperbolic; Shift adds the inverse and turns
// 1/x into x!.
TEST(PadLayout, EachPositionShowsOneKeyOfItsLayer) {
  const int cells[] = {0, 6, 7, 8};
  // Indexed by the layer (none, Shift, HYP, both), then as cells[].
  const CalcKey onTopOfCells[4][4] = {
      {K::SpeedButtonX_1, K::SpeedButtonSin, K::SpeedButtonCos, K::SpeedButtonTan},
      {K::SpeedButtonXFak, K::SpeedButtonArcSin, K::SpeedButtonArcCos, K::SpeedButtonArcTan},
      {K::SpeedButtonX_1, K::SpeedButtonHypSin, K::SpeedButtonHypCos, K::SpeedButtonHypTan},
      {K::SpeedButtonXFak, K::SpeedButtonHypArcSin, K::SpeedButtonHypArcCos, K::SpeedButtonHypArcTan}};
  for (int layer = 0; layer < 4; ++layer) {
    const bool shift = (layer & 1) != 0;
    const bool hyp = (layer & 2) != 0;
    int onTop[7][5] = {};
    for (const CalcKeyInfo& info : CalcKeys()) {
      if (info.row < 0) continue;
      ASSERT_LT(info.row, 7);
      ASSERT_LT(info.column, 5);
      if (IsKeyOnTop(info.key, shift, hyp)) ++onTop[info.row][info.column];
    }
    for (int r = 0; r < 7; ++r) {
      for (int c = 0; c < 5; ++c) EXPECT_EQ(onTop[r][c], 1) << "row " << r << " column " << c << " layer " << layer;
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(KeyOnTop(cells[i], shift, hyp), onTopOfCells[layer][i]) << "layer " << layer;
  }
  EXPECT_EQ(InfoOf(K::SpeedButtonZiffer7).row, 3);
  EXPECT_EQ(kPadRowTop[static_cast<std::size_t>(InfoOf(K::SpeedButtonIstGleich).row)], 306);
}

TEST(Indicators, ShiftTogglesAndDrgCyclesAndBadAngleModesFallBackToDegrees) {
  Pocket p;
  for (int top : {-7, 2}) {
    p.Run("Shift");
    EXPECT_EQ(ImageShiftTop(p.calc.State().ShiftOn), top);
  }
  for (int top : {-7, -16, 2}) {
    p.Run("DRG");
    EXPECT_EQ(ImageDRGTop(p.calc.State().AngleMode), top);
  }
  EXPECT_EQ(p.calc.State().AngleMode, kAngleDeg);
  for (int stored : {-1, 3, 7, kAngleGrad}) {
    p.calc.SetAngleMode(stored);
    EXPECT_EQ(p.calc.State().AngleMode, stored == kAngleGrad ? kAngleGrad : kAngleDeg);
    p.Run(stored == kAngleGrad ? "CE 100 sin" : "CE 90 sin");
    EXPECT_EQ(p.Text(), "1");
  }
}

}  // namespace
}  // namespace umrido::testing
