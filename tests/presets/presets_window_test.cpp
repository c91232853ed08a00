#include "presets/presets_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "presets/messages.h"
#include "presets/preset_names.h"
#include "presets/preset_store.h"
#include "support/fake_run.h"
#include "support/test_folder.h"
#include "ui/settings_list.h"

namespace quorvane::presets {
namespace {

namespace fs = std::filesystem;
using platform::Event;
using platform::EventKind;
using platform::EventType;
using platform::MessageAnswer;
using platform::MessageBox;
using platform::Rect;
using testing::FakeRun;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

const char kFallout[] = "[General]\r\niLevel=1\r\n";

// An installation that has been started before: one category and the three game files.
void WriteInstallation(const TestFolder& folder) {
    WriteBytes(folder / "Data/Categories.ini", "Display*\r\n");
    WriteBytes(folder / "Data/Display.txt",
               "NAME|Level\r\nCONFIG|iLevel\r\nFORMAT|VALUE:1\r\nRANGE|0-10\r\n"
               "NAME|Depth\r\nCONFIG|iDepth\r\nFORMAT|VALUE:1\r\nRANGE|0-10\r\n");
    WriteBytes(folder / "ini/Fallout.ini", kFallout);
    WriteBytes(folder / "ini/FalloutPrefs.ini", "[Display]\r\niDepth=2\r\n");
    WriteBytes(folder / "ini/Fallout_default.ini", "[Display]\r\n");
    WriteBytes(folder / "QRZprefs.ini",
               "Config1 = ini\\Fallout.ini\r\nConfig2 = ini\\FalloutPrefs.ini\r\n"
               "Config3 = ini\\Fallout_default.ini\r\nID = 1\r\n");
}

Event Control(int control, EventType type = EventType::LeftClick) {
    return {EventKind::Control, 0, control, type};
}

struct Journey {
    explicit Journey(FakeRun& run, shell::Windows& windows)
        : run(run),
          windows(windows),
          main(windows.main),
          presets(windows.presets),
          tk(run.toolkit) {}

    void Open() { run.Pass(windows, Control(main.presetsButton)); }
    void Click(int control) { run.Pass(windows, Control(control)); }
    void SelectRow(int row) {
        tk.ListSelectRow(presets.list, row);
        run.Pass(windows, Control(presets.list, EventType::Change));
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int row = 0; row < tk.ListRowCount(presets.list); ++row)
            names.push_back(tk.ListCell(presets.list, row, 0));
        return names;
    }
    bool RowButtonsEnabled() const {
        const bool load = tk.IsEnabled(presets.loadButton);
        EXPECT_EQ(tk.IsEnabled(presets.saveButton), load);
        EXPECT_EQ(tk.IsEnabled(presets.deleteButton), load);
        return load;
    }
    // Marks an edit of the first setting, as the editor panel would.
    void EditLevel(float value) {
        run.program.catalogue.At(0, 1).current = value;
        ui::RefreshSettingsList(run.program, main, 0);
    }

