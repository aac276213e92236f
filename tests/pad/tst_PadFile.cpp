#include "LoopbackHttpServer.h"
#include "PadDownload.h"
#include "PadFields.h"
#include "PadFile.h"
#include "PadSamples.h"
#include "TestMain.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// Runs one download to its end; a generous wait, never a measure of time.
PadDownload::Result download(PadDownload& pad, const QUrl& url) {
    QSignalSpy finished(&pad, &PadDownload::Finished);
    pad.Start(url);
    if (!finished.wait(60000))
        return {{}, QStringLiteral("(the download never finished)"), false};
    return pad.LastResult();
}

} // namespace

// Reading, mending, writing and downloading PAD files.
class tst_PadFile final : public QObject {
    Q_OBJECT

private slots:
    // Real files as their authors publish them (real/SOURCES.md) against oracle.json, which real/oracle.py makes with
    // another XML parser: each file is read with the oracle's fields or refused where the oracle names the fault.
    void readsRealFilesAsTheOracle_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonObject>("expected");
        const QString folder = QFileInfo(QFINDTESTDATA("real/oracle.json")).absolutePath();
        QFile oracle(folder + "/oracle.json");
        QVERIFY(oracle.open(QIODevice::ReadOnly));
        const QJsonObject files = QJsonDocument::fromJson(oracle.readAll()).object();
        QVERIFY(files.size() >= 30);
        for (auto it = files.begin(); it != files.end(); ++it)
            QTest::newRow(qPrintable(it.key())) << folder + "/" + it.key() << it.value().toObject();
    }
    void readsRealFilesAsTheOracle() {
        QFETCH(QString, path);
        QFETCH(QJsonObject, expected);
        const PadBytes file = ReadPadFile(path);
        QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
        const PadReadResult read = ParsePad(file.bytes);
        if (expected.contains("refused")) {
            QVERIFY2(read.error.contains(QString("(line %1,").arg(expected["line"].toInt())), qPrintable(read.error));
            return;
        }
        QVERIFY2(read.ok(), qPrintable(read.error));
        QStringList fields;
        for (auto it = expected.begin(); it != expected.end(); ++it)
            fields << it.key() + "=" + it.value().toString();
        QStringList got = PadFieldTexts(read.product).filter("=");
        fields.sort();
        got.sort();
        QCOMPARE(got, fields);
    }

    // English wins wherever it stands, else the first language; empty elements count as absent, so the fallbacks
    // apply; bytes stand in for missing kilobytes; references and CDATA are decoded; a document type without
    // entities is allowed and its external subset never fetched.
    void readsFieldsAsAuthorsWriteThem_data() {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("English block") << QString(R"(<XML_DIZ_INFO>
  <Company_Info><Company_Name>
      Nordlicht GmbH
  </Company_Name><Contact_Info><Author_Email/></Contact_Info></Company_Info>
  <Program_Info><Program_Name>  Sternkarte  </Program_Name>
    <Program_Release_Month>12</Program_Release_Month><Program_Release_Day>31</Program_Release_Day>
    <Program_Release_Year>2023</Program_Release_Year>
    <File_Info><File_Size_Bytes>2048</File_Size_Bytes><File_Size_K></File_Size_K></File_Info></Program_Info>
  <Program_Descriptions>
    <German><Keywords>Sterne</Keywords><Char_Desc_80>Zeigt Sterne</Char_Desc_80></German>
    <English><Keywords>stars, sky</Keywords><Char_Desc_45>Shows the stars</Char_Desc_45>
      <Char_Desc_80>   </Char_Desc_80><Char_Desc_450>Shows the night sky.</Char_Desc_450>
      <Char_Desc_2000></Char_Desc_2000></English>
  </Program_Descriptions>
  <AFFILIATES><AFFILIATES_REGNOW_ORDER_PAGE>r</AFFILIATES_REGNOW_ORDER_PAGE>
    <Affiliates_ShareIt_Order_Page>s</Affiliates_ShareIt_Order_Page></AFFILIATES>
</XML_DIZ_INFO>)")
                                       << QStringList{"Name=Sternkarte",
                                                      "Author=Nordlicht GmbH",
                                                      "SizeBytes=2048",
                                                      "ShortDescription=Shows the stars",
                                                      "LongDescription=Shows the night sky.",
                                                      "Keywords=stars, sky",
                                                      "RegNow=r",
                                                      "ShareIt=s",
                                                      "ReleaseDate=2023-12-31"};
        QTest::newRow("first language") << QString(R"(<XML_DIZ_INFO><Program_Descriptions>
    <Français><Keywords>dictionnaire, élève</Keywords><Char_Desc_250>« curieux »</Char_Desc_250></Français>
    <Deutsch><Char_Desc_80>Ein Wörterbuch</Char_Desc_80><Char_Desc_2000>Lang</Char_Desc_2000></Deutsch>
  </Program_Descriptions></XML_DIZ_INFO>)")
                                        << QStringList{"ShortDescription=« curieux »", "LongDescription=« curieux »",
                                                       "Keywords=dictionnaire, élève"};
        QTest::newRow("references") << QString(R"(<!DOCTYPE XML_DIZ_INFO SYSTEM 'http://127.0.0.1:9/never-fetched.dtd'>
<XML_DIZ_INFO>
  <Company_Info><Company_Name>Smith &amp; O&apos;Brien &quot;Ltd&quot;</Company_Name></Company_Info>
  <Program_Info><Program_Name><![CDATA[  <Fast> R&D Tool  ]]></Program_Name>
    <Program_Version>1.0 &#x2713; &#233;</Program_Version>
    <Program_Change_Info>Line one<!-- a comment -->
Line &lt;two&gt; <![CDATA[&amp; stays]]></Program_Change_Info></Program_Info>
</XML_DIZ_INFO>)")
                                    << QStringList{"Name=<Fast> R&D Tool", "Version=1.0 ✓ é",
                                                   "Author=Smith & O'Brien \"Ltd\"",
                                                   "RecentChanges=Line one\nLine <two> &amp; stays"};
    }
    void readsFieldsAsAuthorsWriteThem() {
        QFETCH(QString, xml);
        QFETCH(QStringList, fields);
        // As authors' tools save them: a byte order mark and Windows line ends.
        const PadReadResult read =
            ParsePad("\xEF\xBB\xBF<?xml version='1.0' encoding='UTF-8'?>\r\n" + xml.replace("\n", "\r\n").toUtf8());
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(PadFieldTexts(read.product).filter("="), fields);
    }

    void wholeFileFailuresFillNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << "The file is empty.";
        QTest::newRow("plain text") << QByteArray("Program_Name=Kept\n") << "The file is not XML (line 1, column 1): ";
        QTest::newRow("web page") << QByteArray("<!DOCTYPE html><html><body><p>Not found</p></body></html>")
                                  << "The file is not a PAD file: its root element is <html>, not <XML_DIZ_INFO>.";
        QTest::newRow("external entity")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE XML_DIZ_INFO [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                          "<XML_DIZ_INFO><Program_Info><Program_Name>&x;</Program_Name></Program_Info></XML_DIZ_INFO>")
            << "The file declares entities";
        QByteArray huge = PadWithProgramInfo("");
        huge.insert(huge.indexOf("</XML_DIZ_INFO>"), QByteArray(kPadMaxBytes, ' '));
        QTest::newRow("beyond 5 MB") << huge << "The file is larger than 5 MB, too large for a PAD file.";
    }
    void wholeFileFailuresFillNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const PadReadResult read = ParsePad(bytes);
        QVERIFY2(read.error.startsWith(error), qPrintable(read.error));
        QVERIFY(read.problems.isEmpty());
        QCOMPARE(PadFieldTexts(read.product).filter("="), QStringList());
    }

    // A date or size that is no date or number is told and left out, the other fields kept. Only a bare & and an end
    // tag in other letter case are mended, and the user is told where; references, comments and CDATA keep their
    // text; every other fault is refused with its place.
    void programInfoFaults_data() {
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QStringList>("fields"); // none: refused
        QTest::addColumn<QStringList>("told");   // the problems, then the repairs
        const QStringList kept{"Name=Kept"};
        const QString date = "<Program_Release_Year>%1</Program_Release_Year><Program_Release_Month>%2"
                             "</Program_Release_Month><Program_Release_Day>%3</Program_Release_Day>";
        const QString size =
            "<File_Info><File_Size_Bytes>%1</File_Size_Bytes><File_Size_K>%2</File_Size_K></File_Info>";
        const QString amp = "A bare & on %1 was read as the character &.";
        const QString tag = "An end tag in other letter case than its start tag on %1 was read as closing it.";
        QTest::newRow("31 February") << date.arg("2011", "02", "31") << kept
                                     << QStringList{
                                            "Release date: year \"2011\", month \"02\", day \"31\" is not a date."};
        QTest::newRow("bytes with separators")
            << size.arg("1,234", "") << kept << QStringList{"Size KB: File_Size_Bytes \"1,234\" is not a number."};
        QTest::newRow("bad kilobytes, good date")
            << size.arg("", "many") + date.arg("2012", "2", "29") << kept + QStringList{"ReleaseDate=2012-02-29"}
            << QStringList{"Size KB: File_Size_K \"many\" is not a number."};
        QTest::newRow("bare & in an address and a text")
            << "\n<Program_Version>1 & 2</Program_Version>\n\n<Limitations>R&D &amp; &#233; &</Limitations>"
            << kept + QStringList{"Version=1 & 2", "Limitations=R&D & é &"} << QStringList{amp.arg("lines 2, 4")};
        QTest::newRow("end tag case") << "<Program_Version>2</program_version>\n<Limitations>x</LIMITATIONS>"
                                      << kept + QStringList{"Version=2", "Limitations=x"}
                                      << QStringList{tag.arg("lines 1, 2")};
        QTest::newRow("both, CDATA and comment kept")
            << "<Program_Version><![CDATA[a & b]]></Program_version><!-- & --><Limitations>&</Limitations>"
            << kept + QStringList{"Version=a & b", "Limitations=&"}
            << QStringList{amp.arg("line 1"), tag.arg("line 1")};
        QTest::newRow("another end tag") << "<Program_Version>1 & 2</Program_Release>" << QStringList()
                                         << QStringList();
        QTest::newRow("undeclared entity")
            << "<Program_Version>1&nbsp;2</Program_Version>" << QStringList() << QStringList();
        QTest::newRow("tag never closed")
            << "<Program_Version>2\n<Limitations>x</Limitations>" << QStringList() << QStringList();
        QTest::newRow("merge conflict") << "<<<<<<< HEAD\n<Program_Version>2</Program_Version>\n=======\n"
                                           "<Program_Version>3 & 4</Program_Version>\n>>>>>>> release"
                                        << QStringList() << QStringList();
        QTest::newRow("markup in a text")
            << "<Limitations>Free for <b>home use & more</Limitations>" << QStringList() << QStringList();
    }
    void programInfoFaults() {
        QFETCH(QString, inner);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, told);
        const PadReadResult read = ParsePad(PadWithProgramInfo(inner));
        QCOMPARE(read.problems + read.repairs, told);
        if (fields.isEmpty()) {
            QVERIFY2(read.error.contains(QRegularExpression("\\(line \\d+, column \\d+\\)")), qPrintable(read.error));
            return;
        }
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(PadFieldTexts(read.product).filter("="), fields);
    }

    void localFilesAreRefusedBySizeFirst() {
        QTemporaryDir dir;
        const QString big = dir.filePath("big.xml");
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(50 * 1024 * 1024)); // sparse: costs no disk and no time
        }
        QCOMPARE(ReadPadFile(big).error, QString("The file is larger than 5 MB, too large for a PAD file."));
        QFile(big).resize(kPadMaxBytes);
        QCOMPARE(ReadPadFile(big).bytes.size(), kPadMaxBytes);
        QCOMPARE(ReadPadFile(dir.path()).error, dir.path() + " is a folder, not a file.");
    }

    // Characters XML cannot carry are dropped, when written and when read (a UTF-16 file can hold lone surrogates),
    // and a line break given as a reference reads as the writer writes it, so what was read is written back alike;
    // the rest of the round trip is tst_RecordEditors' export and import.
    void fieldsHoldOnlyWhatXmlCarries() {
        PadProduct product;
        product.Name = QString("😀 A\x01") + QChar(0xFFFF) + "B\tC" + QChar(0xD800);
        QCOMPARE(ParsePad(WritePad(product)).product.Name, QString("😀 AB\tC"));

        const QString utf16 = QChar(0xFEFF) +
                              QString("<?xml version='1.0' encoding='UTF-16'?><XML_DIZ_INFO><Program_Info>"
                                      "<Program_Name>A") +
                              QChar(0xDA2F) + "B&#13;C&#13;&#10;D</Program_Name></Program_Info></XML_DIZ_INFO>";
        const PadReadResult read = ParsePad(QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2));
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.product.Name, QString("AB\nC\nD"));
        QCOMPARE(ParsePad(WritePad(read.product)).product.Name, read.product.Name);
    }

    // The shorter description elements never carry one description into the other's box.
    void oneDescriptionRoundTripsAlone() {
        PadProduct shortOnly, longOnly;
        shortOnly.ShortDescription = "Short";
        longOnly.LongDescription = "Long";
        for (const PadProduct& product : {shortOnly, longOnly})
            QCOMPARE(PadFieldTexts(ParsePad(WritePad(product)).product), PadFieldTexts(product));
    }

    // Every element is written, empty where the product has no value or a size that is no number.
    void productWithoutValuesWritesEmptyElements() {
        PadProduct product;
        product.SizeKB = "lots";
        QByteArray written = WritePad(product);
        QVERIFY(written.contains("<MASTER_PAD_VERSION>4.0</MASTER_PAD_VERSION>"));
        for (const char* element : {"Program_Name", "Program_Release_Year", "File_Size_K", "Char_Desc_2000"})
            QVERIFY2(written.contains(QByteArray("<") + element + "></" + element + ">"), element);
        const PadReadResult read = ParsePad(written);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(PadFieldTexts(read.product).filter("="), QStringList());
        product.SizeKB = "3";
        written = WritePad(product);
        QVERIFY(written.contains("<File_Size_Bytes>3072</File_Size_Bytes>"));
        QVERIFY(written.contains("<File_Size_MB>0.00</File_Size_MB>"));
    }

    void sourceIsAWebAddressOrAFile_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("where");
        using K = PadSource::Kind;
        QTest::newRow("https") << " https://x.example/pad.xml " << int(K::Web) << "https://x.example/pad.xml";
        QTest::newRow("www") << "www.x.example/pad.xml" << int(K::Web) << "http://www.x.example/pad.xml";
        QTest::newRow("no host") << "http:///pad.xml" << int(K::Unsupported) << "";
        QTest::newRow("ftp") << "ftp://x.example/pad.xml" << int(K::Unsupported) << "";
        QTest::newRow("absolute path") << "/tmp/my pad#1.xml" << int(K::File) << "/tmp/my pad#1.xml";
        QTest::newRow("file URL") << "file:///tmp/a%20b.xml" << int(K::File) << "/tmp/a b.xml";
        QTest::newRow("drive letter") << "C:\\pads\\pad.xml" << int(K::File) << "C:\\pads\\pad.xml";
        QTest::newRow("blank") << "  " << int(K::None) << "";
    }
    void sourceIsAWebAddressOrAFile() {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, where);
        const PadSource source = ClassifyPadSource(typed);
        QCOMPARE(int(source.kind), kind);
        if (source.kind == PadSource::Kind::Web)
            QCOMPARE(source.url.toString(), where);
        if (source.kind == PadSource::Kind::File)
            QCOMPARE(source.path, where);
    }

    // Five redirects are followed, relative ones too; a sixth is refused.
    void redirectsAreFollowedUpToFive() {
        LoopbackHttpServer server;
        server.ok("/pad.xml", "<XML_DIZ_INFO/>");
        server.redirect("/r1", server.url("/r2").toString(), 301);
        server.redirect("/r2", "/r3", 302);
        server.redirect("/r3", "/r4", 303);
        server.redirect("/r4", "/r5", 307);
        server.redirect("/r5", "/pad.xml", 308);
        server.redirect("/r0", "/r1");
        PadDownload pad;
        PadDownload::Result result = download(pad, server.url("/r1"));
        QCOMPARE(result.error, QString());
        QCOMPARE(result.bytes, QByteArray("<XML_DIZ_INFO/>"));
        QVERIFY(!pad.Running());
        QStringList asked = server.requests();
        asked.removeDuplicates(); // Qt may send a request again after the server closed the connection
        QCOMPARE(asked, (QStringList{"/r1", "/r2", "/r3", "/r4", "/r5", "/pad.xml"}));

        result = download(pad, server.url("/r0"));
        QCOMPARE(result.error, QString("The address redirects more than 5 times."));
        QVERIFY(result.bytes.isEmpty());
    }

    // An error status, silence and a closed port are told, without bytes.
    void failuresAreTold() {
        LoopbackHttpServer server;
        server.hang("/silent");
        PadDownload pad;
        const PadDownload::Result missing = download(pad, server.url("/missing.xml"));
        QCOMPARE(missing.error, QString("The server answered HTTP 404 (Not Found)."));
        QVERIFY(missing.bytes.isEmpty());
        pad.SetTimeout(150ms);
        QCOMPARE(download(pad, server.url("/silent")).error, QString("No answer from 127.0.0.1 within 0.15 seconds."));

        pad.SetTimeout(20s);
        const PadDownload::Result result =
            download(pad, QUrl(QString("http://127.0.0.1:%1/pad.xml").arg(LoopbackHttpServer::closedPort())));
        QVERIFY2(result.error.startsWith("No answer from 127.0.0.1: "), qPrintable(result.error));
        QVERIFY(!result.cancelled);
    }

    // Declared lengths are refused before the body comes; undeclared ones once the limit is passed.
    void answersBeyond5MBAreRefused() {
        LoopbackHttpServer server;
        server.respond("/declared", "HTTP/1.1 200 OK\r\nContent-Length: 52428800\r\n\r\n<XML_DIZ_INFO>");
        server.stream("/endless", kPadMaxBytes + 512 * 1024);
        server.stream("/exactly", kPadMaxBytes);
        PadDownload pad;
        const QString tooLarge = "The answer is larger than 5 MB, too large for a PAD file.";
        QCOMPARE(download(pad, server.url("/declared")).error, tooLarge);
        const PadDownload::Result endless = download(pad, server.url("/endless"));
        QCOMPARE(endless.error, tooLarge);
        QVERIFY(endless.bytes.isEmpty());
        QCOMPARE(download(pad, server.url("/exactly")).bytes.size(), kPadMaxBytes);
    }

    // Cancel reports once, as cancelled; a second start replaces the first without a report for it, and a refused
    // address reports from the event loop too.
    void cancelAndRestartReportOnce() {
        LoopbackHttpServer server;
        server.hang("/silent");
        server.ok("/pad.xml", "<XML_DIZ_INFO/>");
        PadDownload pad;
        QSignalSpy finished(&pad, &PadDownload::Finished);
        pad.Start(server.url("/silent"));
        QTRY_VERIFY(!server.requests().isEmpty());
        pad.Cancel();
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(pad.LastResult().cancelled && !pad.Running());

        pad.Start(server.url("/silent"));
        pad.Start(QUrl("ftp://127.0.0.1/pad.xml"));
        QCOMPARE(finished.count(), 1);
        QTRY_COMPARE(finished.count(), 2);
        QCOMPARE(pad.LastResult().error, QString("Only http and https addresses can be read."));
        pad.Start(server.url("/pad.xml"));
        QTRY_COMPARE(finished.count(), 3);
        QCOMPARE(pad.LastResult().bytes, QByteArray("<XML_DIZ_INFO/>"));
    }
};

QUILL_TEST_MAIN(tst_PadFile)
#include "tst_PadFile.moc"
