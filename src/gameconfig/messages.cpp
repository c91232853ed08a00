#include "gameconfig/messages.h"

#include <string>

namespace quorvane::gameconfig {

using platform::MessageBox;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

MessageBox WriteError(const std::string& text, int slot) {
    return {"Error", text + std::to_string(slot), MessageIcon::None, MessageButtons::Ok};
}

}  // namespace

MessageBox ConfigUnreadableMessage(int slot) {
    return {"Warning",
            "Unable to open the configuration file.\nIf you save, you may break your configuration "
            "files.\n\nError code: QZ04-" +
                std::to_string(slot),
            MessageIcon::Exclamation, MessageButtons::Ok};
}

MessageBox WorkFileUnwritableMessage(int slot) {
    return WriteError("Unable to write the file. Changes can't be saved.\nError code: QZ05B-",
                      slot);
}

MessageBox DestinationUnwritableMessage(int slot) {
    return WriteError("Unable to overwrite the file. Changes can't be saved.\nError code: QZ06-",
                      slot);
}

MessageBox SourceUnreadableMessage(int slot) {
    return WriteError("Unable to save.\nError code: QZ08-", slot);
}

}  // namespace quorvane::gameconfig
