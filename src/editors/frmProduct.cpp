#include "frmProduct.h"

#include "EditorValues.h"
#include "EditorWidgets.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "PadFile.h"
#include "ProductFields.h"
#include "Shell.h"
#include "Trap.h"
#include "WholeFile.h"
#include "cProduct.h"
#include "frmPadSource.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kVerifyToolTip = QT_TRANSLATE_NOOP("frmProduct", "Click to launch browser to verify the link");

// A section holding one multi-line box, with its character count under it when it has one.
QWidget* frameOfText(const QString& title, const QString& name, QWidget* parent, TextBox* box, QLabel* count) {
    auto* frame = new QWidget(parent);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SectionHeading(title, name + QStringLiteral("Title"), frame, box));
    box->setParent(frame);
    layout->addWidget(box, 1);
    if (count) {
        auto* countRow = new QHBoxLayout;
        countRow->addStretch(1);
        countRow->addWidget(new QLabel(QCoreApplication::translate("frmProduct", "Characters:"), frame));
        count->setParent(frame);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        countRow->addWidget(count);
        layout->addLayout(countRow);
    }
    return frame;
}

QString textOf(const QObject* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(box))
        return text->toPlainText();
    return {};
}

void setTextOf(QObject* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(box))
        lines->setPlainText(text);
}

// Setting a box to the text it holds is no change: the size pair stops calling itself there.
void setIfDifferent(QLineEdit* box, const std::optional<QString>& text) {
    if (text && box->text() != *text)
        box->setText(*text);
}

} // namespace

frmProduct::frmProduct(ProductEditorLinks links, QWidget* parent) : QDialog(parent), m_links(std::move(links)) {
    setObjectName(QStringLiteral("frmProduct"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildGeneralTab(), tr("&General"));
    SSTab1->addTab(buildDescriptionTab(), tr("Descrip&tion"));
    SSTab1->addTab(buildChangelogTab(), tr("&Changelog"));
    layout->addWidget(SSTab1, 1);

    auto* buttons = new QHBoxLayout;
    cmdCopy = new QToolButton(this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setIcon(QIcon(QStringLiteral(":/editors/copy.svg")));
    cmdCopy->setIconSize(QSize(24, 24));
    cmdCopy->setToolTip(tr("Copy selected element text in clipboard"));
    cmdCopy->setAccessibleName(cmdCopy->toolTip());
    cmdImportPad = new QPushButton(tr("Imp&ort PAD..."), this);
    cmdImportPad->setObjectName(QStringLiteral("cmdImportPad"));
    cmdImportPad->setAutoDefault(false);
    cmdImportPad->setToolTip(tr("Fill the boxes from a PAD file or its web address"));
    cmdExportPad = new QPushButton(tr("E&xport PAD..."), this);
    cmdExportPad->setObjectName(QStringLiteral("cmdExportPad"));
    cmdExportPad->setAutoDefault(false);
    cmdExportPad->setToolTip(tr("Save the values in the boxes as a PAD file"));
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdImportPad);
    buttons->addWidget(cmdExportPad);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmProduct::cmdOK_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmProduct::reject);
    connect(cmdCopy, &QToolButton::clicked, this, &frmProduct::cmdCopy_Click);
    connect(cmdImportPad, &QPushButton::clicked, this, &frmProduct::cmdImportPad_Click);
    connect(cmdExportPad, &QPushButton::clicked, this, &frmProduct::cmdExportPad_Click);
    connect(txtSizeKB, &QLineEdit::textChanged, this, &frmProduct::txtSizeKB_Change);
    connect(txtSizeBytes, &QLineEdit::textChanged, this, &frmProduct::txtSizeBytes_Change);
    const std::pair<TextBox*, QLabel*> counted[] = {{txtKeywords, lblKeywordsCount},
                                                    {txtShortDescription, lblShortDescriptionCount},
                                                    {txtLongDescription, lblLongDescriptionCount}};
    for (const auto& [box, count] : counted) {
        connect(box, &QPlainTextEdit::textChanged, this,
                [box, count] { count->setText(QString::number(CountedLength(box->toPlainText()))); });
    }

    resize(minimumSizeHint().expandedTo(QSize(720, minimumSizeHint().height() + 24)));
    txtName->setFocus();
    Form_Load();
}

frmProduct::~frmProduct() {
    // Form_Unload: the record lives exactly as long as the window.
    m_links.product.reset();
}

