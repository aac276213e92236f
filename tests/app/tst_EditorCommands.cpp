#include "EditorWidgets.h"
#include "ModalDriver.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "Typing.h"
#include "cProduct.h"
#include "cSite.h"
#include "cViewFilter.h"
#include "frmMain.h"
#include "frmProduct.h"
#include "frmSite.h"
#include "frmSiteImport.h"
#include "modMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QAction* action(const char* name) {
    return gMainWindow->findChild<QAction*>(QString::fromLatin1(name));
}

QStringList productNames() {
    QStringList names;
    for (int i = 0; i < gMainWindow->cboProducts->count(); ++i)
        names << gMainWindow->cboProducts->itemText(i);
    return names;
}

} // namespace

// The main window's commands that open the site and product editors, and what it shows after a save.
class tst_EditorCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<MsgBoxSpy> m_boxes;
    std::unique_ptr<ShellSpy> m_shell;

    void start(int sites) {
        m_dir = std::make_unique<TestProgramDir>();
        m_dir->writeFile("kwz.ini", "[preferences]\nSitesOrder=1\nPopUpBlock=0\n");
        for (int i = 1; i <= sites; ++i)
            m_dir->sql("INSERT INTO tab_sites (name, submitUrl) VALUES (?, ?)",
                       {QString("Site %1").arg(i), QString("http://keep%1.example/submit").arg(i, 4, 10, QChar('0'))});
        m_boxes = std::make_unique<MsgBoxSpy>();
        m_shell = std::make_unique<ShellSpy>();
        QVERIFY(Main(m_dir->path()));
        QVERIFY(QTest::qWaitForWindowExposed(gMainWindow));
        m_boxes->clear();
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void cleanup() {
        delete gMainWindow;
        gMainWindow = nullptr;
        m_shell.reset();
        m_boxes.reset();
        m_dir.reset();
    }

    void newSiteIsSavedAndSelectedInTheList() {
        start(3);
        QVERIFY(action("miSiteNew")->isEnabled());
        QVERIFY(action("miSiteProperty")->isEnabled());
        const cSite* startRecord = gSite.get();
        QVERIFY(startRecord);

        ModalDriver driver([&](QWidget* modal) {
            auto* editor = qobject_cast<frmSite*>(modal);
            QVERIFY(editor);
            QCOMPARE(editor->windowTitle(), QString("New Site"));
            QVERIFY(gSite && gSite.get() != startRecord);
            TypeText(editor->txtName, "Ünïcode site");
            TypeText(editor->txtSubmitUrl, "http://added.example/submit");
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        });
        action("SiteNew")->trigger();
        QVERIFY(driver.ran());
        QVERIFY2(m_boxes->shown().isEmpty(), qPrintable(m_boxes->texts().join('|')));
        QVERIFY(!gSite);
        QCOMPARE(gViewFilter->EditingModeSiteID, 4);
        QCOMPARE(gMainWindow->lvwSites->topLevelItemCount(), 4);
        QTreeWidgetItem* row = SiteRow::SelectedItem(gMainWindow->lvwSites);
        QVERIFY(row);
        QCOMPARE(SiteRow::IdOf(row), 4);
        QCOMPARE(gMainWindow->lvwSites->selectedItems().size(), 1);
    }

    void changedSiteStaysSelectedAndInView() {
        start(300);
        QTreeWidget* list = gMainWindow->lvwSites;
        SiteRow::SelectAndShow(list, SiteRow::FindByKey(list, SiteRow::KeyFor(300)));
        list->scrollToTop();

        ModalDriver driver([&](QWidget* modal) {
            auto* editor = qobject_cast<frmSite*>(modal);
            QVERIFY(editor);
            QCOMPARE(editor->windowTitle(), QString("Modify Site Properties"));
            QCOMPARE(editor->txtName->text(), QString("Site 300"));
            editor->txtHomePage->setText("home300.example");
            QTest::mouseClick(editor->cmdVisitHomePage, Qt::LeftButton);
            QCOMPARE(editor->txtHomePage->text(), QString("home300.example"));
            editor->txtSubmitUrl->setText("http://keep9999.example/moved");
            QTest::keyClick(editor->txtName, Qt::Key_Return);
        });
        action("miSiteProperty")->trigger();
        QVERIFY(driver.ran());
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(m_shell->targets().last(), QString("http://home300.example"));
        QCOMPARE(m_dir->scalar("SELECT submitUrl FROM tab_sites WHERE siteID = 300").toString(),
                 QString("http://keep9999.example/moved"));
        QTreeWidgetItem* row = SiteRow::SelectedItem(list);
        QVERIFY(row);
        QCOMPARE(SiteRow::IdOf(row), 300);
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(list->visualItemRect(row).intersects(list->viewport()->rect()));
    }

    void sitePropertyNeedsASelectedSite() {
        start(2);
        ModalDriver driver([](QWidget*) {});
        action("SiteProperty")->trigger();
        QVERIFY(!driver.ran());
        QCOMPARE(m_boxes->texts(), QStringList{"Select web site to modify"});
        QCOMPARE(m_boxes->shown()[0].icon, Msg::Icon::Exclamation);
    }

    void savedSiteHiddenByTheSearchIsNotSelected() {
        start(3);
        gMainWindow->txtSearch->setText("keep");
        SiteRow::SelectAndShow(gMainWindow->lvwSites, gMainWindow->lvwSites->topLevelItem(0));
        ModalDriver driver([](QWidget* modal) {
            auto* editor = qobject_cast<frmSite*>(modal);
            QVERIFY(editor);
            editor->txtSubmitUrl->setText("http://other.example/");
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        });
        action("miSiteNew")->trigger();
        QVERIFY(driver.ran());
        QCOMPARE(m_dir->scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 4);
        QCOMPARE(gMainWindow->lvwSites->topLevelItemCount(), 3);
        QVERIFY(gMainWindow->lvwSites->selectedItems().isEmpty());
        QVERIFY(!SiteRow::SelectedItem(gMainWindow->lvwSites));
    }

    void importedSitesShowInTheListAlsoAfterAStop() {
        start(2);
        m_dir->writeFile("new sites.txt", "New 1\thttp://new1.example/\r\nNew 2\thttp://new2.example/\r\n"
                                          "no separator\r\nNew 3\thttp://new3.example/\r\n");
        m_boxes->answer(Msg::Answer::Yes);
        m_boxes->answer(Msg::Answer::Ok);
        m_boxes->answer(Msg::Answer::Yes); // stop at the third line
        ModalDriver driver([&](QWidget* modal) {
            auto* import = qobject_cast<frmSiteImport*>(modal);
            QVERIFY(import);
            QCOMPARE(import->windowTitle(), QString("Import PAD sites"));
            import->txtFileName->setText(m_dir->filePath("new sites.txt"));
            QTest::mouseClick(import->cmdImport, Qt::LeftButton);
            QCOMPARE(gMainWindow->lvwSites->topLevelItemCount(), 4);
            QTest::mouseClick(import->cmdClose, Qt::LeftButton);
        });
        QVERIFY(action("miSiteImportFromFile")->isEnabled());
        action("miSiteImportFromFile")->trigger();
        QVERIFY(driver.ran());
        QCOMPARE(m_boxes->texts().size(), 3);
        QCOMPARE(m_boxes->texts().last(), QString("An error occured. Stop importing?"));
        QCOMPARE(gMainWindow->lvwSites->topLevelItemCount(), 4);
        QVERIFY(SiteRow::FindByKey(gMainWindow->lvwSites, SiteRow::KeyFor(4)));
    }

    void savedProductsKeepTheChosenProduct() {
        start(1);
        m_dir->sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Alpha', '2012-03-05')");
        m_dir->sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Charlie', '2012-03-05')");
        gMainWindow->LoadComboProducts();
        gMainWindow->cboProducts->setCurrentIndex(2);
        gMainWindow->cboProducts_Click();
        const cProduct* startRecord = gProduct.get();
        QVERIFY(startRecord);

        ModalDriver added([&](QWidget* modal) {
            auto* editor = qobject_cast<frmProduct*>(modal);
            QVERIFY(editor);
            QCOMPARE(editor->windowTitle(), QString("New product"));
            QVERIFY(gProduct && gProduct.get() != startRecord);
            TypeText(editor->txtName, "Bravo");
            editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        });
        gMainWindow->findChild<QAction*>("New")->trigger();
        QVERIFY(added.ran());
        QVERIFY(!gProduct);
        QCOMPARE(productNames(), (QStringList{"Select one", "Alpha", "Bravo", "Charlie"}));
        // Charlie stays chosen although Bravo now stands at its old position.
        QCOMPARE(gMainWindow->cboProducts->currentText(), QString("Charlie"));
        QCOMPARE(gViewFilter->EditingModeProductID, 3);
        QCOMPARE(gMainWindow->lblFolderName->text(), QString(" Quillomar Pad Submitter - Charlie"));

        ModalDriver changed([](QWidget* modal) {
            auto* editor = qobject_cast<frmProduct*>(modal);
            QVERIFY(editor);
            QCOMPARE(editor->windowTitle(), QString("Modify product"));
            QCOMPARE(editor->txtName->text(), QString("Charlie"));
            editor->txtName->selectAll();
            TypeText(editor->txtName, "Aardvark");
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        });
        action("miProductProperty")->trigger();
        QVERIFY(changed.ran());
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(productNames(), (QStringList{"Select one", "Aardvark", "Alpha", "Bravo"}));
        QCOMPARE(gMainWindow->cboProducts->currentIndex(), 1);
        QCOMPARE(gMainWindow->lblFolderName->text(), QString(" Quillomar Pad Submitter - Aardvark"));
    }
};

QTEST_MAIN(tst_EditorCommands)
#include "tst_EditorCommands.moc"
