#include "text_field.h"

#include <algorithm>

namespace umrido {

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      extra = 3;
    } else {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size() && extra > 0) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    out += cp;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char32_t c : s) out += EncodeUtf8(c);
  return out;
}

TextField::TextField(std::string text, int maxLength) : text_(std::move(text)), maxLength_(maxLength) {}

int TextField::Length() const { return static_cast<int>(DecodeUtf8(text_).size()); }

std::string TextField::SelectedText() const {
  const std::u32string t = DecodeUtf8(text_);
  return EncodeUtf8(t.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_)));
}

void TextField::SetSelection(int start, int length) {
  const int len = Length();
  selStart_ = std::clamp(start, 0, len);
  selLength_ = std::clamp(length, 0, len - selStart_);
}

void TextField::Focus(bool selectAll) {
  focused_ = true;
  if (selectAll) SelectAll();
}

bool TextField::SetText(std::string text) {
  if (text == text_) return false;
  text_ = std::move(text);
  CaretToEnd();
  return true;
}

bool TextField::ReplaceSelection(const std::u32string& with) {
  std::u32string t = DecodeUtf8(text_);
  const std::size_t start = static_cast<std::size_t>(selStart_);
  t.replace(start, static_cast<std::size_t>(selLength_), with);
  std::string next = EncodeUtf8(t);
  const bool changed = next != text_;
  text_ = std::move(next);
  selStart_ = static_cast<int>(start + with.size());
  selLength_ = 0;
  return changed;
}

bool TextField::TypeCharacter(char32_t c) {
  if (c == kBackspace) {
    if (selLength_ == 0) {
      if (selStart_ == 0) return false;
      SetSelection(selStart_ - 1, 1);
    }
    return ReplaceSelection(std::u32string());
  }
  if (Length() - selLength_ + 1 > maxLength_) return false;
  return ReplaceSelection(std::u32string(1, c));
}

bool TextField::DeleteForward() {
  if (selLength_ == 0) {
    if (selStart_ >= Length()) return false;
    SetSelection(selStart_, 1);
  }
  return ReplaceSelection(std::u32string());
}

bool TextField::Paste(std::string_view clip) {
  std::u32string in = DecodeUtf8(clip);
  const std::size_t lineBreak = in.find_first_of(U"\r\n");
  if (lineBreak != std::u32string::npos) in.resize(lineBreak);
  const int room = std::max(0, maxLength_ - (Length() - selLength_));
  if (static_cast<int>(in.size()) > room) in.resize(static_cast<std::size_t>(room));
  return ReplaceSelection(in);
}

}  // namespace umrido