QLineEdit* frmProduct::lineBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->installEventFilter(this);
    return box;
}

TextBox* frmProduct::textBox(const QString& name, QWidget* parent, qsizetype maxLength) {
    auto* box = new TextBox(parent, maxLength);
    box->setObjectName(name);
    box->installEventFilter(this);
    return box;
}

QToolButton* frmProduct::verifyButton(const QString& name, QLineEdit* box, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(QStringLiteral(":/editors/verify-link.svg")));
    button->setToolTip(tr(kVerifyToolTip));
    button->setAccessibleName(tr(kVerifyToolTip));
    connect(button, &QToolButton::clicked, this, [this, box] {
        if (!box->text().isEmpty())
            VisitUrl(box->text());
    });
    verifyButtons << button;
    return button;
}

QWidget* frmProduct::buildGeneralTab() {
    // One grid: left caption and box, right caption and box, verify button; the links span both boxes,
    // so that every box lines up.
    enum Column { LeftCaption, LeftBox, RightCaption, RightBox, Verify };
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabGeneral"));
    auto* grid = new QGridLayout(page);
    int row = 0;
    const auto put = [&](const QString& text, QWidget* box, int r, int column, int span = 1) {
        auto* label = Caption(text, box, page);
        if (column == RightCaption)
            label->setContentsMargins(12, 0, 0, 0);
        grid->addWidget(label, r, column);
        grid->addWidget(box, r, column + 1, 1, span);
    };
    const auto heading = [&](const QString& title, const QString& name, int r, int column, QWidget* buddy = nullptr) {
        QWidget* section = SectionHeading(title, name, page, buddy);
        if (column == RightCaption)
            section->setContentsMargins(12, 0, 0, 0);
        grid->addWidget(section, r, column, 1, column == RightCaption ? 3 : 2);
    };

    txtName = lineBox(QStringLiteral("txtName"), page);
    txtVersion = lineBox(QStringLiteral("txtVersion"), page);
    txtVersion->setMaxLength(64);
    put(tr("&Name:"), txtName, row, LeftCaption);
    put(tr("&Version:"), txtVersion, row++, RightCaption);
    txtPadUrl = lineBox(QStringLiteral("txtPadUrl"), page);
    put(tr("PAD &location:"), txtPadUrl, row, LeftCaption, 3);
    grid->addWidget(verifyButton(QStringLiteral("cmdVerifyPad"), txtPadUrl, page), row++, Verify);

    heading(tr("Author"), QStringLiteral("fraAuthor"), row, LeftCaption);
    heading(tr("Size"), QStringLiteral("fraSize"), row++, RightCaption);
    txtAuthor = lineBox(QStringLiteral("txtAuthor"), page);
    txtSizeKB = lineBox(QStringLiteral("txtSizeKB"), page);
    put(tr("N&ame:"), txtAuthor, row, LeftCaption);
    put(tr("&KB:"), txtSizeKB, row++, RightCaption);
    txtEmailAuthor = lineBox(QStringLiteral("txtEmailAuthor"), page);
    txtSizeBytes = lineBox(QStringLiteral("txtSizeBytes"), page);
    put(tr("&Email:"), txtEmailAuthor, row, LeftCaption);
    put(tr("B&ytes:"), txtSizeBytes, row++, RightCaption);

    const struct {
        QLineEdit** box;
        const char* name;
        const char* caption;
        const char* verify;
    } links[] = {
        {&txtScreenshot, "txtScreenshot", QT_TR_NOOP("&Screenshot:"), "cmdVerifyScreenshot"},
        {&txtIcoURL, "txtIcoURL", QT_TR_NOOP("&Icon file:"), "cmdVerifyIcoURL"},
        {&txtProgramURL, "txtProgramURL", QT_TR_NOOP("&Program URL:"), "cmdVerifyProgramURL"},
        {&txtExeDownload_1, "txtExeDownload_1", QT_TR_NOOP("Download &1:"), "cmdVerifyExeDownload_1"},
        {&txtExeDownload_2, "txtExeDownload_2", QT_TR_NOOP("Download &2:"), "cmdVerifyExeDownload_2"},
        {&txtLinkBack, "txtLinkBack", QT_TR_NOOP("Link &back:"), "cmdVerifyLinkBack"},
    };
    grid->addWidget(SectionHeading(tr("Links"), QStringLiteral("fraLinks"), page), row++, LeftCaption, 1, 5);
    for (const auto& link : links) {
        *link.box = lineBox(QString::fromLatin1(link.name), page);
        put(tr(link.caption), *link.box, row, LeftCaption, 3);
        grid->addWidget(verifyButton(QString::fromLatin1(link.verify), *link.box, page), row++, Verify);
    }

    txtBuyURL = lineBox(QStringLiteral("txtBuyURL"), page);
    txtPaymentRegNow = lineBox(QStringLiteral("txtPaymentRegNow"), page);
    txtPaymentShareIt = lineBox(QStringLiteral("txtPaymentShareIt"), page);
    dtpReleaseDate = new CheckableDateEdit(page);
    dtpReleaseDate->setObjectName(QStringLiteral("dtpReleaseDate"));
    dtpReleaseDate->setContentsMargins(12, 0, 0, 0);
    heading(tr("Payment"), QStringLiteral("fraPayment"), row, LeftCaption);
    heading(tr("Release &date"), QStringLiteral("fraReleaseDate"), row++, RightCaption, dtpReleaseDate);
    put(tr("B&uy URL:"), txtBuyURL, row, LeftCaption);
    grid->addWidget(dtpReleaseDate, row++, RightCaption, 1, 2);
    put(tr("&RegNow:"), txtPaymentRegNow, row++, LeftCaption);
    put(tr("S&hare-it:"), txtPaymentShareIt, row++, LeftCaption);
    grid->setColumnStretch(LeftBox, 3);
    grid->setColumnStretch(RightBox, 2);
    grid->setRowStretch(row, 1);

    // Keyboard order: the boxes in the order of the rows, each followed by its verify button.
    QList<QWidget*> order{txtName,   txtVersion,     txtPadUrl, verifyButtons[0],
                          txtAuthor, txtEmailAuthor, txtSizeKB, txtSizeBytes};
    for (int i = 0; i < int(std::size(links)); ++i)
        order << *links[i].box << verifyButtons[i + 1];
    order << txtBuyURL << txtPaymentRegNow << txtPaymentShareIt << dtpReleaseDate->CheckBox()
          << dtpReleaseDate->DateEdit();
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    return page;
}

