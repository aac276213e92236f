#include "DateText.h"
#include "SiteAddress.h"
#include "TestMain.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

// Site addresses and the date texts. A site list's first row, lines, encodings and inserts are tested with
// tst_frmSiteImport.
class tst_Texts final : public QObject {
    Q_OBJECT

private slots:
    // Addresses that differ by scheme, "www.", the host's letters, a default port, a trailing slash or a last index
    // page are one site; a path's letters, another port or a query are not. Only http(s) and bare host names are
    // web addresses (words, numbers, links and bookmarks in real lists: tst_SiteListFile).
    void siteAddressesCompareNormalised_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("normal"); // empty: not a web address
        QTest::newRow("all at once") << "http://WWW.X.example:80/Sub/index.php"
                                     << "x.example/Sub";
        QTest::newRow("https, slash") << " https://x.example/Sub/ "
                                      << "x.example/Sub";
        QTest::newRow("index.html, no scheme") << "www.x.example/index.html"
                                               << "x.example";
        QTest::newRow("https default port") << "https://x.example:443/a"
                                            << "x.example/a";
        QTest::newRow("other port") << "http://x.example:8080/a"
                                    << "x.example:8080/a";
        QTest::newRow("query") << "http://x.example/add.php?id=3"
                               << "x.example/add.php?id=3";
        QTest::newRow("ftp") << "ftp://x.example/"
                             << "";
    }
    void siteAddressesCompareNormalised() {
        QFETCH(QString, address);
        QFETCH(QString, normal);
        QCOMPARE(IsWebAddress(address), !normal.isEmpty());
        if (!normal.isEmpty())
            QCOMPARE(NormalizedSiteAddress(address), normal);
    }

    // The program's forms and the stored forms are the same under a locale with its own digits and date order; the
    // shown form follows the locale and leaves out midnight.
    void dateTextsAreLocaleFreeButTheShownOne() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        const QDateTime moment(QDate(2012, 3, 5), QTime(9, 7, 3));
        QCOMPARE(DateTimeToText(moment), QString("2012-3-5 9:7:3"));
        QCOMPARE(DateToText(QDate(2012, 12, 24)), QString("2012-12-24"));
        QCOMPARE(DateTimeToText(QString("2013-01-09 18:05:00")), QString("2013-1-9 18:5:0"));
        QCOMPARE(DbDateTimeText(moment), QString("2012-03-05 09:07:03"));
        QCOMPARE(DbReadDateTime(DbDateTimeText(moment)), moment);
        QCOMPARE(DbReadDateTime(DbDateText(QDate(2020, 2, 29))), QDate(2020, 2, 29).startOfDay());
        for (const QVariant& none : {QVariant(), QVariant("tomorrow"), QVariant("2013-02-31")})
            QVERIFY(DateTimeToText(none).isEmpty() && DateToText(none).isEmpty() && !DbReadDateTime(none).isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(DateTimeDisplayText(moment.date().startOfDay()), QString("3/5/12"));
        QVERIFY(DateTimeDisplayText(moment).startsWith("3/5/12 9:07:03"));
    }
};

QUILL_TEST_MAIN(tst_Texts)
#include "tst_Texts.moc"
