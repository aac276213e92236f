#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "Typing.h"
#include "cSite.h"
#include "frmSite.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The window on a fresh database (`seed` run on it first) with what the main window would give it; records what
// it asks of the main window.
struct SiteEditor {
    TestProgramDir dir;
    MsgBoxSpy boxes;
    qint32 mode = 0;
    std::unique_ptr<cSite> record = std::make_unique<cSite>();
    QStringList visited;
    QList<qint32> saved;
    std::unique_ptr<frmSite> window;

    explicit SiteEditor(qint32 editingModeSiteID, const QString& seed = {}) : mode(editingModeSiteID) {
        if (!seed.isEmpty())
            dir.sql(seed);
        window = std::make_unique<frmSite>(SiteEditorLinks{mode, record,
                                                           [this](QString& address) {
                                                               visited << address;
                                                               address.prepend("http://");
                                                           },
                                                           [this](qint32 siteID) { saved << siteID; }});
        window->show();
    }
    frmSite* operator->() const { return window.get(); }
    QString row(const char* columns, qint32 siteID = 1) const {
        return dir.scalar(QStringLiteral("SELECT %1 FROM tab_sites WHERE siteID = ?").arg(columns), {siteID})
            .toString();
    }
};

} // namespace

// Loading and saving every field goes through the record class: its own test covers what the window cannot reach.
class tst_frmSite final : public QObject {
    Q_OBJECT

private slots:
    void newSiteIsTypedAndSaved() {
        SiteEditor editor(0, "INSERT INTO tab_sites (name, submitUrl) VALUES ('first', 'a')");
        TypeText(editor->txtName, "O'Brien's Ünïcode");
        TypeText(editor->txtHomePage, "obrien.example");
        TypeText(editor->txtSubmitUrl, " http://obrien.example/add?a='1' ");
        TypeText(editor->txtRank, "a1 -2.é");
        QCOMPARE(editor->txtRank->text(), QString("12")); // typing takes digits only
        QTest::mouseClick(editor->optAutoUpdate->button(1), Qt::LeftButton);
        QTest::mouseClick(editor->optAuthRequired->button(1), Qt::LeftButton);
        TypeText(editor->txtUserID, "o'user");
        TypeText(editor->txtPassword, "pä'ss");
        editor->txtNotes->setPlainText("first\nsecond 'quoted'");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);

