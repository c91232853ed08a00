// The window toolkit as the program sees it: windows and controls named by whole numbers that
// are distinct across all windows, and one queue of events that the user caused (window,
// control, event type). Programmatic changes raise no events. Text is 8-bit text in the
// Windows-1252 code page, like the catalogue it mostly comes from, except in controls that
// show file names (ShowFileNames).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/picture.h"
#include "platform/toolkit_types.h"

namespace quorvane::platform {

enum class EventKind { None, Control, Close, Other };
// Focus: the user moved the keyboard focus into a text field that reports it.
enum class EventType { None, LeftClick, RightClick, LeftDoubleClick, RightDoubleClick, Change, DragStart, Focus };

struct Event {
    EventKind kind = EventKind::None;
    int window = 0;
    int control = 0;
    EventType type = EventType::None;
    bool operator==(const Event&) const = default;
};

struct WindowOptions {
    std::string title;
    int clientWidth = 0;
    int clientHeight = 0;
    bool resizable = false;     // sizing border and maximize box
    bool minimizeBox = false;
    bool trackMouse = false;    // mouse moves over the window and its controls wake the loop
    int owner = 0;              // a window this one stays above and opens centred over; 0: none
};

class Toolkit {
public:
    Toolkit();
    ~Toolkit();
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // Windows open centred on the primary screen, or over their owner.
    int OpenWindow(const WindowOptions& options);
    void CloseWindow(int window);
    bool Exists(int id) const;
    void SetMinimumClientSize(int window, int width, int height);
    Size ClientSize(int window) const;
    void ResizeClient(int window, int width, int height);
    // Moves the window so that it is centred over the window `over`, which does not own it.
    void CentreOver(int window, int over);

    // The font given to every control created from now on; none: the toolkit's standard font.
    void SetDefaultFont(std::optional<Font> font);

    int CreateButton(int parent, Rect box, std::string_view caption, bool toggle = false);
    // An independent check box with its caption; each click toggles it and reports LeftClick.
    int CreateCheckBox(int parent, Rect box, std::string_view caption);
    int CreateLabel(int parent, Rect box, std::string_view text, bool alignRight = false,
                    std::optional<Rgb> background = std::nullopt);
    int CreateFrame(int parent, Rect box, std::string_view caption);
    int CreateContainer(int parent, Rect box, std::optional<Rgb> background, bool border = false);
    // A report view: header row, grid lines, whole-row single selection that stays visible.
    // Reports a change of the selection as Change and a click on a row as LeftClick.
    int CreateList(int parent, Rect box, const std::vector<std::pair<std::string, int>>& columns,
                   Rgb background);
    int CreateSlider(int parent, Rect box, int minimum, int maximum, bool tickMarks);
    // Reports typing as Change and, when asked, the user's click or Tab into it as Focus.
    int CreateTextField(int parent, Rect box, std::string_view text, bool reportFocus = false);
    int CreateComboBox(int parent, Rect box, const std::vector<std::string>& items, bool editable);
    int CreatePictureView(int parent, Rect box);
    void Destroy(int control);

    void Move(int control, Rect box);
    Rect Geometry(int control) const;
    void SetText(int control, std::string_view text);  // caption, field text or frame title
    std::string Text(int control) const;
    // From now on the control's text (a text field, a label or a list's cells) is file names
    // and paths in the system's 8-bit encoding instead of Windows-1252; what it shows already is
    // read again that way.
    void ShowFileNames(int control);
    void SetEnabled(int control, bool enabled);
    bool IsEnabled(int control) const;
    void SetVisible(int control, bool visible);
    bool IsVisible(int control) const;
    void SetFont(int control, const Font& font);
    Font FontOf(int control) const;
    void SetChecked(int control, bool checked);
    bool IsChecked(int control) const;
    void SetFocus(int control);
    bool HasFocus(int control) const;
    void SetTooltip(int control, std::string_view text);
    std::string Tooltip(int control) const;
    void SetBackground(int control, Rgb colour);
    // The colour given by SetBackground (or at creation); none: the control's standard background.
    std::optional<Rgb> Background(int control) const;

    void SetSliderPosition(int slider, int position);
    int SliderPosition(int slider) const;
    std::pair<int, int> SliderRange(int slider) const;
    bool SliderHasTickMarks(int slider) const;

    std::vector<std::string> ComboItems(int combo) const;

    void SetPicture(int view, const Picture& picture);
    Picture PictureOf(int view) const;

    void ListClear(int list);
    void ListAddRow(int list, const std::vector<std::string>& cells);
    int ListRowCount(int list) const;
    std::string ListCell(int list, int row, int column) const;
    void ListSetCell(int list, int row, int column, std::string_view text);
    // Background of one cell; none: the list's own background.
    void ListSetCellBackground(int list, int row, int column, std::optional<Rgb> colour);
    std::optional<Rgb> ListCellBackground(int list, int row, int column) const;
    int ListSelectedRow(int list) const;  // -1 when none
    void ListSelectRow(int list, int row);
    std::vector<int> ListColumnWidths(int list) const;

    // The next event, waiting at most timeoutMs milliseconds (for ever when negative).
    Event WaitEvent(int timeoutMs);
    // Adds an event to the queue as if the user had caused it (tests, scripted journeys).
    void PostEvent(const Event& event);
    std::size_t PendingEvents() const;

    // The mouse in the window's client coordinates; (-1, -1) when outside its client area.
    Point MousePosition(int window) const;
    void OverrideMousePosition(std::optional<Point> position);  // tests
    Size DesktopSize() const;

    bool SaveScreenshot(int window, const std::filesystem::path& pngPath) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace quorvane::platform
