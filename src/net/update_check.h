// "Check for updates": asks the report server whether this version is the newest and offers
// the download page when it is not.
#pragma once

#include "platform/dialogs.h"
#include "shell/program.h"

namespace quorvane::net {

platform::MessageBox UpToDateMessage();
platform::MessageBox UpdateAvailableMessage();

// Sends the program's version to the report server and shows what the reply says. Any failure
// (no network, no reply, a reply without the answer) shows nothing.
void CheckForUpdates(shell::Program& program);

}  // namespace quorvane::net
