// The real process start, through Qt.
#pragma once

#include "platform/processes.h"

namespace quorvane::platform {

class QtProcessStarter : public ProcessStarter {
public:
    void Start(const ProcessStart& start) override;
};

}  // namespace quorvane::platform
