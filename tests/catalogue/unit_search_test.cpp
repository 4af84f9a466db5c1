#include "unit_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace umrido {
namespace {

using Place = std::pair<CategoryId, UnitRow>;

template <typename F>
void ForEachUnit(F f) {
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry* c = UnitCatalogue::Category(id);
    for (UnitRow r = 0; r < c->unitCount; ++r) f(Place{id, r}, c->units[r]);
  }
}

// Every place of a unit with this German symbol, read from the catalogue; in
// one quantity only unless `only` is negative.
std::vector<Place> WithSymbol(std::string_view symbol, CategoryId only = -1) {
  std::vector<Place> places;
  ForEachUnit([&](Place place, const auto& unit) {
    if (unit.symbolDe == symbol && (only < 0 || place.first == only)) places.push_back(place);
  });
  return places;
}

// Where the results are, best first.
std::vector<Place> PlacesOf(const std::vector<UnitMatch>& found) {
  std::vector<Place> places;
  for (const UnitMatch& m : found) places.emplace_back(m.category, m.row);
  return places;
}

TEST(UnitSearch, FoldsCaseDiacriticsAndPunctuation) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"Länge 09", "lange 09"},
      {"ÄQUIVALENT", "aquivalent"},
      {"Réaumur", "reaumur"},
      {"µm", "um"},
      {"m²  /  s³", "m2 s3"},
      {"lbf./in²=psi", "lbf in2 psi"},
      {"Grüße", "grusse"},
      {"\xd0\xb5\xff\xc3", ""},  // Cyrillic e, then broken bytes
      {"  -.- ", ""},
      {"°C", "°c"},
      {"cal/cm.s°C", "cal cm s °c"},
      {"° = deg", "° deg"},
      // A letter and a combining ring or diaeresis, as the precomposed letter.
      {"A\u030Angstro\u0308m", "angstrom"},
      {"\u0301x", "x"},
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(FoldForSearch(text), folded) << text;
}

// The query finds every unit with the symbol, at that rank.
TEST(UnitSearch, FindsUnitsByEveryKindOfName) {
  const std::tuple<std::string_view, std::string_view, MatchRank> cases[] = {
      {"zoll", "\" = in", MatchRank::ExactName},
      {"inc", "\" = in", MatchRank::Prefix},
      {"in", "\" = in", MatchRank::ExactSymbol},
      {"grad c", "°C", MatchRank::Prefix},
      {"celsius", "°C", MatchRank::Word},
      {"°c", "°C", MatchRank::ExactSymbol},
      {"psi", "lbf./in²=psi", MatchRank::ExactSymbol},
      {"kw h", "kWh", MatchRank::Prefix},
      {"um", "µm", MatchRank::ExactSymbol},
      {"angstrom", "Å", MatchRank::ExactName},
      {"liter", "dm³ = l", MatchRank::ExactName},
      {"Fuss", "' = ft", MatchRank::ExactWord},
      {"gallon", "gal [US]", MatchRank::ExactWord},
      {"pound force", "lbf./in²=psi", MatchRank::Prefix},
      {"druck", "bar", MatchRank::Word},
      // The degree sign belongs to the symbol: "F" alone is the femto prefix,
      // and Btu/ft.h°F holds the sign as a word of its own. Typed without the
      // sign, the "F" of Btu/lb°F is a word of its own too.
      {"°F", "°F", MatchRank::ExactSymbol},
      {"°F", "Btu/ft.h°F", MatchRank::Word},
      {"F", "f", MatchRank::ExactSymbol},
      {"f lb btu", "Btu/lb°F", MatchRank::Word},
  };
  for (const auto& [query, symbol, rank] : cases) {
    const std::vector<UnitMatch> found = UnitSearch::Shared().Find(query);
    const std::vector<Place> places = PlacesOf(found);
    const std::vector<Place> wanted = WithSymbol(symbol);
    ASSERT_FALSE(wanted.empty()) << symbol;
    for (const Place& place : wanted) {
      const auto hit = std::find(places.begin(), places.end(), place);
      ASSERT_NE(hit, places.end()) << query << " -> " << place.first << '/' << place.second;
      EXPECT_EQ(found[static_cast<std::size_t>(hit - places.begin())].rank, rank) << query;
    }
  }
}

