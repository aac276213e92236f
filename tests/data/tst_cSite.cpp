#include "DateText.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "cSite.h"

#include <QTest>

// Saving and loading every field through the site editor is tested with frmSite; here what the editor cannot
// reach: emptied fields, null columns, missing rows and failures.
namespace {

cSite filledSite() {
    cSite site;
    site.Name = QStringLiteral("O'Brien's Downloads – Ünïcode 日本");
    site.HomePage = QStringLiteral("www.obrien.example/it's");
    site.SubmitUrl = QStringLiteral("http://obrien.example/submit?x='1'");
    site.Rank = -32768;
    site.UserID = QStringLiteral("o'brien");
    site.Password = QStringLiteral("p'ä ss\"; DROP TABLE tab_sites; --");
    site.Notes = QStringLiteral("line one\nline 'two'\n");
    site.AutoUpdate = true;
    return site;
}

// The fields a user edits, as one text.
QString editable(const cSite& s) {
    return QStringList{s.Name,
                       s.HomePage,
                       s.SubmitUrl,
                       QString::number(s.Rank),
                       s.UserID,
                       s.Password,
                       s.Notes,
                       QString::number(s.AutoUpdate),
                       QString::number(s.AuthReq)}
        .join('|');
}

} // namespace

class tst_cSite final : public QObject {
    Q_OBJECT

private slots:
    void updateWritesItsRowOnlyWithEmptyTextsNeverNull() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_sites (name, submitUrl, rank, authReq, bookmark, insertDate) "
                "VALUES ('old', 's', 5, 1, 1, '2012-03-05 09:07:03')");
        dir.sql("INSERT INTO tab_sites (name, submitUrl) VALUES ('other', 'o')");
        cSite site = filledSite();
        site.SiteID = 1;
        QVERIFY(site.Update());
        cSite back;
        back.SiteID = 1;
        QVERIFY(back.Load());
        QCOMPARE(editable(back), editable(site));
        QCOMPARE(DbDateTimeText(back.Insertdate), QString("2012-03-05 09:07:03"));
        QVERIFY(back.UpdateDate.isValid());
        QCOMPARE(
            dir.scalar("SELECT name || submitUrl || (updateDate IS NULL) FROM tab_sites WHERE siteID = 2").toString(),
            QString("othero1"));

        cSite emptied;
        emptied.SiteID = 1;
        QVERIFY(emptied.Update());
        QCOMPARE(dir.scalar("SELECT name || homePage || submitUrl || userID || password || notes || rank || bookmark "
                            "FROM tab_sites WHERE siteID = 1")
                     .toString(),
                 QString("01")); // null in any column would make the whole text null
        QVERIFY(boxes.shown().isEmpty());
    }

    void nullColumnsAndMissingRowsKeepTheDefaults() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql(
            "INSERT INTO tab_sites (name, submitUrl, insertDate) VALUES ('Imported', 'imp', '2012-12-24 00:00:00')");
        cSite site = filledSite();
        site.SiteID = 1;
        const QDateTime stamp(QDate(2013, 1, 1), QTime(12, 0));
        site.UpdateDate = stamp;
        QVERIFY(site.Load());
        cSite expected;
        expected.Name = "Imported";
        expected.SubmitUrl = "imp";
        QCOMPARE(editable(site), editable(expected));
        QCOMPARE(site.Insertdate, QDateTime(QDate(2012, 12, 24), QTime(0, 0)));
        QCOMPARE(site.UpdateDate, stamp);

        cSite missing = filledSite();
        missing.SiteID = 42;
        QVERIFY(missing.Load());
        QCOMPARE(editable(missing), editable(filledSite()));
        QVERIFY(boxes.shown().isEmpty());
        // Saving over a row that is gone is a failure, never a silent success.
        QVERIFY(!missing.Update());
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 1);
        QCOMPARE(boxes.texts(), QStringList{"Error in Update: This site no longer exists in the archive: another "
                                            "window or program deleted it. Nothing was saved."});
    }

    void failuresAreReportedAndReturnFalse() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_sites (name, submitUrl, rank, userID) VALUES ('Big', 'big', 99999, 'me')");
        cSite site;
        site.SiteID = 1;
        QVERIFY(!site.Load());
        QCOMPARE(site.SubmitUrl, QString("big")); // read before the failure
        QVERIFY(site.UserID.isEmpty());

        QVERIFY(QFile::remove(dir.dbPath()));
        QVERIFY(!site.Load());
        QVERIFY(!site.Save());
        QVERIFY(!site.Update());
        const QStringList texts = boxes.texts();
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts[0], QString("Error in Load: Overflow"));
        QVERIFY(texts[1].startsWith("Error in Load: ") && texts[2].startsWith("Error in Save: ") &&
                texts[3].startsWith("Error in Update: "));
        QCOMPARE(boxes.shown()[3].icon, Msg::Icon::Critical);
        QCOMPARE(site.SiteID, 1);
    }
};

QUILL_TEST_MAIN(tst_cSite)
#include "tst_cSite.moc"
