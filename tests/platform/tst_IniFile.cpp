#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void init() { QFile::remove(path()); }

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

    void writeCreatesFileSectionAndKey() {
        QVERIFY(IniWrite(path(), "preferences", "SitesOrder", "1"));
        QVERIFY(IniWrite(path(), "preferences", "PopUpBlock", "0"));
        QCOMPARE(content(), QByteArray("[preferences]\nSitesOrder=1\nPopUpBlock=0\n"));
    }

    void writeReplacesInPlaceAndKeepsOtherLines() {
        write("; mine\n[preferences]\nSitesOrder=7\n\n[window]\nleft=3\n");
        QVERIFY(IniWrite(path(), "Preferences", "sitesorder", "0"));
        QVERIFY(IniWrite(path(), "preferences", "PopUpBlock", "1"));
        QVERIFY(IniWrite(path(), "window", "top", "5"));
        QCOMPARE(content(),
                 QByteArray("; mine\n[preferences]\nsitesorder=0\nPopUpBlock=1\n\n[window]\nleft=3\ntop=5\n"));
        QCOMPARE(IniRead(path(), "preferences", "SitesOrder"), QString("0"));
    }

    void unwritableFileReportsFailure() {
        QVERIFY(!IniWrite(m_dir.filePath("missing-dir/kwz.ini"), "preferences", "SitesOrder", "1"));
    }
};

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
