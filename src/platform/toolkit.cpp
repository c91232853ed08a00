#include "platform/toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QEventLoop>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <deque>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "platform/cp1252.h"
#include "platform/qt_convert.h"

namespace quorvane::platform {

namespace {


// Text is Windows-1252 unless the control shows file names, which are in the system's 8-bit
// encoding (UTF-8 on Linux) so that any name the file system allows shows and comes back intact.
constexpr const char* kLocal8BitProperty = "quorvaneLocal8Bit";

bool UsesLocal8Bit(const QObject* control) {
    return control && control->property(kLocal8BitProperty).toBool();
}

QString Decode(const QObject* control, std::string_view text) {
    return UsesLocal8Bit(control) ? QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()))
                                  : FromCp1252(text);
}

std::string Encode(const QObject* control, const QString& text) {
    return UsesLocal8Bit(control) ? text.toLocal8Bit().toStdString() : ToCp1252(text);
}

// A top-level window: its close box asks the program instead of closing.
class TopWindow : public QWidget {
public:
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (onClose) onClose();
    }
};

// An image control that reports clicks.
class PictureLabel : public QLabel {
public:
    std::function<void(EventType)> onClick;
    Picture picture;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) Report(EventType::LeftClick);
        if (event->button() == Qt::RightButton) Report(EventType::RightClick);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) Report(EventType::LeftDoubleClick);
        if (event->button() == Qt::RightButton) Report(EventType::RightDoubleClick);
    }

private:
    void Report(EventType type) {
        if (onClick) onClick(type);
    }
};

// A one-line text field that can report the user moving the focus into it. Focus given by
// the program or by the window becoming active is no user event.
class TextField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> onUserFocus;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        const Qt::FocusReason reason = event->reason();
        if (onUserFocus && (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                            reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)) {
            onUserFocus();
        }
    }
};

}  // namespace

struct Toolkit::State : public QObject {
    std::unordered_map<int, QPointer<QWidget>> widgets;
    std::unordered_set<int> trackedWindows;
    std::deque<Event> queue;
    QEventLoop* waiting = nullptr;
    std::optional<Font> defaultFont;
    std::optional<Point> mouseOverride;
    int nextId = 1;

    State() { qApp->installEventFilter(this); }
    ~State() override { qApp->removeEventFilter(this); }

    void Push(const Event& event) {
        // Wake-up events carry nothing; one waiting in the queue is enough.
        if (event.kind == EventKind::Other && !queue.empty() && queue.back() == event) return;
        queue.push_back(event);
        if (waiting) waiting->quit();
    }

    int WindowIdOf(const QWidget* widget) const {
        const QWidget* top = widget ? widget->window() : nullptr;
        for (int id : trackedWindows) {
            auto it = widgets.find(id);
            if (it != widgets.end() && it->second == top) return id;
        }
        return 0;
    }

    // Mouse moves, entering and leaving over a tracked window, and size changes of any window,
    // wake the program's loop so that hover and layout follow without polling.
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseMove:
            case QEvent::Enter:
            case QEvent::Leave:
            case QEvent::Resize:
            case QEvent::WindowStateChange:
                if (auto* widget = qobject_cast<QWidget*>(watched)) {
                    if (int window = WindowIdOf(widget)) Push({EventKind::Other, window, 0, EventType::None});
                }
                break;
            default: break;
        }
        return false;
    }

    QWidget* Widget(int id) const {
        auto it = widgets.find(id);
        return it == widgets.end() ? nullptr : it->second.data();
    }

    template <typename T>
    T* As(int id) const {
        return qobject_cast<T*>(Widget(id));
    }

    int Register(QWidget* widget) {
        int id = nextId++;
        widgets[id] = widget;
        return id;
    }

    // Places a new control in its parent window or container, with the default font.
    int Adopt(QWidget* control, int parent, Rect box) {
        QWidget* parentWidget = Widget(parent);
        control->setParent(parentWidget);
        control->setGeometry(ToQRect(box));
        if (defaultFont) control->setFont(ToQFont(*defaultFont));
        if (WindowIdOf(parentWidget) != 0) {
            control->setMouseTracking(true);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) area->viewport()->setMouseTracking(true);
        }
        control->show();
        return Register(control);
    }

    int OriginOf(const QObject* control) const {
        for (const auto& [id, widget] : widgets) {
            if (widget == control) return id;
        }
        return 0;
    }

    void Report(QWidget* control, EventType type) {
        int id = OriginOf(control);
        if (id != 0) {
            Push({EventKind::Control, WindowIdOfAny(control), id, type});
        }
    }

    int WindowIdOfAny(const QWidget* widget) const { return OriginOf(widget ? widget->window() : nullptr); }
};

