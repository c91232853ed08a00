// Opening a web address in the user's default browser, behind an interface so tests can see
// which page would have opened.
#pragma once

#include <string>
#include <vector>

namespace quorvane::platform {

class WebBrowser {
public:
    virtual ~WebBrowser() = default;
    // Hands the address to the desktop's handler and returns without waiting for the browser.
    virtual void Open(const std::string& address) = 0;
};

// Test stand-in: records every address instead of opening it.
class RecordingWebBrowser : public WebBrowser {
public:
    void Open(const std::string& address) override { opened.push_back(address); }
    std::vector<std::string> opened;
};

}  // namespace quorvane::platform