    FakeRun& run;
    shell::Windows& windows;
    ui::MainWindow& main;
    PresetsWindow& presets;
    platform::Toolkit& tk;
};

TEST(PresetsWindow, LayoutAndTheEnablingOfTheRowButtons) {
    TestFolder folder;
    WriteInstallation(folder);
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        Journey j(run, windows);
        platform::Toolkit& tk = run.toolkit;
        run.Pass(windows);
        j.Open();
        const PresetsWindow& p = windows.presets;
        ASSERT_TRUE(tk.Exists(p.window));
        EXPECT_EQ(tk.ClientSize(p.window), (platform::Size{490, 346}));
        EXPECT_EQ(tk.Text(p.intro),
                  "Use presets to save copies of your configuration for later use.");
        EXPECT_EQ(tk.Geometry(p.list), (Rect{25, 50, 330, 229}));
        EXPECT_EQ(tk.ListColumnWidths(p.list), (std::vector<int>{229, 80}));
        EXPECT_EQ(tk.Geometry(p.nameField), (Rect{25, 296, 330, 26}));
        EXPECT_EQ(tk.Text(p.nameField), "New preset");
        EXPECT_EQ(tk.Geometry(p.loadButton), (Rect{371, 49, 95, 30}));
        EXPECT_EQ(tk.Geometry(p.saveButton), (Rect{371, 89, 95, 30}));
        EXPECT_EQ(tk.Geometry(p.deleteButton), (Rect{371, 130, 95, 30}));
        EXPECT_EQ(tk.Geometry(p.createButton), (Rect{371, 294, 95, 30}));
        // No Presets folder yet: an empty list, only Create usable.
        EXPECT_EQ(tk.ListRowCount(p.list), 0);
        EXPECT_FALSE(j.RowButtonsEnabled());
        EXPECT_TRUE(tk.IsEnabled(p.createButton));

        j.Click(p.createButton);
        ASSERT_EQ(j.Names(), (std::vector<std::string>{"New preset"}));
        EXPECT_FALSE(j.RowButtonsEnabled());
        j.SelectRow(0);
        EXPECT_TRUE(j.RowButtonsEnabled());
        // At the name field the row buttons rest, although the row stays selected.
        for (EventType type : {EventType::Focus, EventType::Change, EventType::LeftClick}) {
            j.SelectRow(0);
            run.Pass(windows, Control(p.nameField, type));
            EXPECT_FALSE(j.RowButtonsEnabled());
            EXPECT_EQ(tk.ListSelectedRow(p.list), 0);
        }
        // Clicking the selected row again chooses it again.
        run.Pass(windows, Control(p.list, EventType::LeftClick));
        EXPECT_TRUE(j.RowButtonsEnabled());

        // The Presets button builds a fresh window in place of the open one.
        const int oldWindow = p.window;
        tk.SetText(p.nameField, "Typed");
        j.Open();
        EXPECT_FALSE(tk.Exists(oldWindow));
        ASSERT_TRUE(tk.Exists(p.window));
        EXPECT_EQ(tk.Text(p.nameField), "New preset");
        EXPECT_FALSE(j.RowButtonsEnabled());
        EXPECT_EQ(j.Names(), (std::vector<std::string>{"New preset"}));

        // The close box closes it; nothing is asked.
        const int window = p.window;
        run.Pass(windows, {EventKind::Close, window, 0, EventType::None});
        EXPECT_FALSE(tk.Exists(window));
        EXPECT_EQ(p.window, 0);
        EXPECT_TRUE(run.dialogs.shownMessages.empty());
    });
}

