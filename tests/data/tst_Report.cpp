#include "SubmissionReport.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QTest>

namespace {

// An RFC 4180 reader, written from the RFC and nothing else, to read the report as a spreadsheet would.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            record << std::exchange(field, QString());
        } else if (!quoted && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record << std::exchange(field, QString());
            records << std::exchange(record, QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

} // namespace

class tst_Report final : public QObject {
    Q_OBJECT

private slots:
    // 5,000 sites whose names and notes hold separators, quotes, line breaks and markup: every cell reads back as
    // stored, in the list's order first, and the printable page shows the markup as text.
    void reportReadsBackCellForCell() {
        TestProgramDir dir;
        const QString hostile = "a, \"b\"\r\nc\n<script>alert(1)</script> =1+1 ü";
        dir.sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                "INSERT INTO tab_sites (name, submitUrl) SELECT ? || i, 'http://s' || i || '.example/' FROM n",
                {hostile});
        dir.sql("INSERT INTO tab_products (name) VALUES (?)", {hostile});
        dir.sql("INSERT INTO tab_productStatus (siteID, productID, submitStatus, oldVersion, notes, insertDate, "
                "updateDate) SELECT siteID, 1, siteID % 3, siteID % 2, ? || siteID, '2026-01-01 10:00:00', "
                "'2026-01-02 11:00:00' FROM tab_sites WHERE siteID % 4 <> 0",
                {hostile});

        const QList<SubmissionReportRow> rows = ReadSubmissionReport(1, {4999, 3});
        const QByteArray csv = SubmissionReportCsv(rows);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> records = readCsv(QString::fromUtf8(csv.mid(3)));
        QCOMPARE(records.size(), 5001);
        QCOMPARE(records[0], (QStringList{"Site", "Submit address", "Status", "Old version", "Last change", "Notes"}));
        QCOMPARE(records[1], (QStringList{hostile + "4999", "http://s4999.example/", "Submitted", "Yes",
                                          "2026-01-02 11:00:00", hostile + "4999"}));
        QCOMPARE(records[2][0], hostile + "3");
        QCOMPARE(records[3][0], hostile + "1");
        QCOMPARE(records[5], (QStringList{hostile + "4", "http://s4.example/", "Not Submitted", "No", "", ""}));
        QCOMPARE(records[4][2], "Published");

        const QByteArray html = SubmissionReportHtml(hostile, rows);
        QVERIFY(!html.contains("<script>"));
        QCOMPARE(html.count("&lt;script&gt;"), 2 + 5000 + 3750);
    }
};

QUILL_TEST_MAIN(tst_Report)
#include "tst_Report.moc"
