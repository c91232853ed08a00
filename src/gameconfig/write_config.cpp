#include "gameconfig/write_config.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "catalogue/decimal.h"
#include "gameconfig/ini_line.h"
#include "gameconfig/key_index.h"
#include "gameconfig/messages.h"
#include "gameconfig/number_text.h"
#include "gameconfig/special_lines.h"
#include "platform/files.h"
#include "platform/work_files.h"

namespace quorvane::gameconfig {

using catalogue::Catalogue;
using catalogue::Setting;
using catalogue::SettingKind;
using catalogue::SettingRef;
namespace fs = std::filesystem;

namespace {

// Decimals of a float written back: as many as the old value had after its first "." (up to
// any further "."), at least 2, so that a hand-tuned 0.7200 stays 4 decimals long.
int DecimalsOf(std::string_view oldValue) {
    std::size_t count = 0;
    if (std::size_t point = oldValue.find('.'); point != std::string_view::npos) {
        std::string_view after = oldValue.substr(point + 1);
        count = std::min(after.find('.'), after.size());
    }
    return static_cast<int>(MaxFloat(static_cast<float>(count), 2.0f));
}

// A whole number as written. Beyond 2^24 a float no longer holds every integer: when the
// file's own digits stand for the value there, they are kept, so that a colour such as
// uHUDColor=4290134783 does not turn into 4290134784 although nobody changed it.
std::string WholeText(float value, std::string_view oldValue) {
    constexpr float kExactIntegers = 16777216.0f;  // 2^24
    if (std::fabs(value) > kExactIntegers && std::isfinite(value)) {
        const std::string_view text =
            oldValue.substr(std::min(oldValue.find_first_not_of(" \t"), oldValue.size()));
        const std::size_t sign = text.starts_with('-') ? 1 : 0;
        const std::string_view digits = text.substr(0, text.find_first_not_of("0123456789", sign));
        if (digits.size() > sign && catalogue::ReadDecimal(digits) == value)
            return std::string(digits);
    }
    return FormatWhole(value);
}

// The line for a setting whose key the old line names; kinds that are never written leave it.
std::string RewrittenLine(const Setting& setting, const std::string& oldLine) {
    const float value = setting.current;
    switch (setting.kind) {
        case SettingKind::OnOff:
            return setting.iniKey + "=" +
                   (value == 0 || value == 1 ? FormatWhole(value) : FormatFixed(value, 1));
        case SettingKind::Value:
        case SettingKind::Value2:
        case SettingKind::Ghost:
        case SettingKind::Resolution:
            return setting.iniKey + "=" + WholeText(value, LineValue(oldLine));
        case SettingKind::Float:
            return setting.iniKey + "=" + FormatFixed(value, DecimalsOf(LineValue(oldLine)));
        default:
            return oldLine;
    }
}

// The work folder: private to the user inside the system's temporary folder, or the program's
// Data folder when the system has none. Empty when neither can be had.
fs::path WorkFolder(const GameFiles& files) {
    const fs::path temp = platform::SystemTempFolder(files.environment);
    return temp.empty() ? files.Native("Data\\") : platform::PrivateWorkFolder(temp);
}

// Every line of the source once, rewritten where the catalogue knows its key; at least one
// line, so an empty source gives one empty line.
std::string RewriteLines(platform::LineReader& source, const Catalogue& catalogue,
                         SpecialLines& special) {
    const KeyIndex index(catalogue, KeyIndex::Purpose::Writing);
    std::string text;
    std::string line;
    bool any = false;
    while (source.Next(line) || !any) {
        any = true;
        for (SettingRef ref : index.Find(LineKey(line))) {
            const Setting& setting = catalogue.At(ref.category, ref.setting);
            line = RewrittenLine(setting, line);
            special.NoteKeyPresent(setting.iniKey);
        }
        if (!special.Drops(line)) platform::AppendCrLfLine(text, line);
    }
    return text;
}

}  // namespace

void WriteGameConfig(GameFiles files, int slot, std::string_view destination) {
    platform::Dialogs& dialogs = files.dialogs;
    const std::string& sourcePath = files.config[slot];
    SpecialLines special(files.catalogue);

    platform::LineReader source;
    if (!source.Open(files.Native(sourcePath))) {
        // A game set-up without Fallout_default.ini is normal: nothing to write, nothing to say.
        if (!(sourcePath.empty() && slot == 3)) dialogs.ShowMessage(SourceUnreadableMessage(slot));
        return;
    }
    std::string text = RewriteLines(source, files.catalogue, special);
    source.Close();

    const fs::path workFolder = WorkFolder(files);
    const fs::path workFile = workFolder / ("qrz" + std::to_string(slot) + ".txt");
    if (workFolder.empty() || !platform::WriteFreshFile(workFile, text)) {
        dialogs.ShowMessage(WorkFileUnwritableMessage(slot));
        return;
    }
    if (special.NeedsInsertion()) {
        text = special.Insert(text);
        // The second work file is a record of what was written, like the first; the content
        // is complete whether or not the record could be made.
        platform::WriteFreshFile(workFile.string() + ".tmp", text);
    }

    const fs::path target =
        files.Native(destination.empty() ? std::string_view(sourcePath) : destination);
    if (target.empty() ||
        !platform::ReplaceFileContent(target, text, platform::Attributes::MakeWritable)) {
        dialogs.ShowMessage(DestinationUnwritableMessage(slot));
    }
}

void WriteGameConfig(shell::Program& program, int slot, std::string_view destination) {
    WriteGameConfig(GameFiles::Of(program), slot, destination);
}

}  // namespace quorvane::gameconfig