Toolkit::Toolkit() : state_(std::make_unique<State>()) {}

Toolkit::~Toolkit() {
    for (auto& [id, widget] : state_->widgets) {
        if (widget && widget->isWindow()) delete widget.data();
    }
}

int Toolkit::OpenWindow(const WindowOptions& options) {
    QWidget* owner = state_->Widget(options.owner);
    auto* window = new TopWindow;
    window->setParent(owner);  // an owned window stays above its owner and goes with it
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (options.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    if (options.resizable) flags |= Qt::WindowMaximizeButtonHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(FromCp1252(options.title));
    window->resize(options.clientWidth, options.clientHeight);
    if (!options.resizable) window->setFixedSize(options.clientWidth, options.clientHeight);
    if (options.trackMouse) window->setMouseTracking(true);
    if (owner) {
        window->move(owner->geometry().center() - window->rect().center());
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
    int id = state_->Register(window);
    if (options.trackMouse) state_->trackedWindows.insert(id);
    window->onClose = [this, id] { state_->Push({EventKind::Close, id, 0, EventType::None}); };
    window->show();
    return id;
}

void Toolkit::CloseWindow(int window) {
    QWidget* widget = state_->Widget(window);
    state_->trackedWindows.erase(window);
    if (!widget) return;
    delete widget;  // its controls go with it; their QPointers turn null
    for (auto it = state_->widgets.begin(); it != state_->widgets.end();) {
        it = it->second.isNull() ? state_->widgets.erase(it) : std::next(it);
    }
}

bool Toolkit::Exists(int id) const { return state_->Widget(id) != nullptr; }

void Toolkit::SetMinimumClientSize(int window, int width, int height) {
    if (QWidget* widget = state_->Widget(window)) widget->setMinimumSize(width, height);
}

Size Toolkit::ClientSize(int window) const {
    QWidget* widget = state_->Widget(window);
    return widget ? Size{widget->width(), widget->height()} : Size{};
}

void Toolkit::ResizeClient(int window, int width, int height) {
    if (QWidget* widget = state_->Widget(window)) widget->resize(width, height);
}

void Toolkit::CentreOver(int window, int over) {
    QWidget* widget = state_->Widget(window);
    QWidget* anchor = state_->Widget(over);
    if (widget && anchor) widget->move(anchor->geometry().center() - widget->rect().center());
}

void Toolkit::SetDefaultFont(std::optional<Font> font) { state_->defaultFont = std::move(font); }

int Toolkit::CreateButton(int parent, Rect box, std::string_view caption, bool toggle) {
    auto* button = new QPushButton(FromCp1252(caption));
    button->setCheckable(toggle);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, state_.get(),
                     [this, button] { state_->Report(button, EventType::LeftClick); });
    return state_->Adopt(button, parent, box);
}

int Toolkit::CreateCheckBox(int parent, Rect box, std::string_view caption) {
    auto* checkBox = new QCheckBox(FromCp1252(caption));
    QObject::connect(checkBox, &QCheckBox::clicked, state_.get(),
                     [this, checkBox] { state_->Report(checkBox, EventType::LeftClick); });
    return state_->Adopt(checkBox, parent, box);
}

int Toolkit::CreateLabel(int parent, Rect box, std::string_view text, bool alignRight,
                         std::optional<Rgb> background) {
    auto* label = new QLabel(FromCp1252(text));
    label->setWordWrap(true);
    label->setAlignment((alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    int id = state_->Adopt(label, parent, box);
    if (background) SetBackground(id, *background);
    return id;
}

int Toolkit::CreateFrame(int parent, Rect box, std::string_view caption) {
    auto* frame = new QGroupBox(FromCp1252(caption));
    int id = state_->Adopt(frame, parent, box);
    frame->lower();  // a frame surrounds controls; it never covers them
    return id;
}

int Toolkit::CreateContainer(int parent, Rect box, std::optional<Rgb> background, bool border) {
    auto* container = new QFrame;
    container->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
    int id = state_->Adopt(container, parent, box);
    if (background) SetBackground(id, *background);
    return id;
}

int Toolkit::CreateList(int parent, Rect box, const std::vector<std::pair<std::string, int>>& columns,
                        Rgb background) {
    auto* list = new QTableWidget(0, static_cast<int>(columns.size()));
    QStringList titles;
    for (const auto& column : columns) titles << FromCp1252(column.first);
    list->setHorizontalHeaderLabels(titles);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) list->setColumnWidth(i, columns[i].second);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setSectionsClickable(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ToQColor(background));
    // The selection stays visible while the list has no focus.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list->setPalette(palette);
    QObject::connect(list, &QTableWidget::itemSelectionChanged, state_.get(),
                     [this, list] { state_->Report(list, EventType::Change); });
    // A click on the row already selected changes nothing, yet the user has chosen it again.
    QObject::connect(list, &QTableWidget::clicked, state_.get(),
                     [this, list] { state_->Report(list, EventType::LeftClick); });
    return state_->Adopt(list, parent, box);
}

int Toolkit::CreateSlider(int parent, Rect box, int minimum, int maximum, bool tickMarks) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(tickMarks ? QSlider::TicksBelow : QSlider::NoTicks);
    slider->setTickInterval(1);
    QObject::connect(slider, &QSlider::valueChanged, state_.get(),
                     [this, slider] { state_->Report(slider, EventType::Change); });
    return state_->Adopt(slider, parent, box);
}

int Toolkit::CreateTextField(int parent, Rect box, std::string_view text, bool reportFocus) {
    auto* field = new TextField(FromCp1252(text));
    QObject::connect(field, &QLineEdit::textEdited, state_.get(),
                     [this, field] { state_->Report(field, EventType::Change); });
    if (reportFocus) field->onUserFocus = [this, field] { state_->Report(field, EventType::Focus); };
    return state_->Adopt(field, parent, box);
}

int Toolkit::CreateComboBox(int parent, Rect box, const std::vector<std::string>& items, bool editable) {
    auto* combo = new QComboBox;
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : items) combo->addItem(FromCp1252(item));
    combo->setCurrentIndex(-1);
    if (editable) {
        QObject::connect(combo, &QComboBox::editTextChanged, state_.get(),
                         [this, combo] { state_->Report(combo, EventType::Change); });
    } else {
        QObject::connect(combo, &QComboBox::currentIndexChanged, state_.get(),
                         [this, combo] { state_->Report(combo, EventType::Change); });
    }
    return state_->Adopt(combo, parent, box);
}

