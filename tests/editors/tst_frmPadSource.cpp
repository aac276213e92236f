#include "LoopbackHttpServer.h"
#include "PadDownload.h"
#include "PadSamples.h"
#include "Spies.h"
#include "frmPadSource.h"

#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

// The address, Browse and Import take input again and no download runs.
bool waitingForInput(const frmPadSource& dialog) {
    return dialog.txtPadSource->isEnabled() && dialog.cmdBrowse->isEnabled() && dialog.cmdImport->isEnabled() &&
           !dialog.prgDownload->isVisible() && !dialog.Download()->Running();
}

} // namespace

class tst_frmPadSource final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The requests go straight to the loopback server, whatever proxy the machine names.
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }

    void browsedFileIsReadAndAccepted() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "menu pad.xml", Pad311Sample());
        MsgBoxSpy boxes;
        FileDialogSpy files;
        frmPadSource dialog("https://old.example/pad.xml");
        dialog.show();
        QCOMPARE(dialog.txtPadSource->text(), QString("https://old.example/pad.xml"));
        QTest::mouseClick(dialog.cmdBrowse, Qt::LeftButton);
        QCOMPARE(dialog.txtPadSource->text(), QString("https://old.example/pad.xml"));
        files.choose(path);
        QTest::mouseClick(dialog.cmdBrowse, Qt::LeftButton);
        QCOMPARE(files.asked(), 2);
        QCOMPARE(dialog.txtPadSource->text(), path);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Read().product.Name, QString("Menu Planner"));
        QCOMPARE(dialog.WebAddress(), QString());
    }

    void refusedInputKeepsTheWindowAndTheAddress_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("malformed") << "pad.xml" << QByteArray("<XML_DIZ_INFO><Program_Info>")
                                   << "The file is not well-formed XML (line 1, column ";
        QTest::newRow("missing") << "" << QByteArray() << "There is no file ";
    }
    void refusedInputKeepsTheWindowAndTheAddress() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = dir.filePath("missing.xml");
        if (!name.isEmpty()) // the size limit is the same read, tested in tst_PadFile
            path = writeFile(dir, name, bytes);
        MsgBoxSpy boxes;
        frmPadSource dialog(path);
        dialog.show();
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        const QString prefix = "Nothing was imported from " + path + ":\n";
        QVERIFY2(boxes.texts()[0].startsWith(prefix + reason), qPrintable(boxes.texts()[0]));
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Exclamation);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.txtPadSource->text(), path);
        QVERIFY(waitingForInput(dialog));
    }

    void blankOrUnreadableAddressesAreExplained() {
        MsgBoxSpy boxes;
        frmPadSource dialog("   ");
        dialog.show();
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        dialog.txtPadSource->setText("ftp://127.0.0.1/pad.xml");
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QCOMPARE(boxes.texts(), (QStringList{"Please type the address of a PAD file, or choose a file with Browse.",
                                             "Nothing was imported from ftp://127.0.0.1/pad.xml:\nOnly http and https "
                                             "addresses and files on this computer can be read."}));
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // While the download runs the window answers, shows that it waits, and Cancel stops the download only; Esc
    // stops it and closes.
    void downloadShowsItsStateAndCancelStopsIt() {
        LoopbackHttpServer server;
        server.hang("/slow.xml");
        MsgBoxSpy boxes;
        frmPadSource dialog(server.url("/slow.xml").toString());
        dialog.show();
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QVERIFY(dialog.Download()->Running());
        QVERIFY(!dialog.txtPadSource->isEnabled() && !dialog.cmdBrowse->isEnabled() && !dialog.cmdImport->isEnabled());
        QVERIFY(dialog.prgDownload->isVisible());
        QVERIFY(dialog.cmdCancel->isEnabled());
        QCOMPARE(dialog.lblPadStatus->text(), "Reading " + server.url("/slow.xml").toString() + " ...");
        QTRY_VERIFY(!server.requests().isEmpty());

        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(waitingForInput(dialog));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.lblPadStatus->text(), QString("The download was cancelled."));

        // Esc while downloading stops the download and closes.
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QVERIFY(dialog.Download()->Running());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.Download()->Running());
        QVERIFY(boxes.shown().isEmpty());
    }

    void webFailuresAreOneMessageEach_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("404") << "/missing.xml"
                             << "The server answered HTTP 404 (Not Found).";
        QTest::newRow("timeout") << "/slow.xml"
                                 << "No answer from 127.0.0.1 within 0.1 seconds.";
        QTest::newRow("web page") << "/page.html"
                                  << "The file is not a PAD file: its root element is <html>, not <XML_DIZ_INFO>.";
        QTest::newRow("too large") << "/huge.xml"
                                   << "The answer is larger than 5 MB, too large for a PAD file.";
    }
    void webFailuresAreOneMessageEach() {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        LoopbackHttpServer server;
        server.hang("/slow.xml");
        server.ok("/page.html", "<html><body>Moved to our new shop!</body></html>", "text/html");
        server.stream("/huge.xml", 6 * 1024 * 1024);
        MsgBoxSpy boxes;
        frmPadSource dialog(server.url(path).toString());
        if (path == "/slow.xml")
            dialog.Download()->SetTimeout(100ms);
        dialog.show();
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QTRY_COMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.texts()[0], "Nothing was imported from " + server.url(path).toString() + ":\n" + reason);
        QVERIFY(dialog.isVisible());
        QVERIFY(waitingForInput(dialog));
        QCOMPARE(dialog.lblPadStatus->text(), QString());
    }

    // The address as typed is kept for the PAD location, not the one it redirects to.
    void redirectedDownloadIsAccepted() {
        LoopbackHttpServer server;
        server.redirect("/pad", "/files/pad-4.0.xml");
        server.ok("/files/pad-4.0.xml", Pad40Sample(), "application/octet-stream");
        MsgBoxSpy boxes;
        frmPadSource dialog(server.url("/pad").toString());
        dialog.show();
        QTest::keyClick(dialog.txtPadSource, Qt::Key_Return);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Read().product.Name, QString("Tide Tables Pro"));
        QCOMPARE(dialog.WebAddress(), server.url("/pad").toString());
        QStringList asked = server.requests();
        asked.removeDuplicates(); // Qt may send a request again after the server closed the connection
        QCOMPARE(asked, (QStringList{"/pad", "/files/pad-4.0.xml"}));
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(tst_frmPadSource)
#include "tst_frmPadSource.moc"
