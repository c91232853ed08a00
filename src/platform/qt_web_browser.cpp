#include "platform/qt_web_browser.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace quorvane::platform {

void QtWebBrowser::Open(const std::string& address) {
    // Qt starts the handler (xdg-open, or the shell on Windows) detached; a failure to start
    // it leaves nothing for the program to do, so the result is not looked at.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
}

}  // namespace quorvane::platform
