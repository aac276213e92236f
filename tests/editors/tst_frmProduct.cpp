#include "EditorWidgets.h"
#include "LoopbackHttpServer.h"
#include "ModalDriver.h"
#include "PadFile.h"
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
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// The window with what the main window would give it; records what it asks of the main window.
struct ProductEditor {
    qint32 mode = 0;
    std::unique_ptr<cProduct> record = std::make_unique<cProduct>();
    int saved = 0;
    std::unique_ptr<frmProduct> window;

    explicit ProductEditor(qint32 editingModeProductID) : mode(editingModeProductID) {
        window = std::make_unique<frmProduct>(ProductEditorLinks{mode, record, [this] { ++saved; }});
        window->show();
    }
    frmProduct* operator->() const { return window.get(); }
};

// The fields kept as texts; the release date has its picker.
QList<ProductField> textFields() {
    QList<ProductField> fields;
    for (const ProductField& f : ProductFields())
        if (f.text)
            fields << f;
    return fields;
}

// The text of a single-line or multi-line box.
QByteArray textProperty(const QObject* box) {
    return qobject_cast<const QLineEdit*>(box) ? "text" : "plainText";
}

// A value for each field: apostrophes, characters beyond ASCII, line breaks in the multi-line boxes.
QString valueFor(const ProductField& f, const QString& tag) {
    if (f.column == "sizeKB")
        return QStringLiteral("15");
    return QStringLiteral("%1 %2 it's Ünïcode ✓").arg(tag, f.column) +
           (f.kind == ProductField::Kind::Lines ? QStringLiteral("\nsecond 'line'") : QString());
}

void fillEveryBox(const frmProduct* window, const QString& tag) {
    for (const ProductField& f : textFields()) {
        QObject* box = window->findChild<QObject*>(f.box);
        box->setProperty(textProperty(box), valueFor(f, tag));
    }
}

QVariant productColumn(const char* column, qint32 productID = 1) {
    return TestProgramDir::scalar(QStringLiteral("SELECT %1 FROM tab_products WHERE productID = ?").arg(column),
                                  {productID});
}

QString boxText(const QWidget* window, const ProductField& f) {
    const QObject* box = window->findChild<QObject*>(f.box);
    return box->property(textProperty(box)).toString();
}

// Every box a PAD file fills (the link back and the full change log have no PAD element) as "column=text", so that
// a comparison names the box that differs.
QStringList padBoxTexts(const frmProduct* window) {
    QStringList result;
    for (const ProductField& f : textFields())
        if (f.column != "linkBack" && f.column != "fullChangeLog")
            result << QStringLiteral("%1=%2").arg(f.column, boxText(window, f));
    return result << "releaseDate=" + window->dtpReleaseDate->Value().toString(Qt::ISODate);
}

// Presses "Import PAD...", types source into the dialog and imports (a web source is waited for); a refused source
// leaves the dialog open, and it is cancelled.
bool importThroughTheDialog(frmProduct* window, const QString& source) {
    bool accepted = false;
    ModalDriver driver([&](QWidget* modal) {
        auto* dialog = qobject_cast<frmPadSource*>(modal);
        QVERIFY(dialog);
        dialog->txtPadSource->setText(source);
        QTest::mouseClick(dialog->cmdImport, Qt::LeftButton);
        QTRY_VERIFY(!dialog->isVisible() || dialog->cmdImport->isEnabled());
        accepted = dialog->result() == QDialog::Accepted;
        if (dialog->isVisible())
            QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdImportPad, Qt::LeftButton);
    return driver.ran() && accepted;
}

} // namespace

class tst_frmProduct final : public QObject {
    Q_OBJECT

    // Each test on a fresh archive, its message boxes answered and logged.
    std::optional<TestProgramDir> m_dir;
    std::optional<MsgBoxSpy> m_boxes;

private slots:
    void init() {
        m_dir.emplace();
        m_boxes.emplace();
    }
    void cleanup() {
        m_boxes.reset();
        m_dir.reset();
    }

