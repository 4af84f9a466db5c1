#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

namespace umrido::ui {

std::optional<std::string> QtClipboard::ReadText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return std::nullopt;
  const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
  // Pictures, files and other non-text contents count as "no text", exactly
  // like an empty clipboard.
  if (data == nullptr || !data->hasText()) return std::string();
  return clipboard->text(QClipboard::Clipboard).toStdString();
}

bool QtClipboard::WriteText(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QClipboard::Clipboard);
  return true;
}

}  // namespace umrido::ui
