#include "DateText.h"
#include "HistoryQueries.h"
#include "ModalDriver.h"
#include "Spies.h"
#include "StatusQueries.h"
#include "TestProgramDir.h"
#include "frmProductHistory.h"
#include "frmProductHistoryItem.h"

#include <QGroupBox>
#include <QHeaderView>
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

// Product 1 "Quill" at version 1.0 'beta' and site 1 "Site A".
void seedPair(const TestProgramDir& dir) {
    dir.sql("INSERT INTO tab_products (name, version) VALUES ('Quill', ?)", {"1.0 'beta'"});
    dir.sql("INSERT INTO tab_sites (name, submitUrl) VALUES ('Site A', 'http://a.example/submit')");
}

// What a status change writes, stamped at the moment.
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

int historyCount(const TestProgramDir& dir) {
    return dir.scalar("SELECT COUNT(*) FROM tab_productHistory").toInt();
}

void clickHeader(QTreeWidget* list, int section) {
    QHeaderView* header = list->header();
    const QPoint middle(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

// The history window for the seeded pair, shown (not modal), so the test can drive it.
struct OpenHistory {
    frmProductHistory window;
    OpenHistory() {
        window.SelectedSite = 1;
        window.SelectedProduct = 1;
        window.show();
    }
    QTreeWidget* list() { return window.lvwHistory; }
};

} // namespace

class tst_ProductHistory final : public QObject {
    Q_OBJECT

private slots:
    void pairWithoutStatusShowsItsNotes() {
        TestProgramDir dir;
        seedPair(dir);
        AppendHistoryNote(1, 1, "0.9", "asked the editor");
        MsgBoxSpy boxes;
        OpenHistory history;
        QCOMPARE(history.window.windowTitle(), QString("Product History Log"));
        QCOMPARE(history.window.Frame1->title(), QString("Last status information "));
        QCOMPARE(history.window.lblFolderName->text(), QString("There is no state set for site-product"));
        QCOMPARE(history.window.lblInsertDate->text(), QString());
        QCOMPARE(history.window.lbUpdateDate->text(), QString());
        QCOMPARE(history.window.lblActualStatus->text(), QString("No status information available"));
        QCOMPARE(column(history.list(), ColNotes), QStringList{"asked the editor"});
        QCOMPARE(column(history.list(), ColStatus), QStringList{""});
        QCOMPARE(column(history.list(), ColVersion), QStringList{"0.9"});
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
    }

    void statusFrameAndLogNewestFirst() {
        TestProgramDir dir;
        seedPair(dir);
        FixedClock clock(at(2012, 9, 30));
        changeStatus(clock, at(2012, 9, 30, 23, 59, 59), 1);
        changeStatus(clock, at(2012, 10, 1, 8, 5, 0), 2);
        clock.set(at(2012, 10, 2));
        AppendHistoryNote(1, 1, "1.0 'beta'", "it's live");
        // The header joins the current rows: a renamed product shows its new name.
        dir.sql("UPDATE tab_products SET name = 'Quill Pro'");
        OpenHistory history;
        frmProductHistory& w = history.window;
        QCOMPARE(w.lblFolderName->text(), QString("Quill Pro ver. 1.0 'beta' on site: Site A"));
        QCOMPARE(w.lblInsertDate->text(),
                 "First status information inserted on: " + DateTimeDisplayText(at(2012, 9, 30, 23, 59, 59)));
        QCOMPARE(w.lbUpdateDate->text(), "Last status update on: " + DateTimeDisplayText(at(2012, 10, 1, 8, 5)));
        QCOMPARE(w.lblActualStatus->text(), QString("Actual status: Published"));

        QCOMPARE(column(history.list(), ColStatus), (QStringList{"", "Published", "Submitted"}));
        QCOMPARE(column(history.list(), ColNotes), (QStringList{"it's live", "", ""}));
        QCOMPARE(column(history.list(), ColVersion), (QStringList(3, "1.0 'beta'")));
        QCOMPARE(column(history.list(), ColDate),
                 (QStringList{DateTimeDisplayText(at(2012, 10, 2)), DateTimeDisplayText(at(2012, 10, 1, 8, 5)),
                              DateTimeDisplayText(at(2012, 9, 30, 23, 59, 59))}));
        QCOMPARE(history.list()->headerItem()->text(ColDate), QString("Date"));
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
        TestProgramDir dir;
        seedPair(dir);
        FixedClock clock(at(2012, 1, 1));
        for (int i = 1; i <= 4; ++i) {
            clock.set(at(2012, 1, i));
            AppendHistoryNote(1, 1, "1", QString("n%1").arg(i));
        }
        AppendHistoryNote(2, 1, "1", "another site");
        changeStatus(clock, at(2012, 2, 1), 1);
        dir.sql("DELETE FROM tab_productHistory WHERE submitStatus <> -1");
        MsgBoxSpy boxes;
        boxes.answer(Msg::Answer(answer));
        OpenHistory history;
        QCOMPARE(column(history.list(), ColNotes), (QStringList{"n4", "n3", "n2", "n1"}));
        for (const int row : {0, 1, 3})
            history.list()->topLevelItem(row)->setSelected(true);
        QTest::mouseClick(history.window.cmdDelete, Qt::LeftButton);

        QCOMPARE(boxes.texts(), QStringList{"Are you sure you want to delete selected items? "});
        QCOMPARE(boxes.shown()[0].title, QString("Deleting"));
        QCOMPARE(boxes.shown()[0].buttons, Msg::Buttons::YesNo);
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Question);
        QCOMPARE(boxes.shown()[0].defaultButton, Msg::Answer::No);
        QCOMPARE(column(history.list(), ColNotes), left);
        QCOMPARE(historyCount(dir), left.size() + 1);
        // Deleting log rows never touches the status.
        QCOMPARE(dir.scalar("SELECT submitStatus FROM tab_productStatus").toInt(), 1);
    }

    void deleteWithoutSelectionAsksNothing() {
        TestProgramDir dir;
        seedPair(dir);
        AppendHistoryNote(1, 1, "1", "n");
        MsgBoxSpy boxes;
        OpenHistory history;
        QTest::mouseClick(history.window.cmdDelete, Qt::LeftButton);
        // A focused row that is not selected counts as no selection.
        history.list()->setCurrentItem(history.list()->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
        QVERIFY(!history.list()->topLevelItem(0)->isSelected());
        QTest::mouseClick(history.window.cmdDelete, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(historyCount(dir), 1);
    }

    void noteWindowAddsTheNoteFirst_data() {
        QTest::addColumn<QString>("note");
        QTest::newRow("apostrophes") << "it's done, O'Brien's way";
        QTest::newRow("empty") << "";
    }
    void noteWindowAddsTheNoteFirst() {
        QFETCH(QString, note);
        TestProgramDir dir;
        seedPair(dir);
        FixedClock clock(at(2013, 1, 1));
        changeStatus(clock, at(2012, 12, 31, 23, 59, 59), 1);
        clock.set(at(2013, 1, 1));
        dir.sql("UPDATE tab_products SET version = '2.0'");
        MsgBoxSpy boxes;
        OpenHistory history;
        const QString statusLine = history.window.lblActualStatus->text();

        bool driven = false;
        DriveModal<frmProductHistoryItem>(
            [&](frmProductHistoryItem* window) {
                QCOMPARE(window->windowTitle(), QString("Product History Item"));
                QCOMPARE(window->lblInfo->text(),
                         QString("Use this window to insert a short note about product - site operation"));
                QTest::keyClicks(window->txtNotes, note);
                QTest::mouseClick(window->cmdAdd, Qt::LeftButton);
                QTRY_VERIFY(!window->isVisible());
            },
            &driven);
        QTest::mouseClick(history.window.cmdAddItem, Qt::LeftButton);
        QVERIFY(driven);
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));

        QCOMPARE(column(history.list(), ColNotes), (QStringList{note, ""}));
        QCOMPARE(column(history.list(), ColStatus), (QStringList{"", "Submitted"}));
        QCOMPARE(column(history.list(), ColVersion), (QStringList{"2.0", "1.0 'beta'"}));
        QCOMPARE(dir.scalar("SELECT notes FROM tab_productHistory WHERE submitStatus = -1").toString(), note);
        QVERIFY(!dir.scalar("SELECT notes FROM tab_productHistory WHERE submitStatus = -1").isNull());
        QCOMPARE(dir.scalar("SELECT opDate FROM tab_productHistory WHERE submitStatus = -1").toString(),
                 QString("2013-01-01 12:00:00"));
        QCOMPARE(history.window.lblActualStatus->text(), statusLine);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_productStatus").toInt(), 1);
    }

    void noteWindowClosesWithoutWriting_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Close") << false;
        QTest::newRow("Esc") << true;
    }
    void noteWindowClosesWithoutWriting() {
        QFETCH(bool, escape);
        TestProgramDir dir;
        seedPair(dir);
        OpenHistory history;
        bool driven = false;
        DriveModal<frmProductHistoryItem>(
            [&](frmProductHistoryItem* window) {
                QTest::keyClicks(window->txtNotes, "not wanted");
                if (escape)
                    QTest::keyClick(window->txtNotes, Qt::Key_Escape);
                else
                    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
                QTRY_VERIFY(!window->isVisible());
            },
            &driven);
        QTest::mouseClick(history.window.cmdAddItem, Qt::LeftButton);
        QVERIFY(driven);
        QCOMPARE(historyCount(dir), 0);
        QCOMPARE(history.list()->topLevelItemCount(), 0);
    }

    void failedNoteKeepsTheWindowAndTheText() {
        TestProgramDir dir;
        seedPair(dir);
        MsgBoxSpy boxes;
        OpenHistory history;
        dir.sql("DROP TABLE tab_productHistory");
        bool driven = false;
        DriveModal<frmProductHistoryItem>(
            [&](frmProductHistoryItem* window) {
                QTest::keyClicks(window->txtNotes, "keep me");
                QTest::mouseClick(window->cmdAdd, Qt::LeftButton);
                QVERIFY(window->isVisible());
                QCOMPARE(window->txtNotes->text(), QString("keep me"));
            },
            &driven);
        QTest::mouseClick(history.window.cmdAddItem, Qt::LeftButton);
        QVERIFY(driven);
        QCOMPARE(boxes.texts().size(), 2);
        QVERIFY(boxes.texts()[0].startsWith("Error in AddItem: no such table"));
        QVERIFY(boxes.texts()[1].startsWith("Error in MakeLvwHistoryContents: no such table"));
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Critical);
    }

    void historyWindowClosesWithEscOrClose_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Close") << false;
        QTest::newRow("Esc") << true;
    }
    void historyWindowClosesWithEscOrClose() {
        QFETCH(bool, escape);
        TestProgramDir dir;
        seedPair(dir);
        AppendHistoryNote(1, 1, "1", "n");
        OpenHistory history;
        QVERIFY(history.window.isVisible());
        if (escape)
            QTest::keyClick(history.list(), Qt::Key_Escape);
        else
            QTest::mouseClick(history.window.cmdClose, Qt::LeftButton);
        QTRY_VERIFY(!history.window.isVisible());
    }

    void dateHeaderSortsStatusChangesChronologically() {
        TestProgramDir dir;
        seedPair(dir);
        FixedClock clock(at(2012, 1, 1));
        // Written out of order, across a 9-to-10 month and a year boundary.
        const QList<QDateTime> moments{at(2012, 10, 1, 0, 0, 0), at(2013, 1, 1, 0, 0, 1), at(2012, 9, 30, 23, 59, 59),
                                       at(2012, 12, 31, 23, 59, 59), at(2012, 9, 9, 9, 9, 9)};
        qint16 status = 0;
        for (const QDateTime& moment : moments)
            changeStatus(clock, moment, status++ % 3);
        const auto shown = [&](int i) { return DateTimeDisplayText(moments[i]); };
        const QStringList newestFirst{shown(1), shown(3), shown(0), shown(2), shown(4)};
        OpenHistory history;
        QCOMPARE(column(history.list(), ColDate), newestFirst);
        const QStringList statuses = column(history.list(), ColStatus);

        clickHeader(history.list(), ColDate);
        QStringList oldestFirst = newestFirst;
        std::reverse(oldestFirst.begin(), oldestFirst.end());
        QCOMPARE(column(history.list(), ColDate), oldestFirst);
        QStringList reversedStatuses = statuses;
        std::reverse(reversedStatuses.begin(), reversedStatuses.end());
        QCOMPARE(column(history.list(), ColStatus), reversedStatuses);
        clickHeader(history.list(), ColDate);
        QCOMPARE(column(history.list(), ColDate), newestFirst);
        clickHeader(history.list(), ColDate);

        // A refill after a delete keeps the last sort.
        MsgBoxSpy boxes;
        boxes.answer(Msg::Answer::Yes);
        history.list()->topLevelItem(0)->setSelected(true);
        QTest::mouseClick(history.window.cmdDelete, Qt::LeftButton);
        QCOMPARE(column(history.list(), ColDate), oldestFirst.mid(1));
    }
};

QTEST_MAIN(tst_ProductHistory)
#include "tst_ProductHistory.moc"
