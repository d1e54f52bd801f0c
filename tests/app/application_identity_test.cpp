// The program as the desktop sees it: its name and version, an icon that really draws
// (the compiled-in SVG, not an empty icon), and a desktop entry name that matches the
// installed .desktop file, whose Exec and Icon lead back to this program.
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QtTest>

#include "app/application_identity.h"
#include "support/qt_test_main.h"

class ApplicationIdentityTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ormane::app::identifyApplication(); }

    void theNameAndVersionAreTheProgramsOwn() {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("ormane"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.1.0"));
    }

    void theIconDrawsTheRoundedSquareAtEverySize_data() {
        QTest::addColumn<int>("side");
        for (int side : {16, 32, 48, 256}) QTest::addRow("%d", side) << side;
    }
    void theIconDrawsTheRoundedSquareAtEverySize() {
        QFETCH(int, side);
        QIcon icon = QGuiApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QImage picture = icon.pixmap(QSize(side, side), 1.0).toImage();
        QCOMPARE(picture.size(), QSize(side, side));
        // The corner lies outside the rounded square; an eighth of the way in lies on its
        // dark blue (#1f4e79), clear of the curves.
        QCOMPARE(picture.pixelColor(0, 0).alpha(), 0);
        QColor inside = picture.pixelColor(side / 8, side / 8);
        QCOMPARE(inside.alpha(), 255);
        QVERIFY2(qAbs(inside.red() - 0x1f) <= 8 && qAbs(inside.green() - 0x4e) <= 8 &&
                     qAbs(inside.blue() - 0x79) <= 8,
                 qPrintable(inside.name()));
    }

    void aMessageBoxCarriesTheIcon() {
        QMessageBox box;
        QCOMPARE(box.windowIcon().cacheKey(), QGuiApplication::windowIcon().cacheKey());
    }

    void theDesktopEntryIsTheInstalledOne() {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("ormane"));
        QFile entry(QStringLiteral(ORMANE_PACKAGING_DIR "/") + QGuiApplication::desktopFileName() +
                    QStringLiteral(".desktop"));
        QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(entry.fileName()));
        QStringList lines = QString::fromUtf8(entry.readAll()).split(u'\n');
        QVERIFY(lines.contains(QStringLiteral("Exec=") + QCoreApplication::applicationName()));
        QVERIFY(lines.contains(QStringLiteral("Icon=ormane")));
    }
};

ORMANE_QTEST_MAIN(ApplicationIdentityTest)
#include "application_identity_test.moc"