    void newAndChangedProductsRoundTripEveryField() {
        m_dir->sql("INSERT INTO tab_products (name) VALUES ('first')");
        {
            ProductEditor editor(0);
            fillEveryBox(editor.window.get(), "new");
            editor->txtVersion->clear();
            TypeText(editor->txtVersion, "Ünïcode 'typed'");
            QTest::mouseClick(editor->dtpReleaseDate->CheckBox(), Qt::LeftButton);
            editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
            QVERIFY2(m_boxes->shown().isEmpty(), qPrintable(m_boxes->texts().join('|')));
            QVERIFY(!editor->isVisible());
            QCOMPARE(editor.mode, 2);
            QCOMPARE(editor.saved, 1);
        }
        QCOMPARE(productColumn("version || releaseDate", 2).toString(), QString("Ünïcode 'typed'2012-03-05"));

        ProductEditor editor(2);
        for (const ProductField& f : textFields())
            if (f.column != "version")
                QCOMPARE(boxText(editor.window.get(), f), valueFor(f, "new"));
        QCOMPARE(editor->txtSizeBytes->text(), QString("15360"));
        editor->txtVersion->setText("2.0");
        editor->dtpReleaseDate->SetValue(QDate(2012, 12, 24));
        QTest::keyClick(editor->txtName, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(productColumn("version || releaseDate", 2).toString(), QString("2.02012-12-24"));
        QCOMPARE(productColumn("longDescription", 2).toString(),
                 valueFor(*ProductFieldOfColumn("longDescription"), "new"));
        QCOMPARE(productColumn("name", 1).toString(), QString("first"));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    // Only the boxes the file carries change; the message names them; nothing is stored before OK.
    void importFillsTheCarriedBoxesOnlyAndStoresNothingBeforeOK() {
        m_dir->sql("INSERT INTO tab_products (name, version, linkBack, fullChangeLog, buyURL, sizeKB, releaseDate) "
                   "VALUES ('Old', '1', 'lb', 'fc', 'buy', '7', '2000-01-01')");
        m_dir->writeFile("pad.xml", PadWithProgramInfo("<Program_Version>2.0 &amp; up</Program_Version>"
                                                       "<Program_Release_Year>2012</Program_Release_Year>"
                                                       "<Program_Release_Month>2</Program_Release_Month>"
                                                       "<Program_Release_Day>29</Program_Release_Day>"
                                                       "<Limitations>  </Limitations>"));
        ProductEditor editor(1);
        QVERIFY(importThroughTheDialog(editor.window.get(), m_dir->filePath("pad.xml")));
        QCOMPARE(m_boxes->texts(), QStringList{"Filled from the PAD file: Name, Version, Release date.\n"
                                               "Nothing is stored until you press OK."});
        QCOMPARE(editor->txtName->text() + "|" + editor->txtVersion->text(), QString("Kept|2.0 & up"));
        QCOMPARE(editor->dtpReleaseDate->Value(), QDate(2012, 2, 29));
        QCOMPARE(editor->txtBuyURL->text() + editor->txtLinkBack->text() + editor->txtFullChangeLog->toPlainText() +
                     editor->txtSizeKB->text(),
                 QString("buylbfc7"));
        QCOMPARE(productColumn("name || version || releaseDate").toString(), QString("Old12000-01-01"));

        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(productColumn("name || version || releaseDate || linkBack").toString(),
                 QString("Kept2.0 & up2012-02-29lb"));
    }

    void badDateAndSizeLeaveOnlyTheirBoxes() {
        m_dir->sql("INSERT INTO tab_products (name, sizeKB, releaseDate) VALUES ('Old', '7', '2000-01-01')");
        ProductEditor editor(1);
        editor->FillFromPad(ParsePad(PadWithProgramInfo(
            "<Program_Release_Year>2011</Program_Release_Year><Program_Release_Month>02</Program_Release_Month>"
            "<Program_Release_Day>31</Program_Release_Day><File_Info><File_Size_K>12 MB</File_Size_K></File_Info>"
            "<Program_Version>" +
            QString(65, 'v') + "</Program_Version>")));
        QCOMPARE(editor->txtName->text() + "|" + editor->txtVersion->text(), QString("Kept|"));
        QCOMPARE(editor->dtpReleaseDate->Value(), QDate(2000, 1, 1));
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("7|7168"));
        QCOMPARE(m_boxes->texts(),
                 QStringList{"Filled from the PAD file: Name.\nNothing is stored until you press OK.\n\nNot filled:\n"
                             "Release date: year \"2011\", month \"02\", day \"31\" is not a date.\n"
                             "Size KB: File_Size_K \"12 MB\" is not a number.\n"
                             "Version: longer than the box's 64 characters."});
    }

    void refusedFileChangesNoBox() {
        m_dir->sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Old', '2000-01-01')");
        m_dir->writeFile("broken.xml", PadWithProgramInfo("").replace("</XML_DIZ_INFO>", "</XML_DIZ>"));
        ProductEditor editor(1);
        const QStringList before = padBoxTexts(editor.window.get());
        QVERIFY(!importThroughTheDialog(editor.window.get(), m_dir->filePath("broken.xml")));
        QCOMPARE(m_boxes->shown().size(), 1); // its text is tst_frmPadSource's
        QCOMPARE(padBoxTexts(editor.window.get()), before);
    }

    // Given bytes only, the kilobytes follow them; without its own PAD location the file gives the address typed.
    void downloadedFileGivesItsAddressAndBytes() {
        LoopbackHttpServer server;
        server.redirect("/latest", "/v2/pad.xml");
        server.ok("/v2/pad.xml", PadWithProgramInfo("<File_Info><File_Size_Bytes>1536</File_Size_Bytes></File_Info>"));
        ProductEditor editor(0);
        QVERIFY(importThroughTheDialog(editor.window.get(), server.url("/latest").toString()));
        QCOMPARE(editor->txtPadUrl->text(), server.url("/latest").toString());
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("2|1536"));
        QCOMPARE(m_boxes->texts(), QStringList{"Filled from the PAD file: Name, PAD location, Size KB.\n"
                                               "Nothing is stored until you press OK."});
    }

