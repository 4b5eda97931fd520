// The name prompt of a new record.
#include "window/name_prompt.h"

#include <QBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>

#include <string>

#include "house/cp1252.h"
#include "platform/message_box.h"

namespace tarvo {

namespace {

// The house file's code page holds the character: it comes back from the round trip.
bool fitsHouseFile(const QString& character) {
  const std::string utf8 = character.toStdString();
  std::string bytes;
  appendUtf8AsCp1252(bytes, utf8);
  return cp1252ToUtf8(bytes) == utf8;
}

// The text without the characters a house file cannot hold, which go to `leftOut`; the cursor
// keeps its place among the characters kept.
QString keptText(const QString& text, int& cursor, QString& leftOut) {
  QString kept;
  int keptCursor = 0;
  for (qsizetype at = 0; at < text.size();) {
    const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(at, length);
    if (fitsHouseFile(character)) {
      kept += character;
      if (at < cursor) keptCursor += static_cast<int>(length);
    } else if (!leftOut.contains(character)) {
      leftOut += character;
    }
    at += length;
  }
  cursor = keptCursor;
  return kept;
}

}  // namespace

std::optional<QString> askRecordName(QWidget* parent) {
  QInputDialog prompt(parent);
  prompt.setWindowTitle(QStringLiteral("It's a new record"));
  prompt.setLabelText(QStringLiteral("Enter Your Name"));
  fitTitle(prompt);
  auto* field = prompt.findChild<QLineEdit*>();
  auto* note = new QLabel(&prompt);
  note->setObjectName(QStringLiteral("nameNote"));
  note->setTextFormat(Qt::PlainText);
  note->hide();
  // Under the field, above the buttons.
  if (auto* column = qobject_cast<QBoxLayout*>(prompt.layout())) column->insertWidget(2, note);
  QObject::connect(field, &QLineEdit::textEdited, note, [field, note](const QString& text) {
    int cursor = field->cursorPosition();
    QString leftOut;
    const QString kept = keptText(text, cursor, leftOut);
    if (leftOut.isEmpty()) return;
    field->setText(kept);
    field->setCursorPosition(cursor);
    constexpr qsizetype kShown = 8;
    const QString shown = leftOut.size() > kShown ? leftOut.left(kShown) + QStringLiteral("\u2026") : leftOut;
    note->setText(QStringLiteral("Left out: %1 (a house file cannot hold it)").arg(shown));
    note->show();
  });
  if (prompt.exec() != QDialog::Accepted) return std::nullopt;
  return prompt.textValue();
}

}  // namespace tarvo
