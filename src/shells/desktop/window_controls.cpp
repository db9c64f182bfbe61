#include "shells/desktop/window_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "core/acts/spoken_text.h"
#include "core/model/reading_order.h"
#include "core/model/shown_caption.h"
#include "core/pixels/colour.h"
#include "shells/desktop/caption_fit.h"
#include "shells/desktop/fonts.h"
#include "shells/desktop/press_button.h"
#include "shells/desktop/qt_text.h"
#include "shells/desktop/spin_button.h"
#include "shells/desktop/surface_view.h"
#include "shells/desktop/zoom_style.h"

namespace af::desktop {

namespace {

QColor bgr_color(std::uint32_t bgr) {
    const Rgb c = rgb_of(bgr);
    return QColor(c.red, c.green, c.blue);
}

// Absolute: a caption set right to left stays on its side of the box.
Qt::Alignment alignment(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop | Qt::AlignAbsolute;
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute;
}

QRect qrect(const Rect& r) { return QRect(r.x, r.y, r.width, r.height); }

}  // namespace

WindowControls::WindowControls(QWidget& window, const Model& model) : model_(model) {
    window.setObjectName(qstring(kWindowName));
    // The layout and the pictures are the same in every language, whichever
    // way the application's dialogs and menus read; only words turn round.
    window.setLayoutDirection(Qt::LeftToRight);
    by_name_.insert(window.objectName(), &window);
    for (const ControlSpec& c : window_layout()) {
        QWidget* widget = widget_for(c, by_name_.value(qstring(c.parent), &window));
        widget->setObjectName(qstring(c.name));
        // Set on every control, so that none takes a right-to-left group's direction.
        widget->setLayoutDirection(caption_right_to_left(c, model_.language) ? Qt::RightToLeft : Qt::LeftToRight);
        placed_.emplace_back(&c, widget);
        if (c.fore) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, bgr_color(*c.fore));
            widget->setPalette(palette);
        }
        const ControlSpeech speech = control_speech(c.name, model_.language);
        if (!speech.name.empty()) widget->setAccessibleName(QString::fromStdString(speech.name));
        if (!speech.description.empty()) widget->setAccessibleDescription(QString::fromStdString(speech.description));
        by_name_.insert(widget->objectName(), widget);
    }
    // Made after the controls, so that it outlives them.
    style_ = new ZoomStyle(&window);
    for (const auto& [c, widget] : placed_) {
        if (c->kind != ControlKind::Picture) widget->setStyle(style_);
    }
    for (const auto& [name, surface] : named_views(model_)) views_.push_back(find<SurfaceView>(name));
    set_focus_order();
}

QWidget* WindowControls::widget_for(const ControlSpec& c, QWidget* parent) {
    QString caption = qstring(shown_caption(c, model_.language));
    // A label the acts write shows what start-up wrote.
    if (const Label* label = written_label(model_, c)) caption = QString::fromStdString(label->caption);
    switch (c.kind) {
    case ControlKind::Group:
        return new QGroupBox(caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(alignment(c.align));
        return label;
    }
    case ControlKind::PushButton:
        return new PressButton(caption, parent);
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, parent);
        option->setChecked(c.selected);
        return option;
    }
    case ControlKind::SpinControl:
        return new SpinButton(parent);
    case ControlKind::Picture:
        for (const auto& [name, surface] : named_views(model_)) {
            if (name == c.name) return new SurfaceView(*surface, parent);
        }
        break;
    }
    qFatal("the model has no view for \"%.*s\"", int(c.name.size()), c.name.data());
}

void WindowControls::set_focus_order() {
    const std::vector<const ControlSpec*> order = focus_order();
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(find<QWidget>(order[k - 1]->name), find<QWidget>(order[k]->name));
    }
}

void WindowControls::wire(const std::function<void(std::string_view, ControlPart)>& on_press) {
    for (const auto& [c, widget] : placed_) {
        if (!c->act) continue;
        const std::string_view name = c->name;
        if (auto* spin = qobject_cast<SpinButton*>(widget)) {
            QObject::connect(spin, &SpinButton::spin_up, spin, [on_press, name] { on_press(name, ControlPart::Up); });
            QObject::connect(spin, &SpinButton::spin_down, spin,
                             [on_press, name] { on_press(name, ControlPart::Down); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [on_press, name] { on_press(name, ControlPart::Whole); });
        }
    }
}

void WindowControls::place(const Placement& placement) {
    style_->set_zoom(placement.zoom);
    for (const auto& [c, widget] : placed_) {
        widget->setGeometry(qrect(control_box(*c, placement.zoom, placement.offset)));
        if (!c->font) continue;
        // A symbol stands in the layout's own font in every language.
        fit_caption(*widget, layout_font(*c->font, caption_language(*c, model_.language)), placement.zoom,
                    shows_layouts_text(*c, model_.language));
    }
}

void WindowControls::show_chosen(const std::vector<std::string_view>& options) {
    for (const std::string_view name : options) find<QRadioButton>(name)->setChecked(true);
}

void WindowControls::show_caption(std::string_view name, const std::string& caption, bool now) {
    auto* label = find<QLabel>(name);
    const QString text = QString::fromStdString(caption);
    if (label->text() == text) return;
    label->setText(text);
    refit_caption(*label, shows_layouts_text(*layout_control(name), model_.language));
    if (now) label->repaint();
}

void WindowControls::show_captions(const std::vector<std::pair<std::string_view, std::string>>& captions) {
    for (const auto& [name, caption] : captions) show_caption(name, caption, false);
}

void WindowControls::show(const SessionChanges& changes, bool now) {
    for (const auto& [name, caption] : changes.captions) show_caption(name, caption, now);
    for (std::size_t k = 0; k < views_.size(); ++k) {
        if (changes.views_redrawn) {
            views_[k]->update();
        } else {
            views_[k]->show_changed(changes.views[k], now);
        }
    }
}

SurfaceView* WindowControls::view(std::string_view name) const { return find<SurfaceView>(name); }

}  // namespace af::desktop
