// The picture pane in the whole program, driven with real keys: the Graph menu shows and
// hides it (and the choice is kept), typing a new statistic redraws it, the language and
// the scale follow, what it paints shares its area between the shades as prep and psrep
// say, and the export writes an SVG that parses.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "headless/scripted_save_dialog.h"
#include "ormane/version.h"
#include "support/qt_test_main.h"
#include "support/window_test.h"

using namespace ormane;
using qt::testing::tick;

namespace {

bool near(const QColor& c, int r, int g, int b) {
    return std::abs(c.red() - r) <= 2 && std::abs(c.green() - g) <= 2 &&
           std::abs(c.blue() - b) <= 2;
}

}  // namespace

class PicturePaneTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    // The person's answers to the save dialog.
    platform::ScriptedSaveDialog saveDialog_;
    QWidget* pane() { return w_->widget(F().picture("ImagePredictive")); }

    // Alt+G opens the Graph menu; then the item's own key.
    void viaGraphMenu(Qt::Key key) {
        QTest::keyClick(w_->window(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(menu->menuAction()->text(), QStringLiteral("&Graph"));
        QTest::keyClick(menu, key);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        w_->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_->window()));
        qt::testing::settle(*w_->window());
    }
    QString description() { return pane()->accessibleDescription(); }

    // Ends the program and starts a new one with a copy of its settings in `dossier` (the
    // first program's folder goes with it); true once the new main window is active.
    bool restartWithTheSameSettings(const QTemporaryDir& dossier) {
        if (!QDir(dossier.path()).mkpath(QStringLiteral("ormane")) ||
            !QFile::copy(w_->settingsFolder() + QStringLiteral("/ormane/ormane.ini"),
                         dossier.filePath(QStringLiteral("ormane/ormane.ini")))) {
            return false;
        }
        w_.reset();
        w_ = std::make_unique<qt::testing::ProgrammeWindow>(dossier.path());
        w_->programme().Demarre();
        if (!QTest::qWaitForWindowActive(w_->window())) return false;
        qt::testing::settle(*w_->window());
        return true;
    }

  private slots:
    void init() { QVERIFY(start(&saveDialog_)); }
    void cleanup() { w_.reset(); }

    // Every pane shown (the picture, every result, the future experiment, both interval
    // frames): the window's smallest size leaves room on a 1024x768 screen for a title bar
    // and a panel, and at that size every text shows whole, in both languages.
    void everyPaneShownFitsASmallScreen_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("en") << 0;
        QTest::newRow("fr") << 1;
    }
    void everyPaneShownFitsASmallScreen() {
        if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) QSKIP("measured at the scale of 1");
        QFETCH(int, language);
        viaGraphMenu(Qt::Key_S);
        QVERIFY(pane()->isVisible());
        w_->action(F().menuItem("MenuLangue", static_cast<std::int16_t>(language)))->trigger();
        for (const char* box : {"CasePsrep", "CasePreprep"}) tick(control(box));
        for (std::int16_t i : {0, 1}) tick(control("OptionIC", i));
        tick(control("OptionReplique", 1));
        QVERIFY(control("CadreIntervalle", 1)->isVisible() && control("Textealpha")->isVisible());
        QWidget& window = *w_->window();
        const QSize hint = window.minimumSizeHint();
        QVERIFY2(hint.width() <= 1000 && hint.height() <= 700,
                 qPrintable(QStringLiteral("hint %1x%2").arg(hint.width()).arg(hint.height())));
        // As small as the window lets itself be made.
        window.resize(1, 1);
        qt::testing::settle(window);
        const QSize smallest = window.size();
        QVERIFY2(smallest.width() <= 1000 && smallest.height() <= 700,
                 qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
        expectTidy(window,
                   language == 0 ? QStringLiteral("en-smallest") : QStringLiteral("fr-smallest"));
        // The picture is smaller, whole: as wide as its shape allows at that height.
        QVERIFY(pane()->height() < 280 && pane()->height() >= pane()->minimumSizeHint().height());
    }

    // Started with the pane shown on a screen a little larger than the window's smallest
    // size (the test is run again with a 1024x768 screen): the window opens within the
    // screen's free area, a title bar's room left, and every text still shows whole.
    void startsWithThePaneWithinASmallScreen_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("en") << 0;
        QTest::newRow("fr") << 1;
    }
    void startsWithThePaneWithinASmallScreen() {
        QFETCH(int, language);
        viaGraphMenu(Qt::Key_S);
        w_->action(F().menuItem("MenuLangue", static_cast<std::int16_t>(language)))->trigger();
        const QSize smallest = w_->window()->minimumSizeHint();
        const QSize room = w_->window()->screen()->availableGeometry().size();
        if (room.width() < smallest.width() || room.height() < smallest.height() + 40 ||
            room.height() > 800) {
            QSKIP("needs a screen between the window's smallest size and its preferred size");
        }
        QTemporaryDir dossier;
        QVERIFY(restartWithTheSameSettings(dossier));
        QVERIFY(pane()->isVisible());
        const QSize opened = w_->window()->size();
        QVERIFY2(opened.width() <= room.width() && opened.height() + 40 <= room.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(opened.width())
                                .arg(opened.height())
                                .arg(room.width())
                                .arg(room.height())));
        expectTidy(*w_->window(), language == 0 ? QStringLiteral("en-small-screen")
                                                : QStringLiteral("fr-small-screen"));
    }

    void theGraphMenuShowsAndHidesThePaneAndKeepsTheChoice() {
        QVERIFY(!pane()->isVisible());
        const int hauteur = w_->window()->height();
        viaGraphMenu(Qt::Key_S);
        QVERIFY(pane()->isVisible());
        QVERIFY(w_->window()->height() > hauteur);
        QVERIFY(F().menuItem("MenuImage").checked());
        QVERIFY(description().contains(QStringLiteral("prep = 0.772")));
        QCOMPARE(pane()->accessibleName(),
                 QStringLiteral("picture of the predictive distribution"));
        QCOMPARE(
            w_->programme().session().services().settings.read(kNomExecutable, "Options", "Image"),
            std::optional<std::string>("1"));

        // A new program with the same settings opens with the pane shown.
        QTemporaryDir dossier;
        QVERIFY(restartWithTheSameSettings(dossier));
        QVERIFY(pane()->isVisible());

        viaGraphMenu(Qt::Key_S);
        QVERIFY(!pane()->isVisible());
        QVERIFY(!F().menuItem("MenuImage").checked());
    }

    void typingANewStatisticRedrawsItInTheLanguageAndScaleChosen() {
        viaGraphMenu(Qt::Key_S);
        const QString avant = description();
        retype(control("Textet", 3), QStringLiteral("0.01"));
        QTRY_VERIFY(description() != avant);
        QVERIFY(description().contains(QStringLiteral("prep = 0.9")));

        w_->action(F().menuItem("MenuLangue", 1))->trigger();
        QTRY_VERIFY(description().contains(QStringLiteral("t de la réplique")));
        QCOMPARE(pane()->accessibleName(), QStringLiteral("image de la distribution prédictive"));

        // A statistic of the person's own has no effect of its own until one is typed: the
        // effect scale says so, then draws the d typed.
        w_->action(F().menuItem("MenuLangue", 0))->trigger();
        viaGraphMenu(Qt::Key_E);
        QVERIFY(F().menuItem("MenuEchelle", 1).checked());
        QVERIFY(description().contains(QStringLiteral("enter the observed d or raw effect")));
        qt::testing::tick(control("OptionIC", 0));
        retype(control("TexteEffet", 0), QStringLiteral("0.4"));
        QTRY_VERIFY(description().contains(QStringLiteral("d of the replication")));
        QVERIFY(description().contains(QStringLiteral("observed 0.400")));
    }

    // The painted shades: their share of the painted area under the curve is prep (both
    // shades) and psrep (the darker), within what the marks drawn over them hide.
    void thePaintedAreasShareTheCurveAsPrepAndPsrepSay() {
        viaGraphMenu(Qt::Key_S);
        const QImage image = pane()->grab().toImage();
        int clair = 0, moyen = 0, fonce = 0;
        const int haut = image.height() * 54 / 280 + 1;  // below the legend's swatches
        for (int y = haut; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (near(c, 226, 232, 242)) ++clair;
                if (near(c, 150, 185, 225)) ++moyen;
                if (near(c, 40, 95, 170)) ++fonce;
            }
        }
        const double total = clair + moyen + fonce;
        QVERIFY(total > 1000);
        const double prep = w_->programme().module().resultats.valeur(Resultat::Prep).value();
        const double psrep = w_->programme().module().resultats.valeur(Resultat::Psrep).value();
        QVERIFY2(std::abs((moyen + fonce) / total - prep) < 0.03,
                 qPrintable(QString::number((moyen + fonce) / total)));
        QVERIFY2(std::abs(fonce / total - psrep) < 0.03,
                 qPrintable(QString::number(fonce / total)));
    }

    void theExportWritesAnSvgThatParses() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("image.svg"));
        saveDialog_.chooseNext(chemin.toStdString(), 0);
        const std::size_t asked = saveDialog_.requests().size();
        w_->action(F().menuItem("MenuExporteImage"))->trigger();
        QCOMPARE(saveDialog_.requests().size(), asked + 1);
        const std::vector<platform::FileFormat> offered{{"SVG", "svg"}, {"PNG", "png"}};
        QVERIFY(saveDialog_.requests().back().formats == offered);
        QSvgRenderer svg(chemin);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox().size(), QSize(640, 280));
    }
};

ORMANE_QTEST_MAIN(PicturePaneTest)
#include "picture_pane_test.moc"
