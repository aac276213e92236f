#pragma once

#include "SiteListFile.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// Imports the sites of a list as people publish them (CSV, TSV, markdown, HTML, bookmarks, addresses one a line):
// shows what it read, lets the user pick the columns, and stores the new sites in one transaction. The reading
// and judging is SiteListFile's.
class frmSiteListImport final : public QDialog {
    Q_OBJECT
public:
    explicit frmSiteListImport(std::function<void()> rebuildSiteList, QWidget* parent = nullptr);

    void cmdBrowse_Click();
    // Reads the file named in txtFileName and previews it.
    void LoadFile();
    void cmdImport_Click();

    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QLabel* lblFormat = nullptr;
    QComboBox* cboNameColumn = nullptr; // first entry: named after the host
    QComboBox* cboAddressColumn = nullptr;
    QCheckBox* chkHeader = nullptr;
    QTreeWidget* lvwPreview = nullptr;
    QLabel* lblCounts = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void buildControls();
    void showColumns();
    void showPreview();

    std::function<void()> m_rebuildSiteList;
    SiteListFile::Table m_table;
    QList<SiteListFile::PreviewRow> m_preview;
    // The archive's normalised addresses, read at the first preview of a file and again after an import, not at each
    // change of a column.
    std::optional<QSet<QString>> m_knownAddresses;
};
