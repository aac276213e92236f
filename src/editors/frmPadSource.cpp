#include "frmPadSource.h"

#include "EditorWidgets.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "PadDownload.h"
#include "Trap.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

frmPadSource::frmPadSource(const QString& address, QWidget* parent)
    : QDialog(parent), m_download(new PadDownload(this)) {
    setObjectName(QStringLiteral("frmPadSource"));
    setWindowTitle(tr("Import PAD file"));
    setModal(true);

    txtPadSource = new QLineEdit(address, this);
    txtPadSource->setObjectName(QStringLiteral("txtPadSource"));
    txtPadSource->setPlaceholderText(tr("https://www.example.com/pad.xml or a file on this computer"));
    txtPadSource->setMinimumWidth(txtPadSource->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('x'))));
    cmdBrowse = new QPushButton(tr("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);
    prgDownload = new QProgressBar(this);
    prgDownload->setObjectName(QStringLiteral("prgDownload"));
    prgDownload->setRange(0, 0); // no length known in advance: a busy bar
    prgDownload->setTextVisible(false);
    prgDownload->setVisible(false);
    lblPadStatus = new QLabel(this);
    lblPadStatus->setObjectName(QStringLiteral("lblPadStatus"));
    lblPadStatus->setTextFormat(Qt::PlainText);
    lblPadStatus->setWordWrap(true);
    cmdImport = new QPushButton(tr("Import"), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Caption(tr("PAD file or web &address:"), txtPadSource, this), 0, 0, 1, 2);
    layout->addWidget(txtPadSource, 1, 0);
    layout->addWidget(cmdBrowse, 1, 1);
    layout->addWidget(prgDownload, 2, 0, 1, 2);
    layout->addWidget(lblPadStatus, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setRowStretch(3, 1);

    connect(cmdImport, &QPushButton::clicked, this, &frmPadSource::cmdImport_Click);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmPadSource::cmdBrowse_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPadSource::cmdCancel_Click);
    connect(m_download, &PadDownload::Finished, this, &frmPadSource::downloadFinished);
    txtPadSource->selectAll();
    txtPadSource->setFocus();
}

frmPadSource::~frmPadSource() = default;

void frmPadSource::cmdImport_Click() {
    Trap(QStringLiteral("Error in cmdImport_Click: "), [&] {
        const QString typed = txtPadSource->text().trimmed();
        const PadSource source = ClassifyPadSource(typed);
        switch (source.kind) {
        case PadSource::Kind::None:
            MsgBox(tr("Please type the address of a PAD file, or choose a file with Browse."), Msg::Buttons::Ok,
                   Msg::Icon::Information);
            txtPadSource->setFocus();
            return;
        case PadSource::Kind::Unsupported:
            refuse(typed, tr("Only http and https addresses and files on this computer can be read."));
            return;
        case PadSource::Kind::File: {
            const PadBytes file = ReadPadFile(source.path);
            if (!file.error.isEmpty()) {
                refuse(QDir::toNativeSeparators(source.path), file.error);
                return;
            }
            m_webAddress.clear();
            take(file.bytes, QDir::toNativeSeparators(source.path));
            return;
        }
        case PadSource::Kind::Web:
            m_downloadSource = source.url.toString();
            setDownloading(true, tr("Reading %1 ...").arg(m_downloadSource));
            m_download->Start(source.url);
            return;
        }
    });
}

void frmPadSource::cmdBrowse_Click() {
    Trap(QStringLiteral("Error in cmdBrowse_Click: "), [&] {
        const PadSource typed = ClassifyPadSource(txtPadSource->text());
        const QString folder = typed.kind == PadSource::Kind::File ? QFileInfo(typed.path).absolutePath() : QString();
        const QString chosen =
            GetOpenFileName(this, tr("Import PAD file"), folder, tr("PAD files (*.xml);;All files (*)"));
        if (chosen.isEmpty())
            return;
        txtPadSource->setText(QDir::toNativeSeparators(chosen));
        cmdImport->setFocus();
    });
}

void frmPadSource::cmdCancel_Click() {
    if (m_download->Running())
        m_download->Cancel();
    else
        reject();
}

void frmPadSource::reject() {
    // Closing the window abandons the download too; its report then finds the window closed and shows nothing.
    if (m_download->Running())
        m_download->Cancel();
    QDialog::reject();
}

void frmPadSource::downloadFinished() {
    Trap(QStringLiteral("Error in downloadFinished: "), [&] {
        const PadDownload::Result& result = m_download->LastResult();
        setDownloading(false, result.cancelled ? tr("The download was cancelled.") : QString());
        if (result.cancelled || !isVisible())
            return;
        if (!result.error.isEmpty()) {
            refuse(m_downloadSource, result.error);
            return;
        }
        m_webAddress = m_downloadSource;
        take(result.bytes, m_downloadSource);
    });
}

void frmPadSource::take(const QByteArray& bytes, const QString& source) {
    PadReadResult read = ParsePad(bytes);
    if (!read.ok()) {
        refuse(source, read.error);
        return;
    }
    m_read = std::move(read);
    accept();
}

void frmPadSource::refuse(const QString& source, const QString& reason) {
    MsgBox(tr("Nothing was imported from %1:\n%2").arg(source, reason), Msg::Buttons::Ok, Msg::Icon::Exclamation);
    txtPadSource->setFocus();
}

void frmPadSource::setDownloading(bool downloading, const QString& status) {
    txtPadSource->setEnabled(!downloading);
    cmdBrowse->setEnabled(!downloading);
    cmdImport->setEnabled(!downloading);
    prgDownload->setVisible(downloading);
    lblPadStatus->setText(status);
    if (downloading)
        cmdCancel->setFocus();
}
