#pragma once

#include <QDialog>
#include <QList>

#include <functional>
#include <memory>
#include <optional>

class cProduct;
class CheckableDateEdit;
struct PadProduct;
struct PadReadResult;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TextBox;

// What the product editor needs from the main window.
struct ProductEditorLinks {
    // 0 for a new product, else the product to change; set to the new product's key after it is saved.
    qint32& editingModeProductID;
    // The shared record: the editor puts a fresh one there and releases it when it ends.
    std::unique_ptr<cProduct>& product;
    // Rebuilds the main window's product selector and shows the product that was chosen before again.
    std::function<void()> productSaved;
};

// Creates a product (the fields of its PAD description) or changes one.
class frmProduct final : public QDialog {
    Q_OBJECT
public:
    explicit frmProduct(ProductEditorLinks links, QWidget* parent = nullptr);
    ~frmProduct() override;

    void Form_Load();
    void ShowFormValues();
    bool Validate();
    // The save step: validates, then appends or updates the row; false keeps the window open.
    bool SaveProduct();
    void cmdOK_Click();
    void cmdCopy_Click();
    // Asks for a PAD file or web address and fills the boxes from it (frmPadSource); nothing is stored until OK.
    void cmdImportPad_Click();
    // Fills the boxes whose fields the file carries, then says in one message which were filled and which were left
    // out and why. A file read from the web without its own PAD location gives webAddress for that box.
    void FillFromPad(const PadReadResult& read, const QString& webAddress = {});
    // Writes the values in the boxes, as they stand, into a PAD file the user chooses.
    void cmdExportPad_Click();
    PadProduct PadFromForm() const;
    void VisitUrl(const QString& url);
    // The name of the text box that last had the focus; empty until one had it.
    QString LastFocusedTextBox() const { return m_lastFocused; }
    // False when Load failed: the window then shows what it could read and cannot save over the row.
    bool Loaded() const { return m_loaded; }

    QTabWidget* SSTab1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtVersion = nullptr;
    QLineEdit* txtPadUrl = nullptr;
    QLineEdit* txtAuthor = nullptr;
    QLineEdit* txtEmailAuthor = nullptr;
    QLineEdit* txtSizeKB = nullptr;
    QLineEdit* txtSizeBytes = nullptr;
    QLineEdit* txtScreenshot = nullptr;
    QLineEdit* txtIcoURL = nullptr;
    QLineEdit* txtProgramURL = nullptr;
    QLineEdit* txtExeDownload_1 = nullptr;
    QLineEdit* txtExeDownload_2 = nullptr;
    QLineEdit* txtLinkBack = nullptr;
    QLineEdit* txtBuyURL = nullptr;
    QLineEdit* txtPaymentRegNow = nullptr;
    QLineEdit* txtPaymentShareIt = nullptr;
    CheckableDateEdit* dtpReleaseDate = nullptr;
    TextBox* txtKeywords = nullptr;
    QLabel* lblKeywordsCount = nullptr;
    TextBox* txtShortDescription = nullptr;
    QLabel* lblShortDescriptionCount = nullptr;
    TextBox* txtLongDescription = nullptr;
    QLabel* lblLongDescriptionCount = nullptr;
    TextBox* txtLimitations = nullptr;
    TextBox* txtRecentChanges = nullptr;
    TextBox* txtFullChangeLog = nullptr;
    QList<QToolButton*> verifyButtons; // cmdVerifyPad, cmdVerifyScreenshot, ... in the order of their boxes
    QToolButton* cmdCopy = nullptr;
    QPushButton* cmdImportPad = nullptr;
    QPushButton* cmdExportPad = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGeneralTab();
    QWidget* buildDescriptionTab();
    QWidget* buildChangelogTab();
    QLineEdit* lineBox(const QString& name, QWidget* parent);
    TextBox* textBox(const QString& name, QWidget* parent, qsizetype maxLength = 0);
    QToolButton* verifyButton(const QString& name, QLineEdit* box, QWidget* parent);
    void txtSizeKB_Change();
    void txtSizeBytes_Change();
    void followSize(QLineEdit* follower, const std::optional<QString>& text);
    cProduct& product() const;

    ProductEditorLinks m_links;
    QString m_lastFocused;
    // One box of the size pair is being set from the other.
    bool m_sizeFollowing = false;
    bool m_loaded = true;
};
