#include "EditorWidgets.h"
#include "LoopbackHttpServer.h"
#include "ModalDriver.h"
#include "PadSamples.h"
#include "ProductFields.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmPadSource.h"
#include "frmProduct.h"

#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QTest>

namespace {

// The window with what the main window would give it; records what it asks of the main window.
struct ProductEditor {
    qint32 mode = 0;
    std::unique_ptr<cProduct> record;
    int saved = 0;
    frmProduct window{ProductEditorLinks{mode, record, [this] { ++saved; }}};

    explicit ProductEditor(qint32 editingModeProductID) : mode(editingModeProductID) { window.show(); }
    frmProduct* operator->() { return &window; }
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

} // namespace

class tst_frmProduct final : public QObject {
    Q_OBJECT

    // Each test on a fresh archive holding product 1, its message boxes answered and logged.
    std::optional<TestProgramDir> m_dir;
    std::optional<MsgBoxSpy> m_boxes;

private slots:
    void init() {
        m_dir.emplace();
        m_boxes.emplace();
        m_dir->sql("INSERT INTO tab_products (name, version, linkBack, sizeKB, releaseDate) "
                   "VALUES ('Old', '1', 'lb', '1.5', '2000-01-01')");
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
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("fault"); // run on the archive before OK
        QTest::addColumn<QString>("message");
        QTest::newRow("blank name") << 1 << QString() << "Please choose a product name!";
        QTest::newRow("new product, archive refuses") << 0 << "DROP TABLE tab_products"
                                                      << "Error in Save: ";
        QTest::newRow("deleted elsewhere") << 1 << "DELETE FROM tab_products"
                                           << "Error in Update: This product no";
    }
    void failedSaveKeepsTheWindowAndTheInput() {
        QFETCH(int, mode);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        const QString name = fault.isEmpty() ? "   " : "Typed";
        ProductEditor editor(mode);
        editor->txtName->setText(name);
        editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
        if (!fault.isEmpty())
            m_dir->sql(fault);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts()[0].startsWith(message), qPrintable(m_boxes->texts()[0]));
        QVERIFY(editor->isVisible() && editor->cmdOK->isEnabled() && editor->cmdClose->isEnabled());
        QCOMPARE(editor->txtName->text(), name);
        QCOMPARE(editor.mode, mode);
        QCOMPARE(editor.saved, 0);
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
};

QUILL_TEST_MAIN(tst_frmProduct)
#include "tst_frmProduct.moc"
