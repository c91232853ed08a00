// The outside world the program consults besides files: the tick clock, random numbers and
// environment variables. Each is an interface so that a test can freeze or script it.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>

namespace quorvane::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds of the system tick clock; wraps like a 32-bit counter.
    virtual std::uint32_t TickMs() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from low to high, both included.
    virtual int Between(int low, int high) = 0;
};

class Environment {
public:
    virtual ~Environment() = default;
    // The variable's value; "" when it is not set.
    virtual std::string Get(const std::string& name) = 0;
};

class SystemClock : public Clock {
public:
    std::uint32_t TickMs() override;
};

class SystemRandom : public RandomSource {
public:
    SystemRandom();
    int Between(int low, int high) override;

private:
    std::mt19937 engine_;
};

class SystemEnvironment : public Environment {
public:
    std::string Get(const std::string& name) override;
};

// Test stand-ins.
class ManualClock : public Clock {
public:
    std::uint32_t TickMs() override { return now; }
    std::uint32_t now = 0;
};

class FixedRandom : public RandomSource {
public:
    explicit FixedRandom(int value) : value(value) {}
    int Between(int low, int high) override { return value < low ? low : value > high ? high : value; }
    int value;
};

class MapEnvironment : public Environment {
public:
    std::string Get(const std::string& name) override {
        auto it = variables.find(name);
        return it == variables.end() ? std::string() : it->second;
    }
    std::map<std::string, std::string> variables;
};

}  // namespace quorvane::platform
