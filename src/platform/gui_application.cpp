#include "platform/gui_application.h"

#include <QApplication>
#include <QFont>

namespace quorvane::platform {

void UseMetricStandIns() {
#ifndef _WIN32
    // The program asks for Windows fonts by name; elsewhere fonts with the same widths stand in,
    // so that texts fit the fixed sizes of the controls.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Segoe UI"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
#endif
}

GuiApplication::GuiApplication(int& argc, char** argv) {
    UseMetricStandIns();
    if (!QApplication::instance()) {
        owned_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Quorvane"));
        // The program itself decides when to end: closing its last window must not quit Qt.
        QApplication::setQuitOnLastWindowClosed(false);
    }
}

GuiApplication::~GuiApplication() = default;

}  // namespace quorvane::platform