int Toolkit::CreatePictureView(int parent, Rect box) {
    auto* view = new PictureLabel;
    view->setScaledContents(false);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->onClick = [this, view](EventType type) { state_->Report(view, type); };
    return state_->Adopt(view, parent, box);
}

void Toolkit::Destroy(int control) {
    auto it = state_->widgets.find(control);
    if (it == state_->widgets.end()) return;
    delete it->second.data();
    state_->widgets.erase(it);
}

void Toolkit::Move(int control, Rect box) {
    if (QWidget* widget = state_->Widget(control)) widget->setGeometry(ToQRect(box));
}

Rect Toolkit::Geometry(int control) const {
    QWidget* widget = state_->Widget(control);
    if (!widget) return {};
    QRect r = widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void Toolkit::SetText(int control, std::string_view text) {
    QWidget* widget = state_->Widget(control);
    const QSignalBlocker blocker(widget);
    const QString value = Decode(widget, text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
    else if (auto* field = qobject_cast<QLineEdit*>(widget)) field->setText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->setEditText(value);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget)) frame->setTitle(value);
    else if (widget && widget->isWindow()) widget->setWindowTitle(value);
}

std::string Toolkit::Text(int control) const {
    QWidget* widget = state_->Widget(control);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return Encode(widget, button->text());
    if (auto* label = qobject_cast<QLabel*>(widget)) return Encode(widget, label->text());
    if (auto* field = qobject_cast<QLineEdit*>(widget)) return Encode(widget, field->text());
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return Encode(widget, combo->currentText());
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return Encode(widget, frame->title());
    if (widget && widget->isWindow()) return Encode(widget, widget->windowTitle());
    return {};
}

