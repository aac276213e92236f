#include "frmSiteListImport.h"

#include "ArchiveBackup.h"
#include "EditorWidgets.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "SiteAddress.h"
#include "SiteImport.h"
#include "Trap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace SiteListFile;

namespace {

template <class Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

frmSiteListImport::frmSiteListImport(std::function<void()> rebuildSiteList, QWidget* parent)
    : QDialog(parent), m_rebuildSiteList(std::move(rebuildSiteList)) {
    setObjectName(QStringLiteral("frmSiteListImport"));
    setWindowTitle(tr("Import sites from a list"));
    setModal(true);
    buildControls();
    resize(sizeHint().expandedTo(QSize(720, 480)));
}

void frmSiteListImport::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("A CSV or TSV file, a markdown file, an HTML page, exported bookmarks "
                                    "or a list of addresses, one a line."),
                                 this));
    auto* fileRow = new QHBoxLayout;
    txtFileName = named(new QLineEdit(this), QStringLiteral("txtFileName"));
    cmdBrowse = named(new QPushButton(tr("Browse..."), this), QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);
    fileRow->addWidget(Caption(tr("&File:"), txtFileName, this));
    fileRow->addWidget(txtFileName, 1);
    fileRow->addWidget(cmdBrowse);
    layout->addLayout(fileRow);

    auto* columns = new QGridLayout;
    lblFormat = named(new QLabel(this), QStringLiteral("lblFormat"));
    cboNameColumn = named(new QComboBox(this), QStringLiteral("cboNameColumn"));
    cboAddressColumn = named(new QComboBox(this), QStringLiteral("cboAddressColumn"));
    chkHeader = named(new QCheckBox(tr("First row holds column names"), this), QStringLiteral("chkHeader"));
    columns->addWidget(Caption(tr("&Name column:"), cboNameColumn, this), 0, 0);
    columns->addWidget(cboNameColumn, 0, 1);
    columns->addWidget(Caption(tr("&Address column:"), cboAddressColumn, this), 1, 0);
    columns->addWidget(cboAddressColumn, 1, 1);
    columns->addWidget(chkHeader, 0, 2);
    columns->addWidget(lblFormat, 1, 2);
    columns->setColumnStretch(3, 1);
    layout->addLayout(columns);

    lvwPreview = named(new QTreeWidget(this), QStringLiteral("lvwPreview"));
    lvwPreview->setAccessibleName(tr("Preview"));
    lvwPreview->setRootIsDecorated(false);
    lvwPreview->setUniformRowHeights(true);
    lvwPreview->setHeaderLabels({tr("Name"), tr("Address"), tr("Note")});
    layout->addWidget(lvwPreview, 1);
    lblCounts = named(new QLabel(this), QStringLiteral("lblCounts"));
    layout->addWidget(lblCounts);

    auto* buttons = new QHBoxLayout;
    cmdImport = named(new QPushButton(tr("Import"), this), QStringLiteral("cmdImport"));
    cmdImport->setEnabled(false);
    cmdImport->setAutoDefault(false); // Enter in the file box reads the file; it must not import it as well
    cmdClose = named(new QPushButton(tr("Close"), this), QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmSiteListImport::cmdBrowse_Click);
    connect(txtFileName, &QLineEdit::returnPressed, this, &frmSiteListImport::LoadFile);
    connect(cmdImport, &QPushButton::clicked, this, &frmSiteListImport::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    const auto columnChosen = [this] {
        m_table.nameColumn = cboNameColumn->currentIndex() - 1;
        m_table.addressColumn = cboAddressColumn->currentIndex();
        showPreview();
    };
    connect(cboNameColumn, &QComboBox::currentIndexChanged, this, columnChosen);
    connect(cboAddressColumn, &QComboBox::currentIndexChanged, this, columnChosen);
    connect(chkHeader, &QCheckBox::toggled, this, [this](bool header) {
        m_table.hasHeader = header;
        showColumns();
        showPreview();
    });
}

void frmSiteListImport::cmdBrowse_Click() {
    const QString typed = txtFileName->text().trimmed();
    const QString chosen =
        GetOpenFileName(this, tr("Browse site list..."), typed.isEmpty() ? QString() : QFileInfo(typed).absolutePath(),
                        tr("Site lists (*.csv *.tsv *.tab *.txt *.md *.markdown *.html *.htm);;All files (*)"));
    if (chosen.isEmpty())
        return;
    txtFileName->setText(chosen);
    LoadFile();
}

void frmSiteListImport::LoadFile() {
    m_table = {};
    m_knownAddresses.reset();
    if (txtFileName->text().trimmed().isEmpty())
        MsgBox(tr("Please, choose a file to import from!"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
    else
        Trap(QStringLiteral("Error in LoadFile: "), [&] { m_table = ReadFile(txtFileName->text().trimmed()); });
    lblFormat->setText(m_table.format.isEmpty() ? QString() : tr("Read as: %1").arg(m_table.format));
    const QSignalBlocker block(chkHeader);
    chkHeader->setChecked(m_table.hasHeader);
    showColumns();
    showPreview();
}

void frmSiteListImport::showColumns() {
    const QSignalBlocker blockName(cboNameColumn);
    const QSignalBlocker blockAddress(cboAddressColumn);
    cboNameColumn->clear();
    cboAddressColumn->clear();
    const QStringList captions = m_table.captions();
    cboNameColumn->addItem(tr("(the address's host)"));
    cboNameColumn->addItems(captions);
    cboAddressColumn->addItems(captions);
    cboNameColumn->setCurrentIndex(m_table.nameColumn + 1);
    cboAddressColumn->setCurrentIndex(m_table.addressColumn);
}

void frmSiteListImport::showPreview() {
    m_preview.clear();
    Trap(QStringLiteral("Error in showPreview: "), [&] {
        if (!m_knownAddresses)
            m_knownAddresses = NormalizedSiteAddresses();
        m_preview = Preview(m_table, *m_knownAddresses);
    });
    lvwPreview->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(m_preview.size());
    int counts[3] = {0, 0, 0};
    for (const PreviewRow& row : std::as_const(m_preview)) {
        ++counts[int(row.verdict)];
        items << new QTreeWidgetItem(QStringList{row.name, row.address, VerdictText(row.verdict)});
    }
    lvwPreview->addTopLevelItems(items);
    lblCounts->setText(tr("%1 sites to import, %2 already in the list, %3 not web addresses.")
                           .arg(counts[int(Verdict::Import)])
                           .arg(counts[int(Verdict::AlreadyInList)])
                           .arg(counts[int(Verdict::NotWebAddress)]));
    cmdImport->setEnabled(counts[int(Verdict::Import)] > 0);
}

void frmSiteListImport::cmdImport_Click() {
    QList<SiteImport::Site> sites;
    for (const PreviewRow& row : std::as_const(m_preview))
        if (row.verdict == Verdict::Import)
            sites.append({row.name, row.address});
    if (sites.isEmpty() || !BackUpBeforeChange())
        return;
    if (!Trap(QStringLiteral("Error in cmdImport_Click: "), [&] { SiteImport::InsertAll(sites); }))
        return;
    MsgBox(tr("Imported %1 PAD sites.").arg(sites.size()));
    if (m_rebuildSiteList)
        m_rebuildSiteList();
    m_knownAddresses.reset();
    showPreview();
}
