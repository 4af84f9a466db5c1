#include "unit_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace umrido {
namespace {

bool SameRows(CategoryId a, CategoryId b, bool compareOffsets) {
  const CategoryEntry* ca = UnitCatalogue::Category(a);
  const CategoryEntry* cb = UnitCatalogue::Category(b);
  if (ca->unitCount != cb->unitCount) return false;
  for (int r = 0; r < ca->unitCount; ++r) {
    const UnitEntry& x = ca->units[r];
    const UnitEntry& y = cb->units[r];
    if (x.symbolDe != y.symbolDe || x.symbolEn != y.symbolEn || x.nameDe != y.nameDe || x.nameEn != y.nameEn ||
        x.factor != y.factor || (compareOffsets && x.offset != y.offset)) {
      return false;
    }
  }
  return true;
}

TEST(UnitCatalogue, HoldsEveryUnitWithItsInvariants) {
  int units = 0;
  int differingSymbols = 0;
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry* c = UnitCatalogue::Category(id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->stripHeight, 18 * c->unitCount + 8) << id;
    EXPECT_EQ(c->units[0].factor, 1.0) << id;
    EXPECT_EQ(c->units[0].offset, 0.0) << id;
    for (int r = 0; r < c->unitCount; ++r) {
      const UnitEntry& u = c->units[r];
      ++units;
      if (u.symbolDe != u.symbolEn) ++differingSymbols;
      EXPECT_GT(u.factor, 0.0) << id << '/' << r;
      EXPECT_EQ(u.offset != 0.0, id == kTemperature && r >= 1 && r <= 3) << id << '/' << r;
      EXPECT_FALSE(u.symbolDe.empty() || u.symbolEn.empty()) << id << '/' << r;
      for (std::string_view text : {u.symbolDe, u.symbolEn, u.nameDe, u.nameEn}) {
        EXPECT_EQ(text.find_first_of("\t\r\n|"), std::string_view::npos) << text;
      }
    }
  }
  EXPECT_EQ(units, kUnitTotal);
  EXPECT_EQ(differingSymbols, 32);
}

TEST(UnitCatalogue, TextsUseOnlyTheLatinCharactersOfTheTable) {
  // UTF-8 sequences allowed besides ASCII: ° ² ³ µ(micro sign) Å Ä ä é.
  const std::set<std::string> allowed = {"\u00B0", "\u00B2", "\u00B3", "\u00B5",
                                         "\u00C5", "\u00C4", "\u00E4", "\u00E9"};
  auto check = [&](std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (static_cast<unsigned char>(s[i]) < 0x80) continue;
      ASSERT_LT(i + 1, s.size()) << s;
      EXPECT_EQ(allowed.count(std::string(s.substr(i, 2))), 1u) << s;
      ++i;
    }
  };
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry* c = UnitCatalogue::Category(id);
    check(c->nameDe);
    check(c->nameEn);
    for (int r = 0; r < c->unitCount; ++r) {
      check(c->units[r].symbolDe);
      check(c->units[r].symbolEn);
      check(c->units[r].nameDe);
      check(c->units[r].nameEn);
    }
  }
}

TEST(UnitCatalogue, TwinQuantitiesShareTheirRows) {
  EXPECT_TRUE(SameRows(28, 37, true));
  EXPECT_TRUE(SameRows(35, 36, true));
  EXPECT_TRUE(SameRows(30, 31, false));
  EXPECT_FALSE(SameRows(30, 31, true));
}

TEST(UnitCatalogue, LookupsOutsideTheTableFindNothing) {
  for (int id : {-1, 51, 1000, -2147483647 - 1, 2147483647}) {
    EXPECT_EQ(UnitCatalogue::Category(id), nullptr) << id;
    EXPECT_EQ(UnitCatalogue::Unit(id, 0), nullptr) << id;
    EXPECT_EQ(ListPositionOf(id, true), -1);
    EXPECT_EQ(CategoryAtListPosition(id, false), -1);
  }
  EXPECT_EQ(UnitCatalogue::Unit(44, 2), nullptr);  // Ionic Dose has rows 0 and 1
  EXPECT_NE(UnitCatalogue::Unit(44, 1), nullptr);
  EXPECT_EQ(UnitCatalogue::Unit(2, -1), nullptr);
  EXPECT_EQ(UnitCatalogue::Unit(2, 21), nullptr);
}

TEST(ListOrders, ArePermutationsInverseToThePositions) {
  for (bool german : {true, false}) {
    std::set<CategoryId> seen;
    for (int p = 0; p < kCategoryCount; ++p) {
      const CategoryId id = CategoryAtListPosition(p, german);
      seen.insert(id);
      EXPECT_EQ(ListPositionOf(id, german), p);
    }
    EXPECT_EQ(seen.size(), 51u);
  }
}

struct ListCase {
  bool german;
  int position;
  const char* name;
};

class ListEntries : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListEntries, ShowTheNamedQuantity) {
  const ListCase& k = GetParam();
  const CategoryEntry* c = UnitCatalogue::Category(CategoryAtListPosition(k.position, k.german));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Name(k.german), k.name);
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ListEntries,
    ::testing::Values(ListCase{true, 0, "Äquivalentdosis"}, ListCase{true, 50, "Zeit"},
                      ListCase{false, 0, "Acceleration, angular"}, ListCase{false, 50, "Work, specific"},
                      ListCase{true, 19, "Länge"}, ListCase{false, 15, "Length"}, ListCase{true, 8, "Druck"},
                      ListCase{false, 27, "Pressure"}, ListCase{true, 30, "SI-Vorsätze"},
                      ListCase{false, 30, "SI-Prefix"}, ListCase{true, 37, "Volumen, längenbezogen"},
                      ListCase{true, 38, "Volumen, flächenbezogen"}, ListCase{false, 44, "Volume divided by lenght"},
                      ListCase{false, 19, "Mass divided by area"}, ListCase{false, 20, "Mass divided by lenght"}));

TEST(UnitCatalogue, SpecialTextsStandAsTheUserSeesThem) {
  EXPECT_EQ(UnitCatalogue::Unit(27, 7)->symbolDe, "dyn.m ");
  EXPECT_EQ(UnitCatalogue::Unit(1, 3)->symbolDe, "\" = sec");
  EXPECT_EQ(UnitCatalogue::Unit(2, 10)->symbolEn, "\" = in");
  EXPECT_EQ(UnitCatalogue::Unit(0, 0)->nameDe, "Basis Einheit");
  EXPECT_EQ(UnitCatalogue::Unit(0, 14)->symbolDe, "\u00B5");  // the micro sign, not Greek mu
  EXPECT_EQ(UnitCatalogue::Unit(2, 20)->symbolEn, "n mile");
  for (int r = 1; r <= 6; ++r)
    EXPECT_TRUE(UnitCatalogue::Unit(33, r)->nameDe.empty() && UnitCatalogue::Unit(33, r)->nameEn.empty());
  for (int r = 1; r <= 5; ++r) EXPECT_TRUE(UnitCatalogue::Unit(34, r)->nameEn.empty());
  for (CategoryId id : {0, 2, 4, 8, 12, 13, 22, 48}) EXPECT_EQ(UnitCatalogue::Category(id)->unitCount, 21);
}

}  // namespace
}  // namespace umrido
