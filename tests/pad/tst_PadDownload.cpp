#include "LoopbackHttpServer.h"
#include "PadDownload.h"
#include "PadFile.h"
#include "TestMain.h"

#include <QSignalSpy>
#include <QTcpServer>
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

class tst_PadDownload final : public QObject {
    Q_OBJECT

private slots:
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

        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            closedPort = probe.serverPort();
        }
        pad.SetTimeout(20s);
        const PadDownload::Result result = download(pad, QUrl(QString("http://127.0.0.1:%1/pad.xml").arg(closedPort)));
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

QUILL_TEST_MAIN(tst_PadDownload)
#include "tst_PadDownload.moc"
