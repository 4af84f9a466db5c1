#include "unit_search.h"

#include <algorithm>

namespace umrido {
namespace {

// Reads one code point of UTF-8 at `i` and advances `i`; a malformed byte
// reads as a blank so it only separates words.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  int more = 0;
  char32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    more = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    more = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    more = 3;
    c = lead & 0x07;
  } else {
    return U' ';
  }
  for (; more > 0; --more) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return U' ';
    c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return c;
}

// The ASCII a character folds to, or "" when it separates words.
std::string_view Fold(char32_t c) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
  static constexpr std::string_view kDigits = "0123456789";
  if (c >= U'a' && c <= U'z') return kLetters.substr(c - U'a', 1);
  if (c >= U'A' && c <= U'Z') return kLetters.substr(c - U'A', 1);
  if (c >= U'0' && c <= U'9') return kDigits.substr(c - U'0', 1);
  // Latin-1 letters a German or English keyboard types, and the catalogue's
  // own signs; Greek mu is what some keyboards give for the micro sign.
  switch (c) {
    case U'\u00B2':
      return "2";
    case U'\u00B3':
      return "3";
    case U'\u00B5':
    case U'\u03BC':
      return "u";
    case U'\u00DF':
      return "ss";
    default:
      break;
  }
  struct Range {
    char32_t first, last;
    std::string_view ascii;
  };
  static constexpr Range kAccented[] = {
      {U'\u00C0', U'\u00C5', "a"}, {U'\u00E0', U'\u00E5', "a"}, {U'\u00C7', U'\u00C7', "c"},
      {U'\u00E7', U'\u00E7', "c"}, {U'\u00C8', U'\u00CB', "e"}, {U'\u00E8', U'\u00EB', "e"},
      {U'\u00CC', U'\u00CF', "i"}, {U'\u00EC', U'\u00EF', "i"}, {U'\u00D1', U'\u00D1', "n"},
      {U'\u00F1', U'\u00F1', "n"}, {U'\u00D2', U'\u00D6', "o"}, {U'\u00F2', U'\u00F6', "o"},
      {U'\u00D9', U'\u00DC', "u"}, {U'\u00F9', U'\u00FC', "u"},
  };
  for (const Range& r : kAccented) {
    if (c >= r.first && c <= r.last) return r.ascii;
  }
  return {};
}

std::string Compact(std::string_view folded) {
  std::string out(folded);
  out.erase(std::remove(out.begin(), out.end(), ' '), out.end());
  return out;
}

std::vector<std::string> Words(std::string_view folded) {
  std::vector<std::string> words;
  for (std::size_t from = 0; from < folded.size();) {
    const std::size_t blank = std::min(folded.find(' ', from), folded.size());
    words.emplace_back(folded.substr(from, blank - from));
    from = blank + 1;
  }
  return words;
}

void AddOnce(std::vector<std::string>& to, std::string text) {
  if (!text.empty() && std::find(to.begin(), to.end(), text) == to.end()) to.push_back(std::move(text));
}

// A folded character as one bit of a set: letters 0-25, digits 26-35.
std::uint64_t StartBit(char c) {
  const unsigned bit = c >= 'a' ? static_cast<unsigned>(c - 'a') : 26u + static_cast<unsigned>(c - '0');
  return std::uint64_t{1} << (bit & 63u);
}

std::uint64_t Starts(const std::vector<std::string>& texts) {
  std::uint64_t set = 0;
  for (const std::string& t : texts) set |= StartBit(t[0]);
  return set;
}

// Compares the first character before anything else: most texts fail there.
bool StartsWith(const std::string& text, const std::string& start) {
  return text.size() >= start.size() && text[0] == start[0] && text.compare(0, start.size(), start) == 0;
}