TEST(PresetsWindow, CreateChecksTheNameAndFindsAFreeOne) {
    const MessageBox invalid = InvalidNameMessage();
    EXPECT_EQ(invalid.text, "The name can't contain these characters:\n\\ / : * ? \" < > |");
    EXPECT_EQ(invalid.title, "Error");
    EXPECT_EQ(invalid.icon, platform::MessageIcon::Warning);
    struct Case {
        std::string typed;
        std::vector<std::string> existing;  // presets already there
        std::vector<std::string> listed;    // afterwards
        std::vector<MessageBox> shown;
    };
    std::vector<std::string> fullRange;
    for (int n = 1; n <= kNameCandidates; ++n) fullRange.push_back(NameCandidate("Full", n));
    const std::vector<Case> cases = {
        {"New preset", {}, {"New preset"}, {}},
        {"New preset", {"New preset"}, {"New preset", "New preset 2"}, {}},
        {"  Spaced. ", {}, {"  Spaced. "}, {}},
        {"", {"Kept"}, {"Kept"}, {invalid}},
        {"a:b", {}, {}, {invalid}},
        {"con", {}, {}, {invalid}},
        {"Full", fullRange, fullRange, {NoFreeNameMessage("Full")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.typed + "\"");
        TestFolder folder;
        WriteInstallation(folder);
        for (const std::string& name : c.existing)
            WriteBytes(folder / "Presets" / (name + ".P1"), "old");
        FakeRun run(folder.path());
        run.Run([&](shell::Windows& windows) {
            Journey j(run, windows);
            j.Open();
            run.toolkit.SetText(windows.presets.nameField, c.typed);
            j.Click(windows.presets.createButton);
            std::vector<std::string> expected = c.listed;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(j.Names(), expected);
            EXPECT_EQ(run.dialogs.shownMessages, c.shown);
            EXPECT_EQ(run.toolkit.Text(windows.presets.nameField),
                      c.typed);  // the field keeps its text
        });
        // Nothing already there was written over.
        for (const std::string& name : c.existing)
            EXPECT_EQ(ReadBytes(folder / "Presets" / (name + ".P1")), "old");
    }
    EXPECT_EQ(NoFreeNameMessage("Full").text,
              "The names \"Full\" to \"Full 100\" are all taken.\nPlease choose another name.");
}

TEST(PresetsWindow, SaveAndCreateAskAboutUnsavedChanges) {
    const MessageBox saveQuestion{
        "Save preset",
        "You have unsaved changes.\nDo you want to include them into the saved preset?",
        platform::MessageIcon::Warning, platform::MessageButtons::YesNoCancel, MessageAnswer::Yes};
    const MessageBox createQuestion{
        "Create preset", "You have unsaved changes.\nDo you want to save them into this preset?",
        platform::MessageIcon::Warning, platform::MessageButtons::YesNoCancel, MessageAnswer::Yes};
    struct Case {
        bool create;
        bool edited;
        MessageAnswer answer;
        const char* slotOne;  // the preset's slot-1 file afterwards; nullptr: not written
    };
    const char kEdited[] = "[General]\r\niLevel=7\r\n";
    const std::vector<Case> cases = {
        {false, true, MessageAnswer::Yes, kEdited},   {false, true, MessageAnswer::No, kFallout},
        {false, true, MessageAnswer::Cancel, "old"},  {false, false, MessageAnswer::Yes, kFallout},
        {true, true, MessageAnswer::Yes, kEdited},    {true, true, MessageAnswer::No, kFallout},
        {true, true, MessageAnswer::Cancel, nullptr}, {true, false, MessageAnswer::Yes, kFallout},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.create ? "create" : "save") +
                     (c.edited ? " edited " : " unedited ") +
                     std::to_string(static_cast<int>(c.answer)));
        TestFolder folder;
        WriteInstallation(folder);
        WriteBytes(folder / "Presets/Mine.P1", "old");
        FakeRun run(folder.path());
        run.dialogs.answers = {c.answer};
        run.Run([&](shell::Windows& windows) {
            Journey j(run, windows);
            if (c.edited) j.EditLevel(7);
            j.Open();
            // A preset that appears meanwhile shows that the list is refreshed whatever the answer.
            WriteBytes(folder / "Presets/Zeta.P1", "x");
            if (c.create) {
                run.toolkit.SetText(windows.presets.nameField, "Fresh");
                j.Click(windows.presets.createButton);
            } else {
                j.SelectRow(0);
                j.Click(windows.presets.saveButton);
            }
            std::vector<MessageBox> asked;
            if (c.edited) asked.push_back(c.create ? createQuestion : saveQuestion);
            EXPECT_EQ(run.dialogs.shownMessages, asked);
            EXPECT_EQ(j.Names().back(), "Zeta");
            EXPECT_FALSE(j.RowButtonsEnabled());
            EXPECT_EQ(run.toolkit.ListSelectedRow(windows.presets.list), -1);
        });
        const fs::path slotOne = folder / "Presets" / (c.create ? "Fresh.P1" : "Mine.P1");
        if (c.slotOne) {
            EXPECT_EQ(ReadBytes(slotOne), c.slotOne);
        } else {
            EXPECT_FALSE(fs::exists(slotOne));
        }
        EXPECT_EQ(ReadBytes(folder / "ini/Fallout.ini"),
                  kFallout);  // the game's file is not written
    }
}

