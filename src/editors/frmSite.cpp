#include "frmSite.h"

#include "BusyGuard.h"
#include "EditorValues.h"
#include "EditorWidgets.h"
#include "FormMaps.h"
#include "MessageBox.h"
#include "ProductFields.h"
#include "Trap.h"
#include "cSite.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

template <class Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A small button beside a box, as wide as its text needs: a tool button is never the default, so Enter in the
// window stays with OK. The side buttons fill their column, so that they line up.
QToolButton* sideButton(const QString& text, const QString& name, const QString& toolTip, QWidget* parent) {
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    return button;
}

QString longDateAndTime(const QDateTime& moment) {
    return QLocale().toString(moment.date(), QLocale::LongFormat) + QLatin1Char(' ') +
           moment.time().toString(QStringLiteral("HH:mm"));
}

void showDate(QLabel* title, QLabel* value, const QDateTime& moment) {
    title->setVisible(moment.isValid());
    value->setVisible(moment.isValid());
    if (moment.isValid())
        value->setText(longDateAndTime(moment));
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

frmSite::frmSite(SiteEditorLinks links, QWidget* parent) : QDialog(parent), m_links(std::move(links)) {
    setObjectName(QStringLiteral("frmSite"));
    setModal(true);
    buildControls();
    Form_Load();
}

frmSite::~frmSite() {
    // Form_Unload: the record lives exactly as long as the window.
    m_links.site.reset();
}

void frmSite::buildControls() {
    // One grid for the whole window (caption, box, side button), so that every box lines up.
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid, 1);
    int row = 0;
    const auto addRow = [&](const QString& text, QWidget* field, QWidget* side = nullptr) {
        auto* label = Caption(text, field, this);
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(field, row, 1);
        if (side)
            grid->addWidget(side, row, 2);
        ++row;
        return label;
    };
    const auto addSection = [&](const QString& title, const QString& name, QWidget* buddy = nullptr) {
        grid->addWidget(SectionHeading(title, name, this, buddy), row++, 0, 1, 3);
    };
    // An option pair in its own container, so that its buttons exclude only each other.
    const auto optionPair = [&](QButtonGroup*& group, const QString& name, std::initializer_list<int> ids) {
        auto* box = named(new QWidget(this), QStringLiteral("fra") + name);
        auto* boxLayout = new QHBoxLayout(box);
        boxLayout->setContentsMargins(0, 0, 0, 0);
        group = new QButtonGroup(this);
        for (const int id : ids) {
            auto* option =
                named(new QRadioButton(id ? tr("Yes") : tr("No"), box), QStringLiteral("opt%1_%2").arg(name).arg(id));
            group->addButton(option, id);
            boxLayout->addWidget(option);
        }
        boxLayout->addStretch(1);
        return box;
    };

    txtName = named(new QLineEdit(this), QStringLiteral("txtName"));
    const QString visitToolTip = tr("Open Link in your default browser");
    txtHomePage = named(new QLineEdit(this), QStringLiteral("txtHomePage"));
    cmdVisitHomePage = sideButton(QStringLiteral("->"), QStringLiteral("cmdVisitHomePage"), visitToolTip, this);
    txtSubmitUrl = named(new QLineEdit(this), QStringLiteral("txtSubmitUrl"));
    cmdVisitSubmitUrl = sideButton(QStringLiteral("->"), QStringLiteral("cmdVisitSubmitUrl"), visitToolTip, this);
    addRow(tr("&Name:"), txtName);
    addRow(tr("&Home page:"), txtHomePage, cmdVisitHomePage);
    addRow(tr("&Submit URL:"), txtSubmitUrl, cmdVisitSubmitUrl);

    QWidget* autoUpdate = optionPair(optAutoUpdate, QStringLiteral("AutoUpdate"), {0, 1});
    addRow(tr("&Auto Update PAD URL:"), autoUpdate)->setBuddy(optAutoUpdate->button(0));
    txtRank = named(new QLineEdit(this), QStringLiteral("txtRank"));
    txtRank->setFixedWidth(txtRank->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    txtRank->installEventFilter(this);
    addRow(tr("&Rank:"), txtRank);

    addSection(tr("Access Information"), QStringLiteral("fraAccessInformation"));
    QWidget* authRequired = optionPair(optAuthRequired, QStringLiteral("AuthRequired"), {1, 0});
    addRow(tr("Require a&uthentication:"), authRequired)->setBuddy(optAuthRequired->button(1));
    txtUserID = named(new QLineEdit(this), QStringLiteral("txtUserID"));
    txtPassword = named(new QLineEdit(this), QStringLiteral("txtPassword"));
    cmdShowPwd = sideButton(QStringLiteral("*"), QStringLiteral("cmdShowPwd"), tr("Show/Hide"), this);
    addRow(tr("User&ID:"), txtUserID);
    addRow(tr("&Password:"), txtPassword, cmdShowPwd);

    txtNotes = named(new QPlainTextEdit(this), QStringLiteral("txtNotes"));
    txtNotes->setTabChangesFocus(true);
    txtNotes->setMinimumHeight(txtNotes->fontMetrics().lineSpacing() * 4 + 12);
    addSection(tr("No&tes"), QStringLiteral("fraNotes"), txtNotes);
    grid->addWidget(txtNotes, row, 0, 1, 3);
    grid->setRowStretch(row++, 1);

    addSection(tr("Dates"), QStringLiteral("fraDates"));
    lblInsertDate = named(new QLabel(QStringLiteral("..."), this), QStringLiteral("lblInsertDate"));
    lblUpdateDate = named(new QLabel(QStringLiteral("..."), this), QStringLiteral("lblUpdateDate"));
    lblInsertDateCaption = addRow(tr("Insert date:"), lblInsertDate);
    lblUpdateDateCaption = addRow(tr("Last mod. :"), lblUpdateDate);

    lvwLearnedFields = named(new QTreeWidget(this), QStringLiteral("lvwLearnedFields"));
    lvwLearnedFields->setRootIsDecorated(false);
    lvwLearnedFields->setHeaderLabels({tr("Form"), tr("Field"), tr("Takes"), tr("Learned")});
    lvwLearnedFields->setMinimumHeight(lvwLearnedFields->fontMetrics().lineSpacing() * 5);
    cmdForgetLearned = named(new QPushButton(tr("Forget learned fields"), this), QStringLiteral("cmdForgetLearned"));
    cmdForgetLearned->setAutoDefault(false);
    addSection(tr("Learned fields"), QStringLiteral("fraLearnedFields"), lvwLearnedFields);
    grid->addWidget(lvwLearnedFields, row++, 0, 1, 3);
    grid->addWidget(cmdForgetLearned, row++, 0, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    cmdOK = named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdClose = named(new QPushButton(tr("Close"), this), QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClose);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    // Room for an address of some 80 characters at first; the layout sets the least size.
    resize(minimumSizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * 80, 0)));

    QWidget* order[] = {txtName,
                        txtHomePage,
                        cmdVisitHomePage,
                        txtSubmitUrl,
                        cmdVisitSubmitUrl,
                        optAutoUpdate->button(0),
                        optAutoUpdate->button(1),
                        txtRank,
                        optAuthRequired->button(1),
                        optAuthRequired->button(0),
                        txtUserID,
                        txtPassword,
                        cmdShowPwd,
                        txtNotes,
                        lvwLearnedFields,
                        cmdForgetLearned,
                        cmdOK,
                        cmdClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdOK, &QPushButton::clicked, this, &frmSite::cmdOK_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSite::reject);
    connect(cmdShowPwd, &QToolButton::clicked, this, &frmSite::cmdShowPwd_Click);
    connect(cmdVisitHomePage, &QToolButton::clicked, this, &frmSite::cmdVisitHomePage_Click);
    connect(cmdVisitSubmitUrl, &QToolButton::clicked, this, &frmSite::cmdVisitSubmitUrl_Click);
    connect(cmdForgetLearned, &QPushButton::clicked, this, &frmSite::cmdForgetLearned_Click);
}

