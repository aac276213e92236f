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

// The history window of product 1 "Quill" (version 1.0 'beta') on site 1 "Site A", not yet shown.
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
    QStringList column(int c) const { return ColumnTexts(window.lvwHistory, c); }
    int logRows() const { return dir.scalar("SELECT COUNT(*) FROM tab_productHistory").toInt(); }
    // Presses "Add history item", types the note and presses Add; false when no note window opened.
    bool addNote(const QString& note, const std::function<void(frmProductHistoryItem*)>& check) {
        ModalDriver driver([&](QWidget* modal) {
            auto* item = qobject_cast<frmProductHistoryItem*>(modal);
            QVERIFY(item);
            QTest::keyClicks(item->txtNotes, note);
            QTest::mouseClick(item->cmdAdd, Qt::LeftButton);
            check(item);
        });
        QTest::mouseClick(window.cmdAddItem, Qt::LeftButton);
        return driver.ran();
    }
};

} // namespace

class tst_ProductHistory final : public QObject {
    Q_OBJECT

private slots:
    // The header joins the current rows (a renamed product shows its new name); short dates with two-digit years
    // sort by the stored moment.
    void statusAndLogNewestFirstAndDatesSortChronologically() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        History h;
        const QList<QDateTime> moments{at(1999, 12, 31, 23, 59, 59), at(2012, 10, 1, 8, 5), at(2013, 1, 1, 0, 0, 1)};
        QStringList shown;
        for (const QDateTime& moment : moments)
            shown << DateTimeDisplayText(moment);
        for (int status : {1, 2}) {
            h.clock.set(moments[status - 1]);
            RecordStatusChange(1, 1, status);
        }
        h.clock.set(moments[2]);
        AppendHistoryNote(1, 1, "it's live");
        h.dir.sql("UPDATE tab_products SET name = 'Quill Pro'");
        h.window.show();
        QCOMPARE(h.window.lblFolderName->text(), QString("Quill Pro ver. 1.0 'beta' on site: Site A"));
        QCOMPARE(h.window.lblInsertDate->text() + "|" + h.window.lbUpdateDate->text(),
                 "First status information inserted on: " + shown[0] + "|Last status update on: " + shown[1]);
        QCOMPARE(h.column(ColStatus), (QStringList{"", "Published", "Submitted"}));
        QCOMPARE(h.column(ColNotes), (QStringList{"it's live", "", ""}));
        QCOMPARE(h.column(ColDate), (QStringList{shown[2], shown[1], shown[0]}));
        ClickHeader(h.window.lvwHistory, ColDate);
        QCOMPARE(h.column(ColDate), shown);
    }

    // Only after Yes, only the selected rows; the status stays.
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
        h.window.show();
        h.boxes.answer(Msg::Answer(answer));
        for (const int row : {0, 1, 3})
            h.window.lvwHistory->topLevelItem(row)->setSelected(true);
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        QCOMPARE(h.boxes.shown().size(), 1);
        QCOMPARE(h.boxes.shown()[0].defaultButton, Msg::Answer::No);
        QCOMPARE(h.column(ColNotes), left);
        QCOMPARE(h.logRows(), left.size());
        QCOMPARE(h.dir.scalar("SELECT submitStatus FROM tab_productStatus").toInt(), 1);
    }

    // Added in the same second as the status change, the note still comes first; it is stored as typed, an empty
    // note as an empty text.
    void noteIsAddedFirst_data() {
        QTest::addColumn<QString>("note");
        QTest::newRow("apostrophes") << "it's done, O'Brien's way";
        QTest::newRow("empty") << "";
    }
    void noteIsAddedFirst() {
        QFETCH(QString, note);
        History h;
        h.clock.set(at(2012, 12, 31, 23, 59, 59));
        RecordStatusChange(1, 1, 1);
        h.window.show();
        QVERIFY(h.addNote(note, [](frmProductHistoryItem* item) { QTRY_VERIFY(!item->isVisible()); }));
        QVERIFY(h.boxes.shown().isEmpty());
        QCOMPARE(h.column(ColNotes), (QStringList{note, ""}));
        QCOMPARE(h.column(ColStatus), (QStringList{"", "Submitted"}));
        const QVariant stored = h.dir.scalar("SELECT notes FROM tab_productHistory WHERE submitStatus = -1");
        QVERIFY(!stored.isNull() && stored.toString() == note);
    }

    void failedNoteKeepsTheWindowAndTheText_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("site deleted meanwhile") << "DELETE FROM tab_sites"
                                                << "Error in AddItem: This site no longer exists in the archive";
        QTest::newRow("product deleted meanwhile") << "DELETE FROM tab_products"
                                                   << "Error in AddItem: This product no longer exists in the archive";
    }
    void failedNoteKeepsTheWindowAndTheText() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        History h;
        h.window.show();
        h.dir.sql(fault);
        QVERIFY(h.addNote("keep me", [](frmProductHistoryItem* item) {
            QVERIFY(item->isVisible());
            QCOMPARE(item->txtNotes->text(), QString("keep me"));
        }));
        QCOMPARE(h.boxes.shown().size(), 1);
        QVERIFY2(h.boxes.texts()[0].startsWith(message), qPrintable(h.boxes.texts()[0]));
        QCOMPARE(h.logRows(), 0);
    }
};

QUILL_TEST_MAIN(tst_ProductHistory)
#include "tst_ProductHistory.moc"
