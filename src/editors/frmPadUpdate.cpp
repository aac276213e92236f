#include "frmPadUpdate.h"

#include "EditorValues.h"
#include "MessageBox.h"
#include "PadDownload.h"
#include "Trap.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmPadUpdate::frmPadUpdate(const cProduct& product, QWidget* parent)
    : QDialog(parent), m_product(product), m_download(new PadDownload(this)) {
    setObjectName(QStringLiteral("frmPadUpdate"));
    setWindowTitle(tr("Update from PAD file"));
    setModal(true);

    lblPadStatus = new QLabel(this);
    lblPadStatus->setObjectName(QStringLiteral("lblPadStatus"));
    lblPadStatus->setTextFormat(Qt::PlainText);
    lblPadStatus->setWordWrap(true);
    prgDownload = new QProgressBar(this);
    prgDownload->setObjectName(QStringLiteral("prgDownload"));
    prgDownload->setRange(0, 0);
    prgDownload->setTextVisible(false);
    lstChanges = new QListWidget(this);
    lstChanges->setObjectName(QStringLiteral("lstChanges"));
    lstChanges->setAccessibleName(tr("Changes"));
    lstChanges->setMinimumWidth(lstChanges->fontMetrics().horizontalAdvance(QString(70, QLatin1Char('x'))));
    cmdStore = new QPushButton(tr("&Store"), this);
    cmdStore->setObjectName(QStringLiteral("cmdStore"));
    cmdStore->setEnabled(false);
    cmdStore->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPadStatus);
    layout->addWidget(prgDownload);
    layout->addWidget(lstChanges, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdStore);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    connect(cmdStore, &QPushButton::clicked, this, &frmPadUpdate::cmdStore_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPadUpdate::reject);
    connect(m_download, &PadDownload::Finished, this, &frmPadUpdate::downloadFinished);
    // Messages about the file need the window's own event loop, so the reading starts from it.
    QTimer::singleShot(0, this, &frmPadUpdate::start);
}

frmPadUpdate::~frmPadUpdate() = default;

void frmPadUpdate::start() {
    Trap(QStringLiteral("Error in frmPadUpdate: "), [&] {
        const PadSource source = ClassifyPadSource(m_product.PADurl);
        switch (source.kind) {
        case PadSource::Kind::None:
            fail(tr("The product has no PAD address; set its PAD location in the product's properties."));
            return;
        case PadSource::Kind::Unsupported:
            fail(tr("Only http and https addresses and files on this computer can be read."));
            return;
        case PadSource::Kind::File: {
            const PadBytes file = ReadPadFile(source.path);
            if (file.error.isEmpty())
                take(file.bytes);
            else
                fail(file.error);
            return;
        }
        case PadSource::Kind::Web:
            lblPadStatus->setText(tr("Reading %1 ...").arg(source.url.toString()));
            m_download->Start(source.url);
            return;
        }
    });
}

void frmPadUpdate::downloadFinished() {
    const PadDownload::Result& result = m_download->LastResult();
    if (result.cancelled || !isVisible())
        return;
    if (result.error.isEmpty())
        take(result.bytes);
    else
        fail(result.error);
}

void frmPadUpdate::take(const QByteArray& bytes) {
    prgDownload->setVisible(false);
    const PadReadResult read = ParsePad(bytes);
    if (!read.ok()) {
        fail(read.error);
        return;
    }
    PadProduct pad = read.product;
    // Given bytes only, the kilobytes follow them as in the product editor.
    if (!pad.SizeKB && pad.SizeBytes)
        pad.SizeKB = KBTextForBytes(*pad.SizeBytes);
    m_changes = PadChanges(m_product, pad);
    if (m_changes.isEmpty()) {
        MsgBox(tr("The PAD file holds the stored values: nothing differs."), Msg::Buttons::Ok, Msg::Icon::Information);
        QDialog::reject();
        return;
    }
    for (const PadFieldChange& change : std::as_const(m_changes)) {
        auto* item = new QListWidgetItem(change.Text(), lstChanges);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    QStringList notes{
        tr("Checked fields are stored from the PAD file %1.").arg(QDir::toNativeSeparators(m_product.PADurl))};
    notes << read.repairs << read.problems;
    lblPadStatus->setText(notes.join(QLatin1Char('\n')));
    cmdStore->setEnabled(true);
    lstChanges->setFocus();
}

void frmPadUpdate::fail(const QString& reason) {
    MsgBox(tr("Nothing was updated from %1:\n%2").arg(m_product.PADurl, reason), Msg::Buttons::Ok,
           Msg::Icon::Exclamation);
    QDialog::reject();
}

void frmPadUpdate::cmdStore_Click() {
    Trap(QStringLiteral("Error in cmdStore_Click: "), [&] {
        QList<PadFieldChange> checked;
        for (int i = 0; i < lstChanges->count(); ++i) {
            if (lstChanges->item(i)->checkState() == Qt::Checked)
                checked << m_changes[i];
        }
        StorePadChanges(m_product.ProductID, checked);
        m_stored = checked;
        accept();
    });
}

void frmPadUpdate::reject() {
    if (m_download->Running())
        m_download->Cancel();
    QDialog::reject();
}
