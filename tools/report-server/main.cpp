// quorvane-report-server: hosts the update check and collects usage reports.
//   quorvane-report-server [--bind ADDRESS] [--port N] [--latest VERSION] [--log FILE]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "report-server/head_server.h"
#include "report-server/report_service.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: quorvane-report-server [--bind ADDRESS] [--port N] [--latest VERSION] "
                 "[--log FILE]\n"
                 "  defaults: --bind 127.0.0.1 --port 8080 --latest 1.60 --log reports.log\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvane::reportserver;
    std::string address = "127.0.0.1";
    long port = 8080;
    ReportServiceSettings settings;
    for (int i = 1; i < argc; i += 2) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[i + 1];
        if (option == "--bind") {
            address = value;
        } else if (option == "--port") {
            char* end = nullptr;
            port = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || port < 0 || port > 65535) return Usage();
        } else if (option == "--latest") {
            settings.latestVersion = value;
        } else if (option == "--log") {
            settings.logFile = value;
        } else {
            return Usage();
        }
    }
    try {
        ReportService service(settings);
        HeadServer server(
            address, static_cast<std::uint16_t>(port),
            [&service](const std::string& request) { return service.Reply(request); });
        std::printf("Serving http://%s:%u/qrz.php (latest version %s, log %s)\n", address.c_str(),
                    server.port(), settings.latestVersion.c_str(), settings.logFile.c_str());
        std::fflush(stdout);
        server.Serve();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvane-report-server: %s\n", error.what());
        return 1;
    }
    return 0;
}
