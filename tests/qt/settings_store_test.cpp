// The INI settings store: where the file goes, texts that round-trip exactly whatever the
// person typed (and never disturb the other keys), and files that cannot be read or
// written.
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include "qt/platform/qt_settings_store.h"
#include "support/qt_test_main.h"

using ormane::qt::QtSettingsStore;

namespace {

constexpr const char* kApplication = "ormane";
constexpr const char* kSection = "Options";

// The seven keys with ordinary values, as a quit would write them.
const std::vector<std::pair<std::string, std::string>> kOrdinary{
    {"L", "1"}, {"D", "3"}, {"O", "3"}, {"A", "0.05"}, {"G", "0.90"}, {"H", "95"}, {"I", "95"}};

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<QtSettingsStore> store_;

    QString iniPath() const { return store_->filePath(kApplication); }
    void writeOrdinary() {
        for (const auto& [key, value] : kOrdinary)
            store_->write(kApplication, kSection, key, value);
    }
    void expectOrdinary(const std::string& except = {}) {
        for (const auto& [key, value] : kOrdinary) {
            if (key == except) continue;
            QCOMPARE(store_->read(kApplication, kSection, key), std::optional<std::string>(value));
        }
    }
    QByteArray fileContent() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& content) const {
        QDir().mkpath(QFileInfo(iniPath()).absolutePath());
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        store_ = std::make_unique<QtSettingsStore>(folder_->path());
    }

    void theFileIsTheApplicationsIniInItsFolder() {
        QCOMPARE(iniPath(), folder_->path() + QStringLiteral("/ormane/ormane.ini"));
        writeOrdinary();
        QByteArray content = fileContent();
        QVERIFY(content.startsWith("[Options]"));
        QVERIFY(content.contains("D=3"));
        QVERIFY(content.contains("A=0.05"));
    }

    void theDefaultFolderIsTheUsersConfigurationFolder() {
        QtSettingsStore personal;
        QCOMPARE(personal.filePath("ormane"),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/ormane/ormane.ini"));
    }

    void anAbsentKeyReadsAsAbsent() {
        QCOMPARE(store_->read(kApplication, kSection, "L"), std::nullopt);
        writeOrdinary();
        QCOMPARE(store_->read(kApplication, kSection, "Z"), std::nullopt);
        QCOMPARE(store_->read(kApplication, "Other", "L"), std::nullopt);
        QCOMPARE(store_->read("other-application", kSection, "L"), std::nullopt);
    }

    void whateverWasTypedRoundTripsAndLeavesTheOtherKeys_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::newRow("equals") << QByteArray("a=b=c");
        QTest::newRow("semicolon") << QByteArray("0.05; 0.10");
        QTest::newRow("comma") << QByteArray("0,05, 0,10");
        QTest::newRow("hash") << QByteArray("# not a comment");
        QTest::newRow("section") << QByteArray("[Options]");
        QTest::newRow("section line") << QByteArray("x\n[Options]\nL=0");
        QTest::newRow("newline") << QByteArray("first\nsecond");
        QTest::newRow("carriage return") << QByteArray("first\rsecond\r\n");
        QTest::newRow("quotes") << QByteArray("\"0.05\" and 'x'");
        QTest::newRow("backslashes") << QByteArray("C:\\temp\\x\\\\y\\");
        QTest::newRow("at sign") << QByteArray("@Variant(0.05)");
        QTest::newRow("blanks") << QByteArray("  0.05  ");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("non-ASCII") << QByteArray("é α 😀 ∞");
        QTest::newRow("percent") << QByteArray("95%25 %s");
        QTest::newRow("control characters") << QByteArray(
            "a\tb\x01"
            "c",
            6);
        QTest::newRow("ten thousand") << QByteArray(10000, '9');
        QTest::newRow("ten thousand mixed") << QByteArray("é=;#\n\"\\").repeated(1250);
    }
    void whateverWasTypedRoundTripsAndLeavesTheOtherKeys() {
        QFETCH(QByteArray, typed);
        std::string value = typed.toStdString();
        writeOrdinary();
        store_->write(kApplication, kSection, "A", value);
        QCOMPARE(store_->read(kApplication, kSection, "A"), std::optional<std::string>(value));
        expectOrdinary("A");
        // A fresh store reads the file again.
        QtSettingsStore again(folder_->path());
        QCOMPARE(again.read(kApplication, kSection, "A"), std::optional<std::string>(value));
        QCOMPARE(again.read(kApplication, kSection, "G"), std::optional<std::string>("0.90"));
        QStringList sections = QString::fromUtf8(fileContent())
                                   .split(u'\n')
                                   .filter(QRegularExpression(QStringLiteral("^\\[")));
        QCOMPARE(sections, QStringList{QStringLiteral("[Options]")});
    }

    void aHandWrittenListReadsAsItsText() {
        writeFile("[Options]\nA=0.05, 0.10\nL=0\n");
        QCOMPARE(store_->read(kApplication, kSection, "A"),
                 std::optional<std::string>("0.05, 0.10"));
        QCOMPARE(store_->read(kApplication, kSection, "L"), std::optional<std::string>("0"));
    }

    void aFileThatCannotBeReadReadsAsEmpty() {
        // A folder where the file should be: nothing can read it, whoever runs the test.
        QVERIFY(QDir().mkpath(iniPath()));
        QCOMPARE(store_->read(kApplication, kSection, "L"), std::nullopt);
        store_->write(kApplication, kSection, "L", "0");  // lost, silently
        QCOMPARE(store_->read(kApplication, kSection, "L"), std::nullopt);
        QVERIFY(QFileInfo(iniPath()).isDir());
    }

    void aFileWithoutReadPermissionReadsAsEmpty() {
        if (::geteuid() == 0) QSKIP("permissions do not bind the superuser");
        writeOrdinary();
        QVERIFY(QFile::setPermissions(iniPath(), QFileDevice::WriteOwner));
        QtSettingsStore fresh(folder_->path());
        QCOMPARE(fresh.read(kApplication, kSection, "L"), std::nullopt);
        QFile::setPermissions(iniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void aFolderThatCannotBeMadeLosesTheWritesSilently() {
        // A file where the application's folder should be.
        QFile blocker(folder_->filePath(QStringLiteral("ormane")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        writeOrdinary();
        QCOMPARE(store_->read(kApplication, kSection, "L"), std::nullopt);
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }

    void aReadOnlyFileKeepsItsContent() {
        if (::geteuid() == 0) QSKIP("permissions do not bind the superuser");
        writeOrdinary();
        QByteArray before = fileContent();
        QVERIFY(QFile::setPermissions(iniPath(), QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(QFileInfo(iniPath()).absolutePath(),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        store_->write(kApplication, kSection, "L", "0");
        QCOMPARE(fileContent(), before);
        QFile::setPermissions(QFileInfo(iniPath()).absolutePath(), QFileDevice::ReadOwner |
                                                                       QFileDevice::WriteOwner |
                                                                       QFileDevice::ExeOwner);
    }

    void aDamagedFileStillGivesWhatItHolds() {
        writeFile("garbage without section\n[Options\nL=0\n[Options]\nD=4\n\xff\xfe\n");
        QCOMPARE(store_->read(kApplication, kSection, "D"), std::optional<std::string>("4"));
        store_->write(kApplication, kSection, "O", "2");
        QCOMPARE(store_->read(kApplication, kSection, "O"), std::optional<std::string>("2"));
        QCOMPARE(store_->read(kApplication, kSection, "D"), std::optional<std::string>("4"));
    }
};

ORMANE_QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
