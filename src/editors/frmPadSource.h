#pragma once

#include "PadFile.h"

#include <QDialog>

class PadDownload;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Asks for a PAD file or web address and reads it. Accepted only once a PAD file was read; every failure is one
// message and keeps the window open with the address, so that it can be corrected. While a download runs, the
// address and Import wait and Cancel stops the download; Escape or closing the window stops it and closes.
class frmPadSource final : public QDialog {
    Q_OBJECT
public:
    explicit frmPadSource(const QString& address, QWidget* parent = nullptr);
    ~frmPadSource() override;

    void cmdImport_Click();
    void cmdBrowse_Click();
    void cmdCancel_Click();
    void reject() override;

    // What was read, once accepted.
    const PadReadResult& Read() const { return m_read; }
    // The web address the file was read from as typed; empty for a local file.
    QString WebAddress() const { return m_webAddress; }
    PadDownload* Download() const { return m_download; }

    QLineEdit* txtPadSource = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QProgressBar* prgDownload = nullptr;
    QLabel* lblPadStatus = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void downloadFinished();
    void take(const QByteArray& bytes, const QString& source);
    void refuse(const QString& source, const QString& reason);
    void setDownloading(bool downloading, const QString& status = {});

    PadDownload* m_download = nullptr;
    QString m_downloadSource;
    PadReadResult m_read;
    QString m_webAddress;
};
