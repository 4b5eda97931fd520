// Handing a document (a web page, a new mail) to the desktop, and telling the user when the
// desktop refuses it.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "about/shell_rules.h"

namespace tarvo {

// The desktop's open-document service. It answers with a shell number (above 32: opened),
// possibly later: the window never waits for it.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void open(const ShellCall& call, std::function<void(std::int64_t shellNumber)> answer) = 0;
};

// On Linux: xdg-open, started without waiting. Its exit status within two seconds is mapped
// onto the shell numbers: it could not be started, 31; exit 0, opened; 1 (bad arguments), 1;
// 2 (no such file), 2; 3 (no tool for this kind of target), 31; 4 (the action failed), 27.
// Outside a full desktop xdg-open waits for the program it opened, so one still running after
// two seconds has opened the document: it is left to run, and its end is collected quietly.
class XdgDesktop : public Desktop {
 public:
  void open(const ShellCall& call, std::function<void(std::int64_t shellNumber)> answer) override;
};

// Asks the desktop to open `target`. A refusal shows a box with the error icon, the program's
// title as caption and "Erreur n" CR LF and the message, over `owner` while it exists, else
// over `fallback` (the main window). `operation` comes back as the desktop left it.
void ShellOpen(Desktop& desktop, const QString& target, int showMode, const QString& parameters,
               const QString& directory, QString& operation, QWidget* owner, QWidget* fallback);

}  // namespace tarvo
