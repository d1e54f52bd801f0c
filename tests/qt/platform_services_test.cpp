// The Qt platform services: the message box, the clipboard, the mouse pointer, the pop-up
// menu and a modal dialog shaped like the About box (placed in twips, two pictures, a
// button that never shows).
#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "qt/binding/picture_view.h"
#include "qt/layout/twips_layout.h"
#include "qt/platform/qt_platform.h"
#include "support/qt_test_main.h"
#include "support/tidiness.h"
#include "window/model/controls.h"
#include "window/model/form.h"
#include "window/model/session.h"
#include "window/model/user_actions.h"

using namespace ormane;
using window::Notification;

namespace {

// Runs `step` once the event loop turns, that is once a modal window is up.
void whenModal(std::function<void()> step) {
    QTimer::singleShot(0, std::move(step));
}

window::Presentation placed(int left, int top, int width, int height) {
    window::Presentation look;
    look.geometry = window::Twips{left, top, width, height};
    return look;
}

// A dialog laid out like the About box.
std::unique_ptr<window::Form> creeDialogue(window::Session& session) {
    auto dialog = std::make_unique<window::Form>(session, "Dialogue");
    dialog->setClientSize(window::Twips{0, 0, 8610, 4470});
    window::Presentation framed = placed(300, 150, 8000, 2850);
    framed.border = true;
    framed.alignment = window::Alignment::Centre;
    dialog->add<window::Label>("Copyr").setPresentation(framed);
    window::Presentation image = placed(3450, 3075, 1275, 1275);
    image.image = "ormane-about";
    dialog->add<window::Picture>("Image1").setPresentation(image);
    window::Presentation icon = placed(4725, 3480, 480, 480);
    icon.image = "ormane.svg";
    dialog->add<window::Picture>("IconeArdix").setPresentation(icon);
    auto& ok = dialog->add<window::CommandButton>("OK");
    ok.setCaption("&Ok");
    ok.setPresentation(placed(6100, 3240, 2200, 1000));
    auto& hidden = dialog->add<window::CommandButton>("BoutonNouveau");
    hidden.setCaption("&Read me");
    hidden.setVisible(false);
    hidden.setPresentation(placed(300, 3240, 2200, 1000));
    window::Form& self = *dialog;
    dialog->onLoad([&self] {
        self.setCaption("Ormane");
        std::string text = "\r\nOrmane version 2.1.0\r\n";
        for (int line = 0; line < 14; ++line) text += "\r\nA line of the terms of use, not short";
        self.label("Copyr").setCaption(text + "\r\n\r\n\r\n");
    });
    dialog->on("OK", Notification::Click, [&self](const window::Event&) { self.unload(); });
    dialog->on("IconeArdix", Notification::Click, [&self](const window::Event&) { self.unload(); });
    return dialog;
}

}  // namespace

class PlatformServicesTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<qt::QtPlatform> platform_;
    std::unique_ptr<window::Session> session_;

  private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        platform_ = std::make_unique<qt::QtPlatform>();
        session_ = std::make_unique<window::Session>(platform_->services());
    }
    void cleanup() {
        platform_->windows.detachAll();
        session_.reset();
        platform_.reset();
    }

    // ---- Message box ----

    void theMessageBoxHasItsTitleTextOneOkAndNoIcon() {
        QString title, text;
        int buttons = -1;
        QMessageBox::Icon icon = QMessageBox::Warning;
        Qt::WindowModality modality = Qt::NonModal;
        whenModal([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            icon = box->icon();
            modality = box->windowModality();
            QTest::keyClick(box, Qt::Key_Return);
        });
        platform_->messageBox.show(" prep = 0.712 has been copied to clipboard", "Ormane");
        QCOMPARE(title, QStringLiteral("Ormane"));
        QCOMPARE(text, QStringLiteral(" prep = 0.712 has been copied to clipboard"));
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(modality, Qt::ApplicationModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void theMessageBoxShowsTextAsItIs() {
        QString text;
        whenModal([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            QCOMPARE(box->textFormat(), Qt::PlainText);
            box->button(QMessageBox::Ok)->click();
        });
        platform_->messageBox.show("<b>0.7</b> a été copié", "Ormane");
        QCOMPARE(text, QStringLiteral("<b>0.7</b> a été copié"));
    }

    // ---- Clipboard ----

    void theClipboardReceivesTheTextExactly() {
        platform_->clipboard.putText(" prep = 0,712");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" prep = 0,712"));
        platform_->clipboard.putText(" prep = 0.712 — α");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" prep = 0.712 — α"));
    }

    // ---- Mouse pointer ----

    void theHourglassIsOneOverrideTakenAwayByTheDefault() {
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        platform_->mousePointer.set(11);
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        platform_->mousePointer.set(11);
        platform_->mousePointer.set(0);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        platform_->mousePointer.set(0);  // nothing to take away
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void anHourglassLeftOnIsTakenAwayWhenThePointerGoes() {
        {
            qt::QtMousePointer pointer;
            pointer.set(11);
            QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // ---- Pop-up menu ----

    void thePopUpShowsTheSubmenuAndClicksTheChosenItem() {
        window::Form form(*session_, "Essai");
        form.add<window::CommandButton>("Bouton").setCaption("&Aide");
        auto& help = form.add<window::MenuItem>("MenuHelp");
        help.setCaption("&?");
        auto& aide = form.add<window::MenuItem>("MenuAide", &help);
        aide.setCaption("&Help");
        form.addMember<window::MenuItem>("MenuAide1", 1, &aide).setCaption("&Background");
        form.addMember<window::MenuItem>("MenuAide1", 2, &aide).setCaption("&Use");
        form.menuItem("MenuAide1", 2).setShortcut("F1");
        form.add<window::MenuItem>("MenuAide2", &aide).setCaption("b&Ibliography");
        std::vector<int> clicked;
        form.on("MenuAide1", Notification::Click,
                [&clicked](const window::Event& e) { clicked.push_back(e.index); });
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(platform_->windows.windowOf(form)));

        QStringList shown;
        whenModal([&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) shown << action->text();
            QAction* use = menu->actions().at(1);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(use).center());
        });
        platform_->popupMenu.popup(aide);
        QCOMPARE(shown, (QStringList{"&Background", "&Use", "b&Ibliography"}));
        QCOMPARE(clicked, std::vector<int>{2});

        whenModal([] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape); });
        platform_->popupMenu.popup(aide);
        QCOMPARE(clicked, std::vector<int>{2});  // dismissed: nothing clicked
        form.unload();
    }

    // ---- A modal dialog ----

    void aModalDialogRunsUntilItsOkUnloadsIt() {
        window::Form main(*session_, "Principal");
        main.add<window::CommandButton>("Bouton").setCaption("&Go");
        main.show();
        auto dialog = creeDialogue(*session_);
        bool mainRefused = false;
        bool wasModal = false;
        QString title;
        whenModal([&] {
            QWidget* shown = platform_->windows.windowOf(*dialog);
            QVERIFY(shown != nullptr && shown->isVisible());
            wasModal = shown->windowModality() == Qt::ApplicationModal;
            title = shown->windowTitle();
            mainRefused = !window::UserActions::click(main.commandButton("Bouton"));
            QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
        });
        dialog->show(window::Modality::Modal);
        QVERIFY(wasModal);
        QVERIFY(mainRefused);
        QCOMPARE(title, QStringLiteral("Ormane"));
        QVERIFY(dialog->unloaded());
        QVERIFY(platform_->windows.windowOf(*dialog) == nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        main.unload();
    }

    void aClickOnTheIconClosesTheDialogTheImageDoesNot() {
        auto dialog = creeDialogue(*session_);
        whenModal([&] {
            QWidget* shown = platform_->windows.windowOf(*dialog);
            QTest::mouseClick(shown->findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
            QVERIFY(dialog->shown());
            QTest::mouseClick(shown->findChild<QWidget*>(QStringLiteral("IconeArdix")),
                              Qt::LeftButton);
        });
        dialog->show(window::Modality::Modal);
        QVERIFY(dialog->unloaded());
    }

    void theCloseButtonOfAModalDialogEndsItsLoop() {
        auto dialog = creeDialogue(*session_);
        whenModal([&] { platform_->windows.windowOf(*dialog)->close(); });
        dialog->show(window::Modality::Modal);
        QVERIFY(dialog->unloaded());
    }

    void theDialogStandsWhereItsTwipsSayScaledWithTheFont() {
        auto dialog = creeDialogue(*session_);
        QWidget* shown = nullptr;
        QRect copyr, image, icon, ok;
        double scale = 0;
        bool bordered = false, centred = false, pictures = false, hiddenShown = true;
        QString okText;
        QStringList problems;
        whenModal([&] {
            shown = platform_->windows.windowOf(*dialog);
            if (QTest::qWaitForWindowExposed(shown)) {
                auto* label = shown->findChild<QLabel*>(QStringLiteral("Copyr"));
                copyr = label->geometry();
                bordered = label->frameShape() == QFrame::Box;
                centred = (label->alignment() & Qt::AlignHCenter) != 0;
                scale = dynamic_cast<qt::TwipsLayout&>(*label->parentWidget()->layout()).scale();
                auto* picture = dynamic_cast<qt::SvgPicture*>(
                    shown->findChild<QWidget*>(QStringLiteral("Image1")));
                auto* small = dynamic_cast<qt::SvgPicture*>(
                    shown->findChild<QWidget*>(QStringLiteral("IconeArdix")));
                pictures = picture->hasImage() && small->hasImage();
                image = picture->geometry();
                icon = small->geometry();
                hiddenShown =
                    shown->findChild<QPushButton*>(QStringLiteral("BoutonNouveau"))->isVisible();
                okText = shown->findChild<QPushButton*>(QStringLiteral("OK"))->text();
                ok = shown->findChild<QPushButton*>(QStringLiteral("OK"))->geometry();
                problems = qt::testing::clippedWidgets(*shown);
                qt::testing::saveScreenshot(
                    *shown, QStringLiteral("dialog-") +
                                qEnvironmentVariable("QT_SCALE_FACTOR", "1") + u'x');
            }
            dialog->unload();
        });
        dialog->show(window::Modality::Modal);

        QVERIFY(scale >= 1.0);
        auto pixels = [scale](int twips) { return twips * scale / 15.0; };
        auto near = [](int actual, double wanted) { return std::abs(actual - wanted) <= 1.0; };
        QVERIFY(near(copyr.x(), pixels(300)) && near(copyr.y(), pixels(150)));
        QVERIFY(near(copyr.width(), pixels(8000)) && near(copyr.height(), pixels(2850)));
        QVERIFY(near(image.x(), pixels(3450)) && near(image.width(), pixels(1275)));
        QVERIFY(near(icon.x(), pixels(4725)) && near(icon.width(), pixels(480)));
        QVERIFY(near(ok.y(), pixels(3240)) && near(ok.height(), pixels(1000)));
        QVERIFY(bordered);
        QVERIFY(centred);
        QVERIFY(pictures);
        QVERIFY(!hiddenShown);
        QCOMPARE(okText, QStringLiteral("&Ok"));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u';')));
    }
};

ORMANE_QTEST_MAIN(PlatformServicesTest)
#include "platform_services_test.moc"