QWidget* frmProduct::buildDescriptionTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabDescription"));
    auto* layout = new QVBoxLayout(page);
    txtKeywords = textBox(QStringLiteral("txtKeywords"), page, 255);
    lblKeywordsCount = new QLabel(QStringLiteral("0"), page);
    lblKeywordsCount->setObjectName(QStringLiteral("lblKeywordsCount"));
    txtShortDescription = textBox(QStringLiteral("txtShortDescription"), page);
    lblShortDescriptionCount = new QLabel(QStringLiteral("0"), page);
    lblShortDescriptionCount->setObjectName(QStringLiteral("lblShortDescriptionCount"));
    txtLongDescription = textBox(QStringLiteral("txtLongDescription"), page);
    lblLongDescriptionCount = new QLabel(QStringLiteral("0"), page);
    lblLongDescriptionCount->setObjectName(QStringLiteral("lblLongDescriptionCount"));
    txtLimitations = textBox(QStringLiteral("txtLimitations"), page);
    layout->addWidget(frameOfText(tr("&Keywords"), QStringLiteral("fraKeywords"), page, txtKeywords, lblKeywordsCount),
                      2);
    layout->addWidget(frameOfText(tr("&Short description"), QStringLiteral("fraShortDescription"), page,
                                  txtShortDescription, lblShortDescriptionCount),
                      2);
    layout->addWidget(frameOfText(tr("&Long description"), QStringLiteral("fraLongDescription"), page,
                                  txtLongDescription, lblLongDescriptionCount),
                      4);
    layout->addWidget(frameOfText(tr("L&imitations"), QStringLiteral("fraLimitations"), page, txtLimitations, nullptr),
                      2);
    setTabOrder(txtKeywords, txtShortDescription);
    setTabOrder(txtShortDescription, txtLongDescription);
    setTabOrder(txtLongDescription, txtLimitations);
    return page;
}

