// Starting another program, behind an interface so tests can see which program would have
// started, with which arguments and in which working folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::platform {

// Which rules the system the program runs on follows: Windows starts a Windows executable by
// itself; elsewhere one needs Wine or Proton.
enum class HostSystem { Windows, Posix };
#ifdef _WIN32
inline constexpr HostSystem kHostSystem = HostSystem::Windows;
#else
inline constexpr HostSystem kHostSystem = HostSystem::Posix;
#endif

struct ProcessStart {
    std::filesystem::path program;       // a native path, or a name looked up in PATH
    std::vector<std::string> arguments;  // 8-bit text in the local encoding
    std::filesystem::path workingFolder;

    bool operator==(const ProcessStart&) const = default;
};

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts the program detached and returns at once. Whether it started is not reported:
    // nothing in the program waits for it or depends on it.
    virtual void Start(const ProcessStart& start) = 0;
};

// Test stand-in: records every start instead of starting anything.
class RecordingProcessStarter : public ProcessStarter {
public:
    void Start(const ProcessStart& start) override { started.push_back(start); }
    std::vector<ProcessStart> started;
};

}  // namespace quorvane::platform
