#include "DateText.h"
#include "HistoryQueries.h"
#include "ListRows.h"
#include "ModalDriver.h"
#include "Seed.h"
#include "Spies.h"
#include "StatusQueries.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmProductHistory.h"
#include "frmProductHistoryItem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTreeWidget>

namespace {

enum Column { ColVersion, ColStatus, ColDate, ColNotes };

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

// The history window of product 1 "Quill" (version 1.0 'beta') on site 1 "Site A", shown but not modal.
struct History {
    TestProgramDir dir;
    MsgBoxSpy boxes;
    FixedClock clock{at(2012, 1, 1)};
    frmProductHistory window;
    History() {
        dir.sql("INSERT INTO tab_products (name, version) VALUES ('Quill', ?)", {"1.0 'beta'"});
        dir.sql("INSERT INTO tab_sites (name, submitUrl) VALUES ('Site A', 'http://a.example/submit')");
        window.SelectedSite = 1;
        window.SelectedProduct = 1;
    }
    // What a status change of product 1 on site 1 writes, stamped at the moment.
    void changeStatus(const QDateTime& moment, qint16 status) {
        clock.set(moment);
        RecordStatusChange(1, 1, status);
    }
    QStringList column(int c) const { return ColumnTexts(window.lvwHistory, c); }
    int logRows() const { return dir.scalar("SELECT COUNT(*) FROM tab_productHistory").toInt(); }
    // Presses "Add item" and runs act on the note window it opens; false when none opened.
    bool addItem(const std::function<void(frmProductHistoryItem*)>& act) {
        ModalDriver driver([&](QWidget* modal) {
            auto* note = qobject_cast<frmProductHistoryItem*>(modal);
            QVERIFY(note);
            act(note);
        });
        QTest::mouseClick(window.cmdAddItem, Qt::LeftButton);
        return driver.ran();
    }
};

} // namespace

class tst_ProductHistory final : public QObject {
    Q_OBJECT

private slots:
    void statusFrameAndLogNewestFirstAndDatesSortChronologically() {
        // Short dates with two-digit years: only the stored moment orders 1999 and 2012.
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        History h;
        const QList<QDateTime> moments{at(1999, 12, 31, 23, 59, 59), at(2012, 10, 1, 8, 5), at(2013, 1, 1, 0, 0, 1)};
        QStringList shown;
        for (const QDateTime& moment : moments)
            shown << DateTimeDisplayText(moment);
        h.changeStatus(moments[0], 1);
        h.changeStatus(moments[1], 2);
        h.clock.set(moments[2]);
        AppendHistoryNote(1, 1, "it's live");
        // The header joins the current rows: a renamed product shows its new name.
        h.dir.sql("UPDATE tab_products SET name = 'Quill Pro'");
        h.window.show();
        QCOMPARE(h.window.lblFolderName->text(), QString("Quill Pro ver. 1.0 'beta' on site: Site A"));
        QCOMPARE(h.window.lblInsertDate->text(), "First status information inserted on: " + shown[0]);
        QCOMPARE(h.window.lbUpdateDate->text(), "Last status update on: " + shown[1]);
        QCOMPARE(h.window.lblActualStatus->text(), QString("Actual status: Published"));
        QCOMPARE(h.column(ColStatus), (QStringList{"", "Published", "Submitted"}));
        QCOMPARE(h.column(ColNotes), (QStringList{"it's live", "", ""}));
        QCOMPARE(h.column(ColVersion), (QStringList(3, "1.0 'beta'")));
        QCOMPARE(h.column(ColDate), (QStringList{shown[2], shown[1], shown[0]}));
        ClickHeader(h.window.lvwHistory, ColDate);
        QCOMPARE(h.column(ColDate), shown);
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
        SeedStatus(1, 1, 1);
        for (int i = 1; i <= 4; ++i) {
            h.clock.set(at(2012, 1, i));
            AppendHistoryNote(1, 1, QString("n%1").arg(i));
        }
        SeedSite("http://b.example/");
        AppendHistoryNote(2, 1, "another site");
        h.window.show();
        QTreeWidget* list = h.window.lvwHistory;
        // Nothing selected, or a focused row that is not selected: nothing is asked.
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        QVERIFY(h.boxes.shown().isEmpty());

        h.boxes.answer(Msg::Answer(answer));
        for (const int row : {0, 1, 3})
            list->topLevelItem(row)->setSelected(true);
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        QCOMPARE(h.boxes.texts(), QStringList{"Are you sure you want to delete selected items? "});
        QCOMPARE(h.boxes.shown()[0].defaultButton, Msg::Answer::No);
        QCOMPARE(h.column(ColNotes), left);
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
        h.changeStatus(at(2012, 12, 31, 23, 59, 59), 1);
        // A product without a version text logs the empty text.
        h.dir.sql("UPDATE tab_products SET version = NULL");
        h.window.show();
        const QString statusLine = h.window.lblActualStatus->text();
        QVERIFY(h.addItem([&](frmProductHistoryItem* item) {
            QTest::keyClicks(item->txtNotes, note);
            QTest::mouseClick(item->cmdAdd, Qt::LeftButton);
            QTRY_VERIFY(!item->isVisible());
        }));
        QVERIFY(h.boxes.shown().isEmpty());
        // Written in the same second as the status change, the note still comes first.
        QCOMPARE(h.column(ColNotes), (QStringList{note, ""}));
        QCOMPARE(h.column(ColStatus), (QStringList{"", "Submitted"}));
        QCOMPARE(h.column(ColVersion), (QStringList{"", "1.0 'beta'"}));
        const QVariant stored = h.dir.scalar("SELECT notes FROM tab_productHistory WHERE submitStatus = -1");
        QCOMPARE(stored.toString(), note);
        QVERIFY(!stored.isNull());
        QCOMPARE(h.window.lblActualStatus->text(), statusLine);
    }

