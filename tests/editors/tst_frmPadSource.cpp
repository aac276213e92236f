#include "LoopbackHttpServer.h"
#include "PadDownload.h"
#include "Spies.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "frmPadSource.h"

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

// Reading and downloading are tst_PadFile's and tst_PadDownload's; an accepted file or web address is
// tst_frmProduct's.
class tst_frmPadSource final : public QObject {
    Q_OBJECT

private slots:
    // One message names the source and why; the window keeps the address and takes input again.
    void refusedSourceKeepsTheWindowAndTheAddress_data() {
        QTest::addColumn<QString>("source");  // %1 the server's root, %2 a folder holding bad.xml
        QTest::addColumn<QString>("message"); // how the one message shown starts
        QTest::newRow("blank") << "   "
                               << "Please type the address of a PAD file, or choose a file with Browse.";
        QTest::newRow("ftp") << "ftp://127.0.0.1/pad.xml"
                             << "Nothing was imported from ftp://127.0.0.1/pad.xml:\nOnly http and https";
        QTest::newRow("missing file") << "%2/missing.xml"
                                      << "Nothing was imported from %2/missing.xml:\nThere is no";
        QTest::newRow("malformed file") << "%2/bad.xml"
                                        << "Nothing was imported from %2/bad.xml:\nThe file is not";
        QTest::newRow("404") << "%1pad.xml"
                             << "Nothing was imported from %1pad.xml:\nThe server answered HTTP 404";
    }
    void refusedSourceKeepsTheWindowAndTheAddress() {
        QFETCH(QString, source);
        QFETCH(QString, message);
        QTemporaryDir dir;
        WriteFile(dir.filePath("bad.xml"), "<XML_DIZ_INFO><Program_Info>");
        LoopbackHttpServer server;
        const auto place = [&](const QString& text) {
            return QString(text).replace("%1", server.url("/").toString()).replace("%2", dir.path());
        };
        MsgBoxSpy boxes;
        frmPadSource dialog(place(source));
        dialog.show();
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QTRY_COMPARE(boxes.shown().size(), 1);
        QVERIFY2(boxes.texts()[0].startsWith(place(message)), qPrintable(boxes.texts()[0]));
        QVERIFY(dialog.isVisible() && waitingForInput(dialog));
        QCOMPARE(dialog.txtPadSource->text(), place(source));
    }

    // While the download runs only Cancel takes input; Cancel stops the download only, Esc stops it and closes.
    void cancelStopsTheDownloadAndEscTheWindow() {
        LoopbackHttpServer server;
        server.hang("/slow.xml");
        MsgBoxSpy boxes;
        frmPadSource dialog(server.url("/slow.xml").toString());
        dialog.show();
        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QVERIFY(!dialog.txtPadSource->isEnabled() && !dialog.cmdBrowse->isEnabled() && !dialog.cmdImport->isEnabled());
        QVERIFY(dialog.Download()->Running() && dialog.prgDownload->isVisible() && dialog.cmdCancel->isEnabled());
        QTRY_VERIFY(!server.requests().isEmpty());
        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(waitingForInput(dialog));
        QVERIFY(dialog.isVisible());

        QTest::mouseClick(dialog.cmdImport, Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && !dialog.Download()->Running());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(boxes.shown().isEmpty());
    }
};

QUILL_TEST_MAIN(tst_frmPadSource)
#include "tst_frmPadSource.moc"
