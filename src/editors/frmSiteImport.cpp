#include "frmSiteImport.h"

#include "ArchiveBackup.h"
#include "EditorWidgets.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "SiteAddress.h"
#include "SiteImport.h"
#include "Trap.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

// Between two looks at the event loop at most this long passes, and at most one percent of the lines.
constexpr qint64 kYieldIntervalMs = 50;

template <class Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QChar separatorFor(int option) {
    switch (option) {
    case 1:
        return QLatin1Char(';');
    case 2:
        return QLatin1Char(',');
    default:
        return QLatin1Char('\t');
    }
}

} // namespace

frmSiteImport::frmSiteImport(std::function<void()> rebuildSiteList, QWidget* parent)
    : QDialog(parent), m_rebuildSiteList(std::move(rebuildSiteList)) {
    setObjectName(QStringLiteral("frmSiteImport"));
    setWindowTitle(tr("Import PAD sites"));
    setModal(true);
    buildControls();
}

frmSiteImport::~frmSiteImport() = default;

void frmSiteImport::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(named(new QLabel(tr("This procedure will import a  list of PAD sites from a text file."), this),
                            QStringLiteral("Label1")));
    layout->addWidget(
        named(new QLabel(tr("Please note  that input file must be formatted as follows: NAME, URL."), this),
              QStringLiteral("Label2")));

    auto* fileRow = new QHBoxLayout;
    txtFileName = named(new QLineEdit(this), QStringLiteral("txtFileName"));
    cmdBrowse = named(new QPushButton(tr("Browse..."), this), QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);
    fileRow->addWidget(named(Caption(tr("Input file :"), txtFileName, this), QStringLiteral("Label3")));
    fileRow->addWidget(txtFileName, 1);
    fileRow->addWidget(cmdBrowse);
    layout->addLayout(fileRow);

    auto* fraFileType = named(new QGroupBox(tr("Field separator"), this), QStringLiteral("fraFileType"));
    auto* typeRow = new QHBoxLayout(fraFileType);
    optFileType = new QButtonGroup(this);
    const QString captions[] = {tr("Tab"), tr("';' Semi-colon "), tr("',' Comma")};
    for (int i = 0; i < 3; ++i) {
        auto* option = named(new QRadioButton(captions[i], fraFileType), QStringLiteral("optFileType_%1").arg(i));
        optFileType->addButton(option, i);
        typeRow->addWidget(option);
    }
    typeRow->addStretch(1);
    optFileType->button(0)->setChecked(true);
    layout->addWidget(fraFileType);
    chkSkipDuplicates =
        named(new QCheckBox(tr("Skip lines that duplicate a site"), this), QStringLiteral("chkSkipDuplicates"));
    layout->addWidget(chkSkipDuplicates);

    lblProgress = named(new QLabel(QStringLiteral("---"), this), QStringLiteral("lblProgress"));
    ProgressBar1 = named(new QProgressBar(this), QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    layout->addWidget(lblProgress);
    layout->addWidget(ProgressBar1);

    auto* buttons = new QHBoxLayout;
    cmdImport = named(new QPushButton(tr("Import"), this), QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdClose = named(new QPushButton(tr("Close"), this), QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    m_idleOnly = {txtFileName, cmdBrowse, fraFileType, chkSkipDuplicates, cmdImport, cmdClose};

    connect(cmdBrowse, &QPushButton::clicked, this, &frmSiteImport::cmdBrowse_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmSiteImport::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSiteImport::reject);
}

void frmSiteImport::cmdBrowse_Click() {
    const QString typed = txtFileName->text().trimmed();
    const QString chosen =
        GetOpenFileName(this, tr("Browse input file..."), typed.isEmpty() ? QString() : QFileInfo(typed).absolutePath(),
                        tr("Input file (*.txt *.csv *.tab *.asc)"));
    // A cancel keeps what the box holds, also a path typed after an earlier choice.
    if (!chosen.isEmpty())
        txtFileName->setText(chosen);
}

void frmSiteImport::cmdImport_Click() {
    if (m_importing)
        return;
    Trap(QStringLiteral("Error in cmdImport_Click: "), [&] {
        if (txtFileName->text().trimmed().isEmpty()) {
            MsgBox(tr("Please, choose a file to import from!"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        const QString path = txtFileName->text();
        m_separator = separatorFor(optFileType->checkedId());
        if (!CheckFirstRow(path, m_separator)) {
            MsgBox(tr("Separator character was not found in the first row of your input file. Please "
                      "check your input file and choose the right separator."),
                   Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        const qint32 count = FileLineCount(path);
        if (count == 0) {
            MsgBox(tr("File is empty!"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        if (MsgBox(tr("File  to import contains %1 lines (sites). Do you want to proceed?").arg(count),
                   Msg::Buttons::YesNo, Msg::Icon::Exclamation, Msg::Answer::None,
                   tr("Importing PAD site list")) != Msg::Answer::Yes)
            return;
        if (!BackUpBeforeChange())
            return;

        qint32 inserted = 0;
        bool finished = false;
        {
            setImporting(true);
            // Every way out, a failure included, enables the buttons again before anything is shown.
            const auto idle = qScopeGuard([this] { setImporting(false); });
            const QStringList lines = SiteImport::ReadLines(path);
            m_skipped = 0;
            m_knownAddresses = chkSkipDuplicates->isChecked() ? NormalizedSiteAddresses() : QSet<QString>();
            m_inserter = std::make_unique<SiteImport::Inserter>();
            finished = ImportLines(lines, inserted);
        }
        const QString skipped =
            chkSkipDuplicates->isChecked() ? tr(" Skipped %1 lines that duplicate a site.").arg(m_skipped) : QString();
        // A run whose every line was refused imported nothing and must not read like an import.
        if (finished && inserted > 0)
            MsgBox(tr("Imported %1 PAD sites.").arg(inserted) + skipped);
        else if (finished)
            MsgBox(tr("No PAD sites were imported.") + skipped, Msg::Buttons::Ok, Msg::Icon::Exclamation);
        // Also after a stop: the rows inserted until then are in the database and should show.
        if (m_rebuildSiteList)
            m_rebuildSiteList();
        if (m_closeRequested)
            reject();
    });
}

bool frmSiteImport::ImportLines(const QStringList& lines, qint32& inserted) {
    // A look at the event loop after every line would cost more than the line; looking at every percent of
    // progress and at least every kYieldIntervalMs keeps the window painted and Esc and close seen.
    QElapsedTimer sinceYield;
    sinceYield.start();
    int shownPercent = 0;
    ProgressBar1->setValue(0);
    qint32 lineNumber = 0;
    for (const QString& line : lines) {
        if (m_closeRequested)
            return false;
        ++lineNumber;
        lblProgress->setText(tr("Importing: %1").arg(lineNumber));
        if (DuplicatesASite(line))
            ++m_skipped;
        else if (ParseAndInsert(line, lineNumber))
            ++inserted;
        else if (MsgBox(tr("An error occured. Stop importing?"), Msg::Buttons::YesNo, Msg::Icon::Question,
                        Msg::Answer::None, tr("Error during import")) == Msg::Answer::Yes)
            return false;
        const int percent = static_cast<int>(qint64(lineNumber) * 100 / lines.size());
        if (percent != shownPercent || sinceYield.elapsed() >= kYieldIntervalMs) {
            shownPercent = percent;
            ProgressBar1->setValue(percent);
            QCoreApplication::processEvents();
            sinceYield.restart();
        }
    }
    return !m_closeRequested;
}

bool frmSiteImport::CheckFirstRow(const QString& path, QChar separator) {
    bool found = false;
    Trap(QStringLiteral("Error in CheckFirstRow: "), [&] {
        const QStringList lines = SiteImport::ReadLines(path);
        if (lines.isEmpty())
            throw Failure(tr("The file %1 holds no lines.").arg(path));
        found = SiteImport::FirstRowHasSeparator(lines.first(), separator);
    });
    return found;
}

qint32 frmSiteImport::FileLineCount(const QString& path) {
    qint32 count = 0;
    Trap(QStringLiteral("Error in FileLineCount: "),
         [&] { count = static_cast<qint32>(SiteImport::ReadLines(path).size()); });
    return count;
}

bool frmSiteImport::ParseAndInsert(const QString& line, qint32 lineNumber) {
    try {
        m_inserter->Insert(SiteImport::ParseLine(line, m_separator));
        if (chkSkipDuplicates->isChecked())
            m_knownAddresses.insert(m_lineAddress);
        return true;
    } catch (const std::exception& e) {
        // A failure here has no number; the line's number tells the user which line to mend.
        MsgBox(TranslatedTrapPrefix(QStringLiteral("Error in ParseAndInsert: ")) + FailureText(e) +
                   tr(" Line: %1").arg(lineNumber),
               Msg::Buttons::Ok, Msg::Icon::Critical);
        return false;
    }
}

bool frmSiteImport::DuplicatesASite(const QString& line) {
    if (!chkSkipDuplicates->isChecked())
        return false;
    try {
        m_lineAddress = NormalizedSiteAddress(SiteImport::ParseLine(line, m_separator).submitUrl);
    } catch (const Failure&) {
        return false; // ParseAndInsert reports the line
    }
    return m_knownAddresses.contains(m_lineAddress);
}

void frmSiteImport::setImporting(bool importing) {
    m_importing = importing;
    if (importing)
        m_closeRequested = false;
    else
        m_inserter.reset(); // the import's connection closes with it
    for (QWidget* widget : std::as_const(m_idleOnly))
        widget->setEnabled(!importing);
    if (!importing)
        cmdImport->setFocus();
}

void frmSiteImport::reject() {
    if (m_importing) {
        // The import loop stops before its next line and closes the window then; the file was read whole
        // before the first line, so none is left open.
        m_closeRequested = true;
        return;
    }
    QDialog::reject();
}
