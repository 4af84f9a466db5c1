// Build step: draws the pictures listed in baked.h with the drawing code of
// this folder and writes them as a C++ table into the file named on the
// command line: the premultiplied pixels as drawn, compressed with zlib, so
// that unpacking gives back exactly the same bits.
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
    const QByteArray packed = Packed(image);
    out += "static const unsigned char kPicture" + QByteArray::number(qulonglong(i)) + "[] = {";
    for (int b = 0; b < packed.size(); ++b) {
      if (b % 24 == 0) out += "\n";
      out += QByteArray::number(static_cast<unsigned char>(packed[b])) + ",";
    }
    out += "\n};\n";
    table += "    {\"" + QByteArray::fromStdString(entries[i].name) + "\", " +
             QByteArray::number(entries[i].dpr, 'g', 17) + ", " + QByteArray::number(image.width()) + ", " +
             QByteArray::number(image.height()) + ", kPicture" + QByteArray::number(qulonglong(i)) + ", " +
             QByteArray::number(packed.size()) + "},\n";
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
