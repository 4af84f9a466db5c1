#include "converter.h"

#include "fake_clipboard.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace umrido {
namespace {

using testing::FakeClipboard;
using testing::WithPoint;

// The row of a unit in its quantity, found by its German symbol, so that the
// tables below name units the way the user sees them.
UnitRow RowOf(CategoryId category, std::string_view symbol) {
  const CategoryEntry* c = UnitCatalogue::Category(category);
  for (int r = 0; c != nullptr && r < c->unitCount; ++r) {
    if (c->units[r].symbolDe == symbol) return r;
  }
  ADD_FAILURE() << "no unit " << symbol << " in category " << category;
  return 0;
}

void Pick(Converter& c, Side side, UnitRow row) {
  c.ImageMouseDown(side, row * kRowPitch + 5);
  c.ImageMouseUp();
}

void Enter(Converter& c, std::string_view text) {
  // Replace the whole field by typing, as a user would.
  c.EditVSetSelection(0, c.EditV().Length());
  c.EditVKeyPress(kBackspace);
  for (char ch : text) c.EditVKeyPress(static_cast<unsigned char>(ch));
}

// Quantity, German symbols of the source and target, input and result with
// the comma as separator; every row runs with the point too.
const std::tuple<CategoryId, const char*, const char*, const char*, const char*> kConversions[] = {
    {2, "km", "mile", "5", "3,106856"},
    // Temperature: offsets apply as the decimals they are, so exact zeros stay
    // exact and results next to them keep their digits (worked out in exact
    // decimal arithmetic).
    {30, "°C", "°F", "100", "212"},
    {30, "K", "°C", "0", "-273,15"},
    {30, "°C", "°F", "-40", "-40"},
    {30, "°Rank", "K", "1", "0,55555556"},
    {30, "°C", "K", "-273,15", "0"},
    {30, "°F", "K", "-459,67", "0"},
    {30, "°F", "°C", "32", "0"},
    {30, "°R", "°F", "-14,22222222222", "5E-12"},
    {30, "°F", "°C", "32,0001", "5,5555556E-5"},
    {30, "°F", "°C", "32,0000000000013", "7,2222222E-13"},
    {30, "°R", "°C", "-0,0000000000002", "-2,5E-13"},
    {30, "°C", "°R", "1E-25", "8E-26"},
    {30, "°F", "°Rank", "-459,67000000001", "-1E-11"},
    {30, "K", "°F", "1E20", "1,8E20"},
    // Beyond the extended range the product fails, the same unit does not.
    {2, "m", "nm", "1E4925", "?!"},
    {2, "nm", "nm", "1E4925", "1E4925"},
    {0, "-", "y", "7,95364635E-4935", "7,9536463E-4911"},
};

TEST(Converter, ShowsTheResultInEightDigitsWithEitherSeparator) {
  for (const auto& [category, from, to, input, result] : kConversions) {
    for (bool point : {false, true}) {
      Converter c(point, true, category);
      Pick(c, Side::V, RowOf(category, from));
      Pick(c, Side::N, RowOf(category, to));
      Enter(c, point ? WithPoint(input) : input);
      EXPECT_EQ(c.EditN().Text(), point ? WithPoint(result) : result)
          << input << ' ' << from << " -> " << to << (point ? " (point)" : " (comma)");
    }
  }
}

// Keys typed into an empty field of a converter started in Temperature (as
// from the stored quantity: the same unit on both sides, no offsets), then
// EditV, its caret and EditN; U'\x7f' stands for the Delete key, U'\x01' puts the caret at the
// start, U'\x02' selects all. Every row runs with the point too, with the
// comma and point keys swapped.
TEST(Converter, KeystrokesAreFilteredAndUndone) {
  const std::tuple<const char*, std::u32string, const char*, int, const char*> cases[] = {
      {"LoneMinus", U"-", "-", 1, "?!"},
      {"FiveMinusUndone", U"5-", "5", 1, "5"},
      {"UndoKeepsTheCaret", U"12\001E", "12", 0, "12"},
      // A second separator is refused whichever key types it.
      {"PointTypesComma", U"1.5.,", "1,5", 3, "1,5"},
      // Deleting the leading 1 of 1E5 leaves E5, which goes back to 1E.
      {"DeleteLeadsToE5", U"1E5\x01\x7f", "1E", 2, "1"},
      // The duplicate test sees selected text too: the minus inside the
      // selection blocks a new minus even though it would be replaced.
      {"DuplicateInSelection", U"-5\x02-", "-5", 0, "-5"},
      // A refused key leaves the selection, so the next key replaces it.
      {"LetterKeepsTheSelection", U"123\x02x5", "5", 1, "5"},
      {"SixteenCharacters", U"12345678901234567", "1234567890123456", 16, "1,2345679E15"},
      {"BackspaceToEmpty", U"5\b", "", 0, "?!"},
  };
  for (const auto& [name, keys, text, caret, result] : cases) {
    for (bool point : {false, true}) {
      Converter c(point, true, kTemperature);
      Enter(c, "");
      for (char32_t key : keys) {
        if (key == U'\x7f') {
          c.EditVDeleteKey();
        } else if (key == U'\x01' || key == U'\x02') {
          c.EditVSetSelection(0, key == U'\x01' ? 0 : c.EditV().Length());
        } else if (point && (key == U',' || key == U'.')) {
          c.EditVKeyPress(key == U',' ? U'.' : U',');
        } else {
          c.EditVKeyPress(key);
        }
      }
      EXPECT_EQ(c.EditV().Text(), point ? WithPoint(text) : text) << name << (point ? " (point)" : " (comma)");
      EXPECT_EQ(c.EditV().SelStart(), caret) << name;
      EXPECT_EQ(c.EditN().Text(), point ? WithPoint(result) : result) << name;
    }
  }
}

// The swap converts the shown result back; a label takes the symbol of the
// language at pick time; a new quantity resets both sides.
TEST(Converter, SwapLabelsAndCategoryChange) {
  Converter c(false, true, 2);
  Pick(c, Side::V, RowOf(2, "km"));
  Pick(c, Side::N, RowOf(2, "mile"));
  Enter(c, "5");
  c.SpeedButtonSwapClick();
  EXPECT_EQ(c.EditV().Text(), "3,106856");
  EXPECT_EQ(c.EditN().Text(), "5,0000001");
  EXPECT_EQ(std::make_pair(c.EditV().SelStart(), c.EditV().SelLength()), std::make_pair(0, 8));
  Pick(c, Side::N, 20);
  EXPECT_EQ(c.LabelN(), "sm");
  c.SetLanguage(false);
  EXPECT_EQ(c.LabelN(), "sm");  // stays until picked again
  Pick(c, Side::N, 20);
  EXPECT_EQ(c.LabelN(), "n mile");
  c.SetLanguage(true);
  Enter(c, "42");
  c.ListBoxUCClick(8);  // German position 8: Druck
  EXPECT_EQ(c.State().CurrentCategory, 22);
  EXPECT_EQ(c.EditV().Text(), "1");
  EXPECT_EQ(c.EditN().Text(), "1");     // both factors back to the base unit
  EXPECT_EQ(c.EditV().SelLength(), 1);  // the "1" is selected
  c.ListBoxUCClick(51);                 // no such entry
  EXPECT_EQ(c.State().CurrentCategory, 22);
}

TEST(Converter, SelectorsPickOnReleaseOnly) {
  Converter c(false, true, 1);  // Angle, 8 units; both markers start on top
  c.ImageMouseDown(Side::V, 143);
  EXPECT_EQ(c.State().RowV, 7);
  EXPECT_EQ(c.State().FactorV, 1.0);  // nothing applied before the release
  c.ImageMouseUp();
  EXPECT_EQ(c.LabelV(), "rev.");
  EXPECT_EQ(c.EditN().Text(), "6,2831853");  // 1 rev. = 2 pi rad
  const std::pair<int, UnitRow> edges[] = {{0, 0}, {17, 0}, {18, 1}, {35, 1}, {-3, 0}};
  for (auto [y, row] : edges) {
    c.ImageMouseDown(Side::N, y);
    EXPECT_EQ(c.State().PickedRow, row) << y;
  }
  // A row past the unit count can be pressed only in theory: its release
  // changes nothing.
  c.ImageMouseDown(Side::N, 8 * 18);
  c.ImageMouseUp();
  EXPECT_EQ(c.LabelN(), "rad");
}

// The clipboard's text (nullptr: it cannot be read), then EditV and EditN.
TEST(Converter, PasteButtonChecksWhatLandsInTheField) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"abc", "", "?!"},
      {nullptr, "0", "0"},
      // A number longer than the field is rounded to fit, denormals too.
      {" +0,000123456789012345 ", "1,23456789012E-4", "0,00012345679"},
      {"3,6451995318824746E-4951", "3,64519953E-4951", "0"},
      {"-0,000000000000000000", "0", "0"},
      {"0,10000000000000", "0,10000000000000", "0,1"},
      {"7\n12345678901234567", "7", "7"},
  };
  for (const auto& [clip, text, result] : cases) {
    Converter c(false, true, 2);
    Enter(c, "8");
    c.ListBoxUCClick(19);  // back to "1", but the keystroke record keeps "" before the 8
    FakeClipboard cb;
    cb.content = clip != nullptr ? std::optional<std::string>(clip) : std::nullopt;
    c.SpeedButtonInsertVClick(cb);
    EXPECT_EQ(c.EditV().Text(), text) << (clip != nullptr ? clip : "unreadable");
    EXPECT_EQ(c.EditN().Text(), result) << text;
    EXPECT_TRUE(c.EditV().HasFocus());
  }
}

