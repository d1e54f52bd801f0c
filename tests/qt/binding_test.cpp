// The binding of a form to real widgets, on a small form with a control of every kind:
// what the person does reaches the model as user actions (once, nothing echoed back), and
// what the model changes shows in the widgets.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "qt/binding/control_view.h"
#include "qt/binding/form_binding.h"
#include "qt/platform/qt_platform.h"
#include "support/qt_test_main.h"
#include "window/model/controls.h"
#include "window/model/form.h"
#include "window/model/session.h"

using namespace ormane;
using window::Notification;
using Log = std::vector<std::string>;

namespace {

std::unique_ptr<window::Form> creeEssai(window::Session& session) {
    auto form = std::make_unique<window::Form>(session, "Essai");
    form->setCaption("Essai");
    window::Frame& cadre = form->add<window::Frame>("Cadre");
    cadre.setCaption(" Cadre ");
    form->addMember<window::OptionButton>("Choix", 0).setCaption("&Un");
    form->optionButton("Choix", 0).setValue(Vrai);
    form->addMember<window::OptionButton>("Choix", 1).setCaption("&Deux");
    form->addMember<window::OptionButton>("Groupe", 1, &cadre).setCaption("g1");
    form->addMember<window::OptionButton>("Groupe", 2, &cadre).setCaption("g2");
    form->optionButton("Groupe", 2).setValue(Vrai);
    form->add<window::TextBox>("Cache", &cadre).setText("caché");
    form->add<window::TextBox>("Texte");
    form->add<window::TextBox>("Autre");
    window::ComboBox& liste = form->add<window::ComboBox>("Liste");
    liste.setText("0.05");
    for (const char* item : {"0.01", "0.05", "0.10"}) liste.addItem(item);
    form->add<window::CheckBox>("Case").setCaption("Ca&se");
    form->add<window::Label>("Resultat").setPresentation(window::resultLabelPresentation());
    form->add<window::Label>("Symbole").setCaption("a");
    window::Presentation symbol;
    symbol.symbolFont = true;
    form->label("Symbole").setPresentation(symbol);
    form->add<window::CommandButton>("Bouton").setCaption("&Go");
    window::ScrollBar& barre = form->add<window::ScrollBar>("Barre");
    barre.setLimits(9, 2);
    barre.setSteps(1, 2);
    barre.setValue(3);
    window::Presentation image;
    image.image = "ormane";
    form->add<window::Picture>("Image").setPresentation(image);
    return form;
}

// A point on a radio button's or check box's indicator: only the indicator and the
// caption take clicks, not the rest of the widget's width.
QPoint onIndicator(QWidget* button) {
    return QPoint(6, button->height() / 2);
}

// Where a part of a vertical scroll bar lies (the thumb, an arrow...).
QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

}  // namespace

class BindingTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<qt::QtPlatform> platform_;
    std::unique_ptr<window::Session> session_;
    std::unique_ptr<window::Form> form_;
    Log log_;
    std::vector<std::pair<int, int>> keys_;

    qt::FormBinding& binding() { return *platform_->windows.binding(*form_); }
    QWidget* window() { return platform_->windows.windowOf(*form_); }
    template <class W>
    W* widget(const char* name) {
        auto* found = window()->findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no widget %s", name);
        return found;
    }
    Log takeLog() { return std::exchange(log_, {}); }

  private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        platform_ = std::make_unique<qt::QtPlatform>();
        session_ = std::make_unique<window::Session>(platform_->services());
        form_ = creeEssai(*session_);
        auto record = [this](const char* name, Notification notification) {
            form_->on(name, notification, [this](const window::Event& e) {
                log_.push_back(e.control.displayName() + "." +
                               std::string(window::notificationName(e.notification)));
                if (e.notification == Notification::KeyUp) keys_.emplace_back(e.keyCode, e.shift);
            });
        };
        for (const char* name : {"Texte", "Autre", "Liste", "Cache"}) {
            for (Notification n :
                 {Notification::Change, Notification::KeyUp, Notification::GotFocus})
                record(name, n);
        }
        for (const char* name : {"Choix", "Groupe", "Case", "Bouton", "Image", "Liste"}) {
            record(name, Notification::Click);
        }
        record("Barre", Notification::Change);
        record("Barre", Notification::Scroll);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QCoreApplication::processEvents();
        takeLog();  // the first focus, given by Qt as the window opens
        keys_.clear();
    }

    void cleanup() {
        platform_->windows.detachAll();
        form_.reset();
        session_.reset();
        platform_.reset();
        log_.clear();
    }

    void typingReachesTheModelOnceAndAProgramChangeRaisesNoUserNotification() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        QTest::keyClicks(edit, "4.5");
        QCOMPARE(form_->textBox("Texte").text(), std::string("4.5"));
        QCOMPARE(takeLog(), (Log{"Texte.GotFocus", "Texte.Change", "Texte.KeyUp", "Texte.Change",
                                 "Texte.KeyUp", "Texte.Change", "Texte.KeyUp"}));
        form_->textBox("Texte").setText("7,25");
        QCOMPARE(edit->text(), QStringLiteral("7,25"));
        QCOMPARE(takeLog(), (Log{"Texte.Change"}));
        form_->textBox("Cache").setText("x");
        QCOMPARE(widget<QLineEdit>("Cache")->text(), QStringLiteral("x"));
        // The same character typed over a selection changes no text, but the caret moved on.
        form_->textBox("Texte").setText("4");
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(form_->textBox("Texte").selLength(), 1);
        takeLog();
        QTest::keyClicks(edit, "45");
        QCOMPARE(form_->textBox("Texte").text(), std::string("45"));
        QCOMPARE(takeLog(), (Log{"Texte.KeyUp", "Texte.Change", "Texte.KeyUp"}));
    }

    void caretAndSelectionCountCharactersNotUtf16Units() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        form_->textBox("Texte").setText("1é😀α");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClicks(edit, "x");  // typed in the middle: the caret stays there
        QCOMPARE(form_->textBox("Texte").text(), std::string("1xé😀α"));
        QCOMPARE(form_->textBox("Texte").selStart(), 2);
        QTest::keyClick(edit, Qt::Key_End);
        QCOMPARE(form_->textBox("Texte").selStart(), 5);
        QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(form_->textBox("Texte").selStart(), 3);
        QCOMPARE(form_->textBox("Texte").selLength(), 2);
        form_->textBox("Texte").setSelStart(4);
        form_->textBox("Texte").setSelLength(1);
        QCOMPARE(edit->selectedText(), QStringLiteral("α"));
        form_->textBox("Texte").setSelStart(1);
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(edit->cursorPosition(), 1);
    }

    void keyReleasesCarryTheKeyCodeAndShiftStateOnceEach() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_A, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_F5, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return);
        // A held key repeats its press, not its release.
        QTest::keyPress(edit, Qt::Key_Right);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(edit, &repeated);
        QTest::keyRelease(edit, Qt::Key_Right);
        // The modifier keys come up too, after the key they modified.
        QCOMPARE(keys_, (std::vector<std::pair<int, int>>{
                            {37, 0}, {65, 1}, {16, 0}, {116, 2}, {17, 0}, {13, 0}, {39, 0}}));
    }

    void focusFollowsTheModelAndTheWidgets() {
        form_->textBox("Autre").setFocus();
        QVERIFY(widget<QLineEdit>("Autre")->hasFocus());
        QCOMPARE(takeLog(), (Log{"Autre.GotFocus"}));
        // The key comes up where the focus went, as it does on a real keyboard.
        QTest::keyPress(widget<QLineEdit>("Autre"), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!form_->textBox("Autre").hasFocus());
        QVERIFY(form_->focused() != nullptr);
        QCOMPARE(QApplication::focusWidget(), binding().view(*form_->focused())->focusTarget());
        // Hiding the focused box: Qt tells the model where the focus went.
        form_->focused()->setVisible(false);
        QVERIFY(form_->focused() == nullptr);
        QCoreApplication::processEvents();
        QVERIFY(form_->focused() != nullptr);
        QCOMPARE(QApplication::focusWidget(), binding().view(*form_->focused())->focusTarget());
    }

    void aComboBoxListsItsItemsAndPickingOneIsAPick() {
        auto* combo = widget<QComboBox>("Liste");
        form_->comboBox("Liste").addItem("0.20");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->itemText(2), QStringLiteral("0.10"));
        QCOMPARE(combo->currentText(), QStringLiteral("0.05"));
        combo->setFocus();
        QCoreApplication::processEvents();
        takeLog();
        QTest::keyClick(combo, Qt::Key_Up);  // the item above the current one
        QCOMPARE(form_->comboBox("Liste").text(), std::string("0.01"));
        QCOMPARE(takeLog(), (Log{"Liste.Change", "Liste.Click", "Liste.KeyUp"}));
        QTest::keyClicks(combo, "5");
        QCOMPARE(form_->comboBox("Liste").text(), std::string("0.015"));
        QCOMPARE(combo->count(), 4);  // typing adds nothing to the list
    }

    void optionsAreExclusiveWithinTheirContainer() {
        auto* un = widget<QRadioButton>("Choix(0)");
        auto* deux = widget<QRadioButton>("Choix(1)");
        QTest::mouseClick(deux, Qt::LeftButton, {}, onIndicator(deux));
        QCOMPARE(form_->optionButton("Choix", 1).value(), Vrai);
        QCOMPARE(form_->optionButton("Choix", 0).value(), Faux);
        QVERIFY(deux->isChecked() && !un->isChecked());
        QVERIFY(widget<QRadioButton>("Groupe(2)")->isChecked());         // another container
        QTest::mouseClick(deux, Qt::LeftButton, {}, onIndicator(deux));  // already selected
        QCOMPARE(takeLog(), (Log{"Choix(1).Click"}));
        form_->optionButton("Choix", 0).setValue(Vrai);
        QVERIFY(un->isChecked() && !deux->isChecked());
    }

    void hiddenControlsShowNothingAndTakeNoClicks() {
        QLineEdit* cache = widget<QLineEdit>("Cache");
        form_->frame("Cadre").setVisible(false);
        QVERIFY(!cache->isVisible());
        form_->textBox("Cache").setText("still written");
        QCOMPARE(cache->text(), QStringLiteral("still written"));
        form_->frame("Cadre").setVisible(true);
        QVERIFY(cache->isVisible());
        form_->textBox("Cache").setVisible(false);
        QVERIFY(!cache->isVisible() && widget<QGroupBox>("Cadre")->isVisible());
        form_->commandButton("Bouton").setVisible(false);
        takeLog();
        QTest::keyClick(window(), Qt::Key_G, Qt::AltModifier);
        QTest::qWait(200);
        QVERIFY(takeLog().empty());
    }

    void theScrollBarHoldsNineAtTheTopAndMovesByKeyArrowTrackAndThumb() {
        auto* bar = widget<QScrollBar>("Barre");
        QCOMPARE(bar->value(), 6);  // 3 is six steps below 9
        bar->setFocus();
        QCoreApplication::processEvents();
        struct Step {
            Qt::Key key;
            std::int16_t value;
        };
        for (Step step : {Step{Qt::Key_Up, 4},
                          {Qt::Key_PageUp, 6},
                          {Qt::Key_Down, 5},
                          {Qt::Key_Home, 9},
                          {Qt::Key_Up, 9}}) {
            QTest::keyClick(bar, step.key);
            QCOMPARE(form_->scrollBar("Barre").value(), step.value);
            QCOMPARE(bar->value(), 9 - step.value);
        }
        QCOMPARE(takeLog(), Log(4, "Barre.Change"));  // none at the top
        form_->scrollBar("Barre").setValue(3);
        QCOMPARE(bar->value(), 6);
        takeLog();
        bar->setFixedHeight(200);  // room for a track between the arrows
        QCoreApplication::processEvents();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          partOf(bar, QStyle::SC_ScrollBarSubLine).center());
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{4});
        // The track under the thumb (where the thumb was before the click above).
        QRect thumb = partOf(bar, QStyle::SC_ScrollBarSlider);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), thumb.bottom() + 3));
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{2});
        QCOMPARE(takeLog(), Log(2, "Barre.Change"));
        // Dragging the thumb scrolls, then changes once on release: up to 9, then down to 2.
        for (auto [y, value] : {std::pair{0, 9}, std::pair{bar->height() - 1, 2}}) {
            QPoint grip = partOf(bar, QStyle::SC_ScrollBarSlider).center();
            QTest::mousePress(bar, Qt::LeftButton, {}, grip);
            QTest::mouseMove(bar, QPoint(grip.x(), y));
            QCOMPARE(form_->scrollBar("Barre").value(), static_cast<std::int16_t>(value));
            QVERIFY(form_->scrollBar("Barre").dragging());
            QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(grip.x(), y));
            QVERIFY(!form_->scrollBar("Barre").dragging());
            Log seen = takeLog();
            QVERIFY(seen.size() >= 2);
            QCOMPARE(seen.back(), std::string("Barre.Change"));
            seen.pop_back();
            QCOMPARE(seen, Log(seen.size(), "Barre.Scroll"));
        }
    }

    void labelsShowTheirTextPlainlyAndResultsLookAsDesigned() {
        auto* result = widget<QLabel>("Resultat");
        QVERIFY(result->autoFillBackground());
        QCOMPARE(result->palette().color(QPalette::Window), QColor(255, 255, 192));
        QVERIFY(result->font().bold());
        form_->label("Resultat").setCaption("<b>a & b</b>\r\nc&&d");
        QCOMPARE(result->text(), QStringLiteral("<b>a  b</b>\nc&d"));
        QCOMPARE(result->textFormat(), Qt::PlainText);
        QCOMPARE(widget<QLabel>("Symbole")->text(), QStringLiteral("α"));
        form_->label("Symbole").setCaption("g");
        QCOMPARE(widget<QLabel>("Symbole")->text(), QStringLiteral("γ"));
    }

    // A label is read by its text, named by the program or not; the program's name is its
    // description. A combo box is read by its name, not by the text it holds. (The names
    // of the real window's boxes and bar: entries_window_test.cpp.)
    void screenReadersHearTheNamesTheProgramGives() {
        auto text = [](QWidget* shown, QAccessible::Text kind) {
            return QAccessible::queryAccessibleInterface(shown)->text(kind);
        };
        auto* result = widget<QLabel>("Resultat");
        form_->label("Resultat").setCaption(" prep = 0.772");
        QCOMPARE(text(result, QAccessible::Name), QStringLiteral(" prep = 0.772"));
        form_->label("Resultat").setAccessibleName("prep");
        QCOMPARE(text(result, QAccessible::Name), QStringLiteral(" prep = 0.772"));
        QCOMPARE(text(result, QAccessible::Description), QStringLiteral("prep"));
        form_->label("Resultat").setCaption("");
        QCOMPARE(text(result, QAccessible::Name), QString());
        auto* combo = widget<QComboBox>("Liste");
        QCOMPARE(text(combo, QAccessible::Name), QStringLiteral("0.05"));
        form_->comboBox("Liste").setAccessibleName("alpha");
        QCOMPARE(text(combo, QAccessible::Name), QStringLiteral("alpha"));
        QCOMPARE(text(combo, QAccessible::Value), QStringLiteral("0.05"));
    }

    // (A text box's tooltip and description, shown and taken away: entries_window_test.cpp.)
    void aMarkedBoxIsDrawnApartAndSaysHowItWasRead() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        auto* combo = widget<QComboBox>("Liste");
        const QColor plain = edit->palette().color(QPalette::Base);
        for (window::TextControl* box :
             {static_cast<window::TextControl*>(&form_->textBox("Texte")),
              static_cast<window::TextControl*>(&form_->comboBox("Liste"))}) {
            box->setMarked(true);
            box->setToolTip("read as 0");
        }
        for (QLineEdit* shown : {edit, combo->lineEdit()}) {
            QVERIFY(shown->palette().color(QPalette::Base) != plain);
            QCOMPARE(shown->palette().color(QPalette::Text), QColor(Qt::black));
        }
        QCOMPARE(combo->toolTip(), QStringLiteral("read as 0"));
        QCOMPARE(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Description),
                 QStringLiteral("read as 0"));
        form_->textBox("Texte").setMarked(false);
        QCOMPARE(edit->palette().color(QPalette::Base), plain);
        QVERIFY(takeLog().empty());  // marks are shown, never reported back
    }

    void behindAModalFormTheCloseButtonIsRefused() {
        window::Form dialog(*session_, "Autre");
        dialog.add<window::CommandButton>("Fermer").setCaption("Fermer");
        bool closedWhileModal = true;
        dialog.on("Fermer", Notification::Click,
                  [&dialog](const window::Event&) { dialog.unload(); });
        QTimer::singleShot(0, [&] {
            closedWhileModal = window()->close();
            QTest::mouseClick(platform_->windows.windowOf(dialog)->findChild<QPushButton*>(
                                  QStringLiteral("Fermer")),
                              Qt::LeftButton);
        });
        dialog.show(window::Modality::Modal);
        QVERIFY(!closedWhileModal);
        QVERIFY(!form_->unloaded() && window()->isVisible());
        QVERIFY(dialog.unloaded());
    }
};

ORMANE_QTEST_MAIN(BindingTest)
#include "binding_test.moc"