    void exportThenImportGivesTheSameValues() {
        FileDialogSpy files;
        ProductEditor first(0);
        fillEveryBox(first.window.get(), "O'Brien & Sons <Ünïcode> \"日本\"");
        first->txtSizeKB->setText("15");
        first->txtKeywords->setPlainText("plan, o'brien, ü & more");
        first->txtLongDescription->setPlainText("First line & more\n  second 'line' ]]> – ß\nthird");
        first->dtpReleaseDate->SetValue(QDate(2012, 2, 29));
        first->txtName->setText("Planner: v2/\"beta\"");
        const QStringList exported = padBoxTexts(first.window.get());

        files.chooseSave(m_dir->filePath("planner.xml"));
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        QCOMPARE(files.suggested(), QString("Planner_ v2__beta_.xml"));
        QCOMPARE(m_boxes->texts(), QStringList{"The PAD file was written to " + m_dir->filePath("planner.xml") + "."});
        // Cancelled, or not writable: nothing is reported as written, and the boxes stay.
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        files.chooseSave(m_dir->filePath("no such folder/planner.xml"));
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        QCOMPARE(m_boxes->shown().size(), 2);
        QVERIFY2(m_boxes->texts()[1].startsWith("The PAD file could not be written to "),
                 qPrintable(m_boxes->texts()[1]));
        QCOMPARE(padBoxTexts(first.window.get()), exported);

        ProductEditor second(0);
        QVERIFY(importThroughTheDialog(second.window.get(), m_dir->filePath("planner.xml")));
        QCOMPARE(padBoxTexts(second.window.get()), exported);
        QCOMPARE(second->txtSizeBytes->text(), QString("15360"));
        QCOMPARE(second->txtLinkBack->text(), QString());
    }

