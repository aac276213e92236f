#include "EditorWidgets.h"
#include "LoopbackHttpServer.h"
#include "ModalDriver.h"
#include "PadSamples.h"
#include "ProductFields.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "Typing.h"
#include "cProduct.h"
#include "frmPadSource.h"
#include "frmProduct.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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

QList<ProductField> textFields() {
    QList<ProductField> fields = ProductFields();
    fields.removeIf([](const ProductField& f) { return !f.text; });
    return fields;
}

QByteArray textProperty(const QObject* box) {
    return qobject_cast<const QLineEdit*>(box) ? "text" : "plainText";
}

// A value for each field: markup characters, apostrophes, characters beyond ASCII, line breaks in the multi-line
// boxes.
QString valueFor(const ProductField& f, const QString& tag) {
    if (f.column == "sizeKB")
        return QStringLiteral("15");
    return QStringLiteral("%1 %2 it's <Ünïcode> & \"日本\" ✓").arg(tag, f.column) +
           (f.kind == ProductField::Kind::Lines ? QStringLiteral("\n  second 'line' ]]>") : QString());
}

void fillEveryBox(ProductEditor& editor, const QString& tag) {
    for (const ProductField& f : textFields()) {
        QObject* box = editor->findChild<QObject*>(f.box);
        box->setProperty(textProperty(box), valueFor(f, tag));
    }
}

// Every field's box as "column=text", so that a comparison names the box that differs.
QStringList boxTexts(ProductEditor& editor) {
    QStringList result;
    for (const ProductField& f : textFields()) {
        const QObject* box = editor->findChild<QObject*>(f.box);
        result << f.column + "=" + box->property(textProperty(box)).toString();
    }
    return result << "releaseDate=" + editor->dtpReleaseDate->Value().toString(Qt::ISODate);
}

QString productColumn(const char* column, qint32 productID = 1) {
    return TestProgramDir::scalar(QStringLiteral("SELECT %1 FROM tab_products WHERE productID = ?").arg(column),
                                  {productID})
        .toString();
}

