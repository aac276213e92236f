#include "Failure.h"
#include "IniFile.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class tst_IniFile final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("kwz.ini")); }

private slots:
    void init() {
        QFile::remove(path());
        QDir().rmdir(path());
    }

    // Each row takes the same three writes: a key replaced or added, a key added to its section, a section added.
    void writeKeepsEverythingElse_data() {
        QTest::addColumn<QByteArray>("before"); // empty: no file
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file") << QByteArray()
                                 << QByteArray("[Preferences]\nsitesorder=0\nPopUpBlock=1\n[window]\ntop=5\n");
        QTest::newRow("LF") << QByteArray("; mine\n[preferences]\nSitesOrder=7\nother=x\n\n[window]\nleft=3\n")
                            << QByteArray("; mine\n[preferences]\nsitesorder=0\nother=x\nPopUpBlock=1\n\n"
                                          "[window]\nleft=3\ntop=5\n");
        QTest::newRow("CRLF, last line open")
            << QByteArray("[preferences]\r\nSitesOrder=7\r\n[window]\r\nleft=3")
            << QByteArray("[preferences]\r\nsitesorder=0\r\nPopUpBlock=1\r\n[window]\r\nleft=3\r\ntop=5\r\n");
        QTest::newRow("Windows-1252") << QByteArray("; caf\xE9 \x80\n[preferences]\nSitesOrder=7\n")
                                      << QByteArray("; caf\xE9 \x80\n[preferences]\nsitesorder=0\nPopUpBlock=1\n"
                                                    "[window]\ntop=5\n");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF[preferences]\nSitesOrder=7\n; caf\xC3\xA9\n")
                                    << QByteArray("\xEF\xBB\xBF[preferences]\nsitesorder=0\n; caf\xC3\xA9\n"
                                                  "PopUpBlock=1\n[window]\ntop=5\n");
    }
    void writeKeepsEverythingElse() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            WriteFile(path(), before);
        IniWrite(path(), "Preferences", "sitesorder", "0");
        IniWrite(path(), "preferences", "PopUpBlock", "1");
        IniWrite(path(), "window", "top", "5");
        QCOMPARE(ReadFile(path()), after);
        QCOMPARE(IniRead(path(), "preferences", "SitesOrder") + IniRead(path(), "window", "top"), QString("05"));
    }

    // The file stays byte for byte as it was, and no temporary file is left beside it.
    void failedWriteLeavesTheFileAsItWas_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: a folder stands in place of the file
        QTest::addColumn<QString>("value");
        QTest::newRow("zeros after a crash") << QByteArray(64, '\0') << "1";
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE[\0p\0]\0\n\0", 10) << "1";
        QTest::newRow("folder, not readable") << QByteArray() << "1";
        QTest::newRow("value not Latin-1") << QByteArray("; caf\xE9\n") << "\u03A9";
        // Replacing the one line that is not UTF-8 would leave Latin-1 bytes that read as UTF-8 "é".
        QTest::newRow("value read back as other characters")
            << QByteArray("[preferences]\nSitesOrder=caf\xE9\n") << "\u00C3\u00A9";
    }
    void failedWriteLeavesTheFileAsItWas() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        if (bytes.isEmpty())
            QVERIFY(QDir().mkdir(path()));
        else
            WriteFile(path(), bytes);
        try {
            IniWrite(path(), "preferences", "SitesOrder", value);
            QFAIL("The write was reported done");
        } catch (const Failure& e) {
            QVERIFY2(e.description().contains(path() + ": "), qPrintable(e.description()));
        }
        QCOMPARE(ReadFile(path()), bytes);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"kwz.ini"});
    }
};

QUILL_TEST_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
