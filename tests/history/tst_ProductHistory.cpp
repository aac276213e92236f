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
        window.SelectedSite = window.SelectedProduct = 1;
    }
    QStringList column(int c) const { return ColumnTexts(window.lvwHistory, c); }
    void changeStatus(const QDateTime& moment, qint16 status) {
        clock.set(moment);
        RecordStatusChange(1, 1, status);
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
        h.changeStatus(at(1999, 12, 31, 23, 59, 59), 1);
        h.changeStatus(at(2012, 10, 1, 8, 5), 2);
        h.clock.set(at(2013, 1, 1, 0, 0, 1));
        AppendHistoryNote(1, 1, "it's live");
        h.dir.sql("UPDATE tab_products SET name = 'Quill Pro'");
        h.window.show();
        QCOMPARE(h.window.lblFolderName->text() + "|" + h.window.lblActualStatus->text(),
                 QString("Quill Pro ver. 1.0 'beta' on site: Site A|Actual status: Published"));
        QCOMPARE(h.column(ColStatus), (QStringList{"", "Published", "Submitted"}));
        QCOMPARE(h.column(ColNotes), (QStringList{"it's live", "", ""}));
        ClickHeader(h.window.lvwHistory, ColDate);
        QCOMPARE(h.column(ColNotes), (QStringList{"", "", "it's live"}));
    }

    // Only after Yes (No is the default), only the selected rows; the status stays.
    void deleteAsksThenDeletesExactlyTheSelectedRows() {
        History h;
        SeedStatus(1, 1, 1);
        for (int i = 1; i <= 4; ++i) {
            h.clock.set(at(2012, 1, i));
            AppendHistoryNote(1, 1, QString("n%1").arg(i));
        }
        h.window.show();
        for (const int row : {0, 1, 3})
            h.window.lvwHistory->topLevelItem(row)->setSelected(true);
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        QCOMPARE(h.column(ColNotes), (QStringList{"n4", "n3", "n2", "n1"}));
        h.boxes.answer(Msg::Answer::Yes);
        QTest::mouseClick(h.window.cmdDelete, Qt::LeftButton);
        QCOMPARE(h.boxes.shown().size(), 2);
        QCOMPARE(h.column(ColNotes), QStringList{"n2"});
        QCOMPARE(h.dir.scalar("SELECT (SELECT COUNT(*) FROM tab_productHistory) || submitStatus FROM tab_productStatus")
                     .toString(),
                 QString("11"));
    }

    // Added in the same second as the status change, a note still comes first. When the pair is gone the window
    // stays open with the text, and nothing is written.
    void noteWindowAddsTheNote_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("fault"); // run on the archive while the window is open
        QTest::addColumn<QString>("message");
        QTest::newRow("added") << "it's done, O'Brien's way" << QString() << QString();
        QTest::newRow("site gone") << "keep me"
                                   << "DELETE FROM tab_sites"
                                   << "Error in AddItem: This site";
        QTest::newRow("product gone") << "keep me"
                                      << "DELETE FROM tab_products"
                                      << "Error in AddItem: This product";
    }
    void noteWindowAddsTheNote() {
        QFETCH(QString, note);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        History h;
        h.changeStatus(at(2012, 12, 31, 23, 59, 59), 1);
        h.window.show();
        if (!fault.isEmpty())
            h.dir.sql(fault);
        ModalDriver driver([&](QWidget* modal) {
            auto* item = qobject_cast<frmProductHistoryItem*>(modal);
            QVERIFY(item);
            QTest::keyClicks(item->txtNotes, note);
            QTest::mouseClick(item->cmdAdd, Qt::LeftButton);
            QCOMPARE(item->isVisible(), !fault.isEmpty());
            QCOMPARE(item->txtNotes->text(), note);
        });
        QTest::mouseClick(h.window.cmdAddItem, Qt::LeftButton);
        QVERIFY(driver.ran());
        QCOMPARE(h.boxes.shown().size(), int(!fault.isEmpty()));
        QCOMPARE(h.boxes.texts().value(0).left(message.size()), message);
        QCOMPARE(h.dir.scalar("SELECT notes FROM tab_productHistory WHERE submitStatus = -1"),
                 fault.isEmpty() ? QVariant(note) : QVariant());
        QCOMPARE(h.column(ColNotes).first(), fault.isEmpty() ? note : "");
    }
};

QUILL_TEST_MAIN(tst_ProductHistory)
#include "tst_ProductHistory.moc"
