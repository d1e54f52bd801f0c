// The INI settings store: where the file goes, texts that round-trip exactly whatever the
// person typed (and never disturb the other keys), and files that cannot be read or
// written.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include <sys/stat.h>

#include "qt/platform/qt_settings_store.h"
#include "support/qt_test_main.h"

using ormane::qt::QtSettingsStore;
using Value = std::optional<std::string>;

namespace {

// The seven keys with ordinary values, as a quit would write them.
const std::vector<std::pair<std::string, std::string>> kOrdinary{
    {"L", "1"}, {"D", "3"}, {"O", "3"}, {"A", "0.05"}, {"G", "0.90"}, {"H", "95"}, {"I", "95"}};

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<QtSettingsStore> store_;

    QString iniPath() const { return folder_->path() + QStringLiteral("/ormane/ormane.ini"); }
    Value read(const std::string& key) { return store_->read("ormane", "Options", key); }
    void writeOrdinary() {
        for (const auto& [key, value] : kOrdinary) store_->write("ormane", "Options", key, value);
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
        store_ = std::make_unique<QtSettingsStore>(folder_->path());
    }

    void theFileIsTheApplicationsIniInItsFolder() {
        QCOMPARE(store_->filePath("ormane"), iniPath());
        QCOMPARE(QtSettingsStore().filePath("ormane"),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/ormane/ormane.ini"));
        QCOMPARE(read("L"), std::nullopt);
        writeOrdinary();
        QVERIFY(fileContent().startsWith("[Options]"));
        QCOMPARE(store_->read("ormane", "Other", "L"), std::nullopt);
        QCOMPARE(store_->read("other-application", "Options", "L"), std::nullopt);
    }

    // The texts are in data/typed-settings.tsv, escaped as in C.
    void whateverWasTypedRoundTripsAndLeavesTheOtherKeys_data() {
        QTest::addColumn<QByteArray>("typed");
        int rows = 0;
        for (const QString& row :
             ormane::qt::testing::dataFile("typed-settings.tsv").split(u'\n')) {
            const QStringList field = row.split(u'\t');
            if (row.startsWith(u'#') || field.size() != 3) continue;
            const QByteArray escaped = field[1].toUtf8();
            QByteArray typed;
            for (qsizetype i = 0; i < escaped.size(); ++i) {
                if (escaped[i] != '\\') {
                    typed += escaped[i];
                } else if (const char c = escaped[++i]; c == 'x') {
                    typed += char(escaped.mid(i + 1, 2).toInt(nullptr, 16));
                    i += 2;
                } else {
                    typed += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
                }
            }
            QTest::newRow(qPrintable(field[0])) << typed.repeated(field[2].toInt());
            ++rows;
        }
        QVERIFY(rows >= 16);
    }
    void whateverWasTypedRoundTripsAndLeavesTheOtherKeys() {
        QFETCH(QByteArray, typed);
        writeOrdinary();
        store_->write("ormane", "Options", "A", typed.toStdString());
        store_ = std::make_unique<QtSettingsStore>(folder_->path());  // reads the file again
        for (const auto& [key, value] : kOrdinary)
            QCOMPARE(read(key), Value(key == "A" ? typed.toStdString() : value));
        QStringList sections = QString::fromUtf8(fileContent())
                                   .split(u'\n')
                                   .filter(QRegularExpression(QStringLiteral("^\\[")));
        QCOMPARE(sections, QStringList{QStringLiteral("[Options]")});
    }

    void aHandWrittenOrDamagedFileGivesWhatItHolds() {
        writeFile("garbage\n[Options\nL=0\n[Options]\nA=0.05, 0.10\nD=4\n\xff\xfe\n");
        QCOMPARE(read("A"), Value("0.05, 0.10"));
        QCOMPARE(read("D"), Value("4"));
        store_->write("ormane", "Options", "O", "2");
        QCOMPARE(read("O"), Value("2"));
        QCOMPARE(read("D"), Value("4"));
    }

    // Reading must not wait for a writer, nor read a device without end.
    void aPathThatIsNoRegularFileIsNeitherReadNorWritten() {
        QDir().mkpath(QFileInfo(iniPath()).absolutePath());
        QVERIFY(::mkfifo(QFile::encodeName(iniPath()).constData(), 0600) == 0);
        QCOMPARE(read("L"), std::nullopt);
        writeOrdinary();
        QCOMPARE(read("L"), std::nullopt);
        QVERIFY(!QFileInfo(iniPath()).isFile() && QFileInfo::exists(iniPath()));
        QFile::remove(iniPath());
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), iniPath()));
        QCOMPARE(read("L"), std::nullopt);
        writeOrdinary();
        QVERIFY(QFileInfo(iniPath()).isSymLink());
    }

    void aFileThatCannotBeReadOrWrittenLosesTheWritesSilently() {
        // A folder where the file should be: nothing can read it, whoever runs the test.
        QVERIFY(QDir().mkpath(iniPath()));
        store_->write("ormane", "Options", "L", "0");
        QCOMPARE(read("L"), std::nullopt);
        QVERIFY(QFileInfo(iniPath()).isDir());
        // A file where the application's folder should be.
        QVERIFY(QDir(folder_->path() + QStringLiteral("/ormane")).removeRecursively());
        QFile blocker(folder_->filePath(QStringLiteral("ormane")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        writeOrdinary();
        QCOMPARE(read("L"), std::nullopt);
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }
};

ORMANE_QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
