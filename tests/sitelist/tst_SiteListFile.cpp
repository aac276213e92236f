#include "SiteListFile.h"
#include "TestMain.h"

#include <QFile>
#include <QTest>

using namespace SiteListFile;

namespace {

// The rows to import as "name|address", then one "!" for each row that is not a web address.
QString judged(const QList<PreviewRow>& rows) {
    QStringList parts;
    for (const PreviewRow& row : rows)
        parts << (row.verdict == Verdict::NotWebAddress ? QStringLiteral("!") : row.name + '|' + row.address);
    return parts.join(' ');
}

} // namespace

// Reading site lists: real lists that people published, and the cases of delimited text and plain lists.
class tst_SiteListFile final : public QObject {
    Q_OBJECT

private slots:
    // tests/data/sitelists (provenance in SOURCES.md, counts in expected.tsv): every site of each list comes in
    // once, a repeated address is already in the list, and a relative link, a "place:" bookmark or a word never
    // passes for an address.
    void realListsAreRead_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("expected");
        QFile table(QFINDTESTDATA("../data/sitelists/expected.tsv"));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        table.readLine();
        while (!table.atEnd()) {
            const QStringList fields = QString::fromUtf8(table.readLine()).chopped(1).split('\t');
            QTest::newRow(qPrintable(fields[0])) << QFINDTESTDATA("../data/sitelists/" + fields[0]) << fields;
        }
    }
    void realListsAreRead() {
        QFETCH(QString, path);
        QFETCH(QStringList, expected);
        const Table table = ReadFile(path);
        const QList<PreviewRow> rows = Preview(table, {});
        int counts[3] = {0, 0, 0};
        bool sampleFound = expected[6].isEmpty();
        for (const PreviewRow& row : rows) {
            ++counts[int(row.verdict)];
            QVERIFY2(row.verdict == Verdict::NotWebAddress || !row.name.isEmpty(), qPrintable(row.address));
            sampleFound =
                sampleFound || (row.verdict == Verdict::Import && row.name + '|' + row.address == expected[6]);
        }
        QCOMPARE(QStringList({table.format, QString::number(rows.size()), QString::number(counts[0]),
                              QString::number(counts[1]), QString::number(counts[2])}),
                 expected.mid(1, 5));
        QVERIFY2(sampleFound, qPrintable(expected[6]));
    }

    // Quoted fields hold separators, doubled quotes and line breaks; the separator, the header and the columns are
    // found by the values, so a score or a category is never taken for the address.
    void textListsAreReadByTheirValues_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // format, then the captions when there is a header
        QTest::addColumn<QString>("result");
        QTest::newRow("RFC 4180") << "list.csv"
                                  << "Name,Notes,URL\r\n\"Soft, Inc.\",\"two\nlines \"\"q\"\"\",http://a.example/\r\n"
                                     "B,,b.example/x\r\n,,\r\n\"C\"\"\",\"x,y\",no address\r\n"
                                  << "CSV Name Notes URL"
                                  << "Soft, Inc.|http://a.example/ B|http://b.example/x !";
        QTest::newRow("TSV without header") << "list.txt"
                                            << "A\thttp://a.example/\nB\thttps://b.example/s\n"
                                            << "TSV"
                                            << "A|http://a.example/ B|https://b.example/s";
        QTest::newRow("semicolons, address first") << "list.txt"
                                                   << "http://a.example/;Alpha;3.5\nhttp://b.example/;Beta;4"
                                                   << "CSV (;)"
                                                   << "Alpha|http://a.example/ Beta|http://b.example/";
        QTest::newRow("score and category") << "s.csv"
                                            << "Site,Score,Category,Link\nX,3.5,Tools,x.example\n"
                                            << "CSV Site Score Category Link"
                                            << "X|http://x.example";
        QTest::newRow("addresses one a line") << "list.txt"
                                              << "http://a.example/\r\nwww.b.example\r\nnot an address\r\nv1.2\r\n"
                                              << "List of addresses"
                                              << "a.example|http://a.example/ b.example|http://www.b.example ! !";
        QTest::newRow("HTML page") << "page.html"
                                   << "<p>See <a href='https://a.example/s'>A <b>site</b></a>, <a href='/rel'>this</a>"
                                      " and <a href='mailto:a@b.example'>me</a>.</p>"
                                   << "HTML links"
                                   << "A site|https://a.example/s ! !";
    }
    void textListsAreReadByTheirValues() {
        QFETCH(QString, fileName);
        QFETCH(QString, text);
        QFETCH(QString, read);
        QFETCH(QString, result);
        const Table table = ReadText(text, fileName);
        QCOMPARE(table.format + (table.hasHeader ? " " + table.captions().join(' ') : QString()), read);
        QCOMPARE(judged(Preview(table, {})), result);
    }
};

QUILL_TEST_MAIN(tst_SiteListFile)
#include "tst_SiteListFile.moc"
