// The main window in its design state, bound to widgets: a widget of the right kind for
// every control, frames holding their controls, the menu bar, the decimals bar's
// direction, and a tidy arrangement (nothing clipped, at the scale the test runs with).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>
#include <memory>

#include "qt/binding/control_view.h"
#include "qt/binding/form_binding.h"
#include "support/mixed_platform.h"
#include "support/qt_test_main.h"
#include "support/tidiness.h"
#include "window/design/feuille_ormane.h"
#include "window/model/session.h"

using namespace ormane;

class FeuilleWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<qt::testing::MixedPlatform> platform_;
    std::unique_ptr<window::Session> session_;
    std::unique_ptr<window::FeuilleOrmane> feuille_;

    qt::FormBinding& binding() { return *platform_->windows.binding(*feuille_); }
    QWidget* window() { return platform_->windows.windowOf(*feuille_); }
    QWidget* widgetOf(const window::Control& control) {
        return binding().view(control)->focusTarget();
    }
    static QString scaleName() {
        QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
        return scale + u'x';
    }
    void expectTidy(const QString& when) {
        qt::testing::settle(*window());
        QStringList problems = qt::testing::clippedWidgets(*window());
        if (!problems.isEmpty())
            QFAIL(qPrintable(when + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
    }

  private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        platform_ = std::make_unique<qt::testing::MixedPlatform>();
        session_ = std::make_unique<window::Session>(platform_->services());
        feuille_ = window::creeFeuilleOrmane(*session_);
        feuille_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }

    void cleanup() {
        platform_->windows.detachAll();
        feuille_.reset();
        session_.reset();
        platform_.reset();
    }

    void everyControlHasAWidgetOfItsKind() {
        for (window::Control* control : feuille_->controls()) {
            const char* wanted = nullptr;
            switch (control->kind()) {
                case window::Kind::TextBox:
                    wanted = "QLineEdit";
                    break;
                case window::Kind::ComboBox:
                    wanted = "QComboBox";
                    break;
                case window::Kind::OptionButton:
                    wanted = "QRadioButton";
                    break;
                case window::Kind::CheckBox:
                    wanted = "QCheckBox";
                    break;
                case window::Kind::Label:
                    wanted = "QLabel";
                    break;
                case window::Kind::Frame:
                    wanted = "QGroupBox";
                    break;
                case window::Kind::CommandButton:
                    wanted = "QPushButton";
                    break;
                case window::Kind::VScrollBar:
                    wanted = "QScrollBar";
                    break;
                case window::Kind::Picture:
                    wanted = "ormane::qt::SvgPicture";
                    break;
                case window::Kind::MenuItem:
                    QVERIFY2(binding().action(*control) != nullptr, control->displayName().c_str());
                    continue;
            }
            QWidget* shown = widgetOf(*control);
            QVERIFY2(shown != nullptr, control->displayName().c_str());
            QVERIFY2(shown->inherits(wanted), control->displayName().c_str());
            QCOMPARE(shown->objectName().toStdString(), control->displayName());
            QCOMPARE(window()->findChild<QWidget*>(shown->objectName()), shown);
        }
    }

    void controlsInAFrameLieInsideIt() {
        for (window::Control* control : feuille_->controls()) {
            window::Control* frame = control->container();
            if (frame == nullptr || frame->kind() != window::Kind::Frame) continue;
            QVERIFY2(binding().widget(*frame)->isAncestorOf(widgetOf(*control)),
                     control->displayName().c_str());
        }
    }

    void whatTheDesignHidesIsHidden() {
        for (window::Control* control : feuille_->controls()) {
            if (control->kind() == window::Kind::MenuItem) continue;
            QCOMPARE(widgetOf(*control)->isVisible(), control->effectivelyVisible());
        }
        QVERIFY(!widgetOf(feuille_->textBox("Textec"))->isVisible());
        QVERIFY(widgetOf(feuille_->textBox("Textet", 3))->isVisible());
        QVERIFY(!widgetOf(feuille_->optionButton("OptionEffet", 0))->isVisible());  // its frame
    }

    void theMenuBarHoldsTheMenusInOrder() {
        auto* bar = window()->findChild<QMenuBar*>();
        QVERIFY(bar != nullptr);
        QStringList top;
        for (QAction* action : bar->actions()) top << action->text();
        QCOMPARE(top, (QStringList{"&K-prime calculator", "&Copy prep to clipboard", "&Language",
                                   "e&Xit", "&?"}));
        QMenu* help = bar->actions().last()->menu();
        QVERIFY(help != nullptr);
        QCOMPARE(help->actions().size(), 3);
        QMenu* aide = help->actions().first()->menu();
        QVERIFY(aide != nullptr);
        QCOMPARE(aide->actions().size(), 5);
        QAction* use = binding().action(feuille_->menuItem("MenuAide1", 2));
        QCOMPARE(use->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(aide->actions().at(1), use);
        QVERIFY(!binding().action(feuille_->menuItem("MenuLangue", 0))->isCheckable());
    }

    void theDecimalsBarHoldsNineAtItsTop() {
        auto* bar = qobject_cast<QScrollBar*>(widgetOf(feuille_->scrollBar("Ascenseur")));
        QCOMPARE(bar->orientation(), Qt::Vertical);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 7);
        QCOMPARE(bar->value(), 6);  // 3 decimals: six steps below 9
        auto thumb = [bar] {
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = Qt::Vertical;
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.sliderPosition = bar->sliderPosition();
            option.sliderValue = bar->value();
            option.pageStep = bar->pageStep();
            return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                QStyle::SC_ScrollBarSlider, bar);
        };
        QVERIFY(thumb().center().y() > bar->height() / 2);  // 3 shows low on the bar
        feuille_->scrollBar("Ascenseur").setValue(9);
        QCOMPARE(bar->value(), 0);
        QVERIFY(thumb().center().y() < bar->height() / 2);
        qt::testing::saveScreenshot(*bar, QStringLiteral("bar-at-9"));
    }

    void resultLabelsAreYellowBoldAndNamed() {
        for (const char* name : {"EtiPrep", "EtiPrept", "EtiPreprep"}) {
            auto* label = qobject_cast<QLabel*>(widgetOf(feuille_->label(name)));
            QCOMPARE(label->accessibleName(), QString::fromLatin1(name));
            QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 192));
            QVERIFY(label->font().bold());
        }
        auto* alpha = qobject_cast<QLabel*>(widgetOf(feuille_->label("Etialpha")));
        QCOMPARE(alpha->text(), QStringLiteral("α"));
        auto* gamma = qobject_cast<QLabel*>(widgetOf(feuille_->label("EtiGamma")));
        QCOMPARE(gamma->text(), QStringLiteral("γ"));
    }

    void aClickOnALongCheckBoxCaptionTicksIt() {
        auto* caption = window()->findChild<QLabel*>(QStringLiteral("CasePsrep.caption"));
        QVERIFY(caption != nullptr);
        QVERIFY(caption->wordWrap());
        QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(feuille_->checkBox("CasePsrep").value(), std::int16_t{1});
        QVERIFY(qobject_cast<QCheckBox*>(widgetOf(feuille_->checkBox("CasePsrep")))->isChecked());
        QVERIFY(feuille_->checkBox("CasePsrep").hasFocus());
    }

    void theArrangementShowsEveryTextAsDesigned() {
        expectTidy(QStringLiteral("design state"));
        qt::testing::saveScreenshot(*window(), QStringLiteral("feuille-design-") + scaleName());
    }

    void showingThePartsTheProgramTogglesMovesNothing() {
        qt::testing::settle(*window());
        auto placeOf = [this](const window::Control& control) {
            QWidget* shown = binding().widget(control);
            return QRect(shown->mapTo(window(), QPoint(0, 0)), shown->size());
        };
        QSize size = window()->size();
        QRect compute = placeOf(feuille_->commandButton("BoutonCalculer"));
        QRect prep = placeOf(feuille_->label("EtiPrep"));
        QRect data = placeOf(feuille_->frame("CadreDonnees"));
        for (const char* name :
             {"Textec", "TextedfR", "CadreEffet", "EtiPrept", "Etialpha", "Textealpha",
              "CadreAlpha", "EtiPreprep", "EtiGamma", "TexteGamma"}) {
            feuille_->control(name).setVisible(true);
        }
        for (auto [name, index] : {std::pair{"Etidf", 1},
                                   {"EtiIC", 0},
                                   {"CadreIntervalle", 0},
                                   {"CadreIntervalle", 1},
                                   {"TexteEffet", 1}}) {
            feuille_->control(name, static_cast<std::int16_t>(index)).setVisible(true);
        }
        qt::testing::settle(*window());
        QCOMPARE(window()->size(), size);
        QCOMPARE(placeOf(feuille_->commandButton("BoutonCalculer")), compute);
        QCOMPARE(placeOf(feuille_->label("EtiPrep")), prep);
        QCOMPARE(placeOf(feuille_->frame("CadreDonnees")), data);
        expectTidy(QStringLiteral("the toggled parts shown"));
    }

    void theArrangementHoldsEverythingShownWithLongResults() {
        for (window::Control* control : feuille_->controls()) control->setVisible(true);
        feuille_->label("EtiPrep").setCaption(" prep = 0.999999999");
        feuille_->label("EtiPrept").setCaption(" psrep = 0.999999999");
        feuille_->label("EtiPreprep").setCaption(" ppreprep = 0.999999999");
        for (std::int16_t i : {1, 2}) {
            feuille_->label("EtiICt", i).setCaption("[-12.345678901 ; 12.345678901]");
            feuille_->label("EtiICL", i).setCaption("[-12.345678901 ; 12.345678901]");
        }
        feuille_->label("EtiIC", 0).setCaption("[-12.345678901 ; 12.345678901]");
        feuille_->label("EtiIC", 1).setCaption("[-12.345678901 ; 12.345678901]");
        expectTidy(QStringLiteral("everything shown"));
        qt::testing::saveScreenshot(*window(), QStringLiteral("feuille-everything-") + scaleName());
    }
};

ORMANE_QTEST_MAIN(FeuilleWindowTest)
#include "feuille_window_test.moc"