TEST(UnitSearch, RanksBestFirstAndKeepsToTheLimit) {
  const std::vector<UnitMatch> found = UnitSearch::Shared().Find("in");
  ASSERT_GT(found.size(), 3u);
  for (std::size_t i = 1; i < found.size(); ++i) EXPECT_LE(found[i - 1].rank, found[i].rank);
  EXPECT_EQ(UnitSearch::Shared().Find("in", 2).size(), 2u);
  // A whole symbol before an "=" alternative: the minute of time before the
  // angle's "' = min"; a start before a longer one: kW before kWh.
  for (const auto& [query, place] : {std::pair{"min", Place{5, 2}}, std::pair{"kilowat", Place{29, 1}}}) {
    EXPECT_EQ(PlacesOf(UnitSearch::Shared().Find(query)).front(), place) << query;
  }
  EXPECT_TRUE(UnitSearch::Shared().Find(" ,. ").empty());
  EXPECT_TRUE(UnitSearch::Shared().Find("xqzw").empty());
}

// The parts of `text` between any of `separators`, folded, without empties.
void AddFoldedParts(std::set<std::string>& to, std::string_view text, std::string_view separators) {
  to.insert(FoldForSearch(text));
  for (std::size_t from = 0; from <= text.size();) {
    const std::size_t end = std::min(text.find_first_of(separators, from), text.size());
    to.insert(FoldForSearch(text.substr(from, end - from)));
    from = end + 1;
  }
  to.erase(std::string());
}

// What a unit is called, folded, as a user reads it off the window and the
// search-word table: its symbols and their "=" alternatives, its names and
// the parts of them set off by "=", brackets or commas, its search words.
struct UnitTexts {
  std::set<std::string> symbols;
  std::set<std::string> all;
};

const std::map<Place, UnitTexts>& TextsOfUnits() {
  static const std::map<Place, UnitTexts> texts = [] {
    std::map<Place, UnitTexts> t;
    ForEachUnit([&](Place place, const auto& unit) {
      UnitTexts& u = t[place];
      for (std::string_view symbol : {unit.symbolDe, unit.symbolEn}) AddFoldedParts(u.symbols, symbol, "=");
      u.all = u.symbols;
      for (std::string_view name : {unit.nameDe, unit.nameEn}) AddFoldedParts(u.all, name, "=(),");
    });
    for (const SearchWordLine& line : SearchWordTable()) {
      for (std::string_view word : line.words) t[{line.category, line.row}].all.insert(FoldForSearch(word));
    }
    return t;
  }();
  return texts;
}

TEST(UnitSearch, SearchWordsNameUnitsAndStealNoSymbol) {
  const std::vector<SearchWordLine> table = SearchWordTable();
  ASSERT_GT(table.size(), 50u);
  for (const SearchWordLine& line : table) {
    EXPECT_GE(line.row, 0) << "line " << line.line << " names no unit: " << line.category << ' ' << line.symbol;
    EXPECT_FALSE(line.words.empty()) << "line " << line.line;
    for (std::string_view word : line.words) {
      const std::string folded = FoldForSearch(word);
      EXPECT_FALSE(folded.empty()) << "line " << line.line << ": an empty word";
      // Not even the unit's own symbol: that word would add nothing.
      for (const auto& [place, u] : TextsOfUnits()) {
        EXPECT_EQ(u.symbols.count(folded), 0u)
            << "line " << line.line << ": \"" << word << "\" is the symbol of " << place.first << '/' << place.second;
      }
    }
  }
}

