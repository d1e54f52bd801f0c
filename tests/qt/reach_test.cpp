// Every key and screen reader reaches its control. Every access key of each window in both
// languages (data/access-keys.tsv): the keys the real widgets offer are those of the table,
// no two controls of a window share one, and Alt with each key, pressed on the window,
// reaches its control. F1 opens each dialog's help page (data/help-keys.tsv). A screen
// reader is told what each kind of control is (data/accessible-roles.tsv), the K-prime
// list is named, and the planning dialog's first focus is the chosen target.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcutEvent>
#include <QTextBrowser>
#include <QtTest>
#include <functional>
#include <map>
#include <vector>

#include "qt/platform/help_window.h"
#include "support/qt_test_main.h"
#include "support/window_test.h"
#include "window/model/controls.h"
#include "window/model/user_actions.h"

using namespace ormane;
using qt::testing::tick;

namespace {

struct AccessKey {
    QString key;  // the letter as the table writes it: "K", "1", "?"
    QString control;
    QString effect;
};

// The rows of one language and window, in the table's order.
std::vector<AccessKey> accessKeys(const QString& language, const QString& window) {
    std::vector<AccessKey> rows;
    const QStringList lines = qt::testing::dataFile("access-keys.tsv").split(u'\n');
    for (const QString& line : lines) {
        if (line.startsWith(u'#') || line.isEmpty()) continue;
        const QStringList f = line.split(u'\t');
        if (f.size() == 5 && f[0] == language && f[1] == window) rows.push_back({f[2], f[3], f[4]});
    }
    return rows;
}

QString keyOf(const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return key.isEmpty() ? QString() : QKeySequence(key[0].key()).toString();
}

// What the window offers, key by key: menu-bar items, buttons, check boxes, option buttons,
// frames and labels that name a control (under that control's name).
std::multimap<QString, QString> offeredKeys(QWidget& window) {
    std::multimap<QString, QString> offered;
    auto reachable = [&window](QWidget* w) { return w->isVisibleTo(&window) && w->isEnabled(); };
    for (auto* button : window.findChildren<QAbstractButton*>()) {
        if (reachable(button) && !keyOf(button->text()).isEmpty())
            offered.emplace(keyOf(button->text()), button->objectName());
    }
    for (auto* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && reachable(label) && !keyOf(label->text()).isEmpty())
            offered.emplace(keyOf(label->text()), label->buddy()->objectName());
    }
    for (auto* frame : window.findChildren<QGroupBox*>()) {
        if (reachable(frame) && !keyOf(frame->title()).isEmpty())
            offered.emplace(keyOf(frame->title()), frame->objectName());
    }
    if (auto* bar = window.findChild<QMenuBar*>()) {
        for (QAction* item : bar->actions()) {
            if (item->isVisible() && item->isEnabled() && !keyOf(item->text()).isEmpty())
                offered.emplace(keyOf(item->text()), item->objectName());
        }
    }
    return offered;
}

// Takes the shortcut events Qt sends while it is installed, so that a command's key is seen
// reaching its button without the command running (the program would end, or a modal
// message wait).
class ShortcutCatcher : public QObject {
  public:
    ShortcutCatcher() { QCoreApplication::instance()->installEventFilter(this); }
    ~ShortcutCatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    ShortcutCatcher(const ShortcutCatcher&) = delete;
    ShortcutCatcher& operator=(const ShortcutCatcher&) = delete;

    struct Caught {
        QObject* receiver;
        bool ambiguous;
    };
    std::vector<Caught> caught;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return false;
        caught.push_back({watched, static_cast<QShortcutEvent*>(event)->isAmbiguous()});
        return true;
    }
};

// The name of what a caught shortcut reaches: a widget, or the menu-bar command with the key.
QString reached(QObject* receiver, const QString& key) {
    if (auto* bar = qobject_cast<QMenuBar*>(receiver)) {
        for (QAction* item : bar->actions()) {
            if (item->isVisible() && keyOf(item->text()) == key) return item->objectName();
        }
    }
    return receiver->objectName();
}

}  // namespace

class ReachTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    void chooseLanguage(const QString& language) {
        action("MenuLangue", language == u"fr" ? 1 : 0)->trigger();
    }

    template <class W = QWidget>
    static W* named(QWidget& window, const QString& name) {
        return window.findChild<W*>(name);
    }

    // Presses Alt with each key of the table on the window and checks what it does.
    static void pressEach(QWidget& window, const std::vector<AccessKey>& rows) {
        for (const AccessKey& row : rows) {
            const QKeySequence sequence = QKeySequence::fromString(row.key);
            const auto key = static_cast<Qt::Key>(sequence[0].key());
            const QByteArray what = (row.key + u' ' + row.control).toUtf8();
            // A person types into the active window (a closed menu may still be the
            // active one on the offscreen platform).
            if (QApplication::activeWindow() != &window) window.activateWindow();
            QTRY_VERIFY2(QApplication::activeWindow() == &window, what);
            auto alt = [&] { QTest::keyClick(&window, key, Qt::AltModifier); };
            if (row.effect == u"command") {
                ShortcutCatcher catcher;
                alt();
                QVERIFY2(catcher.caught.size() == 1, what);
                QVERIFY2(!catcher.caught.front().ambiguous, what);
                QCOMPARE(reached(catcher.caught.front().receiver, row.key), row.control);
            } else if (row.effect == u"toggles") {
                auto* box = named<QCheckBox>(window, row.control);
                QVERIFY2(box != nullptr, what);
                const bool before = box->isChecked();
                alt();
                QTRY_VERIFY2(box->isChecked() != before, what);
                QTRY_VERIFY2(!box->isDown(), what);
                alt();
                QTRY_VERIFY2(box->isChecked() == before, what);
                QTRY_VERIFY2(!box->isDown(), what);
            } else if (row.effect == u"selects") {
                auto* option = named<QRadioButton>(window, row.control);
                QVERIFY2(option != nullptr, what);
                alt();
                QTRY_VERIFY2(option->isChecked() && !option->isDown(), what);
            } else if (row.effect == u"focus") {
                QWidget* box = named(window, row.control);
                QVERIFY2(box != nullptr, what);
                alt();
                QTRY_VERIFY2(box->hasFocus(), what);
            } else if (row.effect == u"menu") {
                auto* item = window.findChild<QMenuBar*>()->findChild<QAction*>(row.control);
                QVERIFY2(item != nullptr && item->menu() != nullptr, what);
                alt();
                QTRY_VERIFY2(QApplication::activePopupWidget() == item->menu(), what);
                QTest::keyClick(item->menu(), Qt::Key_Escape);
                QTRY_VERIFY2(QApplication::activePopupWidget() == nullptr, what);
                if (QWidget* focused = QApplication::focusWidget();
                    qobject_cast<QMenuBar*>(focused) != nullptr) {
                    QTest::keyClick(focused, Qt::Key_Escape);
                }
            } else {
                QFAIL(what + " has no effect the test knows");
            }
        }
    }

    // The keys on offer are the table's, each once; then each is pressed.
    static void checkKeys(QWidget& window, const QString& language, const QString& name) {
        const std::vector<AccessKey> rows = accessKeys(language, name);
        QVERIFY2(!rows.empty(), qPrintable(language + u' ' + name));
        const std::multimap<QString, QString> offered = offeredKeys(window);
        QStringList shared;
        for (auto it = offered.begin(); it != offered.end(); ++it) {
            if (offered.count(it->first) > 1) shared << it->first + u'=' + it->second;
        }
        QVERIFY2(shared.isEmpty(),
                 qPrintable(language + u' ' + name + QStringLiteral(": ") + shared.join(u' ')));
        std::multimap<QString, QString> expected;
        for (const AccessKey& row : rows) expected.emplace(row.key, row.control);
        QCOMPARE(offered, expected);
        pressEach(window, rows);
    }

    // Opens a modal dialog with `command`; `look` runs while it is up, then it is closed.
    void withModal(QAction* command, const std::function<window::Form*()>& form,
                   const std::function<void(QWidget&)>& look) {
        bool looked = false;
        QTimer::singleShot(0, [&] {
            window::Form* shown = form();
            QWidget* dialog = shown == nullptr ? nullptr : w_->platform().windows.windowOf(*shown);
            if (dialog != nullptr && QTest::qWaitForWindowExposed(dialog)) {
                dialog->activateWindow();
                if (QTest::qWaitForWindowActive(dialog)) {
                    look(*dialog);
                    looked = true;
                }
            }
            if (shown != nullptr && shown->shown()) window::UserActions::close(*shown);
        });
        command->trigger();
        QVERIFY(looked);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    QWidget* openKprime() {
        action("MenuKprime")->trigger();
        FeuilleKprime* dialog = w_->programme().feuilleKprime().existing();
        if (dialog == nullptr) return nullptr;
        QWidget* shown = w_->platform().windows.windowOf(*dialog);
        if (shown == nullptr || !QTest::qWaitForWindowExposed(shown)) return nullptr;
        shown->activateWindow();
        return QTest::qWaitForWindowActive(shown) ? shown : nullptr;
    }

    static void checkRoles(QWidget& window, const QString& name) {
        const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
        const QStringList lines = qt::testing::dataFile("accessible-roles.tsv").split(u'\n');
        int checked = 0;
        for (const QString& line : lines) {
            const QStringList f = line.split(u'\t');
            if (line.startsWith(u'#') || f.size() != 3 || f[0] != name) continue;
            QWidget* shown =
                window.objectName() == f[1] ? &window : window.findChild<QWidget*>(f[1]);
            QVERIFY2(shown != nullptr, qPrintable(f[1]));
            QAccessibleInterface* told = QAccessible::queryAccessibleInterface(shown);
            QVERIFY2(told != nullptr, qPrintable(f[1]));
            QCOMPARE(QString::fromLatin1(roles.valueToKey(told->role())), f[2]);
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // The page the help window shows, as "en/14.html".
    QString helpPage() {
        qt::HelpWindow* help = w_->platform().help.window();
        if (help == nullptr || !help->isVisible()) return QString();
        const QString file = help->browser().source().toLocalFile();
        return file.section(u'/', -2);
    }

  private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { w_.reset(); }

    void eachWindowsKeysAreItsOwnAndReachTheirControls_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "fr"}) QTest::newRow(language) << QString(language);
    }
    void eachWindowsKeysAreItsOwnAndReachTheirControls() {
        QFETCH(QString, language);
        chooseLanguage(language);
        // Every pane shown, so that every control that has a key is on show.
        for (const char* box : {"CasePsrep", "CasePreprep"}) tick(control(box));
        for (std::int16_t i : {0, 1}) tick(control("OptionIC", i));
        tick(control("OptionReplique", 1));
        QVERIFY(control("Textec")->isVisible() && control("OptionEffet", 1)->isVisible());
        checkKeys(*w_->window(), language, QStringLiteral("main"));

        QWidget* kprime = openKprime();
        QVERIFY(kprime != nullptr);
        checkKeys(*kprime, language, QStringLiteral("kprime"));
        window::UserActions::close(*w_->programme().feuilleKprime().existing());

        withModal(
            action("MenuPlanifier"), [this] { return w_->programme().plan().existing(); },
            [&](QWidget& dialog) { checkKeys(dialog, language, QStringLiteral("plan")); });
        withModal(
            action("MenuApropos"), [this] { return w_->programme().apropos().existing(); },
            [&](QWidget& dialog) { checkKeys(dialog, language, QStringLiteral("about")); });
    }

    void aScreenReaderIsToldWhatEachControlIs() {
        for (const char* box : {"CasePsrep", "CasePreprep"}) tick(control(box));
        for (std::int16_t i : {0, 1}) tick(control("OptionIC", i));
        checkRoles(*w_->window(), QStringLiteral("main"));
        QWidget* kprime = openKprime();
        QVERIFY(kprime != nullptr);
        checkRoles(*kprime, QStringLiteral("kprime"));
        withModal(
            action("MenuPlanifier"), [this] { return w_->programme().plan().existing(); },
            [&](QWidget& dialog) { checkRoles(dialog, QStringLiteral("plan")); });
    }

    // The list is a Tab stop: reached by Tab, it says what it is, in the interface language.
    void theKprimeListIsNamedWhereTabReachesIt() {
        QWidget* kprime = openKprime();
        QVERIFY(kprime != nullptr);
        auto* list = kprime->findChild<QScrollArea*>();
        QVERIFY(list != nullptr && (list->focusPolicy() & Qt::TabFocus));
        QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name),
                 QStringLiteral("list"));
        chooseLanguage(QStringLiteral("fr"));
        QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name),
                 QStringLiteral("liste"));
    }

    // psrep is the target when the dialog opens: the focus is on it, not on prep.
    void thePlanningDialogOpensWithTheFocusOnTheChosenTarget() {
        QString focused;
        bool chosen = false;
        withModal(
            action("MenuPlanifier"), [this] { return w_->programme().plan().existing(); },
            [&](QWidget& dialog) {
                auto* psrep = dialog.findChild<QRadioButton*>(QStringLiteral("OptionCible(1)"));
                chosen = psrep != nullptr && psrep->isChecked();
                QTRY_VERIFY(QApplication::focusWidget() == psrep);
                focused = QApplication::focusWidget()->objectName();
            });
        QVERIFY(chosen);
        QCOMPARE(focused, QStringLiteral("OptionCible(1)"));
    }

    void f1OpensTheDialogsPage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("page");
        const QStringList lines = qt::testing::dataFile("help-keys.tsv").split(u'\n');
        for (const QString& line : lines) {
            if (line.startsWith(u'#') || line.isEmpty()) continue;
            const QStringList f = line.split(u'\t');
            QTest::newRow(qPrintable(f[0] + u' ' + f[1])) << f[0] << f[1] << f[2];
        }
    }
    void f1OpensTheDialogsPage() {
        QFETCH(QString, language);
        QFETCH(QString, dialog);
        QFETCH(QString, page);
        chooseLanguage(language);
        QString opened;
        if (dialog == u"kprime") {
            QWidget* shown = openKprime();
            QVERIFY(shown != nullptr);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            QTRY_VERIFY(!helpPage().isEmpty());
            opened = helpPage();
        } else {
            withModal(
                action("MenuPlanifier"), [this] { return w_->programme().plan().existing(); },
                [&](QWidget&) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
                    QTRY_VERIFY(!helpPage().isEmpty());
                    opened = helpPage();
                });
        }
        QCOMPARE(opened, page);
    }
};

ORMANE_QTEST_MAIN(ReachTest)
#include "reach_test.moc"
