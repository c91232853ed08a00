// Sets up and releases the Qt application for one run of the program.
#pragma once

#include <memory>

class QApplication;

namespace quorvane::platform {

// Maps the Windows fonts the program names to installed fonts of the same widths.
void UseMetricStandIns();

class GuiApplication {
public:
    // Uses the existing application object when there is one (tests start several runs in one
    // process); creates it otherwise.
    GuiApplication(int& argc, char** argv);
    ~GuiApplication();
    GuiApplication(const GuiApplication&) = delete;
    GuiApplication& operator=(const GuiApplication&) = delete;

private:
    std::unique_ptr<QApplication> owned_;
};

}  // namespace quorvane::platform