    void validationFailuresKeepTheWindowAndTheInput() {
        m_dir->sql("INSERT INTO tab_products (name, version) VALUES ('Undated', '1')");
        ProductEditor editor(1);
        editor->txtName->setText("   ");
        TypeText(editor->txtVersion, ".1");
        editor->SSTab1->setCurrentIndex(2);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        editor->txtName->setText("Dated");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_boxes->texts(),
                 (QStringList{"Please choose a product name!", "Please choose the release date of your product!"}));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->SSTab1->currentIndex(), 0);
        QCOMPARE(editor->txtVersion->text(), QString("1.1"));
        QCOMPARE(productColumn("name || version").toString(), QString("Undated1"));
        QCOMPARE(editor.saved, 0);

        QTest::mouseClick(editor->dtpReleaseDate->CheckBox(), Qt::LeftButton);
        const QString offered = editor->dtpReleaseDate->Value().toString(Qt::ISODate);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(productColumn("name || version || releaseDate").toString(), "Dated1.1" + offered);
    }

    // A stored size is shown and saved back as stored; typed, each box follows the other, beyond 16 bits too.
    void sizePairKeepsInStep() {
        m_dir->sql("INSERT INTO tab_products (name, sizeKB, releaseDate) VALUES ('Sized', '1.5', '2012-03-05')");
        {
            ProductEditor editor(1);
            QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("1.5|1536"));
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
            QCOMPARE(productColumn("sizeKB").toString(), QString("1.5"));
        }
        ProductEditor editor(1);
        editor->txtSizeKB->clear();
        TypeText(editor->txtSizeKB, "15");
        QCOMPARE(editor->txtSizeBytes->text(), QString("15360"));
        editor->txtSizeBytes->clear();
        TypeText(editor->txtSizeBytes, "40000000");
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("39062|40000000"));
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(productColumn("sizeKB").toString(), QString("39062"));
    }

    void keywordsStopAt255CountingLineBreaksTwice() {
        ProductEditor editor(0);
        editor->SSTab1->setCurrentIndex(1);
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
        ProductEditor editor(0);
        QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
        editor->txtBuyURL->setText("https://buy.example/it's");
        QApplication::clipboard()->setText("before");
        QTest::mouseClick(editor->cmdCopy, Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().isEmpty());

        editor->txtBuyURL->setFocus();
        QTRY_COMPARE(editor->LastFocusedTextBox(), QString("txtBuyURL"));
        editor->cmdCopy->setFocus();
        QTest::mouseClick(editor->cmdCopy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("https://buy.example/it's"));
    }

    void verifyButtonsOpenTheTextAsTyped() {
        ShellSpy shell;
        ProductEditor editor(0);
        QTest::mouseClick(editor->verifyButtons[0], Qt::LeftButton);
        QVERIFY(shell.opened().isEmpty());
        const QList<QLineEdit*> fields{editor->txtPadUrl,     editor->txtScreenshot,    editor->txtIcoURL,
                                       editor->txtProgramURL, editor->txtExeDownload_1, editor->txtExeDownload_2,
                                       editor->txtLinkBack};
        QStringList expected;
        for (int i = 0; i < fields.size(); ++i) {
            fields[i]->setText(QStringLiteral("www.example.com/%1").arg(i));
            expected << fields[i]->text();
            QTest::mouseClick(editor->verifyButtons[i], Qt::LeftButton);
        }
        QCOMPARE(shell.targets(), expected);
    }

    void escapeDiscardsTheChanges() {
        m_dir->sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Kept', '2012-03-05')");
        ProductEditor editor(1);
        TypeText(editor->txtName, " changed");
        QTest::keyClick(editor->txtName, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(productColumn("name").toString(), QString("Kept"));
        QCOMPARE(editor.saved, 0);
    }

    // A failed save is not reported as done: the window stays open with the input and its buttons.
    void failedSaveKeepsTheWindowAndTheInput_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("new product, archive gone") << 0 << "Error in Save: ";
        QTest::newRow("product deleted elsewhere meanwhile")
            << 1 << "Error in Update: This product no longer exists in the archive";
    }
    void failedSaveKeepsTheWindowAndTheInput() {
        QFETCH(int, mode);
        QFETCH(QString, message);
        m_dir->sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Kept', '2012-03-05')");
        ProductEditor editor(mode);
        editor->txtName->setText("Lost?");
        editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
        if (mode == 0)
            QVERIFY(QFile::remove(m_dir->dbPath()));
        else
            m_dir->sql("DELETE FROM tab_products");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_boxes->shown().size(), 1);
        QVERIFY2(m_boxes->texts()[0].startsWith(message), qPrintable(m_boxes->texts()[0]));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->txtName->text(), QString("Lost?"));
        QVERIFY(editor->cmdOK->isEnabled() && editor->cmdClose->isEnabled());
        QCOMPARE(editor.mode, mode);
        QCOMPARE(editor.saved, 0);
    }
};

QUILL_TEST_MAIN(tst_frmProduct)
#include "tst_frmProduct.moc"
