// Finding units by what the user remembers of them: a symbol, a unit name or
// a quantity name, in German or English, typed with or without capitals,
// diacritics and punctuation.
//
// The index is built on the first search and kept for the life of the
// process, so a program that never searches never pays for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "unit_catalogue.h"

namespace umrido {

// How well a unit matched; lower is better.
enum class MatchRank {
  ExactSymbol,  // the whole symbol, or one of its "=" alternatives ("in" of "\" = in")
  Prefix,       // the start of a symbol or of a unit name
  Word,         // every typed word starts a word of the unit's texts or of its quantity's name
};

struct UnitMatch {
  CategoryId category;
  UnitRow row;
  MatchRank rank;
};

// Lower case ASCII words separated by single blanks: letters lose their
// diacritics ("ä" -> "a", "é" -> "e", "Å" -> "a"), "µ" reads as "u", "²"
// and "³" as digits, and every other character separates words.
std::string FoldForSearch(std::string_view utf8);

class UnitSearch {
 public:
  // The one index over the whole catalogue, built on first use.
  static const UnitSearch& Shared();

  // Units matching `query`, best first; ties keep catalogue order. At most
  // `limit` results; nothing for a query without letters or digits.
  std::vector<UnitMatch> Find(std::string_view query, std::size_t limit = 100) const;

 private:
  UnitSearch();

  struct Entry {
    CategoryId category;
    UnitRow row;
    std::vector<std::string> symbols;  // folded, without blanks; "=" alternatives too
    std::vector<std::string> names;    // folded
    std::vector<std::string> words;    // of the symbols and names
    // The first characters of the symbols and names, and of the words, as
    // sets (see StartBit): most entries fail a query on these alone.
    std::uint64_t textStarts = 0;
    std::uint64_t wordStarts = 0;
  };
  std::vector<Entry> entries_;
  std::vector<std::vector<std::string>> quantityWords_;  // by CategoryId
};

}  // namespace umrido
