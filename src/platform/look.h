// The program's look: page colour, fonts, and the buttons and displays of its pages.
#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace tarvo::look {

QColor pageColour();

// Maps the named fonts onto close free ones when the system lacks them.
void installFontSubstitutes();

QFont captionFont();  // buttons and displays
QFont textBoxFont();  // the room text box

// A button at a fixed place; narrow ones drop their padding so the caption is never cut.
QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& toolTip, QRect geometry);

// A button used only to show a value: it takes no focus and does nothing when clicked.
QPushButton* makeDisplay(QWidget* parent, const QString& caption, QRect geometry);

// Sets a caption, eliding its end with "..." when it does not fit the button.
void setElidedCaption(QPushButton* button, const QString& caption);

}  // namespace tarvo::look