// Typed in full, any symbol, name or search word puts every unit it names
// before every unit that merely contains it; a symbol puts the units it is
// the symbol of first of all.
TEST(UnitSearch, AWholeTextRanksItsUnitsFirst) {
  const auto& texts = TextsOfUnits();
  std::set<std::string> queries;
  for (const auto& [place, u] : texts) queries.insert(u.all.begin(), u.all.end());
  for (const std::string& query : queries) {
    const std::vector<UnitMatch> found = UnitSearch::Shared().Find(query, kUnitTotal);
    std::size_t named = 0, symbols = 0;
    for (const auto& [place, u] : texts) {
      named += u.all.count(query);
      symbols += u.symbols.count(query);
    }
    ASSERT_GE(found.size(), named) << query;
    for (std::size_t i = 0; i < found.size(); ++i) {
      const UnitTexts& u = texts.at({found[i].category, found[i].row});
      EXPECT_EQ(u.all.count(query) == 1, i < named) << '"' << query << "\" result " << i;
      if (i < symbols) {
        EXPECT_EQ(u.symbols.count(query), 1u) << '"' << query << "\" result " << i;
      }
    }
  }
}

TEST(UnitSearch, OnlyTheLengthOfTheLongestTextCounts) {
  const UnitSearch& search = UnitSearch::Shared();
  const std::size_t longest = search.MaxQueryLength();
  // As long as the longest name, counted in characters.
  std::size_t name = 0;
  const auto lead = [](char b) { return (static_cast<unsigned char>(b) & 0xC0) != 0x80; };
  ForEachUnit([&](Place, const auto& unit) {
    for (std::string_view text : {unit.nameDe, unit.nameEn}) {
      name = std::max<std::size_t>(name, std::count_if(text.begin(), text.end(), lead));
    }
  });
  EXPECT_EQ(longest, name);
  const std::string psi = "psi" + std::string(100000, ' ') + "xqzw";
  ASSERT_FALSE(search.Find(psi).empty());
  EXPECT_EQ(search.Find(psi).front().rank, MatchRank::ExactSymbol);
  EXPECT_TRUE(search.Find(std::string(longest, '.') + "psi").empty());
  // Characters, not bytes: dashes and " p" up to the length.
  std::string dashes;
  for (std::size_t i = 0; i + 2 < longest; ++i) dashes += "\u2013";
  EXPECT_FALSE(search.Find(dashes + " p").empty());
  EXPECT_TRUE(search.Find(dashes + "  p").empty());
  // A repeated word, or one another typed word starts, changes nothing.
  EXPECT_EQ(PlacesOf(search.Find("pound square")), PlacesOf(search.Find("pound squ pound square p")));
}

// The finder's everyday list: queries in both languages as people type
// them, with the unit they mean (tests/catalogue/everyday_queries.tsv).
TEST(UnitSearch, FindsWhatEverydayQueriesMean) {
  std::ifstream file(UMRIDO_EVERYDAY_QUERIES);
  ASSERT_TRUE(file) << UMRIDO_EVERYDAY_QUERIES;
  std::size_t queries = 0, first = 0;
  std::set<std::string> languages;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string query, language, wanted;
    std::getline(fields, query, '\t');
    std::getline(fields, language, '\t');
    std::getline(fields, wanted);
    languages.insert(language);
    std::vector<Place> places;
    for (std::size_t from = 0; from < wanted.size();) {
      const std::size_t end = std::min(wanted.find(" | ", from), wanted.size());
      const std::string part = wanted.substr(from, end - from);
      const std::size_t blank = part.find(' ');
      const std::vector<Place> here = WithSymbol(part.substr(blank + 1), std::stoi(part.substr(0, blank)));
      places.insert(places.end(), here.begin(), here.end());
      from = end + 3;
    }
    ASSERT_FALSE(places.empty()) << line;
    const std::vector<Place> found = PlacesOf(UnitSearch::Shared().Find(query, 3));
    const auto position = std::find_first_of(found.begin(), found.end(), places.begin(), places.end());
    EXPECT_NE(position, found.end()) << query << ": not among the first three";
    first += position == found.begin() ? 1 : 0;
    ++queries;
  }
  EXPECT_EQ(languages, (std::set<std::string>{"de", "en"}));
  EXPECT_GE(queries, 80u);
  EXPECT_GE(first * 100, queries * 95) << first << " of " << queries << " first";
}

}  // namespace
}  // namespace umrido
