#include "frmOptions.h"

#include "IniFile.h"
#include "MessageBox.h"
#include "Trap.h"
#include "modMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* choiceGroup(QWidget* parent, const QString& heading, const QString& lead, const QString& first,
                       const QString& second, QRadioButton* (&options)[2], const char* headingName,
                       const char* leadName, const char* optionName) {
    auto* group = new QGroupBox(heading, parent);
    group->setObjectName(QString::fromLatin1(headingName));
    auto* layout = new QVBoxLayout(group);
    auto* label = new QLabel(lead, group);
    label->setObjectName(QString::fromLatin1(leadName));
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    const QString texts[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        options[i] = new QRadioButton(texts[i], group);
        options[i]->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(optionName)).arg(i));
        row->addWidget(options[i]);
    }
    row->addStretch();
    layout->addLayout(row);
    return group;
}

// kwz.ini's Language key: empty follows the desktop. Each language is named in its own words.
const char* const kLanguageCodes[] = {"", "en", "de", "fr", "es"};

} // namespace

QLayout* frmOptions::languageRow() {
    cboLanguage = new QComboBox(this);
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    cboLanguage->addItems({tr("Desktop default"), QStringLiteral("English"), QStringLiteral("Deutsch"),
                           QStringLiteral("Fran\u00e7ais"), QStringLiteral("Espa\u00f1ol")});
    auto* label = new QLabel(tr("&Language"), this);
    label->setObjectName(QStringLiteral("lblLanguage"));
    label->setBuddy(cboLanguage);
    auto* note = new QLabel(tr("(from the next start)"), this);
    note->setObjectName(QStringLiteral("lblLanguageNote"));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(cboLanguage);
    row->addWidget(note);
    row->addStretch();
    return row;
}

frmOptions::frmOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QIcon(QStringLiteral(":/icons/quillomar.svg")).pixmap(64, 64));
    image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* groups = new QVBoxLayout;
    groups->addWidget(choiceGroup(this, tr("Pop up windows"), tr("When finding a pop window: "), tr("&Always block"),
                                  tr("As&k"), optPopUp, "Label1", "Label2", "optPopUp"));
    groups->addWidget(choiceGroup(this, tr("Default pad site ordering"),
                                  tr("Default ordering method in pad site listview"), tr("&Rank"), tr("&PAD site name"),
                                  optOrder, "lblDefaultDb", "Label5", "optOrder"));
    chkOpenHomeAtStart = new QCheckBox(tr("Open the program's &web site at start"), this);
    chkOpenHomeAtStart->setObjectName(QStringLiteral("chkOpenHomeAtStart"));
    groups->addWidget(chkOpenHomeAtStart);
    auto* run = new QGroupBox(tr("Submission run"), this);
    run->setObjectName(QStringLiteral("fraSubmissionRun"));
    auto* runLayout = new QVBoxLayout(run);
    chkNextRemainingSite = new QCheckBox(tr("After a status change, open the &next remaining site"), run);
    chkNextRemainingSite->setObjectName(QStringLiteral("chkNextRemainingSite"));
    chkFillAllAfterVisit = new QCheckBox(tr("&Fill all after a site is visited"), run);
    chkFillAllAfterVisit->setObjectName(QStringLiteral("chkFillAllAfterVisit"));
    chkNextOldVersionSite = new QCheckBox(tr("... or the next site marked &old version"), run);
    chkNextOldVersionSite->setObjectName(QStringLiteral("chkNextOldVersionSite"));
    for (auto [one, other] :
         {std::pair{chkNextRemainingSite, chkNextOldVersionSite}, {chkNextOldVersionSite, chkNextRemainingSite}})
        connect(one, &QCheckBox::toggled, other, [other = other](bool on) {
            if (on)
                other->setChecked(false);
        });
    runLayout->addWidget(chkNextRemainingSite);
    runLayout->addWidget(chkNextOldVersionSite);
    runLayout->addWidget(chkFillAllAfterVisit);
    setTabOrder(chkNextOldVersionSite, chkFillAllAfterVisit);
    groups->addWidget(run);
    groups->addLayout(languageRow());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(ok, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addWidget(image);
    body->addLayout(groups, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    // The window takes the size its contents need, at any scale and font.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void frmOptions::Form_Load() {
    Trap(QStringLiteral("Error in Form_Load: "), [&] {
        optOrder[gSitesOrder == 1 ? 1 : 0]->setChecked(true);
        optPopUp[gPopUpBlock == 1 ? 1 : 0]->setChecked(true);
        chkOpenHomeAtStart->setChecked(gOpenHomeAtStart);
        chkNextRemainingSite->setChecked(gNextRemainingSite);
        chkNextOldVersionSite->setChecked(gNextOldVersionSite && !gNextRemainingSite);
        chkFillAllAfterVisit->setChecked(gFillAllAfterVisit);
        const QString language = IniRead(gIniFile, QStringLiteral("preferences"), QStringLiteral("Language")).trimmed();
        for (int i = 0; i < cboLanguage->count(); ++i) {
            if (language == QLatin1String(kLanguageCodes[i]))
                cboLanguage->setCurrentIndex(i);
        }
    });
}

void frmOptions::cmdOK_Click() {
    Trap(QStringLiteral("Error in cmdOK_Click: "), [&] {
        // The choices apply either way; the user should know when they will not survive a restart.
        gSitesOrder = optOrder[1]->isChecked() ? 1 : 0;
        gPopUpBlock = optPopUp[0]->isChecked() ? 0 : 1;
        gOpenHomeAtStart = chkOpenHomeAtStart->isChecked();
        gNextRemainingSite = chkNextRemainingSite->isChecked();
        gNextOldVersionSite = chkNextOldVersionSite->isChecked();
        gFillAllAfterVisit = chkFillAllAfterVisit->isChecked();
        try {
            const QString section = QStringLiteral("preferences");
            IniWrite(gIniFile, section, QStringLiteral("SitesOrder"), QString::number(gSitesOrder));
            IniWrite(gIniFile, section, QStringLiteral("PopUpBlock"), QString::number(gPopUpBlock));
            IniWrite(gIniFile, section, QStringLiteral("OpenHomeAtStart"), QString::number(int(gOpenHomeAtStart)));
            IniWrite(gIniFile, section, QStringLiteral("NextRemainingSite"), QString::number(int(gNextRemainingSite)));
            IniWrite(gIniFile, section, QStringLiteral("NextOldVersionSite"),
                     QString::number(int(gNextOldVersionSite)));
            IniWrite(gIniFile, section, QStringLiteral("FillAllAfterVisit"), QString::number(int(gFillAllAfterVisit)));
            IniWrite(gIniFile, section, QStringLiteral("Language"),
                     QLatin1String(kLanguageCodes[cboLanguage->currentIndex()]));
        } catch (const Failure& e) {
            MsgBox(tr("The options could not be saved. %1\nThey apply until the program ends.").arg(e.description()),
                   Msg::Buttons::Ok, Msg::Icon::Exclamation);
        }
    });
    accept();
}