// A rejected paste restores the text before the last keystroke; copy and cut
// take the whole selection verbatim.
TEST(Converter, PasteCopyAndCut) {
  Converter c(false, true, 2);
  FakeClipboard cb;
  cb.content = "xyz";
  c.SpeedButtonInsertVClick(cb);  // nothing typed since start: the record is "0"
  EXPECT_EQ(c.EditV().Text(), "0");
  EXPECT_EQ(c.EditN().Text(), "0");
  Enter(c, "45");
  c.EditVSetSelection(2, 0);
  cb.content = "E";  // 45E reads as 45: accepted by a shortcut paste
  c.EditVPaste(cb);
  EXPECT_EQ(c.EditV().Text(), "45E");
  cb.content = "--";
  c.EditVPaste(cb);  // 45E-- does not read: back to "4", the text before the 5
  EXPECT_EQ(c.EditV().Text(), "4");
  EXPECT_EQ(c.EditV().SelStart(), 1);
  cb.content = "12345678901234567890";  // rounded to the 15 characters left
  c.EditVPaste(cb);
  EXPECT_EQ(c.EditV().Text(), "41,2345678901E19");
  cb.content = "1234567890123456x";  // long and no number: undone as well
  c.EditVPaste(cb);
  EXPECT_EQ(c.EditV().Text(), "4");
  Enter(c, "-");
  c.SpeedButtonCopyNClick(cb);
  EXPECT_EQ(cb.content, "?!");
  EXPECT_TRUE(c.EditN().HasFocus());
  EXPECT_EQ(c.EditN().SelLength(), 2);
  Enter(c, "2,5");
  c.EditVSetSelection(1, 2);
  c.EditVCut(cb);
  EXPECT_EQ(cb.content, ",5");
  c.EditVCut(cb);  // nothing selected: nothing cut
  EXPECT_EQ(c.EditV().Text(), "2");
  c.EditVSetSelection(0, 1);
  cb.writable = false;
  c.EditVCut(cb);  // what cannot be copied is not cut
  EXPECT_EQ(c.EditV().Text(), "2");
}

