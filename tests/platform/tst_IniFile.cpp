#include "Failure.h"
#include "IniFile.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class tst_IniFile final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("kwz.ini")); }
    void write(const QByteArray& content) {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QByteArray content() {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        QFile::remove(path());
        QDir().rmdir(path());
    }

    void readsKeysWithoutRegardToCaseOrBlanks() {
        write("; comment\n[other]\nSitesOrder=9\n[Preferences]\n  sitesorder =  0  \nPopUpBlock=\"1\"\n");
        QCOMPARE(IniRead(path(), "preferences", "SitesOrder"), QString("0"));
        QCOMPARE(IniRead(path(), "preferences", "PopUpBlock"), QString("1"));
        QCOMPARE(IniRead(path(), "other", "SitesOrder"), QString("9"));
    }

    void missingFileSectionKeyOrValueReadsEmpty() {
        QCOMPARE(IniRead(path(), "preferences", "SitesOrder"), QString());
        write("[preferences]\nSitesOrder=\n[x]\nPopUpBlock=1\n");
        QCOMPARE(IniRead(path(), "preferences", "SitesOrder"), QString());
        QCOMPARE(IniRead(path(), "preferences", "PopUpBlock"), QString());
        QCOMPARE(IniRead(path(), "nosection", "PopUpBlock"), QString());
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
            write(before);
        IniWrite(path(), "Preferences", "sitesorder", "0");
        IniWrite(path(), "preferences", "PopUpBlock", "1");
        IniWrite(path(), "window", "top", "5");
        QCOMPARE(content(), after);
        QCOMPARE(IniRead(path(), "preferences", "SitesOrder") + IniRead(path(), "window", "top"), QString("05"));
    }

    // The file stays byte for byte as it was, and no temporary file is left beside it.
    void failedWriteLeavesTheFileAsItWas_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: a folder stands in place of the file
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("locked");
        QTest::newRow("zeros after a crash") << QByteArray(64, '\0') << "1" << false;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE[\0p\0]\0\n\0", 10) << "1" << false;
        QTest::newRow("control characters") << QByteArray("\x89PNG\r\n\x1A\n") << "1" << false;
        QTest::newRow("folder") << QByteArray() << "1" << false;
        QTest::newRow("not readable") << QByteArray("[preferences]\nSitesOrder=0\n") << "1" << true;
        QTest::newRow("value not Latin-1") << QByteArray("; caf\xE9\n") << "\u03A9" << false;
        // Replacing the one line that is not UTF-8 would leave Latin-1 bytes that read as UTF-8 "é".
        QTest::newRow("value read back as other characters")
            << QByteArray("[preferences]\nSitesOrder=caf\xE9\n") << "\u00C3\u00A9" << false;
    }
    void failedWriteLeavesTheFileAsItWas() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        QFETCH(bool, locked);
        if (locked && ::geteuid() == 0)
            QSKIP("Permissions do not stop root from reading");
        if (bytes.isEmpty())
            QVERIFY(QDir().mkdir(path()));
        else
            write(bytes);
        if (locked)
            QVERIFY(QFile::setPermissions(path(), QFile::WriteOwner));
        try {
            IniWrite(path(), "preferences", "SitesOrder", value);
            QFAIL("The write was reported done");
        } catch (const Failure& e) {
            QVERIFY2(e.description().contains(path() + ": "), qPrintable(e.description()));
        }
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(content(), bytes);
        QCOMPARE(QFileInfo(path()).isDir(), bytes.isEmpty());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"kwz.ini"});
    }
};

QUILL_TEST_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
