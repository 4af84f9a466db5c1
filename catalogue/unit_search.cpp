#include "unit_search.h"

#include <algorithm>
#include <charconv>

namespace umrido {

// The reviewed table of everyday search words, compiled in by the build.
extern const char kSearchWordsTsv[];

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

// Unicode's combining diacritical marks: a letter typed as the letter and a
// following accent (NFD) folds as the precomposed letter does.
bool IsCombiningMark(char32_t c) { return c >= U'\u0300' && c <= U'\u036F'; }

constexpr std::string_view kDegree = "\u00B0";

std::size_t CodePointCount(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char b) { return (static_cast<unsigned char>(b) & 0xC0) != 0x80; }));
}

// The first `count` code points of `utf8`, found without reading further.
std::string_view FirstCodePoints(std::string_view utf8, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && seen++ == count) return utf8.substr(0, i);
  }
  return utf8;
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

// The parts of `text` between the separators, each folded.
void AddParts(std::vector<std::string>& to, std::string_view text, std::string_view separators) {
  for (std::size_t from = 0; from <= text.size();) {
    const std::size_t end = std::min(text.find_first_of(separators, from), text.size());
    AddOnce(to, FoldForSearch(text.substr(from, end - from)));
    from = end + 1;
  }
}

// A folded text's first byte as one bit of a set: letters 0-25, digits
// 26-35, the degree sign's lead byte 36.
std::uint64_t StartBit(char c) {
  if (c >= 'a' && c <= 'z') return std::uint64_t{1} << static_cast<unsigned>(c - 'a');
  if (c >= '0' && c <= '9') return std::uint64_t{1} << (26u + static_cast<unsigned>(c - '0'));
  return std::uint64_t{1} << 36u;
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

// How much longer than `start` the shortest text starting with it is, or
// npos when none does.
std::size_t ShortestRest(const std::vector<std::string>& texts, const std::string& start, std::size_t best) {
  for (const std::string& t : texts) {
    if (StartsWith(t, start)) best = std::min(best, t.size() - start.size());
  }
  return best;
}

// The typed words that constrain a search: each once, and none that starts
// another typed word, since whatever that one starts it starts too.
std::vector<std::string> QueryWords(std::string_view folded) {
  std::vector<std::string> words = Words(folded);
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < words.size(); ++i) {
    // Sorted, a word is followed directly by the words it starts.
    if (i + 1 < words.size() && StartsWith(words[i + 1], words[i])) continue;
    kept.push_back(std::move(words[i]));
  }
  return kept;
}

std::string_view Cut(std::string_view& rest, char separator) {
  const std::size_t end = std::min(rest.find(separator), rest.size());
  const std::string_view part = rest.substr(0, end);
  rest.remove_prefix(std::min(end + 1, rest.size()));
  return part;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  bool gap = false;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, i);
    if (IsCombiningMark(c)) continue;
    // The degree sign belongs to the symbol it starts: "°F" is not "F".
    const std::string_view ascii = c == U'\u00B0' ? kDegree : Fold(c);
    if (ascii.empty()) {
      gap = !out.empty();
      continue;
    }
    if (gap || (c == U'\u00B0' && !out.empty())) out += ' ';
    gap = false;
    out += ascii;
  }
  return out;
}

std::vector<SearchWordLine> SearchWordTable() {
  std::vector<SearchWordLine> table;
  std::string_view rest = kSearchWordsTsv;
  for (int number = 1; !rest.empty(); ++number) {
    std::string_view line = Cut(rest, '\n');
    if (line.empty() || line[0] == '#') continue;
    SearchWordLine entry{number, -1, -1, {}, {}};
    const std::string_view id = Cut(line, '\t');
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), entry.category);
    if (error != std::errc() || end != id.data() + id.size()) entry.category = -1;
    entry.symbol = Cut(line, '\t');
    if (const CategoryEntry* category = UnitCatalogue::Category(entry.category)) {
      for (UnitRow r = 0; r < category->unitCount; ++r) {
        if (category->units[r].symbolDe == entry.symbol) entry.row = r;
      }
    }
    while (!line.empty()) {
      std::string_view word = Cut(line, ',');
      while (!word.empty() && word.front() == ' ') word.remove_prefix(1);
      entry.words.push_back(word);
    }
    table.push_back(std::move(entry));
  }
  return table;
}

const UnitSearch& UnitSearch::Shared() {
  static const UnitSearch index;
  return index;
}

