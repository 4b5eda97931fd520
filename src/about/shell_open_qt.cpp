// Handing a document (a web page, a new mail) to the desktop, and telling the user when the
// desktop refuses it.
#include "about/shell_open_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <memory>

#include "platform/message_box.h"

namespace tarvo {

namespace {

constexpr int kOpenerPatienceMs = 2000;

}  // namespace

void XdgDesktop::open(const ShellCall& call, std::function<void(std::int64_t)> answer) {
  auto* opener = new QProcess(qApp);
  // One answer only: from the start failure, the exit, or the patience running out.
  auto answered = std::make_shared<bool>(false);
  auto give = [answered, answer](std::int64_t number) {
    if (*answered) return;
    *answered = true;
    answer(number);
  };
  QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, give](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    give(kShellNoOpener);
    opener->deleteLater();
  });
  QObject::connect(opener, &QProcess::finished, opener, [opener, give](int status, QProcess::ExitStatus how) {
    give(how == QProcess::NormalExit ? shellNumberOfOpenerExit(status) : 1);
    opener->deleteLater();
  });
  QTimer::singleShot(kOpenerPatienceMs, opener, [give] { give(kShellOpened); });
  QStringList arguments{QString::fromStdString(call.target)};
  if (!call.parameters.empty()) arguments << QString::fromStdString(call.parameters);
  opener->setWorkingDirectory(QString::fromStdString(call.directory));
  opener->setProcessChannelMode(QProcess::ForwardedChannels);
  opener->start(QStringLiteral("xdg-open"), arguments);
}

void ShellOpen(Desktop& desktop, const QString& target, int showMode, const QString& parameters,
               const QString& directory, QString& operation, QWidget* owner, QWidget* fallback) {
  const ShellCall call = shellCall(target.toStdString(), showMode, parameters.toStdString(), directory.toStdString(),
                                   operation.toStdString());
  QPointer<QWidget> over(owner);
  QPointer<QWidget> main(fallback);
  desktop.open(call, [over, main](std::int64_t number) {
    const std::optional<ShellFailure> failure = shellFailure(number);
    if (!failure) return;
    QWidget* parent = over ? over.data() : main.data();
    QMessageBox* box = makeMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                      QString::fromStdString(shellFailureText(*failure)), parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
  });
}

}  // namespace tarvo
