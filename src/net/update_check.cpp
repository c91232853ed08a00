#include "net/update_check.h"

#include "net/network_start.h"
#include "net/replies.h"
#include "net/server_addresses.h"

namespace quorvane::net {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

platform::MessageBox UpToDateMessage() {
    return {"Check for updates", "You already have the latest version.", MessageIcon::Information,
            MessageButtons::Ok, MessageAnswer::Ok};
}

platform::MessageBox UpdateAvailableMessage() {
    return {"Update available", "An update is available.\nGo to Tessmoor?",
            MessageIcon::Information, MessageButtons::YesNo, MessageAnswer::Yes};
}

void CheckForUpdates(shell::Program& program) {
    auto& services = program.services;
    // Without a network the request cannot go out; the check then ends as with no reply.
    StartNetwork(program);
    if (program.state.networkReady != 1) return;

    const std::string reply = services.network.Head(
        UpdateCheckAddress(ReportServerBase(services.environment), program.state.programVersion));
    const auto newest = UpdateHeaderValue(reply);
    if (!newest) return;
    if (*newest == 1) {
        services.dialogs.ShowMessage(UpToDateMessage());
    } else if (services.dialogs.ShowMessage(UpdateAvailableMessage()) == MessageAnswer::Yes) {
        services.browser.Open(DownloadPage(services.environment));
    }
}

}  // namespace quorvane::net
