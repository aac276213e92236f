#include "DateText.h"
#include "HistoryQueries.h"
#include "ModalDriver.h"
#include "Spies.h"
#include "StatusQueries.h"
#include "TestProgramDir.h"
#include "frmProductHistory.h"
#include "frmProductHistoryItem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

enum Column { ColVersion, ColStatus, ColDate, ColNotes };

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

// What a status change of product 1 on site 1 writes, stamped at the moment.
void changeStatus(FixedClock& clock, const QDateTime& moment, qint16 status) {
    clock.set(moment);
    WriteProductStatus(1, 1, status);
    AppendProductHistory(1, 1, status, ReadProductVersion(1));
}

QStringList column(const QTreeWidget* list, int c) {
    QStringList result;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        result << list->topLevelItem(i)->text(c);
    return result;
}

// The history window of product 1 "Quill" (version 1.0 'beta') on site 1 "Site A", shown but not modal.
struct History {
    TestProgramDir dir;
    FixedClock clock{at(2012, 1, 1)};
    frmProductHistory window;
    History() {
        dir.sql("INSERT INTO tab_products (name, version) VALUES ('Quill', ?)", {"1.0 'beta'"});
        dir.sql("INSERT INTO tab_sites (name, submitUrl) VALUES ('Site A', 'http://a.example/submit')");
        window.SelectedSite = 1;
        window.SelectedProduct = 1;
    }
    void open() { window.show(); }
    QTreeWidget* list() const { return window.lvwHistory; }
    int logRows() const { return dir.scalar("SELECT COUNT(*) FROM tab_productHistory").toInt(); }
};

} // namespace

class tst_ProductHistory final : public QObject {
    Q_OBJECT

private slots:
    void pairWithoutStatusShowsItsNotes() {
        History h;
        AppendHistoryNote(1, 1, "0.9", "asked the editor");
        MsgBoxSpy boxes;
        h.open();
        QCOMPARE(h.window.windowTitle(), QString("Product History Log"));
        QCOMPARE(h.window.lblFolderName->text(), QString("There is no state set for site-product"));
        QCOMPARE(h.window.lblInsertDate->text() + h.window.lbUpdateDate->text(), QString());
        QCOMPARE(h.window.lblActualStatus->text(), QString("No status information available"));
        QCOMPARE(column(h.list(), ColNotes), QStringList{"asked the editor"});
        QCOMPARE(column(h.list(), ColStatus), QStringList{""});
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
    }

    void statusFrameAndLogNewestFirst() {
        History h;
        changeStatus(h.clock, at(2012, 9, 30, 23, 59, 59), 1);
        changeStatus(h.clock, at(2012, 10, 1, 8, 5, 0), 2);
        h.clock.set(at(2012, 10, 2));
        AppendHistoryNote(1, 1, "1.0 'beta'", "it's live");
        // The header joins the current rows: a renamed product shows its new name.
        h.dir.sql("UPDATE tab_products SET name = 'Quill Pro'");
        h.open();
        QCOMPARE(h.window.lblFolderName->text(), QString("Quill Pro ver. 1.0 'beta' on site: Site A"));
        QCOMPARE(h.window.lblInsertDate->text(),
                 "First status information inserted on: " + DateTimeDisplayText(at(2012, 9, 30, 23, 59, 59)));
        QCOMPARE(h.window.lbUpdateDate->text(), "Last status update on: " + DateTimeDisplayText(at(2012, 10, 1, 8, 5)));
        QCOMPARE(h.window.lblActualStatus->text(), QString("Actual status: Published"));
        QCOMPARE(column(h.list(), ColStatus), (QStringList{"", "Published", "Submitted"}));
        QCOMPARE(column(h.list(), ColNotes), (QStringList{"it's live", "", ""}));
        QCOMPARE(column(h.list(), ColVersion), (QStringList(3, "1.0 'beta'")));
        QCOMPARE(column(h.list(), ColDate),
                 (QStringList{DateTimeDisplayText(at(2012, 10, 2)), DateTimeDisplayText(at(2012, 10, 1, 8, 5)),
                              DateTimeDisplayText(at(2012, 9, 30, 23, 59, 59))}));
    }