        QVERIFY(editor.boxes.shown().isEmpty());
        QCOMPARE(editor.mode, 2);
        QCOMPARE(editor.saved, QList<qint32>{2});
        QCOMPARE(editor.row("name || '|' || homePage || '|' || submitUrl || '|' || rank || autoUpdate || authReq || "
                            "bookmark || '|' || userID || '|' || password || '|' || notes || (updateDate IS NULL) || "
                            "(insertDate IS NOT NULL)",
                            2),
                 QString("O'Brien's Ünïcode|obrien.example| http://obrien.example/add?a='1' |12110|o'user|pä'ss|"
                         "first\nsecond 'quoted'11"));
    }

    void existingSiteIsShownAndChanged() {
        SiteEditor editor(1, "INSERT INTO tab_sites (name, homePage, submitUrl, rank, userID, password, notes, "
                             "autoUpdate, authReq, bookmark, insertDate, updateDate) VALUES ('Old''s', 'home', "
                             "'http://old', 7, 'me', 'sé', 'two\nlines', 1, 1, 1, '2012-03-05 09:07:03', "
                             "'2013-01-01 14:30:00')");
        const QStringList shown{editor->txtName->text(),        editor->txtHomePage->text(),
                                editor->txtSubmitUrl->text(),   editor->txtRank->text(),
                                editor->txtUserID->text(),      editor->txtPassword->text(),
                                editor->txtNotes->toPlainText()};
        QCOMPARE(shown, (QStringList{"Old's", "home", "http://old", "7", "me", "sé", "two\nlines"}));
        QVERIFY(editor->optAutoUpdate->button(1)->isChecked() && editor->optAuthRequired->button(1)->isChecked());
        const QLocale locale;
        QCOMPARE(editor->lblUpdateDate->text(), locale.toString(QDate(2013, 1, 1), QLocale::LongFormat) + " 14:30");

        editor->txtName->setText("New name");
        editor->txtRank->clear();
        editor->txtUserID->clear();
        QTest::mouseClick(editor->optAutoUpdate->button(0), Qt::LeftButton);
        QTest::keyClick(editor->txtName, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor.mode, 1);
        QCOMPARE(editor.saved, QList<qint32>{1});
        QCOMPARE(editor.row("name || rank || autoUpdate || authReq || bookmark || '|' || userID || '|' || insertDate"),
                 QString("New name0011||2012-03-05 09:07:03"));
        QVERIFY(editor.row("updateDate") > QString("2013-01-01 14:30:00"));
    }

    void missingDatesAreNotShown() {
        SiteEditor editor(1, "INSERT INTO tab_sites (name, submitUrl) VALUES ('Imported', 'imp.example')");
        QVERIFY(editor->lblInsertDate->isHidden() && editor->lblUpdateDate->isHidden());
        QCOMPARE(editor->txtRank->text(), QString("0"));
    }

    void validationFailuresKeepTheWindowAndTheInput() {
        SiteEditor editor(0);
        TypeText(editor->txtName, "Name");
        TypeText(editor->txtSubmitUrl, "   ");
        TypeText(editor->txtRank, "40000");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(editor.boxes.texts(), QStringList{"Please insert submit url for Site!"});

        TypeText(editor->txtSubmitUrl, "x.example");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(editor.boxes.texts().last(), QString("Error in Validate: Overflow"));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->txtName->text() + editor->txtSubmitUrl->text() + editor->txtRank->text(),
                 QString("Name   x.example40000"));
        QCOMPARE(editor.dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 0);
        QVERIFY(editor.saved.isEmpty());

        // A pasted rank escapes the digits-only typing: it is read by its leading number.
        editor->txtRank->selectAll();
        QApplication::clipboard()->setText("12abc");
        QTest::keyClick(editor->txtRank, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->txtRank->text(), QString("12abc"));
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor.row("submitUrl || rank"), QString("   x.example12"));
    }

    void passwordAndVisitButtons() {
        SiteEditor editor(0);
        for (const QLineEdit::EchoMode expected : {QLineEdit::Normal, QLineEdit::Password}) {
            QTest::mouseClick(editor->cmdShowPwd, Qt::LeftButton);
            QCOMPARE(editor->txtPassword->echoMode(), expected);
        }
        QTest::mouseClick(editor->cmdVisitHomePage, Qt::LeftButton);
        QVERIFY(editor.visited.isEmpty());
        editor->txtHomePage->setText("home.example");
        editor->txtSubmitUrl->setText("https://submit.example");
        QTest::mouseClick(editor->cmdVisitHomePage, Qt::LeftButton);
        QTest::mouseClick(editor->cmdVisitSubmitUrl, Qt::LeftButton);
        QCOMPARE(editor.visited, (QStringList{"home.example", "https://submit.example"}));
    }

    void escapeDiscardsTheChanges() {
        SiteEditor editor(1, "INSERT INTO tab_sites (name, submitUrl) VALUES ('Kept', 'k')");
        editor->txtName->setText("Changed");
        QTest::keyClick(editor->txtName, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor.row("name || (updateDate IS NULL)"), QString("Kept1"));
        QVERIFY(editor.saved.isEmpty());
    }

    // A failed save is not reported as done: the window stays open with the input, in its mode.
    void failedSaveKeepsTheWindowAndTheInput_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("new site, archive gone") << 0 << "Error in Save: ";
        QTest::newRow("site deleted elsewhere meanwhile")
            << 1 << "Error in Update: This site no longer exists in the archive";
    }
    void failedSaveKeepsTheWindowAndTheInput() {
        QFETCH(int, mode);
        QFETCH(QString, message);
        SiteEditor editor(mode, "INSERT INTO tab_sites (name, submitUrl) VALUES ('Old', 'old.example')");
        editor->txtSubmitUrl->clear();
        TypeText(editor->txtSubmitUrl, "x.example");
        if (mode == 0)
            QVERIFY(QFile::remove(editor.dir.dbPath()));
        else
            editor.dir.sql("DELETE FROM tab_sites");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(editor.boxes.shown().size(), 1);
        QVERIFY2(editor.boxes.texts()[0].startsWith(message), qPrintable(editor.boxes.texts()[0]));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->txtSubmitUrl->text(), QString("x.example"));
        QCOMPARE(editor.mode, mode);
        QVERIFY(editor.saved.isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    // A site that could not be read in full is shown, but cannot be saved over its row.
    void failedLoadLeavesNothingToSave() {
        SiteEditor editor(1, "INSERT INTO tab_sites (name, submitUrl, rank, userID) VALUES ('Big', 'big.example', "
                             "99999, 'me')");
        QCOMPARE(editor.boxes.texts(), QStringList{"Error in Load: Overflow"});
        QCOMPARE(editor->txtSubmitUrl->text(), QString("big.example"));
        QVERIFY(!editor->cmdOK->isEnabled());
        QTest::keyClick(editor->txtName, Qt::Key_Return);
        QCOMPARE(editor.row("userID"), QString("me"));
    }
};

QUILL_TEST_MAIN(tst_frmSite)
#include "tst_frmSite.moc"
