// The real web browser: the desktop's handler for web addresses, through Qt.
#pragma once

#include "platform/web_browser.h"

namespace quorvane::platform {

class QtWebBrowser : public WebBrowser {
public:
    void Open(const std::string& address) override;
};

}  // namespace quorvane::platform
