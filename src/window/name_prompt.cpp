// The name prompt of a new record.
#include "window/name_prompt.h"

#include <QBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/message_box.h"
#include "platform/zoom.h"
#include "rules/cp1252.h"

namespace tarvo {

namespace {

// The house file's code page holds the character: it comes back from the round trip.
bool fitsHouseFile(const QString& character) { return isHoldableCharacter(character.toStdString()); }

// Takes out of every edit the characters a house file cannot hold, keeping the cursor in its
// place among the others, and remembers them until the field has shown the edit.
class HouseFileCharacters : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& cursor) const override {
    QString kept;
    int keptCursor = 0;
    // A character taken out between two spaces would leave them side by side: the second goes.
    bool outAfterSpace = false;
    for (qsizetype at = 0; at < input.size();) {
      const qsizetype length = input.at(at).isHighSurrogate() && at + 1 < input.size() ? 2 : 1;
      const QString character = input.mid(at, length);
      if (!fitsHouseFile(character)) {
        if (!leftOut_.contains(character)) leftOut_ += character;
        outAfterSpace = outAfterSpace || kept.endsWith(QLatin1Char(' '));
      } else if (!(outAfterSpace && character == QLatin1String(" "))) {
        kept += character;
        if (at < cursor) keptCursor += static_cast<int>(length);
        outAfterSpace = false;
      }
      at += length;
    }
    input = kept;
    cursor = keptCursor;
    return Acceptable;
  }

  // The characters left out since the last call.
  QString takeLeftOut() { return std::exchange(leftOut_, QString()); }

 private:
  mutable QString leftOut_;
};

}  // namespace

std::optional<QString> askRecordName(QWidget* parent) {
  QInputDialog prompt(parent);
  prompt.setWindowTitle(QStringLiteral("It's a new record"));
  prompt.setLabelText(QStringLiteral("Enter Your Name"));
  fitTitle(prompt);
  zoom::follow(&prompt);
  auto* field = prompt.findChild<QLineEdit*>();
  auto* note = new QLabel(&prompt);
  note->setObjectName(QStringLiteral("nameNote"));
  note->setTextFormat(Qt::PlainText);
  note->hide();
  // Under the field, above the buttons.
  if (auto* column = qobject_cast<QBoxLayout*>(prompt.layout())) column->insertWidget(2, note);
  auto* characters = new HouseFileCharacters(field);
  field->setValidator(characters);
  QObject::connect(field, &QLineEdit::textEdited, note, [characters, note] {
    const QString leftOut = characters->takeLeftOut();
    if (leftOut.isEmpty()) return;
    // A long paste may leave out many: the first few say enough.
    constexpr qsizetype kShown = 8;
    const QList<uint> points = leftOut.toUcs4();
    QString shown =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), std::min(points.size(), kShown));
    if (points.size() > kShown) shown += QStringLiteral("\u2026");
    note->setText(QStringLiteral("Left out: %1 (a house file cannot hold %2)")
                      .arg(shown, points.size() == 1 ? QStringLiteral("it") : QStringLiteral("them")));
    note->show();
  });
  if (prompt.exec() != QDialog::Accepted) return std::nullopt;
  return prompt.textValue();
}

}  // namespace tarvo