QWidget* frmProduct::buildChangelogTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabChangelog"));
    auto* layout = new QVBoxLayout(page);
    txtRecentChanges = textBox(QStringLiteral("txtRecentChanges"), page);
    txtFullChangeLog = textBox(QStringLiteral("txtFullChangeLog"), page);
    layout->addWidget(
        frameOfText(tr("&Recent changes"), QStringLiteral("fraRecentChanges"), page, txtRecentChanges, nullptr), 1);
    layout->addWidget(
        frameOfText(tr("&Full changelog"), QStringLiteral("fraFullChangeLog"), page, txtFullChangeLog, nullptr), 2);
    setTabOrder(txtRecentChanges, txtFullChangeLog);
    return page;
}

cProduct& frmProduct::product() const {
    if (!m_links.product)
        throw Failure(tr("Object variable not set"));
    return *m_links.product;
}

void frmProduct::Form_Load() {
    Trap(QStringLiteral("Error in Form_Load: "), [&] {
        SSTab1->setCurrentIndex(0);
        dtpReleaseDate->SetShownDate(QDate::currentDate());
        dtpReleaseDate->SetValue(QDate());
        m_links.product = std::make_unique<cProduct>();
        if (m_links.editingModeProductID != 0) {
            setWindowTitle(tr("Modify product"));
            product().ProductID = m_links.editingModeProductID;
            m_loaded = product().Load();
            // Saving what could not be read in full would overwrite the stored values with blanks.
            cmdOK->setEnabled(m_loaded);
            ShowFormValues();
        } else {
            setWindowTitle(tr("New product"));
            product().ProductID = 0;
        }
    });
}

void frmProduct::ShowFormValues() {
    Trap(QStringLiteral("Error in ShowFormValues: "), [&] {
        const cProduct& p = product();
        for (const ProductField& f : ProductFields()) {
            if (f.text)
                setTextOf(findChild<QWidget*>(f.box), p.*f.text);
        }
        // A product without a release date leaves the picker unchecked, on today's date.
        dtpReleaseDate->SetValue(p.ReleaseDate);
    });
}

bool frmProduct::Validate() {
    bool valid = false;
    Trap(QStringLiteral("Error in Validate: "), [&] {
        if (txtName->text().trimmed().isEmpty()) {
            MsgBox(tr("Please choose a product name!"), Msg::Buttons::Ok, Msg::Icon::Information);
            SSTab1->setCurrentIndex(0);
            txtName->setFocus();
            return;
        }
        if (!dtpReleaseDate->Value().isValid()) {
            MsgBox(tr("Please choose the release date of your product!"), Msg::Buttons::Ok, Msg::Icon::Information);
            SSTab1->setCurrentIndex(0);
            dtpReleaseDate->setFocus();
            return;
        }
        cProduct& p = product();
        for (const ProductField& f : ProductFields()) {
            if (f.text)
                p.*f.text = textOf(findChild<QWidget*>(f.box));
        }
        p.ReleaseDate = dtpReleaseDate->Value();
        valid = true;
    });
    return valid;
}

bool frmProduct::SaveProduct() {
    bool saved = false;
    Trap(QStringLiteral("Error in: "), [&] {
        if (!Validate())
            return;
        if (m_links.editingModeProductID != 0) {
            saved = product().Update();
        } else {
            saved = product().Save();
            // A failed append leaves the window in new mode, so that OK can try again.
            if (saved)
                m_links.editingModeProductID = product().ProductID;
        }
    });
    return saved;
}

void frmProduct::cmdOK_Click() {
    Trap(QStringLiteral("Error in cmdOK_Click: "), [&] {
        cmdOK->setEnabled(false);
        cmdClose->setEnabled(false);
        if (!SaveProduct()) {
            cmdOK->setEnabled(true);
            cmdClose->setEnabled(true);
            return;
        }
        if (m_links.productSaved)
            m_links.productSaved();
        accept();
    });
}

void frmProduct::cmdCopy_Click() {
    Trap(QStringLiteral("Error in cmdCopy_Click: "), [&] {
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        if (m_lastFocused.isEmpty())
            return;
        if (const QObject* box = findChild<QObject*>(m_lastFocused))
            clipboard->setText(textOf(box));
    });
}

void frmProduct::cmdImportPad_Click() {
    Trap(QStringLiteral("Error in cmdImportPad_Click: "), [&] {
        frmPadSource source(txtPadUrl->text(), this);
        if (source.exec() == QDialog::Accepted)
            FillFromPad(source.Read(), source.WebAddress());
    });
}

