#include "EditorWidgets.h"
#include "ExtraTables.h"
#include "LoopbackHttpServer.h"
#include "ModalDriver.h"
#include "PadSamples.h"
#include "ProductFields.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "cSite.h"
#include "frmPadSource.h"
#include "frmPadUpdate.h"
#include "frmProduct.h"
#include "frmSite.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Each window with what the main window would give it; records what it asks of the main window.
struct ProductEditor {
    qint32 mode = 0;
    std::unique_ptr<cProduct> record;
    int saved = 0;
    frmProduct window{ProductEditorLinks{mode, record, [this] { ++saved; }}};

    explicit ProductEditor(qint32 editingModeProductID) : mode(editingModeProductID) { window.show(); }
    frmProduct* operator->() { return &window; }
};
struct SiteEditor {
    qint32 mode = 0;
    std::unique_ptr<cSite> record;
    QList<qint32> saved;
    frmSite window{SiteEditorLinks{mode, record, {}, [this](qint32 siteID) { saved << siteID; }}};

    explicit SiteEditor(qint32 editingModeSiteID) : mode(editingModeSiteID) { window.show(); }
    frmSite* operator->() { return &window; }
};

// A value for each text box: markup characters, apostrophes, characters beyond ASCII, and a line break with an
// indented second line in the multi-line boxes.
void fillEveryBox(ProductEditor& editor) {
    for (const ProductField& f : ProductFields()) {
        QObject* box = editor->findChild<QObject*>(f.box);
        const QString lines = f.kind == ProductField::Kind::Lines ? "\n  second 'line' ]]>" : "";
        if (f.text)
            box->metaObject()->userProperty().write(
                box, f.column == "sizeKB" ? "15" : f.column + " it's <Ünïcode> & \"日本\" ✓" + lines);
    }
}

// Every field's box as "column=text", so that a comparison names the box that differs.
QStringList boxTexts(ProductEditor& editor) {
    QStringList result;
    for (const ProductField& f : ProductFields()) {
        const QObject* box = editor->findChild<QObject*>(f.box);
        const QVariant text = f.text ? box->metaObject()->userProperty().read(box) : editor->dtpReleaseDate->Value();
        result << f.column + "=" + text.toString();
    }
    return result;
}

// Presses "Import PAD...", types source into the dialog and presses Import; true when the dialog took the file, false
// when it refused it.
bool importThroughTheDialog(ProductEditor& editor, const QString& source) {
    bool accepted = false;
    ModalDriver driver([&](QWidget* modal) {
        auto* dialog = qobject_cast<frmPadSource*>(modal);
        QVERIFY(dialog);
        dialog->txtPadSource->setText(source);
        QTest::mouseClick(dialog->cmdImport, Qt::LeftButton);
        QTRY_VERIFY(!dialog->isVisible() || dialog->cmdImport->isEnabled());
        accepted = dialog->result() == QDialog::Accepted;
    });
    QTest::mouseClick(editor->cmdImportPad, Qt::LeftButton);
    return driver.ran() && accepted;
}

// The product's stored fields that an update may touch.
QString storedRow() {
    return TestProgramDir::scalar("SELECT name || '|' || version || '|' || ifnull(releaseDate, '') || '|' || "
                                  "ifnull(sizeKB, '') || '|' || ifnull(shortDescription, '') FROM tab_products")
        .toString();
}

} // namespace

// The site and product editors and the update from a PAD file. Loading and saving every field goes through the record
// classes: tst_Records covers what the windows cannot reach.
class tst_RecordEditors final : public QObject {
    Q_OBJECT

    // Each test on a fresh archive holding product 1 and site 1, its message boxes answered and logged.
    std::optional<TestProgramDir> m_dir;
    std::optional<MsgBoxSpy> m_boxes;

