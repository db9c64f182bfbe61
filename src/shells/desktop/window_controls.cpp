#include "shells/desktop/window_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

#include "core/acts/spoken_text.h"
#include "shells/desktop/caption_fit.h"
#include "shells/desktop/fonts.h"
#include "shells/desktop/press_button.h"
#include "shells/desktop/qt_text.h"
#include "shells/desktop/spin_button.h"
#include "shells/desktop/surface_view.h"
#include "shells/desktop/zoom_style.h"

namespace af::desktop {

namespace {

QColor bgr_color(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

Qt::Alignment alignment(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QRect qrect(const Rect& r) { return QRect(r.x, r.y, r.width, r.height); }

}  // namespace

WindowControls::WindowControls(QWidget& window, Model& model) : model_(model) {
    window.setObjectName(qstring(kWindowName));
    by_name_.insert(window.objectName(), &window);
    for (const ControlSpec& c : window_layout()) {
        QWidget* widget = widget_for(c, by_name_.value(qstring(c.parent), &window));
        widget->setObjectName(qstring(c.name));
        placed_.emplace_back(&c, widget);
        if (c.fore) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, bgr_color(*c.fore));
            widget->setPalette(palette);
        }
        const ControlSpeech speech = control_speech(c.name);
        if (!speech.name.empty()) widget->setAccessibleName(QString::fromStdString(speech.name));
        if (!speech.description.empty()) widget->setAccessibleDescription(QString::fromStdString(speech.description));
        by_name_.insert(widget->objectName(), widget);
        if (c.kind == ControlKind::SpinControl && c.act) spins_.emplace_back(find<SpinButton>(c.name), c.act->target);
    }
    // Made after the controls, so that it outlives them.
    style_ = new ZoomStyle(&window);
    for (const auto& [c, widget] : placed_) {
        if (c->kind != ControlKind::Picture) widget->setStyle(style_);
    }
    for (const auto& [name, caption] : named_captions(model_)) captions_.emplace_back(find<QLabel>(name), caption);
    for (const auto& [name, surface] : named_views(model_)) views_.emplace_back(find<SurfaceView>(name), surface);
    set_focus_order();
}

QWidget* WindowControls::widget_for(const ControlSpec& c, QWidget* parent) {
    switch (c.kind) {
    case ControlKind::Group:
        return new QGroupBox(qstring(c.caption), parent);
    case ControlKind::Label: {
        auto* label = new QLabel(qstring(c.caption), parent);
        label->setAlignment(alignment(c.align));
        return label;
    }
    case ControlKind::PushButton:
        return new PressButton(qstring(c.caption), parent);
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(qstring(c.caption), parent);
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
    std::vector<std::pair<int, QWidget*>> order;
    for (const auto& [c, widget] : placed_) {
        if (c->tab_index >= 0) order.emplace_back(c->tab_index, widget);
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1].second, order[k].second);
}

void WindowControls::wire(const std::function<void(const Act&)>& on_act) {
    for (const auto& [c, widget] : placed_) {
        if (!c->act) continue;
        const Act act = *c->act;
        if (auto* spin = qobject_cast<SpinButton*>(widget)) {
            QObject::connect(spin, &SpinButton::spin_up, spin, [on_act, act] { on_act(act); });
            QObject::connect(spin, &SpinButton::spin_down, spin,
                             [on_act, act] { on_act(step_act(act.target, Direction::Down)); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QObject::connect(button, &QAbstractButton::clicked, button, [on_act, act] { on_act(act); });
        }
    }
}

void WindowControls::place(double zoom, Point offset) {
    style_->set_zoom(zoom);
    for (const auto& [c, widget] : placed_) {
        widget->setGeometry(qrect(control_box(*c, zoom, offset)));
        if (c->font) fit_caption(*widget, layout_font(*c->font), zoom);
    }
}

void WindowControls::show_model(bool now) {
    for (const auto& [label, caption] : captions_) {
        const QString text = QString::fromStdString(caption->caption);
        if (label->text() == text) continue;
        label->setText(text);
        refit_caption(*label);
        if (now) label->repaint();
    }
    for (const auto& [view, surface] : views_) view->show_changes(*surface, now);
}

void WindowControls::show_new_views() {
    for (const auto& [view, surface] : views_) {
        surface->take_dirty();
        view->update();
    }
}

SurfaceView* WindowControls::view(std::string_view name) const { return find<SurfaceView>(name); }

}  // namespace af::desktop
