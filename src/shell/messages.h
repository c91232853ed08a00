// The message boxes of start-up, word for word as the user sees them.
#pragma once

#include "platform/dialogs.h"

namespace quorvane::shell {

platform::MessageBox ReadOnlyModeMessage();            // QZ03
platform::MessageBox CategoryIndexMissingMessage();    // QZ01
platform::MessageBox CategoryFileUnreadableMessage();  // QZ02

}  // namespace quorvane::shell
