// The table's contents are compared as a whole with catalogue.tsv (the
// catalogue_snapshot test); these are the lookups around it.
#include "unit_catalogue.h"

#include <gtest/gtest.h>

#include <tuple>

namespace umrido {
namespace {

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

TEST(ListOrders, EachLanguageHasItsOwn) {
  const std::tuple<bool, int, const char*> cases[] = {{true, 0, "Äquivalentdosis"}, {false, 0, "Acceleration, angular"},
                                                      {true, 19, "Länge"},          {false, 15, "Length"},
                                                      {true, 50, "Zeit"},           {false, 50, "Work, specific"}};
  for (const auto& [german, position, name] : cases) {
    const CategoryId id = CategoryAtListPosition(position, german);
    ASSERT_NE(UnitCatalogue::Category(id), nullptr) << name;
    EXPECT_EQ(UnitCatalogue::Category(id)->Name(german), name);
    EXPECT_EQ(ListPositionOf(id, german), position) << name;
  }
}

}  // namespace
}  // namespace umrido
