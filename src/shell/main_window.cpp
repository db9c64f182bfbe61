#include "shell/main_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "app/accessible_text.h"
#include "app/layout.h"
#include "app/twips.h"
#include "controls/handlers.h"
#include "shell/accessibility.h"
#include "shell/announcer.h"
#include "shell/fonts.h"
#include "shell/qt_text.h"
#include "shell/spin_button.h"
#include "shell/surface_view.h"
#include "shell/window_fit.h"

namespace af::shell {

namespace {

QColor bgr_color(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

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

double start_ratio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), form_(*this, start_ratio()), pacer_(*this), input_(*this) {
    install_accessibility();
    setObjectName("Form1");
    setWindowTitle(qstring(kWindowCaption));
    resize(twips_to_px(kClientWidthTwips), twips_to_px(kClientHeightTwips));
    build_controls();
    place_controls();
    set_focus_order();
    wire_events();
    add_shortcuts();
    Form_Load(form_);
    base_client_ = size();
    show_model(false);
    announcer_ = new Announcer(this);
    watch_focus();
    update_accessible();
}

MainWindow::~MainWindow() = default;

void MainWindow::build_controls() {
    controls_.insert("Form1", this);
    for (const ControlSpec& c : window_layout()) {
        QWidget* parent = controls_.value(qstring(c.parent), this);
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::Frame:
            widget = new QGroupBox(qstring(c.caption), parent);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(qstring(c.caption), parent);
            label->setAlignment(alignment(c.align));
            widget = label;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(qstring(c.caption), parent);
            button->setAutoDefault(true);  // Enter presses it as Space does
            widget = button;
            break;
        }
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(qstring(c.caption), parent);
            option->setChecked(c.selected);
            widget = option;
            break;
        }
        case ControlKind::SpinControl:
            widget = new SpinButton(parent);
            break;
        case ControlKind::Picture:
            for (const auto& [name, surface] : named_views(form_)) {
                if (name == c.name) widget = new SurfaceView(*surface, parent);
            }
            if (!widget) qFatal("the model has no view for \"%.*s\"", int(c.name.size()), c.name.data());
            break;
        }
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
        controls_.insert(widget->objectName(), widget);
    }
    for (const auto& [name, model] : named_captions(form_)) value_labels_.emplace_back(control<QLabel>(name), model);
    for (const auto& [name, surface] : named_views(form_)) views_.emplace_back(control<SurfaceView>(name), surface);
}

void MainWindow::set_focus_order() {
    std::vector<std::pair<int, QWidget*>> order;
    for (const ControlSpec& c : window_layout()) {
        if (c.tab_index >= 0) order.emplace_back(c.tab_index, control<QWidget>(c.name));
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1].second, order[k].second);
    }
}

void MainWindow::wire_events() {
    using Plain = void (*)(Form1&);
    using K = Act::Kind;
    const std::tuple<const char*, Plain, K> clicks[] = {
        {"Command1", Command1_Click, K::Run}, {"Command2", Command2_Click, K::Reset},
        {"Option4", Option4_Click, K::Option}, {"Option1", Option1_Click, K::Option},
        {"Option2", Option2_Click, K::Option}, {"Option5", Option5_Click, K::Option},
        {"Option6", Option6_Click, K::Option},
    };
    for (const auto& [name, handler, kind] : clicks) {
        auto* button = control<QAbstractButton>(name);
        connect(button, &QAbstractButton::clicked, this, [this, h = handler, k = kind] { dispatch(h, {k}); });
    }
    auto* option3 = control<QAbstractButton>("Option3(0)");
    connect(option3, &QAbstractButton::clicked, this,
            [this] { dispatch([](Form1& f) { Option3_Click(f, 0); }, {K::Option}); });

    using Q = Quantity;
    const std::tuple<const char*, Spinner, Plain, Plain> spins[] = {
        {"SpinButton5", {Q::Time, 0}, SpinButton5_SpinUp, SpinButton5_SpinDown},
        {"SpinButton6", {Q::Radius, 0}, SpinButton6_SpinUp, SpinButton6_SpinDown},
        {"SpinButton7", {Q::Radius, 1}, SpinButton7_SpinUp, SpinButton7_SpinDown},
        {"SpinButton8", {Q::Speed, 0}, SpinButton8_SpinUp, SpinButton8_SpinDown},
        {"SpinButton9", {Q::Speed, 1}, SpinButton9_SpinUp, SpinButton9_SpinDown},
    };
    for (const auto& [name, spinner, up, down] : spins) {
        auto* spin = control<SpinButton>(name);
        spins_.emplace_back(spin, spinner);
        connect(spin, &SpinButton::spin_up, this,
                [this, h = up, q = spinner] { dispatch(h, {K::Step, q, Spin::Up}); });
        connect(spin, &SpinButton::spin_down, this,
                [this, h = down, q = spinner] { dispatch(h, {K::Step, q, Spin::Down}); });
    }
}

