#pragma once

#include "PadUpdate.h"
#include "cProduct.h"

#include <QDialog>

class PadDownload;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

// Reads the product's own PAD address (padURL) as soon as it opens and lists each field whose value there differs
// from the stored one as "Field: stored → in the file", checked. Store keeps the checked fields in one transaction
// and closes. When nothing differs, or the file is refused or cannot be read, one message says so and the window
// closes with nothing changed. Cancel stops a download and changes nothing.
class frmPadUpdate final : public QDialog {
    Q_OBJECT
public:
    explicit frmPadUpdate(const cProduct& product, QWidget* parent = nullptr);
    ~frmPadUpdate() override;

    void cmdStore_Click();
    void reject() override;

    // The changes stored, once accepted.
    const QList<PadFieldChange>& Stored() const { return m_stored; }
    PadDownload* Download() const { return m_download; }

    QLabel* lblPadStatus = nullptr;
    QProgressBar* prgDownload = nullptr;
    QListWidget* lstChanges = nullptr;
    QPushButton* cmdStore = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void start();
    void downloadFinished();
    void take(const QByteArray& bytes);
    void fail(const QString& reason);

    cProduct m_product;
    PadDownload* m_download = nullptr;
    QList<PadFieldChange> m_changes;
    QList<PadFieldChange> m_stored;
};