void Toolkit::ShowFileNames(int control) {
    QWidget* widget = state_->Widget(control);
    if (!widget || UsesLocal8Bit(widget)) return;
    // What the control holds was decoded as Windows-1252, which keeps every byte: take the bytes
    // back and read them in the system's encoding.
    auto reread = [widget](const QString& shown) {
        const std::string bytes = ToCp1252(shown);
        return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
    };
    const QSignalBlocker blocker(widget);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) field->setText(reread(field->text()));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(reread(label->text()));
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (QTableWidgetItem* item = table->item(row, column)) item->setText(reread(item->text()));
            }
        }
    }
    widget->setProperty(kLocal8BitProperty, true);
}

void Toolkit::SetEnabled(int control, bool enabled) {
    if (QWidget* widget = state_->Widget(control)) widget->setEnabled(enabled);
}

bool Toolkit::IsEnabled(int control) const {
    QWidget* widget = state_->Widget(control);
    return widget && widget->isEnabled();
}

void Toolkit::SetVisible(int control, bool visible) {
    if (QWidget* widget = state_->Widget(control)) widget->setVisible(visible);
}

bool Toolkit::IsVisible(int control) const {
    QWidget* widget = state_->Widget(control);
    return widget && !widget->isHidden();
}

void Toolkit::SetFont(int control, const Font& font) {
    if (QWidget* widget = state_->Widget(control)) widget->setFont(ToQFont(font));
}

Font Toolkit::FontOf(int control) const {
    QWidget* widget = state_->Widget(control);
    if (!widget) return {};
    QFont font = widget->font();
    return {ToCp1252(font.family()), font.pointSize()};
}

void Toolkit::SetChecked(int control, bool checked) {
    if (auto* button = state_->As<QAbstractButton>(control)) {
        const QSignalBlocker blocker(button);
        button->setChecked(checked);
    }
}

bool Toolkit::IsChecked(int control) const {
    auto* button = state_->As<QAbstractButton>(control);
    return button && button->isChecked();
}

void Toolkit::SetFocus(int control) {
    if (QWidget* widget = state_->Widget(control)) widget->setFocus(Qt::OtherFocusReason);
}

bool Toolkit::HasFocus(int control) const {
    QWidget* widget = state_->Widget(control);
    return widget && QApplication::focusWidget() == widget;
}

void Toolkit::SetTooltip(int control, std::string_view text) {
    if (QWidget* widget = state_->Widget(control)) widget->setToolTip(FromCp1252(text));
}

std::string Toolkit::Tooltip(int control) const {
    QWidget* widget = state_->Widget(control);
    return widget ? ToCp1252(widget->toolTip()) : std::string();
}

void Toolkit::SetBackground(int control, Rgb colour) {
    QWidget* widget = state_->Widget(control);
    if (!widget) return;
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

std::optional<Rgb> Toolkit::Background(int control) const {
    QWidget* widget = state_->Widget(control);
    if (!widget || !widget->autoFillBackground()) return std::nullopt;
    const QColor c = widget->palette().color(widget->backgroundRole());
    return Rgb{c.red(), c.green(), c.blue()};
}

void Toolkit::SetSliderPosition(int slider, int position) {
    if (auto* widget = state_->As<QSlider>(slider)) {
        const QSignalBlocker blocker(widget);
        widget->setValue(position);
    }
}

int Toolkit::SliderPosition(int slider) const {
    auto* widget = state_->As<QSlider>(slider);
    return widget ? widget->value() : 0;
}

std::pair<int, int> Toolkit::SliderRange(int slider) const {
    auto* widget = state_->As<QSlider>(slider);
    return widget ? std::pair{widget->minimum(), widget->maximum()} : std::pair{0, 0};
}

bool Toolkit::SliderHasTickMarks(int slider) const {
    auto* widget = state_->As<QSlider>(slider);
    return widget && widget->tickPosition() != QSlider::NoTicks;
}

std::vector<std::string> Toolkit::ComboItems(int combo) const {
    std::vector<std::string> items;
    if (auto* widget = state_->As<QComboBox>(combo)) {
        for (int i = 0; i < widget->count(); ++i) items.push_back(ToCp1252(widget->itemText(i)));
    }
    return items;
}

void Toolkit::SetPicture(int view, const Picture& picture) {
    auto* label = dynamic_cast<PictureLabel*>(state_->Widget(view));
    if (!label) return;
    label->picture = picture;
    label->setPixmap(picture.IsNull() ? QPixmap() : QPixmap::fromImage(*picture.Image()));
}

Picture Toolkit::PictureOf(int view) const {
    auto* label = dynamic_cast<PictureLabel*>(state_->Widget(view));
    return label ? label->picture : Picture();
}

void Toolkit::ListClear(int list) {
    if (auto* table = state_->As<QTableWidget>(list)) {
        const QSignalBlocker blocker(table);
        table->clearSelection();
        table->setRowCount(0);
    }
}

void Toolkit::ListAddRow(int list, const std::vector<std::string>& cells) {
    auto* table = state_->As<QTableWidget>(list);
    if (!table) return;
    const QSignalBlocker blocker(table);
    int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < table->columnCount(); ++column) {
        auto* item = new QTableWidgetItem(
            column < static_cast<int>(cells.size()) ? Decode(table, cells[static_cast<std::size_t>(column)]) : QString());
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table->setItem(row, column, item);
    }
}

