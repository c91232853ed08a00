// Whole-window figures for the main window, each against a baseline measured in the same run:
//   quorvane_ui_bench [seconds of idle measurement, default 10]
// - idle CPU of the event loop next to a plain 1 ms poll;
// - start-up to the first laid-out main window next to a bare Qt program with one empty window
//   (wall time and peak memory of child processes);
// - one relayout, and decoding and smoothly scaling a 1920x1080 JPEG for a 413x232 picture.
#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/gui_application.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/toolkit.h"
#include "platform/web_browser.h"
#include "shell/event_loop.h"
#include "shell/startup.h"
#include "ui/layout.h"
#include "ui/main_window.h"

namespace fs = std::filesystem;
using namespace quorvane;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

// A working folder with the shipped catalogue, its pictures and the demo game files, set up
// so that the program starts normally (no first run).
fs::path PrepareFolder() {
    fs::path folder = fs::temp_directory_path() / ("quorvane-bench-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path source = QUORVANE_SOURCE_DIR;
    fs::copy(source / "demo", folder, fs::copy_options::recursive);
    fs::copy(source / "data/Data", folder / "Data", fs::copy_options::recursive);
    fs::copy(fs::path(QUORVANE_PICTURES_DIR), folder / "Data",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    std::ofstream(folder / "QRZprefs.ini", std::ios::binary)
        << "Width = 800\r\nHeight = 600\r\nUseFontName = Segoe UI\r\nUseFontSize = 10\r\n"
           "Config1 = Profile\\Documents\\My Games\\FalloutNV\\Fallout.ini\r\n"
           "Config2 = Profile\\Documents\\My Games\\FalloutNV\\FalloutPrefs.ini\r\n"
           "Config3 = Game\\Fallout New Vegas\\Fallout_default.ini\r\nGamePath = \r\n"
           "BP_Save = 0\r\nBP_Exit = 0\r\nTip1Given = 0\r\nID = 1\r\n";
    return folder;
}

struct Run {
    platform::ScriptedDialogs dialogs;
    platform::SystemClock clock;
    platform::SystemRandom random;
    platform::SystemEnvironment environment;
    platform::RecordingNetwork network;
    platform::RecordingWebBrowser browser;
    platform::RecordingProcessStarter processes;
    platform::Toolkit toolkit;
    shell::Program program;

    explicit Run(const fs::path& folder)
        : program(shell::Services{dialogs, clock, random, environment, network, browser, processes}, folder) {}
};

// Runs the program's own loop for `seconds` while nobody touches the window.
double IdleLoopCpu(shell::Program& program, shell::Windows& windows, double seconds) {
    for (int i = 0; i < 20; ++i) {  // settle: first layout and the smooth picture
        windows.main.toolkit.PostEvent({platform::EventKind::Other});
        shell::EventLoopPass(program, windows);
        ::usleep(10000);
    }
    bool stop = false;
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
        stop = true;
        windows.main.toolkit.PostEvent({platform::EventKind::Other});
    });
    const double before = CpuSeconds();
    while (!stop) shell::EventLoopPass(program, windows);
    return CpuSeconds() - before;
}

// The same window polled every millisecond, with the per-pass work of size and mouse tracking.
double PollingCpu(ui::MainWindow& main, double seconds) {
    const double before = CpuSeconds();
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        main.toolkit.WaitEvent(1);
        const platform::Size client = main.toolkit.ClientSize(main.window);
        main.measures = ui::MeasureLayout(client.width, client.height);
        ui::UpdatePlayHover(main, main.toolkit.MousePosition(main.window));
    }
    return CpuSeconds() - before;
}

void MeasureWindowWork(shell::Program& program, shell::Windows& windows, double idleSeconds) {
    ui::MainWindow& main = windows.main;
    const double loop = IdleLoopCpu(program, windows, idleSeconds);
    const double poll = PollingCpu(main, idleSeconds);
    std::printf("idle CPU over %.0f s: event loop %.3f%% of a core, 1 ms poll %.3f%% (ratio %.3f)\n",
                idleSeconds, 100 * loop / idleSeconds, 100 * poll / idleSeconds, poll > 0 ? loop / poll : 0.0);

    // One relayout, alternating between two sizes so that every call moves every control.
    const int rounds = 400;
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        main.measures = ui::MeasureLayout(i % 2 ? 1200 : 1192, i % 2 ? 800 : 792);
        ui::RelayoutMainWindow(program, main);
    }
    std::printf("relayout: %.3f ms each\n", Ms(Clock::now() - start) / rounds);
}