// The all-units table: every unit of every quantity as the target, from every
// source unit, must read as EditN reads after picking that target.
TEST(Converter, ResultWithTargetIsEditNWithThatTarget) {
  const char* const kInputs[] = {
      "5",       "1234,5", "-0,001",  "123456789",
      "0",       "273,15", "-273,15", "-459,67",  // Temperature around its zero points
      "32",      "-40",    "1E4930",              // overflows where the factor grows the value
      "1E-4940", "",       "-",                   // the failure text
  };
  int overflowFailed = 0;  // "1E4930" in a unit it does not fit
  int overflowShown = 0;
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const int n = UnitCatalogue::Category(id)->unitCount;
    Converter c(false, true, id);
    EXPECT_EQ(c.ResultWithTarget(n), kConversionFailed);
    for (UnitRow from = 0; from < n; ++from) {
      Pick(c, Side::V, from);
      for (const char* input : kInputs) {
        Enter(c, input);
        std::vector<std::string> table;
        for (UnitRow to = 0; to < n; ++to) table.push_back(c.ResultWithTarget(to));
        for (UnitRow to = 0; to < n; ++to) {
          Pick(c, Side::N, to);
          ASSERT_EQ(table[static_cast<std::size_t>(to)], c.EditN().Text())
              << "category " << id << ", " << from << " -> " << to << ", input \"" << input << "\"";
          if (std::string_view(input) == "1E4930") {
            (c.EditN().Text() == kConversionFailed ? overflowFailed : overflowShown) += 1;
          }
        }
      }
    }
  }
  EXPECT_GT(overflowFailed, 100);
  EXPECT_GT(overflowShown, 100);
}

}  // namespace
}  // namespace umrido