void MainWindow::dispatch(Handler handler, Act act) {
    if (busy_) {
        waiting_.emplace_back(std::move(handler), act);
        return;
    }
    busy_ = true;
    input_.hold();
    waiting_.emplace_back(std::move(handler), act);
    while (!waiting_.empty() && !close_pending_) {
        auto [next, next_act] = std::move(waiting_.front());
        waiting_.pop_front();
        pacer_.begin_run();
        announce(narrator_.begin(form_.state, next_act));
        const State before = form_.state;
        log_.before(form_);
        next(form_);
        log_.after(form_, std::move(next));
        show_model(false);
        if (!close_pending_) tell(before, next_act);
    }
    waiting_.clear();
    busy_ = false;
    if (close_pending_) {
        input_.drop();
        close();
    } else {
        input_.release();
        if (fit_pending_) fit_layout();
    }
}

void MainWindow::show_model(bool now) {
    for (const auto& [label, model] : value_labels_) {
        const QString text = QString::fromStdString(model->Caption);
        if (label->text() == text) continue;
        label->setText(text);
        if (now) label->repaint();
    }
    for (const auto& [view, surface] : views_) view->show_changes(*surface, now);
}

bool MainWindow::present_frame() {
    if (pacer_.stopped()) return false;  // the window is going: nothing more is drawn or awaited
    show_model(true);
    pacer_.frame_shown();
    return !pacer_.stopped();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // Not lost: the window closes as soon as the handler under way returns.
        close_pending_ = true;
        pacer_.stop();
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::set_outer_width(float twips) {
    outer_px_.setWidth(twips_to_px(twips));
    if (outer_px_.height() == 0) outer_px_.setHeight(frameGeometry().height());
    resize(outer_px_.width() - (frameGeometry().width() - width()), height());
}

void MainWindow::set_outer_height(float twips) {
    outer_px_.setHeight(twips_to_px(twips));
    resize(width(), outer_px_.height() - (frameGeometry().height() - height()));
}

float MainWindow::outer_width() const { return static_cast<float>(px_to_twips(frameGeometry().width())); }

float MainWindow::outer_height() const {
    return static_cast<float>(px_to_twips(frameGeometry().height()));
}

void MainWindow::set_top(float twips) {
    const QRect area = screen() ? screen()->geometry() : QRect();
    move(pos().x(), area.y() + twips_to_px(twips));
}

void MainWindow::set_left(float twips) {
    const QRect area = screen() ? screen()->geometry() : QRect();
    move(area.x() + twips_to_px(twips), pos().y());
}

float MainWindow::screen_width() const {
    return screen() ? static_cast<float>(px_to_twips(screen()->geometry().width())) : 0.0f;
}

float MainWindow::screen_height() const {
    return screen() ? static_cast<float>(px_to_twips(screen()->geometry().height())) : 0.0f;
}

}  // namespace af::shell