TEST(PresetsWindow, LoadCommitsRefreshesWithoutMarksEnablesApplyAndCloses) {
    TestFolder folder;
    WriteInstallation(folder);
    WriteBytes(folder / "Presets/Ultra 1.2 final.P1", "iLevel=9\r\n");
    WriteBytes(folder / "Presets/Ultra 1.2 final.P2", "iDepth=8\r\n");
    WriteBytes(folder / "Presets/Ultra 1.2 final.P3", "");
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        Journey j(run, windows);
        platform::Toolkit& tk = run.toolkit;
        j.EditLevel(4);
        ASSERT_EQ(tk.ListCell(windows.main.settingsList, 0, 1), "4 *");
        j.Open();
        ASSERT_EQ(j.Names(), (std::vector<std::string>{"Ultra 1.2 final"}));
        j.SelectRow(0);
        const int window = windows.presets.window;
        j.Click(windows.presets.loadButton);
        EXPECT_EQ(tk.ListCell(windows.main.settingsList, 0, 1), "9");
        EXPECT_EQ(tk.ListCell(windows.main.settingsList, 1, 1), "8");
        EXPECT_FALSE(ui::HasUnsavedChanges(run.program.catalogue));
        EXPECT_TRUE(tk.IsEnabled(windows.main.applyButton));
        EXPECT_FALSE(tk.Exists(window));
        EXPECT_EQ(windows.presets.window, 0);
        EXPECT_TRUE(run.dialogs.shownMessages.empty());
    });
    EXPECT_EQ(ReadBytes(folder / "ini/Fallout.ini"), kFallout);
}

TEST(PresetsWindow, DeleteAsksAndEmptiesTheList) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        TestFolder folder;
        WriteInstallation(folder);
        for (const char* file : {"Only.P1", "Only.P2", "Only.P3"})
            WriteBytes(folder / "Presets" / file, "x");
        FakeRun run(folder.path());
        run.dialogs.answers = {answer};
        run.Run([&](shell::Windows& windows) {
            Journey j(run, windows);
            j.Open();
            j.SelectRow(0);
            j.Click(windows.presets.deleteButton);
            EXPECT_EQ(
                run.dialogs.shownMessages,
                (std::vector<MessageBox>{{"Delete preset", "Do you want to delete\n\"Only\"?",
                                          platform::MessageIcon::Warning,
                                          platform::MessageButtons::YesNo, MessageAnswer::Yes}}));
            if (answer == MessageAnswer::Yes) {
                EXPECT_TRUE(j.Names().empty());
                EXPECT_FALSE(j.RowButtonsEnabled());
            } else {
                EXPECT_EQ(j.Names(), (std::vector<std::string>{"Only"}));
                EXPECT_TRUE(j.RowButtonsEnabled());
            }
        });
        EXPECT_EQ(fs::exists(folder / "Presets/Only.P1"), answer == MessageAnswer::No);
        EXPECT_EQ(fs::exists(folder / "Presets/Only.P3"), answer == MessageAnswer::No);
    }
}

TEST(PresetsWindow, FirstRunKeepsAFirstTimeBackup) {
    TestFolder folder;
    WriteBytes(folder / "Data/Categories.ini", "Display*\r\n");
    WriteBytes(folder / "Data/Display.txt", "NAME|Level\r\nCONFIG|iLevel\r\nFORMAT|VALUE:1\r\n");
    WriteBytes(folder / "SetupInfo.ini", "[Setup]\r\nFO3INILocation=" + folder.path().string() +
                                             "/user\r\nSteamPath=" + folder.path().string() +
                                             "/steam\r\n");
    const std::string ini = "user/Documents/My Games/FalloutNV/";
    WriteBytes(folder / (ini + "Fallout.ini"), kFallout);
    WriteBytes(folder / (ini + "FalloutPrefs.ini"), "[Display]\r\n");
    const std::string defaults = "[General]\r\n" + std::string(6000, ';') + "\r\n";
    WriteBytes(folder / "steam/steamapps/common/Fallout New Vegas/Fallout_default.ini", defaults);
    FakeRun run(folder.path());
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(ReadBytes(folder / "Presets/First-time backup.P1"), kFallout);
    EXPECT_EQ(ReadBytes(folder / "Presets/First-time backup.P2"), "[Display]\r\n");
    EXPECT_EQ(ReadBytes(folder / "Presets/First-time backup.P3"), defaults);
    EXPECT_TRUE(run.dialogs.shownMessages.empty());
}

}  // namespace
}  // namespace quorvane::presets
