#include <iostream>
#include <string>
#include <vector>

#include "install/install_helper.h"
#include "platform/services.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    quorvane::platform::SystemEnvironment environment;
    return quorvane::install::RunInstallHelper(args, environment, std::cout, std::cerr);
}
