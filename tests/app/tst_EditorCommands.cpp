#include "EditorWidgets.h"
#include "ModalDriver.h"
#include "RunningProgram.h"
#include "TestMain.h"
#include "Typing.h"
#include "cProduct.h"
#include "cSite.h"
#include "cViewFilter.h"
#include "frmProduct.h"
#include "frmSite.h"
#include "frmSiteImport.h"

namespace {

// Sites named "Site n" with the submit addresses http://keep000n.example/submit.
std::function<void(const TestProgramDir&)> sites(int count) {
    return [count](const TestProgramDir& dir) {
        for (int i = 1; i <= count; ++i)
            dir.sql("INSERT INTO tab_sites (name, submitUrl) VALUES (?, ?)",
                    {QString("Site %1").arg(i), QString("http://keep%1.example/submit").arg(i, 4, 10, QChar('0'))});
    };
}

// Triggers the main window's command and runs `act` on the editor it opens; false when none opened.
template <class Editor> bool edit(const char* command, const std::function<void(Editor*)>& act) {
    ModalDriver driver([&](QWidget* modal) {
        auto* editor = qobject_cast<Editor*>(modal);
        QVERIFY(editor);
        act(editor);
    });
    RunningProgram::trigger(command);
    return driver.ran();
}

} // namespace

// The main window's commands that open the site and product editors, and what it shows after a save.
class tst_EditorCommands final : public QObject {
    Q_OBJECT

public:
private slots:
    void newSiteIsSavedAndSelectedUnlessTheListHidesIt() {
        RunningProgram p(sites(3));
        QVERIFY(p.started);
        QTreeWidget* list = p->lvwSites;
        QVERIFY(!edit<frmSite>("SiteProperty", [](frmSite*) {}));
        QCOMPARE(p.boxes.texts(), QStringList{"Select web site to modify"});
        p.boxes.clear();

        const cSite* startRecord = gSite.get();
        QVERIFY(edit<frmSite>("SiteNew", [&](frmSite* editor) {
            QVERIFY(gSite && gSite.get() != startRecord);
            TypeText(editor->txtName, "Ünïcode site");
            TypeText(editor->txtSubmitUrl, "http://added.example/submit");
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        }));
        QVERIFY2(p.boxes.shown().isEmpty(), qPrintable(p.boxes.texts().join('|')));
        QVERIFY(!gSite);
        QCOMPARE(list->topLevelItemCount(), 4);
        QCOMPARE(SiteRow::IdOf(SiteRow::SelectedItem(list)), 4);

        // Saved while the search hides it: nothing is selected.
        p->txtSearch->setText("keep");
        SiteRow::SelectAndShow(list, list->topLevelItem(0));
        QVERIFY(edit<frmSite>("miSiteNew", [](frmSite* editor) {
            editor->txtSubmitUrl->setText("http://other.example/");
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        }));
        QCOMPARE(p.dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 5);
        QCOMPARE(list->topLevelItemCount(), 3);
        QVERIFY(list->selectedItems().isEmpty());
    }

    void changedSiteStaysSelectedAndInView() {
        RunningProgram p(sites(300));
        QVERIFY(p.started);
        QTreeWidget* list = p->lvwSites;
        SiteRow::SelectAndShow(list, SiteRow::FindByKey(list, SiteRow::KeyFor(300)));
        list->scrollToTop();
        QVERIFY(edit<frmSite>("miSiteProperty", [](frmSite* editor) {
            QCOMPARE(editor->txtName->text(), QString("Site 300"));
            editor->txtSubmitUrl->setText("http://keep9999.example/moved");
            QTest::keyClick(editor->txtName, Qt::Key_Return);
        }));
        QVERIFY(p.boxes.shown().isEmpty());
        QCOMPARE(p.dir.scalar("SELECT submitUrl FROM tab_sites WHERE siteID = 300").toString(),
                 QString("http://keep9999.example/moved"));
        QTreeWidgetItem* row = SiteRow::SelectedItem(list);
        QCOMPARE(SiteRow::IdOf(row), 300);
        QVERIFY(list->visualItemRect(row).intersects(list->viewport()->rect()));
    }

    // A product added or renamed before the chosen one must not take its place in the selector.
    void savedProductsKeepTheChosenProductByItsKey() {
        RunningProgram p([](const TestProgramDir& dir) {
            dir.sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Alpha', '2012-03-05'), "
                    "('Charlie', '2012-03-05')");
        });
        QVERIFY(p.started);
        p.chooseProduct("Charlie");
        const cProduct* startRecord = gProduct.get();

        QVERIFY(edit<frmProduct>("New", [&](frmProduct* editor) {
            QVERIFY(gProduct && gProduct.get() != startRecord);
            TypeText(editor->txtName, "Bravo");
            editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        }));
        QVERIFY(!gProduct);
        QCOMPARE(p.products(), (QStringList{"Select one", "Alpha", "Bravo", "Charlie"}));
        QCOMPARE(p->cboProducts->currentText(), QString("Charlie"));
        QCOMPARE(gViewFilter->EditingModeProductID, 3);

        QVERIFY(edit<frmProduct>("miProductProperty", [](frmProduct* editor) {
            QCOMPARE(editor->txtName->text(), QString("Charlie"));
            editor->txtName->setText("Aardvark");
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        }));
        QVERIFY(p.boxes.shown().isEmpty());
        QCOMPARE(p.products(), (QStringList{"Select one", "Aardvark", "Alpha", "Bravo"}));
        QCOMPARE(p->cboProducts->currentIndex(), 1);
    }

    void importedSitesShowInTheListAlsoAfterAStop() {
        RunningProgram p(sites(2));
        QVERIFY(p.started);
        p.dir.writeFile("new sites.txt", "New 1\thttp://new1.example/\r\nNew 2\thttp://new2.example/\r\n"
                                         "no separator\r\nNew 3\thttp://new3.example/\r\n");
        p.boxes.answer(Msg::Answer::Yes);
        p.boxes.answer(Msg::Answer::Ok);
        p.boxes.answer(Msg::Answer::Yes); // stop at the third line
        QVERIFY(edit<frmSiteImport>("miSiteImportFromFile", [&](frmSiteImport* import) {
            import->txtFileName->setText(p.dir.filePath("new sites.txt"));
            QTest::mouseClick(import->cmdImport, Qt::LeftButton);
            QCOMPARE(p->lvwSites->topLevelItemCount(), 4);
            QTest::mouseClick(import->cmdClose, Qt::LeftButton);
        }));
        QCOMPARE(p.boxes.texts().size(), 3);
        QCOMPARE(p.boxes.texts().last(), QString("An error occured. Stop importing?"));
        QVERIFY(RunningProgram::row(4));
    }
};

QUILL_TEST_MAIN(tst_EditorCommands)
#include "tst_EditorCommands.moc"
