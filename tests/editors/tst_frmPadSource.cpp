#include "LoopbackHttpServer.h"
#include "PadDownload.h"
#include "PadSamples.h"
#include "Spies.h"
#include "TestMain.h"
#include "frmPadSource.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The address, Browse and Import take input again and no download runs.
bool waitingForInput(const frmPadSource& dialog) {
    return dialog.txtPadSource->isEnabled() && dialog.cmdBrowse->isEnabled() && dialog.cmdImport->isEnabled() &&
           !dialog.prgDownload->isVisible() && !dialog.Download()->Running();
}

} // namespace

// Reading and downloading are tst_PadFile's and tst_PadDownload's; an accepted web address is tst_frmProduct's.
class tst_frmPadSource final : public QObject {
    Q_OBJECT

private slots:

    void browsedFileIsReadAndAccepted() {
        QTemporaryDir dir;
        QFile file(dir.filePath("menu pad.xml"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Pad311Sample()) > 0);
        file.close();
        MsgBoxSpy boxes;
        FileDialogSpy files;
        frmPadSource dialog("https://old.example/pad.xml");
        dialog.show();
        QTest::mouseClick(dialog.cmdBrowse, Qt::LeftButton); // cancelled: the address stays
        QCOMPARE(dialog.txtPadSource->text(), QString("https://old.example/pad.xml"));
        files.choose(file.fileName());
        QTest::mouseClick(dialog.cmdBrowse, Qt::LeftButton);
        QCOMPARE(dialog.txtPadSource->text(), file.fileName());
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Read().product.Name, QString("Menu Planner"));
        QCOMPARE(dialog.WebAddress(), QString());
    }

    // One message names the source and why; the window keeps the address and takes input again.
    void refusedSourceKeepsTheWindowAndTheAddress_data() {
        QTest::addColumn<QString>("source");  // %1 the server's root, %2 a folder without files
        QTest::addColumn<QString>("message"); // how the one message shown starts
        const QString nothing = "Nothing was imported from %1:\n";
        QTest::newRow("blank") << "   "
                               << "Please type the address of a PAD file, or choose a file with Browse.";
        QTest::newRow("ftp") << "ftp://127.0.0.1/pad.xml"
                             << nothing.arg("ftp://127.0.0.1/pad.xml") +
                                    "Only http and https addresses and files on this computer can be read.";
        QTest::newRow("missing file") << "%2/missing.xml" << nothing.arg("%2/missing.xml") + "There is no file ";
        QTest::newRow("malformed file") << "%2/bad.xml"
                                        << nothing.arg("%2/bad.xml") + "The file is not well-formed XML (line 1, ";
        QTest::newRow("404") << "%1missing.xml"
                             << nothing.arg("%1missing.xml") + "The server answered HTTP 404 (Not Found).";
        QTest::newRow("web page") << "%1page.html"
                                  << nothing.arg("%1page.html") +
                                         "The file is not a PAD file: its root element is <html>, not <XML_DIZ_INFO>.";
    }
    void refusedSourceKeepsTheWindowAndTheAddress() {
        QFETCH(QString, source);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile bad(dir.filePath("bad.xml"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("<XML_DIZ_INFO><Program_Info>") > 0);
        bad.close();
        LoopbackHttpServer server;
        server.ok("/page.html", "<html><body>Moved to our new shop!</body></html>", "text/html");
        const auto place = [&](const QString& text) {
            return QString(text).replace("%1", server.url("/").toString()).replace("%2", dir.path());
        };
        MsgBoxSpy boxes;
        frmPadSource dialog(place(source));
        dialog.show();
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QTRY_COMPARE(boxes.shown().size(), 1);
        QVERIFY2(boxes.texts()[0].startsWith(place(message)), qPrintable(boxes.texts()[0]));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.txtPadSource->text(), place(source));
        QVERIFY(waitingForInput(dialog));
    }

    // While the download runs the window answers and shows that it waits; Cancel stops the download only, Esc
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
        QVERIFY(dialog.prgDownload->isVisible() && dialog.cmdCancel->isEnabled());
        QTRY_VERIFY(!server.requests().isEmpty());

        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(waitingForInput(dialog));
        QVERIFY(dialog.isVisible());

        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QVERIFY(dialog.Download()->Running());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.Download()->Running());
        QVERIFY(boxes.shown().isEmpty());
    }
};

QUILL_TEST_MAIN(tst_frmPadSource)
#include "tst_frmPadSource.moc"
