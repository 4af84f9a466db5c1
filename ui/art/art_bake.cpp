// Build step: draws the pictures listed in baked.h with the drawing code of
// this folder and writes them as a C++ table into the file named on the
// command line: the premultiplied pixels as drawn, packed as baked.h says,
// so that unpacking gives back exactly the same bits.
//   art_bake OUTPUT.cpp        (needs a Qt platform; offscreen is fine)
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <string>

#include "baked.h"

namespace {

QByteArray Packed(const QImage& image) {
  return qCompress(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()), 9);
}

// The runs baked.h describes: a pixel repeated at least twice is one run,
// whatever lies between runs goes as it is.
QByteArray InRuns(const QImage& image) {
  const auto* px = reinterpret_cast<const quint32*>(image.constBits());
  const qsizetype total = qsizetype(image.width()) * image.height();
  QByteArray out;
  auto put = [&out](quint32 w) { out.append(reinterpret_cast<const char*>(&w), 4); };
  qsizetype literalStart = 0;
  auto flushLiterals = [&](qsizetype end) {
    if (end == literalStart) return;
    put(static_cast<quint32>(end - literalStart) << 1);
    for (qsizetype k = literalStart; k < end; ++k) put(px[k]);
  };
  for (qsizetype i = 0; i < total;) {
    qsizetype j = i + 1;
    while (j < total && px[j] == px[i]) ++j;
    if (j - i >= 2) {
      flushLiterals(i);
      put(static_cast<quint32>(j - i) << 1 | 1U);
      put(px[i]);
      literalStart = j;
    }
    i = j;
  }
  flushLiterals(total);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: art_bake OUTPUT.cpp\n");
    return 2;
  }
  struct Entry {
    std::string name;
    double dpr;
  };
  std::vector<Entry> entries;
  for (double dpr : umrido::art::kBakedRatios) {
    for (const char* name : umrido::art::kBakedNames) entries.push_back({name, dpr});
  }
  for (double scale : umrido::art::kGlyphScales) entries.push_back({"glyphs", scale});
  for (int size : umrido::art::kIconSizes) entries.push_back({"icon" + std::to_string(size), 1});

  QByteArray out =
      "// Made by art_bake at build time; do not edit.\n#include \"baked.h\"\n\nnamespace umrido::art {\n\n";
  QByteArray table = "extern const BakedPicture kBakedPictures[];\nconst BakedPicture kBakedPictures[] = {\n";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const QImage image = umrido::art::DrawnPicture(entries[i].name.c_str(), entries[i].dpr);
    using umrido::art::Packing;
    const Packing packing = umrido::art::PackingOf(entries[i].name.c_str(), entries[i].dpr);
    const QByteArray packed = packing == Packing::kZlib   ? Packed(image)
                              : packing == Packing::kRuns ? InRuns(image)
                                                          : QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                                                       static_cast<qsizetype>(image.sizeInBytes()));
    // Aligned for an image that uses the pixels in place.
    out += "alignas(16) static const unsigned char kPicture" + QByteArray::number(qulonglong(i)) + "[] = {";
    for (int b = 0; b < packed.size(); ++b) {
      if (b % 24 == 0) out += "\n";
      out += QByteArray::number(static_cast<unsigned char>(packed[b])) + ",";
    }
    out += "\n};\n";
    table += "    {\"" + QByteArray::fromStdString(entries[i].name) + "\", " +
             QByteArray::number(entries[i].dpr, 'g', 17) + ", " + QByteArray::number(image.width()) + ", " +
             QByteArray::number(image.height()) + ", kPicture" + QByteArray::number(qulonglong(i)) + ", " +
             QByteArray::number(packed.size()) + ", Packing::" +
             (packing == Packing::kZlib   ? "kZlib"
              : packing == Packing::kRuns ? "kRuns"
                                          : "kPlain") +
             "},\n";
  }
  out += "\n" + table + "};\nextern const int kBakedPictureCount;\nconst int kBakedPictureCount = " +
         QByteArray::number(qulonglong(entries.size())) + ";\n\n}  // namespace umrido::art\n";
  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
    std::fprintf(stderr, "art_bake: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
