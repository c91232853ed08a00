#include "net/replies.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quorvane::net {
namespace {

// A reply header with `header` as its third line.
std::string OnLineThree(const std::string& header) {
    return "HTTP/1.1 200 OK\r\nDate: Mon, 01 Jan 2024 00:00:00 GMT\r\n" + header +
           "\r\nContent-Length: 0\r\n\r\n";
}

// A reply header with `header` on line `line`, after filler lines.
std::string OnLine(int line, const std::string& header) {
    std::string reply = "HTTP/1.1 200 OK\r\n";
    for (int filler = 2; filler < line; ++filler)
        reply += "X-Filler: " + std::to_string(filler) + "\r\n";
    return reply + header + "\r\n\r\n";
}

TEST(UpdateHeader, ValueAndRecognition) {
    constexpr std::int32_t kNone = -999;
    struct Case {
        std::string reply;
        std::int32_t value;  // kNone: the header is not recognised
    };
    const Case cases[] = {
        {OnLineThree("QRZ-upd: 1"), 1},
        {OnLineThree("QRZ-upd: 0"), 0},
        {OnLineThree("QRZ-upd: 1.7"), 1},  // the number ends at the dot
        {OnLineThree("QRZ-upd:"), 0},      // no digits read as 0
        {OnLineThree("QRZ-upd: \t+1"), 1},
        {OnLineThree("QRZ-upd: -12abc"), -12},
        {OnLineThree("QRZ-upd: 1:0"), 1},  // the value ends at a second colon
        {OnLineThree("QRZ-upd:x1"), 0},
        {OnLineThree("QRZ-upd: 99999999999999999999"), std::numeric_limits<std::int32_t>::max()},
        {OnLineThree("qrz-upd: 1"), kNone},
        {OnLineThree("QRZ-upd : 1"), kNone},
        {OnLineThree(" QRZ-upd: 1"), kNone},
        {OnLineThree("QRZ-updated: 1"), kNone},
        {"HTTP/1.1 200 OK\nQRZ-upd: 1\n\n", 1},
        {"HTTP/1.1 200 OK\r\nQRZ-upd\n\n", 0},  // a name with no colon and no value
        {OnLine(10, "QRZ-upd: 1"), 1},
        {OnLine(11, "QRZ-upd: 1"), kNone},
        {OnLineThree("QRZ-upd: 0") + "QRZ-upd: 1\r\n", 0},  // the first one counts
        {"QRZ-upd: 1", 1},
        {"", kNone},
        // Lines break at line feeds only: a lone carriage return does not end a line.
        {"HTTP/1.1 200 OK\rQRZ-upd: 1\r\r", kNone},
    };
    for (const Case& c : cases) {
        auto value = UpdateHeaderValue(c.reply);
        EXPECT_EQ(value.value_or(kNone), c.value) << c.reply;
    }
}

TEST(ReportReply, AcceptedOnlyWhenTheStatusLineSays200Ok) {
    struct Case {
        const char* reply;
        bool accepted;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", true},
        {"HTTP/1.0 200 OK\r\n\r\n", true},
        {"HTTP/1.1 200 OK", true},
        {"HTTP/1.1 404 Not Found\r\n\r\n", false},
        {"HTTP/1.1 200 ok\r\n\r\n", false},
        {"HTTP/1.1 500 Error\r\nX-Note: 200 OK\r\n\r\n", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ReportAccepted(c.reply), c.accepted) << c.reply;
}

}  // namespace
}  // namespace quorvane::net
