// A single-line text field as the user edits it: text, caret and selection,
// focus, and a length limit that applies to typing and pasting only (the
// program itself may write longer texts, such as failure messages).
//
// Positions and lengths count characters (Unicode code points), not bytes;
// the text itself is UTF-8. The window mirrors this model on screen.
#pragma once

#include <string>
#include <string_view>

namespace umrido {

// Backspace as a typed character.
inline constexpr char32_t kBackspace = 8;

class TextField {
 public:
  TextField(std::string text, int maxLength);

  const std::string& Text() const { return text_; }
  int Length() const;  // in characters
  int MaxLength() const { return maxLength_; }

  // The selection is [SelStart, SelStart + SelLength); with SelLength 0 it is
  // the caret. SelStart is also "the caret position" that keystroke records take.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  std::string SelectedText() const;

  // Clamps to the text; a negative length is treated as 0.
  void SetSelection(int start, int length);
  void SetCaret(int position) { SetSelection(position, 0); }
  void SelectAll() { SetSelection(0, Length()); }
  void CaretToEnd() { SetCaret(Length()); }

  bool HasFocus() const { return focused_; }
  // Gives the field the focus. `selectAll` is the platform's select-on-focus
  // when the focus arrives from another control (not by a click into it).
  void Focus(bool selectAll);
  void Blur() { focused_ = false; }

  // Program writes: no length limit. Returns whether the text changed; an equal
  // text is no change and leaves the selection alone. A changed text puts the
  // caret at its end.
  bool SetText(std::string text);

  // The platform's handling of one typed character at the selection: backspace
  // deletes the selection or the character before the caret; any other
  // character replaces the selection, unless that would exceed the limit
  // (then nothing happens). Returns whether the text changed.
  bool TypeCharacter(char32_t c);

  // The Delete key: removes the selection or the character after the caret.
  bool DeleteForward();

  // The platform's paste: `clip` up to its first line break replaces the
  // selection, cut so that the text stays within the limit. Returns whether the
  // text changed.
  bool Paste(std::string_view clip);

 private:
  bool ReplaceSelection(const std::u32string& with);

  std::string text_;
  int maxLength_;
  int selStart_ = 0;
  int selLength_ = 0;
  bool focused_ = false;
};

// UTF-8 helpers shared by the field models. Invalid bytes decode as U+FFFD.
std::u32string DecodeUtf8(std::string_view s);
std::string EncodeUtf8(std::u32string_view s);
std::string EncodeUtf8(char32_t c);

}  // namespace umrido
