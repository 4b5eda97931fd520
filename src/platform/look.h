// The program's look: page colour, fonts, and the buttons and displays of its pages.
#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

#include <string_view>

namespace tarvo::look {

QColor pageColour();

// Maps the named fonts onto close free ones when the system lacks them.
void installFontSubstitutes();

QFont captionFont();      // buttons and displays
QFont largeButtonFont();  // the help page's room buttons and the import and export arrows
QFont textBoxFont();      // the room text box
QFont statusFont();       // the status lines of the pages and the help tree

// A button at a fixed place, named `name` for the tests; narrow ones drop their padding so the
// caption is never cut. It takes the keyboard focus only from Tab, never from a click, so a
// Space or Enter meant for play never presses the button last clicked.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip,
                        QRect geometry);

// A button used only to show a value: it takes no focus and does nothing when clicked.
QPushButton* makeDisplay(QWidget* parent, const char* name, const QString& caption, QRect geometry);

// Texts from files (titles, names) may be megabytes long: no list or caption lays out more than
// this many characters of one, and a tooltip shows at most kLongestShownText of it.
inline constexpr int kShownInList = 200;
inline constexpr int kLongestShownText = 1000;

// The start of the UTF-8 `text`, at most `most` characters, ending in "…" when cut; only the
// bytes those characters can take are decoded.
QString shownText(std::string_view text, int most);

// Sets `prefix` followed by the UTF-8 `text` as the caption, eliding its end with "…" when it
// does not fit the button; only a bounded start of a huge text is ever laid out. The text is
// shown as it stands: an "&" in it is no keyboard shortcut.
void setElidedCaption(QPushButton* button, const QString& prefix, std::string_view text);

}  // namespace tarvo::look