cSite& frmSite::site() const {
    if (!m_links.site)
        throw Failure(tr("Object variable not set"));
    return *m_links.site;
}

void frmSite::Form_Load() {
    Trap(QStringLiteral("Error in Form_Load: "), [&] {
        txtPassword->setEchoMode(QLineEdit::Password);
        optAutoUpdate->button(0)->setChecked(true);
        optAuthRequired->button(0)->setChecked(true);
        m_links.site = std::make_unique<cSite>();
        if (m_links.editingModeSiteID != 0) {
            setWindowTitle(tr("Modify Site Properties"));
            site().SiteID = m_links.editingModeSiteID;
            m_loaded = site().Load();
            // Saving what could not be read in full would overwrite the stored values with blanks.
            cmdOK->setEnabled(m_loaded);
            ShowFormValues();
            ShowLearnedFields();
        } else {
            setWindowTitle(tr("New Site"));
            site().SiteID = 0;
            cmdForgetLearned->setEnabled(false);
        }
    });
}

void frmSite::ShowLearnedFields() {
    Trap(QStringLiteral("Error in ShowLearnedFields: "), [&] {
        lvwLearnedFields->clear();
        for (const FormMapField& field : ReadFormMaps(m_links.editingModeSiteID)) {
            const ProductField* column = ProductFieldOfColumn(field.column);
            lvwLearnedFields->addTopLevelItem(
                new QTreeWidgetItem({field.formPath, field.fieldKey, column ? column->caption : tr("leave empty"),
                                     field.learnDate.left(10)}));
        }
        cmdForgetLearned->setEnabled(lvwLearnedFields->topLevelItemCount() > 0);
    });
}

