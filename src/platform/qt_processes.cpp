#include "platform/qt_processes.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace quorvane::platform {

namespace {

QString FromNative(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

}  // namespace

void QtProcessStarter::Start(const ProcessStart& start) {
    QStringList arguments;
    for (const std::string& argument : start.arguments) arguments << QString::fromLocal8Bit(argument);
    // Detached: the started program outlives this one and is never waited for. A program that
    // cannot be started (missing, not executable, Wine not installed) leaves nothing to do.
    QProcess::startDetached(FromNative(start.program), arguments, FromNative(start.workingFolder));
}

}  // namespace quorvane::platform
