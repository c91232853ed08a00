#include "platform/gui_application.h"

#include <QApplication>

namespace quorvane::platform {

GuiApplication::GuiApplication(int& argc, char** argv) {
    if (!QApplication::instance()) {
        owned_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Quorvane"));
        // The program itself decides when to end: closing its last window must not quit Qt.
        QApplication::setQuitOnLastWindowClosed(false);
    }
}

GuiApplication::~GuiApplication() = default;

}  // namespace quorvane::platform