int Toolkit::ListRowCount(int list) const {
    auto* table = state_->As<QTableWidget>(list);
    return table ? table->rowCount() : 0;
}

std::string Toolkit::ListCell(int list, int row, int column) const {
    auto* table = state_->As<QTableWidget>(list);
    QTableWidgetItem* item = table ? table->item(row, column) : nullptr;
    return item ? Encode(table, item->text()) : std::string();
}

void Toolkit::ListSetCell(int list, int row, int column, std::string_view text) {
    auto* table = state_->As<QTableWidget>(list);
    QTableWidgetItem* item = table ? table->item(row, column) : nullptr;
    if (!item) return;
    const QSignalBlocker blocker(table);
    item->setText(Decode(table, text));
}

void Toolkit::ListSetCellBackground(int list, int row, int column, std::optional<Rgb> colour) {
    auto* table = state_->As<QTableWidget>(list);
    QTableWidgetItem* item = table ? table->item(row, column) : nullptr;
    if (!item) return;
    const QSignalBlocker blocker(table);
    item->setBackground(colour ? QBrush(ToQColor(*colour)) : QBrush());
}

std::optional<Rgb> Toolkit::ListCellBackground(int list, int row, int column) const {
    auto* table = state_->As<QTableWidget>(list);
    QTableWidgetItem* item = table ? table->item(row, column) : nullptr;
    if (!item || item->background().style() == Qt::NoBrush) return std::nullopt;
    QColor c = item->background().color();
    return Rgb{c.red(), c.green(), c.blue()};
}

int Toolkit::ListSelectedRow(int list) const {
    auto* table = state_->As<QTableWidget>(list);
    if (!table) return -1;
    const auto rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void Toolkit::ListSelectRow(int list, int row) {
    auto* table = state_->As<QTableWidget>(list);
    if (!table) return;
    const QSignalBlocker blocker(table);
    if (row < 0) table->clearSelection();
    else table->selectRow(row);
}

std::vector<int> Toolkit::ListColumnWidths(int list) const {
    std::vector<int> widths;
    if (auto* table = state_->As<QTableWidget>(list)) {
        for (int i = 0; i < table->columnCount(); ++i) widths.push_back(table->columnWidth(i));
    }
    return widths;
}

Event Toolkit::WaitEvent(int timeoutMs) {
    if (state_->queue.empty()) QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (state_->queue.empty() && timeoutMs != 0) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        if (timeoutMs > 0) timer.start(timeoutMs);
        state_->waiting = &loop;
        loop.exec();
        state_->waiting = nullptr;
    }
    if (state_->queue.empty()) return {};
    Event event = state_->queue.front();
    state_->queue.pop_front();
    return event;
}

void Toolkit::PostEvent(const Event& event) { state_->Push(event); }

std::size_t Toolkit::PendingEvents() const { return state_->queue.size(); }

Point Toolkit::MousePosition(int window) const {
    if (state_->mouseOverride) return *state_->mouseOverride;
    QWidget* widget = state_->Widget(window);
    if (!widget) return {-1, -1};
    QPoint local = widget->mapFromGlobal(QCursor::pos());
    if (!widget->rect().contains(local)) return {-1, -1};
    return {local.x(), local.y()};
}

void Toolkit::OverrideMousePosition(std::optional<Point> position) { state_->mouseOverride = position; }

Size Toolkit::DesktopSize() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? Size{screen->size().width(), screen->size().height()} : Size{};
}

bool Toolkit::SaveScreenshot(int window, const std::filesystem::path& pngPath) const {
    QWidget* widget = state_->Widget(window);
    return widget && widget->grab().save(QString::fromStdString(pngPath.string()), "PNG");
}

}  // namespace quorvane::platform