void MeasurePicture() {
    QImage big(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(big.scanLine(y));
        for (int x = 0; x < big.width(); ++x) line[x] = qRgb(x % 256, y % 256, (x * y) % 256);
    }
    const fs::path file = fs::temp_directory_path() / ("quorvane-bench-" + std::to_string(::getpid()) + ".jpg");
    big.save(QString::fromStdString(file.string()), "JPG", 90);
    const int rounds = 20;
    auto timed = [&](auto&& work) {
        const auto start = Clock::now();
        for (int i = 0; i < rounds; ++i) work();
        return Ms(Clock::now() - start) / rounds;
    };
    platform::Picture reduced;
    const double fullDecode = timed([&] { platform::LoadPicture(file, {0, 0}); });
    const double scaledDecode = timed([&] { reduced = platform::LoadPicture(file, ui::kLargestPictureSize); });
    const double smooth = timed([&] { platform::ScalePicture(reduced, 413, 232, platform::Scaling::Smooth); });
    const double fast = timed([&] { platform::ScalePicture(reduced, 413, 232, platform::Scaling::Fast); });
    std::printf("1920x1080 JPEG: full decode %.2f ms, DCT-reduced decode (%dx%d) %.2f ms (ratio %.2f)\n",
                fullDecode, reduced.Width(), reduced.Height(), scaledDecode, scaledDecode / fullDecode);
    std::printf("scaling to 413x232: smooth %.2f ms, fast %.2f ms\n", smooth, fast);
    fs::remove(file);
}

// Starts this program again in probe mode and returns the wall time and peak memory.
struct ChildFigures {
    double ms = 0;
    long maxRssKb = 0;
};

ChildFigures RunChild(const char* self, const std::vector<std::string>& args) {
    const auto start = Clock::now();
    pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(self)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(self, argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return {Ms(Clock::now() - start), usage.ru_maxrss};
}

void MeasureStartUp(const char* self, const fs::path& folder) {
    const int rounds = 10;
    ChildFigures program, bare;
    for (int i = 0; i < rounds; ++i) {  // interleaved, so that machine noise hits both alike
        ChildFigures p = RunChild(self, {"--probe-program", folder.string()});
        ChildFigures b = RunChild(self, {"--probe-bare"});
        program.ms += p.ms / rounds;
        bare.ms += b.ms / rounds;
        program.maxRssKb = std::max(program.maxRssKb, p.maxRssKb);
        bare.maxRssKb = std::max(bare.maxRssKb, b.maxRssKb);
    }
    std::printf("start-up to the first laid-out window: %.1f ms, bare Qt window %.1f ms (ratio %.2f)\n",
                program.ms, bare.ms, program.ms / bare.ms);
    std::printf("peak memory: %ld KiB, bare Qt window %ld KiB (ratio %.2f)\n", program.maxRssKb, bare.maxRssKb,
                static_cast<double>(program.maxRssKb) / static_cast<double>(bare.maxRssKb));
}

int ProbeProgram(int argc, char** argv, const fs::path& folder) {
    platform::GuiApplication application(argc, argv);
    Run run(folder);
    return shell::RunProgram(run.program, run.toolkit, [&](shell::Windows& windows) {
        windows.main.toolkit.PostEvent({platform::EventKind::Other});
        shell::EventLoopPass(run.program, windows);  // the first pass lays the window out
        QCoreApplication::processEvents();
        std::_Exit(0);
    });
}

int ProbeBare(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    std::_Exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::string(argv[1]) == "--probe-program") return ProbeProgram(argc, argv, argv[2]);
    if (argc >= 2 && std::string(argv[1]) == "--probe-bare") return ProbeBare(argc, argv);
    const double idleSeconds = argc >= 2 ? std::atof(argv[1]) : 10.0;

    const fs::path folder = PrepareFolder();
    MeasureStartUp(argv[0], folder);
    {
        platform::GuiApplication application(argc, argv);
        Run run(folder);
        shell::RunProgram(run.program, run.toolkit, [&](shell::Windows& windows) {
            MeasureWindowWork(run.program, windows, idleSeconds);
            MeasurePicture();
            windows.main.toolkit.PostEvent({platform::EventKind::Close, windows.main.window});
        });
    }
    fs::remove_all(folder);
    return 0;
}
