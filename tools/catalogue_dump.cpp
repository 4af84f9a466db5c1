// Prints the whole unit catalogue as tab-separated UTF-8 lines, so that the
// table can be checked against its sources with standard tools:
//   C  id  German name  English name  German position  English position  units  strip height
//   U  category  row  German symbol  English symbol  German name  English name  factor  offset
// Factors and offsets are written as the shortest decimal that reads back to
// the same double.
//
//   catalogue_dump --find QUERY [--lang de|en]
// prints the unit finder's ranked results for QUERY instead, one per line:
// symbol, name and quantity in that language (German unless told).
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "unit_catalogue.h"
#include "unit_search.h"

namespace {

std::string Shortest(double v) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

void Field(std::string& line, std::string_view text) {
  line += '\t';
  line.append(text.data(), text.size());
}

bool Write(const std::string& out) { return std::fwrite(out.data(), 1, out.size(), stdout) == out.size(); }

int Find(std::string_view query, bool german) {
  using namespace umrido;
  std::string out;
  for (const UnitMatch& m : UnitSearch::Shared().Find(query, kUnitTotal)) {
    const CategoryEntry* c = UnitCatalogue::Category(m.category);
    const UnitEntry& u = c->units[m.row];
    std::string line(u.Symbol(german));
    Field(line, u.Name(german));
    Field(line, c->Name(german));
    out += line + '\n';
  }
  return Write(out) ? 0 : 1;
}

int Usage() {
  std::fputs("usage: catalogue_dump [--find QUERY [--lang de|en]]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace umrido;
  if (argc > 1) {
    const std::string_view option = argv[1];
    if (option != "--find" || (argc != 3 && argc != 5)) return Usage();
    bool german = true;
    if (argc == 5) {
      const std::string_view lang = argv[4];
      if (std::string_view(argv[3]) != "--lang" || (lang != "de" && lang != "en")) return Usage();
      german = lang == "de";
    }
    return Find(argv[2], german);
  }
  std::string out;
  for (CategoryId id = 0; id < kCategoryCount; ++id) {
    const CategoryEntry* c = UnitCatalogue::Category(id);
    std::string line = "C";
    Field(line, std::to_string(c->id));
    Field(line, c->nameDe);
    Field(line, c->nameEn);
    Field(line, std::to_string(c->listPositionDe));
    Field(line, std::to_string(c->listPositionEn));
    Field(line, std::to_string(c->unitCount));
    Field(line, std::to_string(c->stripHeight));
    out += line + '\n';
    for (UnitRow r = 0; r < c->unitCount; ++r) {
      const UnitEntry& u = c->units[r];
      line = "U";
      Field(line, std::to_string(id));
      Field(line, std::to_string(r));
      Field(line, u.symbolDe);
      Field(line, u.symbolEn);
      Field(line, u.nameDe);
      Field(line, u.nameEn);
      Field(line, Shortest(u.factor));
      Field(line, Shortest(u.offset));
      out += line + '\n';
    }
  }
  return Write(out) ? 0 : 1;
}