UnitSearch::UnitSearch() {
  entries_.reserve(kUnitTotal);
  quantityWords_.resize(kCategoryCount);
  std::vector<std::size_t> firstOf(kCategoryCount);
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry* category = UnitCatalogue::Category(id);
    for (std::string_view name : {category->nameDe, category->nameEn}) {
      for (std::string& w : Words(FoldForSearch(name))) AddOnce(quantityWords_[id], std::move(w));
      maxQueryLength_ = std::max(maxQueryLength_, CodePointCount(name));
    }
    firstOf[id] = entries_.size();
    for (UnitRow row = 0; row < category->unitCount; ++row) {
      const UnitEntry& unit = category->units[row];
      Entry e{id, row, {}, false, {}, {}, {}, {}};
      // "' = ft" is the foot as much as "ft" alone, though less surely than
      // the one symbol "min" is the minute.
      for (std::string_view symbol : {unit.symbolDe, unit.symbolEn}) {
        AddOnce(e.symbols, FoldForSearch(symbol));
        AddParts(e.symbols, symbol, "=");
        e.alternatives = e.alternatives || symbol.find('=') != std::string_view::npos;
      }
      // "Kubikdezimeter = Liter" is the litre, "Inch (Zoll)" the Zoll.
      for (std::string_view name : {unit.nameDe, unit.nameEn}) {
        AddOnce(e.names, FoldForSearch(name));
        AddParts(e.names, name, "=(),");
      }
      for (std::string_view text : {unit.symbolDe, unit.symbolEn, unit.nameDe, unit.nameEn}) {
        maxQueryLength_ = std::max(maxQueryLength_, CodePointCount(text));
      }
      entries_.push_back(std::move(e));
    }
  }
  for (const SearchWordLine& line : SearchWordTable()) {
    if (line.row < 0) continue;
    Entry& e = entries_[firstOf[line.category] + static_cast<std::size_t>(line.row)];
    for (std::string_view word : line.words) {
      AddOnce(e.searchWords, FoldForSearch(word));
      maxQueryLength_ = std::max(maxQueryLength_, CodePointCount(word));
    }
  }
  for (Entry& e : entries_) {
    for (const std::string& s : e.symbols) AddOnce(e.compactSymbols, Compact(s));
    for (const auto* texts : {&e.symbols, &e.names, &e.searchWords}) {
      for (const std::string& text : *texts) {
        for (std::string& w : Words(text)) {
          // "°C" is also a word starting with "c", as typed without the sign.
          if (w.compare(0, kDegree.size(), kDegree) == 0) AddOnce(e.words, w.substr(kDegree.size()));
          AddOnce(e.words, std::move(w));
        }
      }
    }
    e.textStarts = Starts(e.symbols) | Starts(e.names) | Starts(e.searchWords);
    e.wordStarts = Starts(e.words);
  }
}

std::vector<UnitMatch> UnitSearch::Find(std::string_view query, std::size_t limit) const {
  const std::string folded = FoldForSearch(FirstCodePoints(query, maxQueryLength_));
  std::vector<UnitMatch> found;
  if (folded.empty() || limit == 0) return found;
  const std::string compact = Compact(folded);
  const std::vector<std::string> words = QueryWords(folded);
  // Which quantities' names hold a word starting with each typed word.
  std::vector<std::uint64_t> inQuantity(words.size());
  for (std::size_t w = 0; w < words.size(); ++w) {
    for (CategoryId id = 0; id < kCategoryCount; ++id) {
      if (AnyStartsWith(quantityWords_[id], words[w])) inQuantity[w] |= std::uint64_t{1} << static_cast<unsigned>(id);
    }
  }

  struct Scored {
    UnitMatch match;
    std::size_t rest;  // within a rank: how much of the matched text was not typed
  };
  std::vector<Scored> scored;
  const std::uint64_t first = StartBit(folded[0]);
  constexpr std::size_t kNone = std::string::npos;
  for (const Entry& e : entries_) {
    MatchRank rank = MatchRank::Word;
    std::size_t rest = 0;
    bool matched = false;
    if ((e.textStarts & first) != 0) {
      if (std::find(e.symbols.begin(), e.symbols.end(), folded) != e.symbols.end()) {
        rank = MatchRank::ExactSymbol;
        rest = e.alternatives ? 1 : 0;
        matched = true;
      } else if (std::find(e.searchWords.begin(), e.searchWords.end(), folded) != e.searchWords.end()) {
        rank = MatchRank::ExactWord;
        matched = true;
      } else if (std::find(e.names.begin(), e.names.end(), folded) != e.names.end()) {
        rank = MatchRank::ExactName;
        matched = true;
      } else {
        rest = ShortestRest(e.compactSymbols, compact, kNone);
        rest = ShortestRest(e.names, folded, rest);
        rest = ShortestRest(e.searchWords, folded, rest);
        matched = rest != kNone;
        rank = MatchRank::Prefix;
        if (!matched) rest = 0;
      }
    }
    if (!matched) {
      const std::uint64_t quantity = std::uint64_t{1} << static_cast<unsigned>(e.category);
      bool all = true;
      for (std::size_t w = 0; w < words.size() && all; ++w) {
        all = (inQuantity[w] & quantity) != 0 ||
              ((e.wordStarts & StartBit(words[w][0])) != 0 && AnyStartsWith(e.words, words[w]));
      }
      if (!all) continue;
      rank = MatchRank::Word;
    }
    scored.push_back({{e.category, e.row, rank}, rest});
  }
  std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
    return a.match.rank != b.match.rank ? a.match.rank < b.match.rank : a.rest < b.rest;
  });
  if (scored.size() > limit) scored.resize(limit);
  found.reserve(scored.size());
  for (const Scored& s : scored) found.push_back(s.match);
  return found;
}

}  // namespace umrido