void frmProduct::FillFromPad(const PadReadResult& read, const QString& webAddress) {
    Trap(QStringLiteral("Error in FillFromPad: "), [&] {
        PadProduct pad = read.product;
        if (!pad.PadLocation && !webAddress.isEmpty())
            pad.PadLocation = webAddress;
        QStringList filled;
        QStringList problems = read.problems;
        for (const ProductField& f : ProductFields()) {
            if (f.kind == ProductField::Kind::Date && pad.ReleaseDate) {
                dtpReleaseDate->SetValue(*pad.ReleaseDate);
                filled << f.caption;
            }
            std::optional<QString> value = f.pad ? pad.*f.pad : std::nullopt;
            QWidget* box = findChild<QWidget*>(f.box);
            // Given bytes only, the kilobytes follow them as they follow typed bytes.
            if (f.pad == &PadProduct::SizeKB && !value && pad.SizeBytes) {
                value = pad.SizeBytes;
                box = txtSizeBytes;
            }
            if (!value)
                continue;
            if (auto* line = qobject_cast<QLineEdit*>(box); line && value->size() > line->maxLength()) {
                // A box would cut a longer text silently.
                problems << tr("%1: longer than the box's %2 characters.").arg(f.caption).arg(line->maxLength());
                continue;
            }
            setTextOf(box, *value);
            filled << f.caption;
        }

        QString text = filled.isEmpty() ? tr("The PAD file filled no box.")
                                        : tr("Filled from the PAD file: %1.\nNothing is stored until you press OK.")
                                              .arg(filled.join(QLatin1String(", ")));
        if (!read.repairs.isEmpty())
            text +=
                tr("\n\nThe file is not well-formed; mended before reading:\n") + read.repairs.join(QLatin1Char('\n'));
        if (!problems.isEmpty())
            text += tr("\n\nNot filled:\n") + problems.join(QLatin1Char('\n'));
        else if (filled.isEmpty())
            text += tr(" It holds none of the product's fields.");
        MsgBox(text, Msg::Buttons::Ok,
               problems.isEmpty() && read.repairs.isEmpty() ? Msg::Icon::Information : Msg::Icon::Exclamation);
    });
}

PadProduct frmProduct::PadFromForm() const {
    PadProduct pad;
    for (const ProductField& f : ProductFields()) {
        if (f.pad)
            pad.*f.pad = textOf(findChild<QWidget*>(f.box));
    }
    if (const QDate date = dtpReleaseDate->Value(); date.isValid())
        pad.ReleaseDate = date;
    pad.SizeBytes = txtSizeBytes->text();
    return pad;
}

void frmProduct::cmdExportPad_Click() {
    Trap(QStringLiteral("Error in cmdExportPad_Click: "), [&] {
        const QString path =
            GetSaveFileName(this, tr("Export PAD file"),
                            SuggestedFileName(txtName->text(), QStringLiteral("pad"), QStringLiteral(".xml")),
                            tr("PAD files (*.xml);;All files (*)"));
        if (path.isEmpty())
            return;
        try {
            WriteWholeFile(path, WritePad(PadFromForm()));
        } catch (const Failure& e) {
            MsgBox(e.description(), Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        MsgBox(tr("The PAD file was written to %1.").arg(QDir::toNativeSeparators(path)), Msg::Buttons::Ok,
               Msg::Icon::Information);
    });
}

void frmProduct::VisitUrl(const QString& url) {
    Trap(QStringLiteral("Error in VisitProduct: "), [&] {
        if (!url.isEmpty())
            ShellOpen(QStringLiteral("Open"), url);
    });
}

// Each box follows the one being typed in but never writes back into it: otherwise every keystroke would be
// rounded away (typing 1536 bytes would end as 1024, 1.5 KB as 2).
void frmProduct::txtSizeKB_Change() {
    followSize(txtSizeBytes, BytesTextForKB(txtSizeKB->text()));
}

void frmProduct::txtSizeBytes_Change() {
    followSize(txtSizeKB, KBTextForBytes(txtSizeBytes->text()));
}

void frmProduct::followSize(QLineEdit* follower, const std::optional<QString>& text) {
    if (m_sizeFollowing)
        return;
    m_sizeFollowing = true;
    setIfDifferent(follower, text);
    m_sizeFollowing = false;
}

bool frmProduct::eventFilter(QObject* watched, QEvent* event) {
    // Only the text boxes watch their focus, so the name recorded is always a text box's.
    if (event->type() == QEvent::FocusIn)
        m_lastFocused = watched->objectName();
    return QDialog::eventFilter(watched, event);
}
