#include "unit_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace umrido {
namespace {

using Place = std::pair<CategoryId, UnitRow>;

// Every place of a unit with this German symbol, read from the catalogue.
std::vector<Place> WithSymbol(std::string_view symbol) {
  std::vector<Place> places;
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry* c = UnitCatalogue::Category(id);
    for (UnitRow r = 0; r < c->unitCount; ++r) {
      if (c->units[r].symbolDe == symbol) places.emplace_back(id, r);
    }
  }
  return places;
}

TEST(UnitSearch, FoldsCaseDiacriticsAndPunctuation) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"Länge 09", "lange 09"}, {"ÄQUIVALENT", "aquivalent"},
      {"Réaumur", "reaumur"},   {"µm", "um"},
      {"m²  /  s³", "m2 s3"},   {"lbf./in²=psi", "lbf in2 psi"},
      {"Grüße", "grusse"},      {"\xd0\xb5\xff\xc3", ""},  // Cyrillic e, then broken bytes
      {"  -.- ", ""},
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(FoldForSearch(text), folded) << text;
}

TEST(UnitSearch, FindsUnitsByEveryKindOfName) {
  struct Case {
    std::string_view query;
    std::string_view symbol;  // every unit with this symbol must be found
    MatchRank rank;
  };
  const Case cases[] = {
      {"zoll", "\" = in", MatchRank::Word},
      {"inch", "\" = in", MatchRank::Prefix},
      {"in", "\" = in", MatchRank::ExactSymbol},
      {"grad c", "°C", MatchRank::Prefix},
      {"celsius", "°C", MatchRank::Word},
      {"°c", "°C", MatchRank::ExactSymbol},
      {"psi", "lbf./in²=psi", MatchRank::ExactSymbol},
      {"kw h", "kWh", MatchRank::ExactSymbol},
      {"um", "µm", MatchRank::ExactSymbol},
      {"angstrom", "Å", MatchRank::Prefix},
      {"pound force", "lbf./in²=psi", MatchRank::Prefix},
      {"druck", "bar", MatchRank::Word},
      {"reaumur", "°R", MatchRank::Word},
  };
  for (const Case& c : cases) {
    const std::vector<UnitMatch> found = UnitSearch::Shared().Find(c.query);
    const std::vector<Place> wanted = WithSymbol(c.symbol);
    ASSERT_FALSE(wanted.empty()) << c.symbol;
    for (const Place& place : wanted) {
      const auto hit = std::find_if(found.begin(), found.end(), [&](const UnitMatch& m) {
        return m.category == place.first && m.row == place.second;
      });
      ASSERT_NE(hit, found.end()) << c.query << " -> " << place.first << '/' << place.second;
      EXPECT_EQ(hit->rank, c.rank) << c.query;
    }
  }
}

TEST(UnitSearch, RanksBestFirstAndKeepsToTheLimit) {
  const std::vector<UnitMatch> found = UnitSearch::Shared().Find("in");
  ASSERT_GT(found.size(), 3u);
  for (std::size_t i = 1; i < found.size(); ++i) EXPECT_LE(found[i - 1].rank, found[i].rank);
  // "in²" starts with the query and "Inertia" has a word starting with it.
  EXPECT_EQ(found.front().rank, MatchRank::ExactSymbol);
  EXPECT_EQ(UnitSearch::Shared().Find("in", 2).size(), 2u);
  EXPECT_TRUE(UnitSearch::Shared().Find(" ,. ").empty());
  EXPECT_TRUE(UnitSearch::Shared().Find("xqzw").empty());
}

}  // namespace
}  // namespace umrido
