// The program's look: page colour, fonts, and the buttons and displays of its pages.
#include "platform/look.h"

#include <QFontMetrics>

namespace tarvo::look {

QColor pageColour() { return QColor(132, 132, 132); }

void installFontSubstitutes() {
  // A family is looked for before its substitutes, so where the named fonts are installed they
  // are used; asking the font database whether they are would load it before the window shows.
  QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                             {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

QFont captionFont() {
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

QFont largeButtonFont() {
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPointSizeF(15.75);
  font.setBold(true);
  return font;
}

QFont statusFont() {
  QFont font = captionFont();
  font.setPointSizeF(8.25);
  return font;
}

QFont textBoxFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setPointSizeF(9.75);
  return font;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip,
                        QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFocusPolicy(Qt::TabFocus);
  button->setGeometry(geometry);
  button->setFont(captionFont());
  if (!toolTip.isEmpty()) button->setToolTip(toolTip);
  if (geometry.width() < 48) button->setStyleSheet(QStringLiteral("padding: 0px;"));
  return button;
}

QPushButton* makeDisplay(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  QPushButton* display = makeButton(parent, name, caption, QString(), geometry);
  display->setFocusPolicy(Qt::NoFocus);
  return display;
}

QString shownText(std::string_view text, int most) {
  // A character takes at most four bytes of UTF-8.
  const std::size_t bytes = std::min(text.size(), static_cast<std::size_t>(most) * 4);
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes));
  bool cut = bytes < text.size();
  if (shown.size() > most) {
    shown.truncate(most);
    if (shown.back().isHighSurrogate()) shown.chop(1);
    cut = true;
  }
  // A sequence the byte bound split decodes as a replacement character.
  if (cut && !shown.isEmpty() && shown.back() == QChar::ReplacementCharacter) shown.chop(1);
  return cut ? shown + QStringLiteral("\u2026") : shown;
}

void setElidedCaption(QPushButton* button, const QString& prefix, std::string_view text) {
  // No button shows more than a few dozen characters.
  const QString caption = prefix + shownText(text, kShownInList);
  const int room = button->width() - 12;
  // A button takes "&" for the mark of a keyboard shortcut: doubled, it shows as it stands.
  QString shown = QFontMetrics(button->font()).elidedText(caption, Qt::ElideRight, room);
  button->setText(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

}  // namespace tarvo::look
