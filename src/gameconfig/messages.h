// The message boxes of reading and writing the game's INI files, word for word. Each text ends
// with the slot number of the file concerned.
#pragma once

#include "platform/dialogs.h"

namespace quorvane::gameconfig {

platform::MessageBox ConfigUnreadableMessage(int slot);       // QZ04: reading slot 1 or 2
platform::MessageBox WorkFileUnwritableMessage(int slot);     // QZ05B
platform::MessageBox DestinationUnwritableMessage(int slot);  // QZ06
platform::MessageBox SourceUnreadableMessage(int slot);       // QZ08: writing

}  // namespace quorvane::gameconfig