    // Types text into the box the record needs, runs fault on the archive and presses OK.
    template <class Editor>
    void failSave(int mode, const char* box, const QString& text, const QString& fault, const QString& message) {
        Editor editor(mode);
        editor->template findChild<QLineEdit*>(box)->setText(text);
        if constexpr (std::is_same_v<Editor, ProductEditor>)
            editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
        if (!fault.isEmpty())
            m_dir->sql(fault);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts()[0].startsWith(message), qPrintable(m_boxes->texts()[0]));
        QVERIFY(editor->isVisible() && editor->cmdOK->isEnabled() && editor->cmdClose->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(editor->template findChild<QLineEdit*>(box)->text(), text);
        QCOMPARE(editor.mode, mode);
        QCOMPARE(editor.saved, decltype(editor.saved)());
    }

private slots:
    void init() {
        m_dir.emplace();
        EnsureExtraTables(); // as the program's start prepares the archive
        m_boxes.emplace();
        m_dir->sql("INSERT INTO tab_products (name, version, linkBack, sizeKB, releaseDate) "
                   "VALUES ('Old', '1', 'lb', '1.5', '2000-01-01')");
        m_dir->sql("INSERT INTO tab_sites (name, submitUrl, rank, userID) VALUES ('first', 'old.example', 1, 'me')");
    }
    void cleanup() {
        m_boxes.reset();
        m_dir.reset();
    }

    // Through Export PAD, Import PAD into a new product, its save and its load every box keeps its text. Link back
    // and the full changelog have no PAD element.
    void everyBoxSurvivesExportImportSaveAndLoad() {
        FileDialogSpy files;
        ProductEditor first(0);
        fillEveryBox(first);
        first->txtName->setText("Planner: v2/\"beta\"");
        first->dtpReleaseDate->SetValue(QDate(2012, 2, 29));
        files.chooseSave(m_dir->filePath("no such folder/planner.xml"));
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        files.chooseSave(m_dir->filePath("planner.xml"));
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        QCOMPARE(files.suggested(), QString("Planner_ v2__beta_.xml"));
        QVERIFY(m_boxes->texts()[0].contains("planner.xml cannot be written: "));
        QStringList expected = boxTexts(first).replaceInStrings(
            QRegularExpression("^(linkBack|fullChangeLog)=.*", QRegularExpression::DotMatchesEverythingOption), "\\1=");
        {
            ProductEditor second(0);
            QVERIFY(importThroughTheDialog(second, m_dir->filePath("planner.xml")));
            QCOMPARE(boxTexts(second), expected);
            QTest::mouseClick(second->cmdOK, Qt::LeftButton);
            QCOMPARE(second.mode, 2);
            QCOMPARE(second.saved, 1);
        }
        ProductEditor third(2);
        QCOMPARE(boxTexts(third), expected);
    }

    // Only the boxes the file carries change, nothing is stored before OK; the message names what was filled and
    // what was not. Given bytes only, the kilobytes follow them; a downloaded file without its own PAD location gives
    // the address typed.
    void importFillsOnlyTheCarriedBoxes() {
        LoopbackHttpServer server;
        server.redirect("/latest", "/v2/pad.xml");
        server.ok("/v2/pad.xml", PadWithProgramInfo("<Program_Version>" + QString(65, 'v') +
                                                    "</Program_Version>"
                                                    "<File_Info><File_Size_Bytes>3072</File_Size_Bytes></File_Info>"));
        const QString address = server.url("/latest").toString();
        ProductEditor editor(1);
        QStringList expected = boxTexts(editor);
        for (const QString& change : QStringList{"name=Kept", "sizeKB=3", "padURL=" + address})
            expected.replaceInStrings(QRegularExpression("^" + change.section('=', 0, 0) + "=.*"), change);
        QVERIFY(importThroughTheDialog(editor, address));
        QCOMPARE(m_boxes->texts(),
                 QStringList{"Filled from the PAD file: Name, PAD location, Size KB.\nNothing is stored "
                             "until you press OK.\n\nNot filled:\nVersion: longer than the box's 64 "
                             "characters."});
        QCOMPARE(boxTexts(editor), expected);
        QCOMPARE(m_dir->scalar("SELECT name || version FROM tab_products").toString(), QString("Old1"));
        // A refused source fills no box; its one message names it and why.
        m_boxes->clear();
        QVERIFY(!importThroughTheDialog(editor, "/no/pad.xml"));
        QCOMPARE(m_boxes->texts(),
                 QStringList{"Nothing was imported from /no/pad.xml:\nThere is no file /no/pad.xml."});
        QCOMPARE(boxTexts(editor), expected);
    }

