#include "LoopbackHttpServer.h"
#include "ModalDriver.h"
#include "PadSamples.h"
#include "Seed.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmPadUpdate.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// The product's stored fields that an update may touch.
QString storedRow() {
    return TestProgramDir::scalar("SELECT name || '|' || version || '|' || ifnull(releaseDate, '') || '|' || "
                                  "ifnull(sizeKB, '') || '|' || ifnull(shortDescription, '') FROM tab_products")
        .toString();
}

} // namespace

// "Update from PAD file" on a real archive, with the product's PAD address served on the loopback interface.
class tst_frmPadUpdate final : public QObject {
    Q_OBJECT

private slots:
    // Only the checked fields are stored; a file that matches, a refused file and a failed download each give one
    // message and change nothing.
    void storesExactlyTheCheckedFields_data() {
        QTest::addColumn<QByteArray>("served"); // nothing served: 404
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("unchecked"); // the row to uncheck before Store
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString before = "Kept|1.0|2012-03-05||Plans menus";
        QTest::newRow("changed")
            << PadWithProgramInfo(
                   "<Program_Version>2.0</Program_Version><Program_Release_Year>2013</Program_Release_Year>"
                   "<Program_Release_Month>4</Program_Release_Month><Program_Release_Day>1</Program_Release_Day>"
                   "<File_Info><File_Size_Bytes>3072</File_Size_Bytes></File_Info>")
            << QStringList{"Version: 1.0 → 2.0", "Size KB:  → 3", "Release date: 2012-03-05 → 2013-04-01"} << 1
            << QString() << "Kept|2.0|2013-04-01||Plans menus";
        QTest::newRow("nothing differs") << PadWithProgramInfo("<Program_Version>1.0</Program_Version>")
                                         << QStringList() << -1
                                         << "The PAD file holds the stored values: nothing differs." << before;
        QTest::newRow("refused") << PadWithProgramInfo("<Program_Version>2.0\n</Program_Info>") << QStringList() << -1
                                 << "(line 2, column" << before;
        QTest::newRow("not found") << QByteArray() << QStringList() << -1 << "Nothing was updated from http" << before;
    }
    void storesExactlyTheCheckedFields() {
        QFETCH(QByteArray, served);
        QFETCH(QStringList, listed);
        QFETCH(int, unchecked);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        TestProgramDir dir;
        LoopbackHttpServer server;
        if (!served.isEmpty())
            server.ok("/pad.xml", served);
        const qint32 id = SeedProduct("Kept", {{"version", "1.0"},
                                               {"padURL", server.url("/pad.xml").toString()},
                                               {"releaseDate", "2012-03-05"},
                                               {"shortDescription", "Plans menus"}});
        MsgBoxSpy boxes;
        frmPadUpdate update(*cProduct::Read(id));
        QStringList shown;
        ModalDriver driver([&](QWidget*) {
            if (listed.isEmpty()) {
                QTRY_VERIFY(!update.isVisible());
                return;
            }
            QTRY_VERIFY(update.cmdStore->isEnabled());
            for (int i = 0; i < update.lstChanges->count(); ++i)
                shown << update.lstChanges->item(i)->text();
            update.lstChanges->item(unchecked)->setCheckState(Qt::Unchecked);
            QTest::mouseClick(update.cmdStore, Qt::LeftButton);
        });
        QCOMPARE(update.exec(), int(listed.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(shown, listed);
        QCOMPARE(boxes.texts().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(boxes.texts()[0].contains(message), qPrintable(boxes.texts()[0]));
        QCOMPARE(storedRow(), stored);
    }
};

QUILL_TEST_MAIN(tst_frmPadUpdate)
#include "tst_frmPadUpdate.moc"
