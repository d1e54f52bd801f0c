// The binding of a form to real widgets, on a small form with a control of every kind:
// what the person does reaches the model as user actions (once, nothing echoed back), and
// what the model changes shows in the widgets.
#include <QAction>
#include <QButtonGroup>
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
#include <string>
#include <vector>

#include "qt/binding/control_view.h"
#include "qt/binding/form_binding.h"
#include "qt/binding/form_window.h"
#include "support/mixed_platform.h"
#include "support/qt_test_main.h"
#include "window/model/controls.h"
#include "window/model/form.h"
#include "window/model/session.h"

using namespace ormane;
using window::Notification;

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
    liste.addItem("0.01");
    liste.addItem("0.05");
    liste.addItem("0.10");
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
    form->add<window::MenuItem>("Commande").setCaption("&Commande");
    window::MenuItem& menu = form->add<window::MenuItem>("Menu");
    menu.setCaption("&Menu");
    form->addMember<window::MenuItem>("Article", 1, &menu).setCaption("&Premier");
    form->menuItem("Article", 1).setShortcut("F1");
    form->addMember<window::MenuItem>("Article", 2, &menu).setCaption("&Second");
    return form;
}

}  // namespace

class BindingTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<qt::testing::MixedPlatform> platform_;
    std::unique_ptr<window::Session> session_;
    std::unique_ptr<window::Form> form_;
    std::vector<std::string> log_;
    std::vector<std::pair<int, int>> keys_;

    void record(const std::string& name, Notification notification) {
        form_->on(name, notification, [this](const window::Event& e) {
            log_.push_back(e.control.displayName() + "." +
                           std::string(window::notificationName(e.notification)));
            if (e.notification == Notification::KeyUp) keys_.emplace_back(e.keyCode, e.shift);
        });
    }
    qt::FormBinding& binding() { return *platform_->windows.binding(*form_); }
    QWidget* window() { return platform_->windows.windowOf(*form_); }
    template <class W>
    W* widget(const char* name) {
        auto* found = window()->findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no widget %s", name);
        return found;
    }
    std::vector<std::string> takeLog() { return std::exchange(log_, {}); }
    using Log = std::vector<std::string>;
    // A point on a radio button's or check box's indicator: only the indicator and the
    // caption take clicks, not the rest of the widget's width.
    static QPoint onCaption(QWidget* button) { return QPoint(6, button->height() / 2); }

  private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        platform_ = std::make_unique<qt::testing::MixedPlatform>();
        session_ = std::make_unique<window::Session>(platform_->services());
        form_ = creeEssai(*session_);
        for (const char* name : {"Texte", "Autre", "Liste", "Cache"}) {
            record(name, Notification::Change);
            record(name, Notification::KeyUp);
            record(name, Notification::GotFocus);
        }
        for (const char* name :
             {"Choix", "Groupe", "Case", "Bouton", "Image", "Commande", "Article", "Liste"}) {
            record(name, Notification::Click);
        }
        record("Barre", Notification::Change);
        record("Barre", Notification::Scroll);
        form_->show();
        QVERIFY(window() != nullptr);
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

    // ---- Text boxes ----

    void typingGoesToTheModelOnceAndNothingEchoes() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        QTest::keyClicks(edit, "4.5");
        QCOMPARE(form_->textBox("Texte").text(), std::string("4.5"));
        QCOMPARE(takeLog(), (Log{"Texte.GotFocus", "Texte.Change", "Texte.KeyUp", "Texte.Change",
                                 "Texte.KeyUp", "Texte.Change", "Texte.KeyUp"}));
        QVERIFY(edit->hasFocus());
    }

    void aProgramChangeShowsAndRaisesNoUserNotification() {
        form_->textBox("Texte").setText("7,25");
        QCOMPARE(widget<QLineEdit>("Texte")->text(), QStringLiteral("7,25"));
        QCOMPARE(takeLog(), (Log{"Texte.Change"}));
        form_->textBox("Cache").setText("x");
        QCOMPARE(widget<QLineEdit>("Cache")->text(), QStringLiteral("x"));
    }

    void editingInTheMiddleKeepsTheCaretThere() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        form_->textBox("Texte").setText("1234");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClicks(edit, "x");
        QCOMPARE(form_->textBox("Texte").text(), std::string("12x34"));
        QCOMPARE(form_->textBox("Texte").selStart(), 3);
        QCOMPARE(edit->cursorPosition(), 3);
    }

    void caretAndSelectionCountCharactersNotUtf16Units() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        form_->textBox("Texte").setText("é😀α");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        QCOMPARE(form_->textBox("Texte").selStart(), 3);
        QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(form_->textBox("Texte").selStart(), 1);
        QCOMPARE(form_->textBox("Texte").selLength(), 2);
        form_->textBox("Texte").setSelStart(2);
        form_->textBox("Texte").setSelLength(1);
        QCOMPARE(edit->selectedText(), QStringLiteral("α"));
    }

    void theModelsSelectionShowsInTheWidget() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        form_->textBox("Texte").setText("0.30");
        form_->textBox("Texte").setSelStart(0);
        form_->textBox("Texte").setSelLength(4);
        QCOMPARE(edit->selectedText(), QStringLiteral("0.30"));
        form_->textBox("Texte").setSelStart(1);
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(edit->cursorPosition(), 1);
    }

    void keyReleasesCarryTheKeyCodeAndShiftState() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_A, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_F5, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return);
        // The modifier keys come up too, after the key they modified.
        QCOMPARE(keys_, (std::vector<std::pair<int, int>>{
                            {37, 0}, {65, 1}, {16, 0}, {116, 2}, {17, 0}, {13, 0}}));
    }

    void aHeldKeyIsReleasedOnce() {
        QLineEdit* edit = widget<QLineEdit>("Texte");
        QTest::keyPress(edit, Qt::Key_Right);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(edit, &repeated);
        QTest::keyRelease(edit, Qt::Key_Right);
        QCOMPARE(keys_.size(), std::size_t{1});
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
    }

    void hidingTheFocusedBoxLetsQtTellTheModelWhereTheFocusWent() {
        form_->textBox("Autre").setFocus();
        form_->textBox("Autre").setVisible(false);
        QVERIFY(form_->focused() == nullptr);
        QCoreApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QVERIFY(form_->focused() != nullptr);
        QCOMPARE(binding().view(*form_->focused())->focusTarget(), focus);
    }

    // ---- Combo boxes ----

    void aComboBoxListsItsItemsAndKeepsTheModelsText() {
        auto* combo = widget<QComboBox>("Liste");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), QStringLiteral("0.10"));
        QCOMPARE(combo->currentText(), QStringLiteral("0.05"));
        form_->comboBox("Liste").addItem("0.20");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->currentText(), QStringLiteral("0.05"));
        QVERIFY(takeLog().empty());
    }

    void pickingAnItemIsAPick() {
        auto* combo = widget<QComboBox>("Liste");
        combo->setFocus();
        QCoreApplication::processEvents();
        takeLog();
        QTest::keyClick(combo, Qt::Key_Up);  // the item above the current one
        QCOMPARE(form_->comboBox("Liste").text(), std::string("0.01"));
        QCOMPARE(takeLog(), (Log{"Liste.Change", "Liste.Click", "Liste.KeyUp"}));
        QTest::keyClicks(combo, "5");
        QCOMPARE(form_->comboBox("Liste").text(), std::string("0.015"));
        QCOMPARE(combo->count(), 3);  // typing adds nothing to the list
    }

    // ---- Buttons ----

    void optionsAreExclusiveAsTheModelSays() {
        auto* un = widget<QRadioButton>("Choix(0)");
        auto* deux = widget<QRadioButton>("Choix(1)");
        QVERIFY(un->isChecked());
        QTest::mouseClick(deux, Qt::LeftButton, {}, onCaption(deux));
        QCOMPARE(form_->optionButton("Choix", 1).value(), Vrai);
        QCOMPARE(form_->optionButton("Choix", 0).value(), Faux);
        QVERIFY(deux->isChecked());
        QVERIFY(!un->isChecked());
        QVERIFY(widget<QRadioButton>("Groupe(2)")->isChecked());  // another container
        QCOMPARE(takeLog(), (Log{"Choix(1).Click"}));
        // Clicking the selected option leaves it selected and raises nothing.
        QTest::mouseClick(deux, Qt::LeftButton, {}, onCaption(deux));
        QVERIFY(deux->isChecked());
        QVERIFY(takeLog().empty());
        form_->optionButton("Choix", 0).setValue(Vrai);
        QVERIFY(un->isChecked());
        QVERIFY(!deux->isChecked());
        QCOMPARE(binding().optionGroup(nullptr), un->group());
        QVERIFY(un->group() != widget<QRadioButton>("Groupe(1)")->group());
    }

    void aCheckBoxShowsTheModelsValue() {
        auto* box = widget<QCheckBox>("Case");
        QTest::mouseClick(box, Qt::LeftButton, {}, onCaption(box));
        QCOMPARE(form_->checkBox("Case").value(), std::int16_t{1});
        QVERIFY(box->isChecked());
        QCOMPARE(takeLog(), (Log{"Case.Click"}));
        form_->checkBox("Case").setValue(0);
        QVERIFY(!box->isChecked());
        QTest::keyClick(window(), Qt::Key_S, Qt::AltModifier);  // its access key
        QTRY_COMPARE(form_->checkBox("Case").value(), std::int16_t{1});
    }

    void aCommandButtonClicksByMouseAndAccessKey() {
        takeLog();
        QTest::mouseClick(widget<QPushButton>("Bouton"), Qt::LeftButton);
        QCOMPARE(takeLog(), (Log{"Bouton.Click"}));
        QTest::keyClick(window(), Qt::Key_G, Qt::AltModifier);  // Qt clicks a moment later
        QTRY_COMPARE(log_.size(), std::size_t{1});
        QCOMPARE(takeLog(), (Log{"Bouton.Click"}));
        form_->commandButton("Bouton").setCaption("&Encore");
        QCOMPARE(widget<QPushButton>("Bouton")->text(), QStringLiteral("&Encore"));
    }

    void aPictureClicks() {
        QTest::mouseClick(widget<QWidget>("Image"), Qt::LeftButton);
        QCOMPARE(takeLog(), (Log{"Image.Click"}));
    }

    // ---- Visibility ----

    void aHiddenFrameHidesWhatItHolds() {
        QLineEdit* cache = widget<QLineEdit>("Cache");
        QVERIFY(cache->isVisible());
        form_->frame("Cadre").setVisible(false);
        QVERIFY(!widget<QGroupBox>("Cadre")->isVisible());
        QVERIFY(!cache->isVisible());
        QVERIFY(form_->textBox("Cache").visible());
        form_->textBox("Cache").setText("still written");
        QCOMPARE(cache->text(), QStringLiteral("still written"));
        form_->frame("Cadre").setVisible(true);
        QVERIFY(cache->isVisible());
        form_->textBox("Cache").setVisible(false);
        QVERIFY(!cache->isVisible());
        QVERIFY(widget<QGroupBox>("Cadre")->isVisible());
    }

    void hiddenControlsTakeNoClicks() {
        form_->commandButton("Bouton").setVisible(false);
        QVERIFY(!widget<QPushButton>("Bouton")->isVisible());
        QTest::keyClick(window(), Qt::Key_G, Qt::AltModifier);
        QTest::qWait(200);
        QVERIFY(takeLog().empty());
    }

    // ---- Scroll bar ----

    void theScrollBarHoldsNineAtTheTop() {
        auto* bar = widget<QScrollBar>("Barre");
        QCOMPARE(bar->value(), 6);  // 3 is six steps below 9
        bar->setFocus();
        QCoreApplication::processEvents();
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{4});
        QCOMPARE(bar->value(), 5);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{6});
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{5});
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{9});
        QTest::keyClick(bar, Qt::Key_Up);  // already at the top
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{9});
        QCOMPARE(bar->value(), 0);
        QCOMPARE(takeLog(), (Log{"Barre.Change", "Barre.Change", "Barre.Change", "Barre.Change"}));
        form_->scrollBar("Barre").setValue(2);
        QCOMPARE(bar->value(), 7);
    }

    void theScrollBarsArrowsAndTrackMoveTheModel() {
        auto* bar = widget<QScrollBar>("Barre");
        bar->setFixedHeight(200);  // room for a track between the arrows
        QCoreApplication::processEvents();
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
        QRect upArrow = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSubLine, bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, upArrow.center());
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{4});
        QRect slider = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                    QStyle::SC_ScrollBarSlider, bar);
        // The track under the thumb (the thumb has not moved in the option above).
        QPoint below(slider.center().x(), slider.bottom() + 3);
        QTest::mouseClick(bar, Qt::LeftButton, {}, below);
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{2});
        QCOMPARE(takeLog(), (Log{"Barre.Change", "Barre.Change"}));
    }

    void draggingTheThumbScrollsThenChangesOnRelease() {
        auto* bar = widget<QScrollBar>("Barre");
        bar->setFixedHeight(200);
        QCoreApplication::processEvents();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        QRect slider = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                    QStyle::SC_ScrollBarSlider, bar);
        QTest::mousePress(bar, Qt::LeftButton, {}, slider.center());
        QTest::mouseMove(bar, QPoint(slider.center().x(), 0));
        QCOMPARE(form_->scrollBar("Barre").value(), std::int16_t{9});
        QVERIFY(form_->scrollBar("Barre").dragging());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(slider.center().x(), 0));
        QVERIFY(!form_->scrollBar("Barre").dragging());
        Log seen = takeLog();
        QVERIFY(!seen.empty());
        QCOMPARE(seen.back(), std::string("Barre.Change"));
        seen.pop_back();
        for (const std::string& each : seen) QCOMPARE(each, std::string("Barre.Scroll"));
    }

    // ---- Labels ----

    void resultLabelsLookAsDesignedAndCarryTheirName() {
        auto* result = widget<QLabel>("Resultat");
        QCOMPARE(result->accessibleName(), QStringLiteral("Resultat"));
        QVERIFY(result->autoFillBackground());
        QCOMPARE(result->palette().color(QPalette::Window), QColor(255, 255, 192));
        QVERIFY(result->font().bold());
        form_->label("Resultat").setCaption(" prep = 0.712");
        QCOMPARE(result->text(), QStringLiteral(" prep = 0.712"));
        QCOMPARE(widget<QLabel>("Symbole")->text(), QStringLiteral("α"));
        form_->label("Symbole").setCaption("g");
        QCOMPARE(widget<QLabel>("Symbole")->text(), QStringLiteral("γ"));
    }

    void labelsShowTheirTextPlainly() {
        auto* result = widget<QLabel>("Resultat");
        form_->label("Resultat").setCaption("<b>a & b</b>\r\nc&&d");
        QCOMPARE(result->text(), QStringLiteral("<b>a  b</b>\nc&d"));
        QCOMPARE(result->textFormat(), Qt::PlainText);
    }

    // ---- Menus ----

    void theMenuBarFollowsTheModel() {
        auto* bar = window()->findChild<QMenuBar*>();
        QVERIFY(bar != nullptr);
        QList<QAction*> top = bar->actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->text(), QStringLiteral("&Commande"));
        QVERIFY(top[1]->menu() != nullptr);
        QCOMPARE(top[1]->menu()->actions().size(), 2);
        QAction* second = binding().action(form_->menuItem("Article", 2));
        QVERIFY(!second->isCheckable());
        form_->menuItem("Article", 2).setChecked(true);
        QVERIFY(second->isCheckable());
        QVERIFY(second->isChecked());
        form_->menuItem("Article", 2).setChecked(false);
        QVERIFY(!second->isCheckable());
        form_->menuItem("Article", 2).setCaption("&Autre");
        QCOMPARE(second->text(), QStringLiteral("&Autre"));
        form_->menuItem("Article", 2).setVisible(false);
        QVERIFY(!second->isVisible());
    }

    void triggeringAMenuItemClicksItAndItsShortcutWorks() {
        binding().action(form_->menuItem("Commande"))->trigger();
        QTest::keyClick(window(), Qt::Key_F1);
        QCOMPARE(takeLog(), (Log{"Commande.Click", "Article(1).Click"}));
        // The check mark stays the model's: a click does not tick the item.
        QVERIFY(!binding().action(form_->menuItem("Commande"))->isChecked());
    }

    // ---- The window ----

    void theWindowFollowsTheForm() {
        QCOMPARE(window()->windowTitle(), QStringLiteral("Essai"));
        form_->setCaption("Essai version 2");
        QCOMPARE(window()->windowTitle(), QStringLiteral("Essai version 2"));
        form_->hide();
        QVERIFY(!window()->isVisible());
        form_->show();
        QVERIFY(window()->isVisible());
    }

    void theCloseButtonAsksTheModelToUnload() {
        bool unloaded = false;
        form_->onUnload([&unloaded] { unloaded = true; });
        QPointer<QWidget> shown = window();
        QVERIFY(shown->close());
        QVERIFY(unloaded);
        QVERIFY(form_->unloaded());
        QVERIFY(!shown->isVisible());
        QVERIFY(platform_->windows.binding(*form_) == nullptr);
        QCoreApplication::processEvents();
        QVERIFY(shown.isNull());  // the binding and its window are gone
    }

    void aCloseTheModelRefusesLeavesTheWindowOpen() {
        auto other = std::make_unique<window::Form>(*session_, "Autre");
        other->add<window::CommandButton>("Fermer").setCaption("Fermer");
        window::Form& dialog = *other;
        bool closedWhileModal = true;
        dialog.on("Fermer", Notification::Click,
                  [&dialog](const window::Event&) { dialog.unload(); });
        QTimer::singleShot(0, [this, &dialog, &closedWhileModal] {
            // The main form sits behind a modal form: its close button is refused.
            closedWhileModal = window()->close();
            QTest::mouseClick(platform_->windows.windowOf(dialog)->findChild<QPushButton*>(
                                  QStringLiteral("Fermer")),
                              Qt::LeftButton);
        });
        dialog.show(window::Modality::Modal);
        QVERIFY(!closedWhileModal);
        QVERIFY(!form_->unloaded());
        QVERIFY(window()->isVisible());
        QVERIFY(dialog.unloaded());
    }
};

ORMANE_QTEST_MAIN(BindingTest)
#include "binding_test.moc"
