#include "text_field.h"

#include <gtest/gtest.h>

#include <tuple>

namespace umrido {
namespace {

TEST(TextField, TypingRespectsTheLimitAndReplacesTheSelection) {
  TextField f("", 4);
  for (char32_t c : U"12345") f.TypeCharacter(c);
  EXPECT_EQ(f.Text(), "1234");  // the fifth character found no room
  f.SetSelection(1, 2);
  EXPECT_TRUE(f.TypeCharacter(U'x'));  // replacing two with one fits
  EXPECT_EQ(f.Text(), "1x4");
  EXPECT_EQ(f.SelStart(), 2);
  EXPECT_TRUE(f.TypeCharacter(kBackspace));
  EXPECT_EQ(f.Text(), "14");
  f.SetCaret(0);
  EXPECT_FALSE(f.TypeCharacter(kBackspace));  // nothing before the caret
  EXPECT_TRUE(f.DeleteForward());
  EXPECT_EQ(f.Text(), "4");
}

TEST(TextField, PasteStopsAtALineBreakAndAtTheLimit) {
  // Text, selection, clipboard, text afterwards; the limit is five.
  const std::tuple<const char*, int, int, const char*, const char*> cases[] = {
      {"", 0, 0, "12\n34", "12"},        {"", 0, 0, "123456789", "12345"}, {"99", 1, 0, "123456", "91239"},
      {"9999", 0, 4, "abc\r\nx", "abc"}, {"12345", 5, 0, "6", "12345"},
  };
  for (const auto& [before, selStart, selLength, clip, after] : cases) {
    TextField f(before, 5);
    f.SetSelection(selStart, selLength);
    f.Paste(clip);
    EXPECT_EQ(f.Text(), after) << clip;
  }
}

TEST(TextField, ProgramWritesIgnoreTheLimitAndEqualTextIsNoChange) {
  TextField f("1", 2);
  EXPECT_TRUE(f.SetText("Error => press CE !"));
  EXPECT_FALSE(f.SetText("Error => press CE !"));
  f.SetSelection(2, 100);
  EXPECT_EQ(f.SelLength(), f.Length() - 2);
  f.SetSelection(-5, -1);
  EXPECT_EQ(f.SelStart(), 0);
  EXPECT_EQ(f.SelLength(), 0);
}

TEST(Utf8, InvalidBytesDecodeAsReplacementCharacters) {
  EXPECT_EQ(DecodeUtf8("a\xC3"), U"a\uFFFD");
  EXPECT_EQ(DecodeUtf8("\xFF\x62"), U"\uFFFD\x62");  // 0x62 is "b"
  EXPECT_EQ(DecodeUtf8("\xE2\x82"), U"\uFFFD\uFFFD");
  // The boundaries between the sequence lengths, and each four-byte lead.
  const std::u32string chars = U"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U00040000\U000C0000\U0010FFFF";
  const std::string bytes =
      "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF1\x80\x80\x80\xF3\x80\x80\x80\xF4\x8F\xBF\xBF";
  EXPECT_EQ(EncodeUtf8(chars), bytes);
  EXPECT_EQ(DecodeUtf8(bytes), chars);
}

}  // namespace
}  // namespace umrido