void frmSite::cmdForgetLearned_Click() {
    if (MsgBox(tr("Forget every field learned of this site's forms? Fill all then judges them by their "
                  "words again."),
               Msg::Buttons::YesNo, Msg::Icon::Question, Msg::Answer::No,
               tr("Forget learned fields")) != Msg::Answer::Yes)
        return;
    Trap(QStringLiteral("Error in cmdForgetLearned_Click: "), [&] { ForgetFormMaps(m_links.editingModeSiteID); });
    ShowLearnedFields();
}

void frmSite::ShowFormValues() {
    Trap(QStringLiteral("Error in ShowFormValues: "), [&] {
        const cSite& s = site();
        txtName->setText(s.Name);
        txtHomePage->setText(s.HomePage);
        txtSubmitUrl->setText(s.SubmitUrl);
        txtRank->setText(QString::number(s.Rank));
        optAutoUpdate->button(s.AutoUpdate ? 1 : 0)->setChecked(true);
        optAuthRequired->button(s.AuthReq ? 1 : 0)->setChecked(true);
        txtUserID->setText(s.UserID);
        txtPassword->setText(s.Password);
        txtNotes->setPlainText(s.Notes);
        showDate(lblInsertDateCaption, lblInsertDate, s.Insertdate);
        showDate(lblUpdateDateCaption, lblUpdateDate, s.UpdateDate);
    });
}

bool frmSite::Validate() {
    bool valid = false;
    Trap(QStringLiteral("Error in Validate: "), [&] {
        cSite& s = site();
        s.Name = txtName->text();
        s.HomePage = txtHomePage->text();
        if (txtSubmitUrl->text().trimmed().isEmpty()) {
            MsgBox(tr("Please insert submit url for Site!"), Msg::Buttons::Ok, Msg::Icon::Information);
            txtSubmitUrl->setFocus();
            return;
        }
        s.SubmitUrl = txtSubmitUrl->text();
        s.Rank = RankFromText(txtRank->text());
        s.AutoUpdate = optAutoUpdate->checkedId() != 0;
        s.AuthReq = optAuthRequired->checkedId() != 0;
        s.UserID = txtUserID->text();
        s.Password = txtPassword->text();
        s.Notes = txtNotes->toPlainText();
        valid = true;
    });
    return valid;
}

bool frmSite::SaveSite() {
    bool saved = false;
    Trap(QStringLiteral("Error in: "), [&] {
        if (!Validate())
            return;
        const BusyGuard busy(nullptr);
        if (m_links.editingModeSiteID != 0) {
            saved = site().Update();
        } else {
            saved = site().Save();
            // A failed append leaves the window in new mode, so that OK can try again.
            if (saved)
                m_links.editingModeSiteID = site().SiteID;
        }
    });
    return saved;
}

void frmSite::cmdOK_Click() {
    Trap(QStringLiteral("Error in cmdOK_Click: "), [&] {
        if (!SaveSite())
            return;
        {
            const BusyGuard busy(nullptr);
            if (m_links.siteSaved)
                m_links.siteSaved(m_links.editingModeSiteID);
        }
        accept();
    });
}

void frmSite::cmdShowPwd_Click() {
    txtPassword->setEchoMode(txtPassword->echoMode() == QLineEdit::Password ? QLineEdit::Normal : QLineEdit::Password);
}

void frmSite::cmdVisitHomePage_Click() {
    QString address = txtHomePage->text();
    if (!address.isEmpty() && m_links.visitSite)
        m_links.visitSite(address);
}

void frmSite::cmdVisitSubmitUrl_Click() {
    QString address = txtSubmitUrl->text();
    if (!address.isEmpty() && m_links.visitSite)
        m_links.visitSite(address);
}

bool frmSite::eventFilter(QObject* watched, QEvent* event) {
    // The rank box takes typed digits only; pasted text is read by its leading number when saved.
    if (watched == txtRank && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool typesCharacter = !text.isEmpty() && text.at(0).isPrint() &&
                                    !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typesCharacter && !std::all_of(text.begin(), text.end(), isAsciiDigit))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
