#include "platform/services.h"

#include <chrono>
#include <cstdlib>

namespace quorvane::platform {

std::uint32_t SystemClock::TickMs() {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

SystemRandom::SystemRandom() : engine_(std::random_device{}()) {}

int SystemRandom::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

std::string SystemEnvironment::Get(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::string(value) : std::string();
}

}  // namespace quorvane::platform
