#include "shells/desktop/accessibility.h"

#include <QAccessibleWidget>

#include "shells/desktop/announcer.h"
#include "core/model/layout.h"
#include "shells/desktop/spin_button.h"
#include "shells/desktop/surface_view.h"

namespace af::desktop {

namespace {

// A spin button whose value and text are the reading its window last gave it.
// The text, the value with its unit, is what a screen reader says for it.
class SpinButtonAccessible : public QAccessibleWidget,
                             public QAccessibleValueInterface,
                             public QAccessibleTextInterface {
public:
    explicit SpinButtonAccessible(SpinButton* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Value: read only, the window alone changes it.
    QVariant currentValue() const override { return reading().value; }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return reading().maximum; }
    QVariant minimumValue() const override { return reading().minimum; }
    QVariant minimumStepSize() const override { return reading().step; }

    // Text: one short read-only line with no selection.
    QString text(int start, int end) const override { return line().mid(start, end - start); }
    int characterCount() const override { return int(line().size()); }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        const QString all = line();
        if (boundary == QAccessible::CharBoundary && offset >= 0 && offset < all.size()) {
            *start = offset;
            *end = offset + 1;
            return all.mid(offset, 1);
        }
        *start = 0;
        *end = int(all.size());
        return all;
    }
    QString textBeforeOffset(int, QAccessible::TextBoundaryType, int* start, int* end) const override {
        *start = *end = -1;
        return {};
    }
    QString textAfterOffset(int, QAccessible::TextBoundaryType, int* start, int* end) const override {
        *start = *end = -1;
        return {};
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    const SpinReading& reading() const { return static_cast<SpinButton*>(widget())->reading(); }
    QString line() const { return QString::fromStdString(reading().text); }
};

// Recognises the program's own widgets by their types, whatever class name
// the toolkit asks about.
QAccessibleInterface* accessible_for(const QString&, QObject* object) {
    if (auto* spin = qobject_cast<SpinButton*>(object)) return new SpinButtonAccessible(spin);
    if (auto* view = qobject_cast<SurfaceView*>(object)) return new QAccessibleWidget(view, QAccessible::Graphic);
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    }
    // The program's window, known by the name the layout gives it.
    if (auto* window = qobject_cast<QWidget*>(object); window && window->isWindow() &&
                                                      window->objectName() == QLatin1String(kWindowName.data())) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void install_accessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(accessible_for);
}

}  // namespace af::desktop