    void deleteAsksThenDeletesExactlyTheSelectedRows_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("yes") << int(Msg::Answer::Yes) << QStringList{"n2"};
        QTest::newRow("no") << int(Msg::Answer::No) << QStringList{"n4", "n3", "n2", "n1"};
    }
    void deleteAsksThenDeletesExactlyTheSelectedRows() {
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        History h;
        WriteProductStatus(1, 1, 1);
        for (int i = 1; i <= 4; ++i) {
            h.clock.set(at(2012, 1, i));
            AppendHistoryNote(1, 1, "1", QString("n%1").arg(i));
        }
        AppendHistoryNote(2, 1, "1", "another site");
        MsgBoxSpy boxes;
        h.open();
        // Nothing selected, or a focused row that is not selected: nothing is asked.
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        h.list()->setCurrentItem(h.list()->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());

        boxes.answer(Msg::Answer(answer));
        for (const int row : {0, 1, 3})
            h.list()->topLevelItem(row)->setSelected(true);
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        QCOMPARE(boxes.texts(), QStringList{"Are you sure you want to delete selected items? "});
        const MsgBoxRecord& box = boxes.shown()[0];
        QCOMPARE(box.title, QString("Deleting"));
        QCOMPARE(box.icon, Msg::Icon::Question);
        QCOMPARE(box.defaultButton, Msg::Answer::No);
        QCOMPARE(column(h.list(), ColNotes), left);
        QCOMPARE(h.logRows(), left.size() + 1);
        // Deleting log rows never touches the status.
        QCOMPARE(h.dir.scalar("SELECT submitStatus FROM tab_productStatus").toInt(), 1);
    }

    void noteWindowAddsTheNoteFirst_data() {
        QTest::addColumn<QString>("note");
        QTest::newRow("apostrophes") << "it's done, O'Brien's way";
        QTest::newRow("empty") << "";
    }
    void noteWindowAddsTheNoteFirst() {
        QFETCH(QString, note);
        History h;
        changeStatus(h.clock, at(2012, 12, 31, 23, 59, 59), 1);
        // A product without a version text logs the empty text.
        h.dir.sql("UPDATE tab_products SET version = NULL");
        MsgBoxSpy boxes;
        h.open();
        const QString statusLine = h.window.lblActualStatus->text();
        ModalDriver driver([&](QWidget* modal) {
            auto* window = qobject_cast<frmProductHistoryItem*>(modal);
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QString("Product History Item"));
            QTest::keyClicks(window->txtNotes, note);
            QTest::mouseClick(window->cmdAdd, Qt::LeftButton);
            QTRY_VERIFY(!window->isVisible());
        });
        QTest::mouseClick(h.window.cmdAddItem, Qt::LeftButton);
        QVERIFY(driver.ran());
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
        // Written in the same second as the status change, the note still comes first.
        QCOMPARE(column(h.list(), ColNotes), (QStringList{note, ""}));
        QCOMPARE(column(h.list(), ColStatus), (QStringList{"", "Submitted"}));
        QCOMPARE(column(h.list(), ColVersion), (QStringList{"", "1.0 'beta'"}));
        const QVariant stored = h.dir.scalar("SELECT notes FROM tab_productHistory WHERE submitStatus = -1");
        QCOMPARE(stored.toString(), note);
        QVERIFY(!stored.isNull());
        QCOMPARE(h.window.lblActualStatus->text(), statusLine);
    }

    void windowsCloseWithoutWriting_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Close") << false;
        QTest::newRow("Esc") << true;
    }
    void windowsCloseWithoutWriting() {
        QFETCH(bool, escape);
        History h;
        h.open();
        ModalDriver driver([&](QWidget* modal) {
            auto* window = qobject_cast<frmProductHistoryItem*>(modal);
            QVERIFY(window);
            QTest::keyClicks(window->txtNotes, "not wanted");
            if (escape)
                QTest::keyClick(window->txtNotes, Qt::Key_Escape);
            else
                QTest::mouseClick(window->cmdClose, Qt::LeftButton);
            QTRY_VERIFY(!window->isVisible());
        });
        QTest::mouseClick(h.window.cmdAddItem, Qt::LeftButton);
        QVERIFY(driver.ran());
        QCOMPARE(h.logRows(), 0);
        QVERIFY(h.window.isVisible());
        if (escape)
            QTest::keyClick(h.list(), Qt::Key_Escape);
        else
            QTest::mouseClick(h.window.cmdClose, Qt::LeftButton);
        QTRY_VERIFY(!h.window.isVisible());
    }

    void failedNoteKeepsTheWindowAndTheText() {
        History h;
        MsgBoxSpy boxes;
        h.open();
        h.dir.sql("DROP TABLE tab_productHistory");
        ModalDriver driver([&](QWidget* modal) {
            auto* window = qobject_cast<frmProductHistoryItem*>(modal);
            QVERIFY(window);
            QTest::keyClicks(window->txtNotes, "keep me");
            QTest::mouseClick(window->cmdAdd, Qt::LeftButton);
            QVERIFY(window->isVisible());
            QCOMPARE(window->txtNotes->text(), QString("keep me"));
        });
        QTest::mouseClick(h.window.cmdAddItem, Qt::LeftButton);
        QVERIFY(driver.ran());
        QCOMPARE(boxes.texts().size(), 2);
        QVERIFY(boxes.texts()[0].startsWith("Error in AddItem: no such table"));
        QVERIFY(boxes.texts()[1].startsWith("Error in MakeLvwHistoryContents: no such table"));
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Critical);
    }
};

QTEST_MAIN(tst_ProductHistory)
#include "tst_ProductHistory.moc"
