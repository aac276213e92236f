#pragma once

#include <QChar>
#include <QDialog>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace SiteImport {
class Inserter;
}

// Adds PAD sites from a text file, one site a line: name and submit address separated by a chosen character.
class frmSiteImport final : public QDialog {
    Q_OBJECT
public:
    // rebuildSiteList rebuilds the main window's site list; it is called after every import that got to its
    // lines, finished or stopped, so that the rows it added show.
    explicit frmSiteImport(std::function<void()> rebuildSiteList, QWidget* parent = nullptr);
    ~frmSiteImport() override;

    void cmdBrowse_Click();
    void cmdImport_Click();
    bool Importing() const { return m_importing; }

    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QButtonGroup* optFileType = nullptr; // id 0 tab, 1 semicolon, 2 comma
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdClose = nullptr;
    QCheckBox* chkSkipDuplicates = nullptr; // off: every line is imported, as ever
    QLabel* lblProgress = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

public slots:
    // Close and Esc: while an import runs they stop it after the current line, and the window closes then.
    void reject() override;

private:
    void buildControls();
    bool CheckFirstRow(const QString& path, QChar separator);
    qint32 FileLineCount(const QString& path);
    bool ParseAndInsert(const QString& line, qint32 lineNumber);
    // With chkSkipDuplicates on: whether the line's address is a site's already (or an earlier line's).
    bool DuplicatesASite(const QString& line);
    // Inserts the lines; false when the user stopped the import.
    bool ImportLines(const QStringList& lines, qint32& inserted);
    void setImporting(bool importing);

    std::function<void()> m_rebuildSiteList;
    QChar m_separator = QLatin1Char('\t');
    std::unique_ptr<SiteImport::Inserter> m_inserter;
    bool m_importing = false;
    bool m_closeRequested = false;
    QList<QWidget*> m_idleOnly;     // enabled only while no import runs
    QSet<QString> m_knownAddresses; // normalised, while an import with chkSkipDuplicates runs
    QString m_lineAddress;          // the normalised address of the line in hand
    qint32 m_skipped = 0;
};
