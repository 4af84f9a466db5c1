// Finding units by what the user remembers of them: a symbol, a unit name, an
// everyday word or a quantity name, in German or English, typed with or
// without capitals, diacritics and punctuation.
//
// The everyday words come from a reviewed table beside the catalogue
// (search_words.tsv), compiled into this library. The index is built on the
// first search and kept for the life of the process, so a program that never
// searches never pays for it.
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
  ExactWord,    // one of the unit's everyday search words
  ExactName,    // a whole name, or a part of one set off by "=", brackets or commas
  Prefix,       // the start of a symbol (blanks ignored), a name or a search word
  Word,         // every typed word starts a word of the unit's texts or of its quantity's name
};

struct UnitMatch {
  CategoryId category;
  UnitRow row;
  MatchRank rank;
};

// Lower case words separated by single blanks: letters lose their diacritics
// ("ä" -> "a", "é" -> "e", "Å" -> "a", also when written as a letter and a
// combining accent), "ß" reads as "ss", "µ" as "u", "²" and "³" as digits;
// "°" stays and begins a word ("°C" -> "°c"); every other character
// separates words.
std::string FoldForSearch(std::string_view utf8);

// One line of the everyday search-word table.
struct SearchWordLine {
  int line;             // in the table, from 1
  CategoryId category;  // as written
  UnitRow row;          // of the unit with that German symbol there; -1 if none
  std::string_view symbol;
  std::vector<std::string_view> words;
};

// The search-word table as read; a line that names no unit has row -1.
std::vector<SearchWordLine> SearchWordTable();

class UnitSearch {
 public:
  // The one index over the whole catalogue, built on first use.
  static const UnitSearch& Shared();

  // Units matching `query`, best first; ties keep catalogue order. At most
  // `limit` results; nothing for a query without letters or digits. Only
  // the first MaxQueryLength() characters count, and a repeated word counts
  // once, so no query costs more than one of that length.
  std::vector<UnitMatch> Find(std::string_view query, std::size_t limit = 100) const;

  // The length in characters of the longest symbol, name, search word or
  // quantity name: no longer query can equal or start a text.
  std::size_t MaxQueryLength() const { return maxQueryLength_; }

 private:
  UnitSearch();

  struct Entry {
    CategoryId category;
    UnitRow row;
    std::vector<std::string> symbols;         // folded, whole and their "=" alternatives
    bool alternatives = false;                // whether a symbol has "=" alternatives
    std::vector<std::string> compactSymbols;  // the same without blanks
    std::vector<std::string> searchWords;     // folded
    std::vector<std::string> names;           // folded, whole and in parts
    std::vector<std::string> words;           // of all the texts above
    // The first characters of the texts and of the words as sets (see
    // StartBit): most entries fail a query on these alone.
    std::uint64_t textStarts = 0;
    std::uint64_t wordStarts = 0;
  };
  std::vector<Entry> entries_;
  std::vector<std::vector<std::string>> quantityWords_;  // by CategoryId
  std::size_t maxQueryLength_ = 0;
};

}  // namespace umrido