    // A pair without status shows its notes; closing the note window writes nothing.
    void pairWithoutStatusAndWindowsClosedWithoutWriting() {
        History h;
        AppendHistoryNote(1, 1, "asked the editor");
        h.window.show();
        QCOMPARE(h.window.lblActualStatus->text(), QString("No status information available"));
        QCOMPARE(h.column(ColNotes), QStringList{"asked the editor"});
        QVERIFY(h.addItem([](frmProductHistoryItem* item) {
            QTest::keyClicks(item->txtNotes, "not wanted");
            QTest::mouseClick(item->cmdClose, Qt::LeftButton);
            QTRY_VERIFY(!item->isVisible());
        }));
        QCOMPARE(h.logRows(), 1);
        QVERIFY(h.boxes.shown().isEmpty());
        QTest::mouseClick(h.window.cmdClose, Qt::LeftButton);
        QTRY_VERIFY(!h.window.isVisible());
    }

    void failedNoteKeepsTheWindowAndTheText_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("messages"); // each shown text starts with its entry
        QTest::newRow("site deleted meanwhile")
            << "DELETE FROM tab_sites" << QStringList{"Error in AddItem: This site no longer exists in the archive"};
        QTest::newRow("product deleted meanwhile")
            << "DELETE FROM tab_products" << QStringList{"Error in AddItem: This product no longer exists"};
        QTest::newRow("log gone") << "DROP TABLE tab_productHistory"
                                  << QStringList{"Error in AddItem: no such table",
                                                 "Error in MakeLvwHistoryContents: no such table"};
    }
    void failedNoteKeepsTheWindowAndTheText() {
        QFETCH(QString, fault);
        QFETCH(QStringList, messages);
        History h;
        h.window.show();
        h.dir.sql(fault);
        QVERIFY(h.addItem([](frmProductHistoryItem* item) {
            QTest::keyClicks(item->txtNotes, "keep me");
            QTest::mouseClick(item->cmdAdd, Qt::LeftButton);
            QVERIFY(item->isVisible());
            QCOMPARE(item->txtNotes->text(), QString("keep me"));
        }));
        QCOMPARE(h.boxes.texts().size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(h.boxes.texts()[i].startsWith(messages[i]), qPrintable(h.boxes.texts()[i]));
        if (!fault.startsWith("DROP"))
            QCOMPARE(h.logRows(), 0);
    }
};

QUILL_TEST_MAIN(tst_ProductHistory)
#include "tst_ProductHistory.moc"