bool AnyStartsWith(const std::vector<std::string>& texts, const std::string& start) {
  return std::any_of(texts.begin(), texts.end(), [&start](const std::string& t) { return StartsWith(t, start); });
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  bool gap = false;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::string_view ascii = Fold(NextCodePoint(utf8, i));
    if (ascii.empty()) {
      gap = !out.empty();
      continue;
    }
    if (gap) out += ' ';
    gap = false;
    out += ascii;
  }
  return out;
}

const UnitSearch& UnitSearch::Shared() {
  static const UnitSearch index;
  return index;
}

UnitSearch::UnitSearch() {
  entries_.reserve(kUnitTotal);
  quantityWords_.resize(kCategoryCount);
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry* category = UnitCatalogue::Category(id);
    for (std::string_view name : {category->nameDe, category->nameEn}) {
      for (std::string& w : Words(FoldForSearch(name))) AddOnce(quantityWords_[id], std::move(w));
    }
    for (UnitRow row = 0; row < category->unitCount; ++row) {
      const UnitEntry& unit = category->units[row];
      Entry e{id, row, {}, {}, {}};
      for (std::string_view symbol : {unit.symbolDe, unit.symbolEn}) {
        AddOnce(e.symbols, Compact(FoldForSearch(symbol)));
        // "' = ft" is the foot as much as "ft" alone.
        for (std::size_t from = 0; from <= symbol.size();) {
          const std::size_t eq = std::min(symbol.find('=', from), symbol.size());
          AddOnce(e.symbols, Compact(FoldForSearch(symbol.substr(from, eq - from))));
          from = eq + 1;
        }
        for (std::string& w : Words(FoldForSearch(symbol))) AddOnce(e.words, std::move(w));
      }
      for (std::string_view name : {unit.nameDe, unit.nameEn}) {
        const std::string folded = FoldForSearch(name);
        for (std::string& w : Words(folded)) AddOnce(e.words, std::move(w));
        AddOnce(e.names, folded);
      }
      e.textStarts = Starts(e.symbols) | Starts(e.names);
      e.wordStarts = Starts(e.words);
      entries_.push_back(std::move(e));
    }
  }
}

std::vector<UnitMatch> UnitSearch::Find(std::string_view query, std::size_t limit) const {
  const std::string folded = FoldForSearch(query);
  std::vector<UnitMatch> found;
  if (folded.empty() || limit == 0) return found;
  const std::string compact = Compact(folded);
  const std::vector<std::string> words = Words(folded);
  // Which quantities' names hold a word starting with each typed word.
  std::vector<std::vector<bool>> inQuantity(words.size(), std::vector<bool>(kCategoryCount));
  for (std::size_t w = 0; w < words.size(); ++w) {
    for (CategoryId id = 0; id < kCategoryCount; ++id) inQuantity[w][id] = AnyStartsWith(quantityWords_[id], words[w]);
  }

  const std::uint64_t first = StartBit(compact[0]);
  for (const Entry& e : entries_) {
    MatchRank rank;
    const bool startsAlike = (e.textStarts & first) != 0;
    if (startsAlike && std::find(e.symbols.begin(), e.symbols.end(), compact) != e.symbols.end()) {
      rank = MatchRank::ExactSymbol;
    } else if (startsAlike && (AnyStartsWith(e.symbols, compact) || AnyStartsWith(e.names, folded))) {
      rank = MatchRank::Prefix;
    } else {
      bool all = true;
      for (std::size_t w = 0; w < words.size() && all; ++w) {
        all = inQuantity[w][e.category] ||
              ((e.wordStarts & StartBit(words[w][0])) != 0 && AnyStartsWith(e.words, words[w]));
      }
      if (!all) continue;
      rank = MatchRank::Word;
    }
    found.push_back({e.category, e.row, rank});
  }
  std::stable_sort(found.begin(), found.end(), [](const UnitMatch& a, const UnitMatch& b) { return a.rank < b.rank; });
  if (found.size() > limit) found.resize(limit);
  return found;
}

}  // namespace umrido
