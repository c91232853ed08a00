#include "platform/toolkit.h"

#include <gtest/gtest.h>

namespace quorvane::platform {
namespace {

TEST(Toolkit, CatalogueTextIsWindows1252AndFileNamesKeepTheirBytes) {
    Toolkit tk;
    const int window = tk.OpenWindow({"Test", 300, 200});
    const std::string catalogueText = "\xDC" "ber \x80 \x93quoted\x94";  // Windows-1252 bytes
    const std::string utf8Path = "/home/\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD/Fallout.ini";  // a Cyrillic name

    const int label = tk.CreateLabel(window, {0, 0, 100, 20}, catalogueText);
    EXPECT_EQ(tk.Text(label), catalogueText);

    // Shown as typed before the switch, the path's bytes come back unchanged after it.
    const int field = tk.CreateTextField(window, {0, 30, 200, 20}, utf8Path);
    tk.ShowFileNames(field);
    EXPECT_EQ(tk.Text(field), utf8Path);
    tk.SetText(field, utf8Path + ".bak");
    EXPECT_EQ(tk.Text(field), utf8Path + ".bak");

    const int list = tk.CreateList(window, {0, 60, 200, 100}, {{"Name", 100}}, {255, 255, 255});
    tk.ListAddRow(list, {utf8Path});
    tk.ShowFileNames(list);
    tk.ListAddRow(list, {"Medium"});
    EXPECT_EQ(tk.ListCell(list, 0, 0), utf8Path);
    EXPECT_EQ(tk.ListCell(list, 1, 0), "Medium");
    tk.CloseWindow(window);
}

}  // namespace
}  // namespace quorvane::platform
