// The three views at telling states, compared pixel for pixel with reference
// images under tests/golden/ (the views stacked, circle view on top; a
// second column holds the persistent images where they differ from the
// screen). AF_RECORD_GOLDEN=1 writes the references anew; a mismatch
// writes the actual image and a diff into the build folder.
#include <QCoreApplication>
#include <QImage>
#include <QtTest>
#include <cstring>
#include <functional>

#include "core/acts/apply.h"
#include "core/acts/run.h"
#include "support/fake_host.h"

namespace {

using af::Model;
using Steps = std::function<void(af::testing::Started&)>;

void press(Model& model, const af::Act& act, int times) {
    for (int k = 0; k < times; ++k) af::apply(model, act);
}

// A run shown up to its frame `frame` (counted from 1), which is on show.
void run_until_frame(Model& model, int frame) {
    af::AnimationRun run(model);
    for (int k = 0; k < frame; ++k) run.step();
}

void put(QImage& out, int x0, int y0, const af::Surface& view, const std::vector<std::uint32_t>& pixels) {
    for (int y = 0; y < view.height(); ++y) {
        std::memcpy(out.scanLine(y0 + y) + 4 * x0, pixels.data() + static_cast<std::size_t>(y) * view.width(),
                    static_cast<std::size_t>(view.width()) * 4);
    }
}

// The views stacked; the persistent images beside them where they differ.
QImage sheet(Model& model) {
    const auto views = af::named_views(std::as_const(model));
    bool apart = false;
    int width = 0, height = 0;
    for (const auto& [name, view] : views) {
        apart = apart || view->persistent() != view->screen();
        width = std::max(width, view->width());
        height += view->height();
    }
    QImage out(apart ? 2 * width : width, height, QImage::Format_RGB32);
    out.fill(Qt::gray);
    int y = 0;
    for (const auto& [name, view] : views) {
        put(out, 0, y, *view, view->screen());
        if (apart) put(out, width, y, *view, view->persistent());
        y += view->height();
    }
    return out;
}

struct State {
    const char* name;
    Steps steps;
};

const std::vector<State>& states() {
    using namespace af;
    static const std::vector<State> all{
        {"start-up", [](auto&) {}},
        {"mid-run-0.01", [](auto& w) { run_until_frame(w.model, 51); }},  // t = 0.5 s, on show
        {"mid-run-0.002-after-steps", [](auto& w) {
             press(w.model, time_step_act(Direction::Up), 4);
             apply(w.model, choose_time_step_act(2));
             run_until_frame(w.model, 301);  // t = 0.6 s: the run starts from 0 whatever the steps reached
         }},
        {"after-run-0.01", [](auto& w) { apply(w.model, run_act()); }},
        {"after-run-0.005", [](auto& w) { apply(w.model, choose_time_step_act(5)); apply(w.model, run_act()); }},
        {"after-run-0.002", [](auto& w) { apply(w.model, choose_time_step_act(2)); apply(w.model, run_act()); }},
        {"r1-down", [](auto& w) { apply(w.model, length_step_act(0, Direction::Down)); }},
        {"w2-4.5-steps-13", [](auto& w) {
             apply(w.model, choose_frequency_step_act(5));
             apply(w.model, frequency_step_act(1, Direction::Up));
             press(w.model, time_step_act(Direction::Up), 13);
         }},
        {"steps-up-7-down-3", [](auto& w) { press(w.model, time_step_act(Direction::Up), 7); press(w.model, time_step_act(Direction::Down), 3); }},
        {"r1-15-r2-1", [](auto& w) { press(w.model, length_step_act(0, Direction::Up), 5); press(w.model, length_step_act(1, Direction::Down), 9); }},
        {"w1-10-w2-0.1-steps", [](auto& w) {
             press(w.model, frequency_step_act(0, Direction::Up), 8);
             apply(w.model, choose_frequency_step_act(1));
             press(w.model, frequency_step_act(1, Direction::Down), 39);
             press(w.model, time_step_act(Direction::Up), 20);
         }},
        {"after-run-then-step", [](auto& w) { apply(w.model, run_act()); apply(w.model, time_step_act(Direction::Up)); }},
        {"reset-after-run-then-steps-30", [](auto& w) {
             apply(w.model, run_act());
             apply(w.model, reset_act());
             press(w.model, time_step_act(Direction::Up), 30);
         }},
    };
    return all;
}

QString golden_path(const QString& name) { return QStringLiteral(AF_GOLDEN_DIR "/%1.png").arg(name); }

}  // namespace

class GoldenFrames : public QObject {
    Q_OBJECT

private slots:
    void views_match_their_reference_images_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<double>("ratio");
        for (std::size_t k = 0; k < states().size(); ++k) {
            for (const double ratio : {1.0, 2.0}) {
                const QString name = QString("%1@%2x").arg(states()[k].name).arg(ratio);
                QTest::newRow(qPrintable(name)) << static_cast<int>(k) << ratio;
            }
        }
    }

    void views_match_their_reference_images() {
        QFETCH(int, state);
        QFETCH(double, ratio);
        const State& s = states()[static_cast<std::size_t>(state)];
        const QString name = QString("%1@%2x").arg(s.name).arg(ratio);
        af::testing::Started w(ratio);
        s.steps(w);
        const QImage actual = sheet(w.model);
        QVERIFY(!actual.isNull());
        if (qEnvironmentVariableIsSet("AF_RECORD_GOLDEN")) {
            QVERIFY(actual.save(golden_path(name)));
            return;
        }
        const QImage expected = QImage(golden_path(name)).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable("no reference image " + golden_path(name)));
        bool same = expected.size() == actual.size();
        QImage diff(actual.size(), QImage::Format_RGB32);
        diff.fill(Qt::white);
        int differing = 0;
        for (int y = 0; y < actual.height(); ++y) {
            for (int x = 0; x < actual.width(); ++x) {
                const bool equal = same && expected.pixel(x, y) == actual.pixel(x, y);
                if (!equal) diff.setPixel(x, y, qRgb(255, 0, 0));
                differing += !equal;
            }
        }
        if (same && differing == 0) return;
        const QString out = QCoreApplication::applicationDirPath() + "/golden-" + name;
        actual.save(out + "-actual.png");
        diff.save(out + "-diff.png");
        QFAIL(qPrintable(QString("%1 differs in %2 pixels (sizes %3x%4 and %5x%6); see %7-actual.png and %7-diff.png")
                             .arg(name).arg(differing).arg(actual.width()).arg(actual.height())
                             .arg(expected.width()).arg(expected.height()).arg(out)));
    }
};

QTEST_GUILESS_MAIN(GoldenFrames)
#include "golden_frames_test.moc"
