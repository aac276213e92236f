#include "EditorWidgets.h"

#include "EditorValues.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTextCursor>

#include <limits>

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QWidget* SectionHeading(const QString& title, const QString& name, QWidget* parent, QWidget* buddy) {
    auto* heading = new QWidget(parent);
    heading->setObjectName(name);
    auto* layout = new QHBoxLayout(heading);
    layout->setContentsMargins(0, 6, 0, 0);
    auto* label = new QLabel(title, heading);
    label->setBuddy(buddy);
    if (buddy) // Qt names a box by the labels beside it only
        buddy->setAccessibleName(QString(title).remove(QLatin1Char('&')));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* rule = new QFrame(heading);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(label);
    layout->addWidget(rule, 1);
    return heading;
}

CheckableDateEdit::CheckableDateEdit(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_check = new QCheckBox(this);
    m_check->setObjectName(QStringLiteral("check"));
    m_check->setToolTip(tr("Check to give a date"));
    m_check->setAccessibleName(tr("Has a date"));
    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setAccessibleName(tr("Date"));
    m_date->setCalendarPopup(true);
    m_date->setEnabled(false);
    layout->addWidget(m_check);
    layout->addWidget(m_date, 1);
    setFocusProxy(m_check);
    connect(m_check, &QCheckBox::toggled, m_date, &QDateEdit::setEnabled);
}

QDate CheckableDateEdit::Value() const {
    return m_check->isChecked() ? m_date->date() : QDate();
}

void CheckableDateEdit::SetValue(const QDate& date) {
    if (date.isValid())
        m_date->setDate(date);
    m_check->setChecked(date.isValid());
}

void CheckableDateEdit::SetShownDate(const QDate& date) {
    m_date->setDate(date);
}

TextBox::TextBox(QWidget* parent, qsizetype maxLength) : QPlainTextEdit(parent), m_maxLength(maxLength) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

qsizetype TextBox::room() const {
    if (m_maxLength <= 0)
        return std::numeric_limits<qsizetype>::max();
    const qsizetype selected =
        CountedLength(textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    return m_maxLength - (CountedLength(toPlainText()) - selected);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (m_maxLength > 0) {
        const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
        const bool inserts = !typed.isEmpty() && (lineBreak || typed.at(0).isPrint()) &&
                             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (inserts && CountedLength(typed) > room()) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (m_maxLength <= 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // Take as much of the pasted text as fits, without splitting a character pair.
    qsizetype take = 0;
    qsizetype used = 0;
    const qsizetype available = room();
    while (take < text.size()) {
        const qsizetype step = text.at(take).isHighSurrogate() && take + 1 < text.size() ? 2 : 1;
        const qsizetype cost = text.at(take) == QLatin1Char('\n') ? 2 : step;
        if (used + cost > available)
            break;
        used += cost;
        take += step;
    }
    if (take > 0)
        insertPlainText(text.left(take));
}