    // A refused or failed save is not reported as done: the window stays open with the input, in its mode.
    void failedSaveKeepsTheWindowAndTheInput_data() {
        QTest::addColumn<bool>("site"); // else the product
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("fault"); // run on the archive before OK; none: the box the record needs is blank
        QTest::addColumn<QString>("message");
        QTest::newRow("blank name") << false << 1 << QString() << "Please choose a product name!";
        QTest::newRow("new product, archive refuses") << false << 0 << "DROP TABLE tab_products"
                                                      << "Error in Save: ";
        QTest::newRow("product deleted elsewhere") << false << 1 << "DELETE FROM tab_products"
                                                   << "Error in Update: This product no";
        QTest::newRow("blank submit address") << true << 0 << QString() << "Please insert submit url for Site!";
        QTest::newRow("new site, archive refuses") << true << 0 << "DROP TABLE tab_sites"
                                                   << "Error in Save: ";
        QTest::newRow("site deleted elsewhere") << true << 1 << "DELETE FROM tab_sites"
                                                << "Error in Update: This site no longer";
    }
    void failedSaveKeepsTheWindowAndTheInput() {
        QFETCH(bool, site);
        QFETCH(int, mode);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        const QString text = fault.isEmpty() ? "   " : "x.example";
        if (site)
            failSave<SiteEditor>(mode, "txtSubmitUrl", text, fault, message);
        else
            failSave<ProductEditor>(mode, "txtName", text, fault, message);
    }

    // Each size box follows the other's leading number but never writes back into the one typed in: a size is stored
    // as typed. Bytes give whole kilobytes rounded half to even; no exponent is written.
    void sizeIsKeptAsTyped() {
        ProductEditor editor(1);
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("1.5|1536"));
        editor->txtSizeBytes->clear();
        QTest::keyClicks(editor->txtSizeBytes, "2560");
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("2|2560"));
        editor->txtSizeKB->clear();
        QTest::keyClicks(editor->txtSizeKB, "4e7 KB");
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("4e7 KB|40960000000"));
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_dir->scalar("SELECT sizeKB FROM tab_products").toString(), QString("4e7 KB"));
    }

    // "Update from PAD file", with the product's PAD address served on the loopback interface: only the checked fields
    // are stored; a file that matches, a refused file and a failed download each give one
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
        LoopbackHttpServer server;
        if (!served.isEmpty())
            server.ok("/pad.xml", served);
        m_dir->sql("UPDATE tab_products SET name = 'Kept', version = '1.0', padURL = ?, releaseDate = '2012-03-05', "
                   "sizeKB = NULL, shortDescription = 'Plans menus'",
                   {server.url("/pad.xml").toString()});
        frmPadUpdate update(*cProduct::Read(1));
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
        QCOMPARE(m_boxes->texts().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(m_boxes->texts()[0].contains(message), qPrintable(m_boxes->texts()[0]));
        QCOMPARE(storedRow(), stored);
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

    // A site that could not be read in full is shown, but cannot be saved over its row.
    void failedSiteLoadLeavesNothingToSave() {
        m_dir->sql("UPDATE tab_sites SET rank = 99999");
        SiteEditor editor(1);
        QVERIFY2(m_boxes->texts().value(0).startsWith("Error in Load: "), qPrintable(m_boxes->texts().join('|')));
        QCOMPARE(editor->txtSubmitUrl->text(), QString("old.example"));
        QTest::keyClick(editor->txtName, Qt::Key_Return);
        QCOMPARE(m_dir->scalar("SELECT userID FROM tab_sites").toString(), QString("me"));
    }
};

QUILL_TEST_MAIN(tst_RecordEditors)
#include "tst_RecordEditors.moc"
