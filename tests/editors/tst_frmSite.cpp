#include "ExtraTables.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "cSite.h"
#include "frmSite.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The window with what the main window would give it; records the saves it reports.
struct SiteEditor {
    qint32 mode = 0;
    std::unique_ptr<cSite> record;
    QList<qint32> saved;
    frmSite window{SiteEditorLinks{mode, record, {}, [this](qint32 siteID) { saved << siteID; }}};

    explicit SiteEditor(qint32 editingModeSiteID) : mode(editingModeSiteID) { window.show(); }
    frmSite* operator->() { return &window; }
};

} // namespace

// Loading and saving every field goes through the record class: its own test covers what the window cannot reach.
class tst_frmSite final : public QObject {
    Q_OBJECT

    // Each test on a fresh archive holding site 1, its message boxes answered and logged.
    std::optional<TestProgramDir> m_dir;
    std::optional<MsgBoxSpy> m_boxes;

private slots:
    void init() {
        m_dir.emplace();
        EnsureExtraTables(); // as the program's start prepares the archive
        m_boxes.emplace();
        m_dir->sql("INSERT INTO tab_sites (name, submitUrl, rank, userID) VALUES ('first', 'old.example', 1, 'me')");
    }
    void cleanup() {
        m_boxes.reset();
        m_dir.reset();
    }

    void newSiteIsSavedAndShownAgain() {
        {
            SiteEditor editor(0);
            editor->txtName->setText("O'Brien's Ünïcode");
            editor->txtHomePage->setText("obrien.example");
            editor->txtSubmitUrl->setText(" http://obrien.example/add?a='1' ");
            QTest::keyClicks(editor->txtRank, "a1 -2."); // typing takes digits only
            QTest::mouseClick(editor->optAutoUpdate->button(1), Qt::LeftButton);
            QTest::mouseClick(editor->optAuthRequired->button(1), Qt::LeftButton);
            editor->txtUserID->setText("o'user");
            editor->txtPassword->setText("pä'ss");
            editor->txtNotes->setPlainText("first\nsecond");
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
            QVERIFY(m_boxes->shown().isEmpty());
            QCOMPARE(editor.mode, 2);
            QCOMPARE(editor.saved, QList<qint32>{2});
        }
        SiteEditor editor(2);
        QCOMPARE((QStringList{editor->txtName->text(), editor->txtHomePage->text(), editor->txtSubmitUrl->text(),
                              editor->txtRank->text(), editor->txtUserID->text(), editor->txtPassword->text(),
                              editor->txtNotes->toPlainText()}),
                 (QStringList{"O'Brien's Ünïcode", "obrien.example", " http://obrien.example/add?a='1' ", "12",
                              "o'user", "pä'ss", "first\nsecond"}));
        QVERIFY(editor->optAutoUpdate->button(1)->isChecked() && editor->optAuthRequired->button(1)->isChecked());
    }

    // A refused or failed save is not reported as done: the window stays open with the input, in its mode.
    void failedSaveKeepsTheWindowAndTheInput_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("fault"); // run on the archive before OK
        QTest::addColumn<QString>("message");
        QTest::newRow("blank submit address") << 0 << QString() << "Please insert submit url for Site!";
        QTest::newRow("new site, archive refuses") << 0 << "DROP TABLE tab_sites"
                                                   << "Error in Save: ";
        QTest::newRow("deleted elsewhere") << 1 << "DELETE FROM tab_sites"
                                           << "Error in Update: This site no longer";
    }
    void failedSaveKeepsTheWindowAndTheInput() {
        QFETCH(int, mode);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        const QString submitUrl = fault.isEmpty() ? "   " : "x.example";
        SiteEditor editor(mode);
        editor->txtSubmitUrl->setText(submitUrl);
        if (!fault.isEmpty())
            m_dir->sql(fault);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts()[0].startsWith(message), qPrintable(m_boxes->texts()[0]));
        QVERIFY(editor->isVisible() && !QApplication::overrideCursor());
        QCOMPARE(editor->txtSubmitUrl->text(), submitUrl);
        QCOMPARE(editor.mode, mode);
        QVERIFY(editor.saved.isEmpty());
    }

    // A site that could not be read in full is shown, but cannot be saved over its row.
    void failedLoadLeavesNothingToSave() {
        m_dir->sql("UPDATE tab_sites SET rank = 99999");
        SiteEditor editor(1);
        QVERIFY2(m_boxes->texts().value(0).startsWith("Error in Load: "), qPrintable(m_boxes->texts().join('|')));
        QCOMPARE(editor->txtSubmitUrl->text(), QString("old.example"));
        QTest::keyClick(editor->txtName, Qt::Key_Return);
        QCOMPARE(m_dir->scalar("SELECT userID FROM tab_sites").toString(), QString("me"));
    }
};

QUILL_TEST_MAIN(tst_frmSite)
#include "tst_frmSite.moc"