// Presses "Import PAD...", types source into the dialog and imports (a web source is waited for).
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

    void newProductSavesEveryBoxAndShowsItAgain() {
        {
            ProductEditor editor(0);
            fillEveryBox(editor, "new");
            editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
            QVERIFY2(m_boxes->shown().isEmpty(), qPrintable(m_boxes->texts().join('|')));
            QVERIFY(!editor->isVisible());
            QCOMPARE(editor.mode, 2);
            QCOMPARE(editor.saved, 1);
        }
        QStringList expected;
        for (const ProductField& f : textFields())
            expected << f.column + "=" + valueFor(f, "new");
        ProductEditor editor(2);
        QCOMPARE(boxTexts(editor), expected << "releaseDate=2012-03-05");
        QCOMPARE(productColumn("name"), QString("Old"));
    }

    // Only the boxes the file carries change, nothing is stored before OK; the message names what was filled and
    // what was not. A downloaded file without its own PAD location gives the address typed.
    void importFillsOnlyTheCarriedBoxes_data() {
        QTest::addColumn<bool>("web");
        QTest::addColumn<QString>("inner");       // the file's Program_Info after Program_Name "Kept"
        QTest::addColumn<QStringList>("changed"); // "column=text"; %1 is the source typed
        QTest::addColumn<QString>("message");
        const QString nothingStored = "\nNothing is stored until you press OK.";
        QTest::newRow("file: version too long for its box, size no number")
            << false
            << "<Program_Version>" + QString(65, 'v') +
                   "</Program_Version><Program_Release_Year>2012</Program_Release_Year><Program_Release_Month>2"
                   "</Program_Release_Month><Program_Release_Day>29</Program_Release_Day>"
                   "<File_Info><File_Size_K>12 MB</File_Size_K></File_Info>"
            << QStringList{"name=Kept", "releaseDate=2012-02-29"}
            << "Filled from the PAD file: Name, Release date." + nothingStored +
                   "\n\nNot filled:\nSize KB: File_Size_K \"12 MB\" is not a number.\n"
                   "Version: longer than the box's 64 characters.";
        QTest::newRow("web: bytes only") << true << "<File_Info><File_Size_Bytes>3072</File_Size_Bytes></File_Info>"
                                         << QStringList{"name=Kept", "padURL=%1", "sizeKB=3"}
                                         << "Filled from the PAD file: Name, PAD location, Size KB." + nothingStored;
    }
    void importFillsOnlyTheCarriedBoxes() {
        QFETCH(bool, web);
        QFETCH(QString, inner);
        QFETCH(QStringList, changed);
        QFETCH(QString, message);
        LoopbackHttpServer server;
        server.redirect("/latest", "/v2/pad.xml");
        server.ok("/v2/pad.xml", PadWithProgramInfo(inner));
        m_dir->writeFile("pad.xml", PadWithProgramInfo(inner));
        const QString source = web ? server.url("/latest").toString() : m_dir->filePath("pad.xml");
        ProductEditor editor(1);
        QStringList expected = boxTexts(editor);
        for (const QString& change : changed)
            for (QString& entry : expected)
                if (entry.section('=', 0, 0) == change.section('=', 0, 0))
                    entry = change.arg(source);

        QVERIFY(importThroughTheDialog(editor, source));
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(boxTexts(editor), expected);
        QCOMPARE(productColumn("name || version"), QString("Old1"));
    }

    // Link back and the full changelog have no PAD element.
    void exportedPadImportsIntoTheSameBoxes() {
        FileDialogSpy files;
        ProductEditor first(0);
        fillEveryBox(first, "O'Brien");
        first->txtName->setText("Planner: v2/\"beta\"");
        first->dtpReleaseDate->SetValue(QDate(2012, 2, 29));
        files.chooseSave(m_dir->filePath("planner.xml"));
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        QCOMPARE(files.suggested(), QString("Planner_ v2__beta_.xml"));
        // Cancelled, or not writable: nothing is reported as written.
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        files.chooseSave(m_dir->filePath("no such folder/planner.xml"));
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        QCOMPARE(m_boxes->shown().size(), 2);
        QVERIFY2(m_boxes->texts()[1].startsWith("The PAD file could not be written to "),
                 qPrintable(m_boxes->texts()[1]));

        ProductEditor second(0);
        QVERIFY(importThroughTheDialog(second, m_dir->filePath("planner.xml")));
        QStringList expected = boxTexts(first);
        for (QString& entry : expected)
            if (entry.startsWith("linkBack=") || entry.startsWith("fullChangeLog="))
                entry = entry.section('=', 0, 0) + "=";
        QCOMPARE(boxTexts(second), expected);
    }

    // A refused or failed save is not reported as done: the window stays open with the input, in its mode.
    void failedSaveKeepsTheWindowAndTheInput_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("fault"); // run on the archive before OK
        QTest::addColumn<QString>("message");
        const QDate date(2012, 3, 5);
        QTest::newRow("blank name") << 1 << "   " << date << ""
                                    << "Please choose a product name!";
        QTest::newRow("no release date") << 1 << "Typed" << QDate() << ""
                                         << "Please choose the release date of your product!";
        QTest::newRow("new product, archive refuses") << 0 << "Typed" << date << "DROP TABLE tab_products"
                                                      << "Error in Save: ";
        QTest::newRow("product deleted elsewhere meanwhile")
            << 1 << "Typed" << date << "DELETE FROM tab_products"
            << "Error in Update: This product no longer exists in the archive";
    }
    void failedSaveKeepsTheWindowAndTheInput() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QDate, date);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        ProductEditor editor(mode);
        editor->txtName->setText(name);
        editor->dtpReleaseDate->SetValue(date);
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

    // Each size box follows the other but never writes back into the one typed in: a size is stored as typed.
    void sizeIsKeptAsTyped() {
        ProductEditor editor(1);
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("1.5|1536"));
        editor->txtSizeBytes->clear();
        TypeText(editor->txtSizeBytes, "40000000");
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("39062|40000000"));
        editor->txtSizeKB->clear();
        TypeText(editor->txtSizeKB, "2.5");
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("2.5|2560"));
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(productColumn("sizeKB"), QString("2.5"));
    }

    void keywordsStopAt255CountingLineBreaksTwice() {
        ProductEditor editor(0);
        TypeText(editor->txtKeywords, QString(254, 'k'));
        QTest::keyClick(editor->txtKeywords, Qt::Key_Return); // it does not fit
        TypeText(editor->txtKeywords, "lm");
        QCOMPARE(editor->txtKeywords->toPlainText(), QString(254, 'k') + "l");
        QCOMPARE(editor->lblKeywordsCount->text(), QString("255"));
        editor->txtKeywords->selectAll();
        QApplication::clipboard()->setText(QString(300, 'p'));
        QTest::keyClick(editor->txtKeywords, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->txtKeywords->toPlainText(), QString(255, 'p'));
    }

    // Pressing Copy focuses the button: the box copied is the last text box focused before it.
    void copyTakesTheLastFocusedBox() {
        ProductEditor editor(1);
        QVERIFY(QTest::qWaitForWindowActive(&editor.window));
        editor->txtLinkBack->setFocus();
        editor->cmdCopy->setFocus();
        QTest::mouseClick(editor->cmdCopy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("lb"));
    }

    // Each link's button opens its own box's text as typed; an empty box opens nothing.
    void verifyButtonsOpenTheirBoxes() {
        ShellSpy shell;
        ProductEditor editor(0);
        QTest::mouseClick(editor->verifyButtons[0], Qt::LeftButton);
        QVERIFY(shell.opened().isEmpty());
        fillEveryBox(editor, "www.example.com/");
        for (QToolButton* button : editor->verifyButtons)
            QTest::mouseClick(button, Qt::LeftButton);
        const QStringList texts = boxTexts(editor).replaceInStrings(QRegularExpression("^[^=]*="), "");
        const QStringList targets = shell.targets();
        QCOMPARE(QSet<QString>(targets.begin(), targets.end()).size(), editor->verifyButtons.size());
        for (const QString& target : targets)
            QVERIFY2(texts.contains(target), qPrintable(target));
    }
};

QUILL_TEST_MAIN(tst_frmProduct)
#include "tst_frmProduct.moc"
