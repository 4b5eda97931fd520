// A plain text box that holds at most a given number of characters: a paste beyond it is cut.
#include "platform/bounded_text_box.h"

#include <QMimeData>
#include <QTextDocument>

#include <algorithm>

namespace tarvo {

BoundedTextBox::BoundedTextBox(qsizetype maxCharacters, QWidget* parent)
    : QPlainTextEdit(parent), maxCharacters_(maxCharacters) {}

void BoundedTextBox::insertFromMimeData(const QMimeData* source) {
  // Laying out a line of megabytes takes the box minutes; the text is cut before it gets in.
  QString text = source->text();
  const QTextCursor cursor = textCursor();
  // The document counts one character more than its text holds.
  const qsizetype held = document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
  const qsizetype room = std::max<qsizetype>(0, maxCharacters_ - held);
  if (text.size() <= room) {
    insertPlainText(text);
    return;
  }
  const qsizetype offered = text.size();
  qsizetype kept = room;
  if (kept > 0 && text.at(kept - 1).isHighSurrogate()) --kept;  // never half a character
  text.truncate(kept);
  insertPlainText(text);
  emit pasteCut(offered, kept);
}

}  // namespace tarvo
