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

#include "controls/handlers.h"
#include "support/fake_host.h"

namespace {

using af::Form1;
using Steps = std::function<void(af::testing::Started&)>;

void press(Form1& f, void (*handler)(Form1&), int times) {
    for (int k = 0; k < times; ++k) handler(f);
}

// The run, stopped at its frame `frame` (counted from 1) while it is on show.
void run_until_frame(af::testing::Started& w, int frame, QImage& seen, const std::function<QImage(Form1&)>& take) {
    w.host.on_present = [&, frame] {
        if (w.host.presented == frame) seen = take(w.form);
    };
    af::Command1_Click(w.form);
    w.host.on_present = nullptr;
}

void put(QImage& out, int x0, int y0, const af::Surface& view, const std::vector<std::uint32_t>& pixels) {
    for (int y = 0; y < view.height(); ++y) {
        std::memcpy(out.scanLine(y0 + y) + 4 * x0, pixels.data() + static_cast<std::size_t>(y) * view.width(),
                    static_cast<std::size_t>(view.width()) * 4);
    }
}

// The views stacked; the persistent images beside them where they differ.
QImage sheet(Form1& f) {
    const auto views = af::named_views(std::as_const(f));
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
        {"mid-run-0.01", nullptr},  // taken while the run is on show, see below
        {"after-run-0.01", [](auto& w) { Command1_Click(w.form); }},
        {"after-run-0.005", [](auto& w) { Option1_Click(w.form); Command1_Click(w.form); }},
        {"after-run-0.002", [](auto& w) { Option2_Click(w.form); Command1_Click(w.form); }},
        {"r1-down", [](auto& w) { SpinButton6_SpinDown(w.form); }},
        {"w2-up-0.5", [](auto& w) { Option5_Click(w.form); SpinButton9_SpinUp(w.form); }},
        {"steps-up-7-down-3", [](auto& w) { press(w.form, SpinButton5_SpinUp, 7); press(w.form, SpinButton5_SpinDown, 3); }},
        {"r1-15-r2-1", [](auto& w) { press(w.form, SpinButton6_SpinUp, 5); press(w.form, SpinButton7_SpinDown, 9); }},
        {"w1-10-w2-0.1-steps", [](auto& w) {
             press(w.form, SpinButton8_SpinUp, 8);
             Option6_Click(w.form);
             press(w.form, SpinButton9_SpinDown, 39);
             press(w.form, SpinButton5_SpinUp, 20);
         }},
        {"after-run-then-step", [](auto& w) { Command1_Click(w.form); SpinButton5_SpinUp(w.form); }},
        {"reset-after-run", [](auto& w) { Command1_Click(w.form); Command2_Click(w.form); }},
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
        QImage actual;
        if (s.steps) {
            s.steps(w);
            actual = sheet(w.form);
        } else {
            run_until_frame(w, 51, actual, sheet);  // t = 0.5 s
        }
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
