#pragma once

#include <QDate>
#include <QPlainTextEdit>
#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;

// A caption whose mnemonic moves the focus to its buddy.
QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent);

// A section title over a group of rows: bold text and a rule, adding no indentation, so that the rows
// of every section line up with each other. A title with a mnemonic moves the focus to its buddy.
QWidget* SectionHeading(const QString& title, const QString& name, QWidget* parent, QWidget* buddy = nullptr);

// A date picker with a check box: unchecked means no date.
class CheckableDateEdit final : public QWidget {
    Q_OBJECT
public:
    explicit CheckableDateEdit(QWidget* parent = nullptr);

    // The chosen date; a null date while unchecked.
    QDate Value() const;
    // A null date unchecks the picker and keeps the date it shows.
    void SetValue(const QDate& date);
    // Shows a date without checking the picker.
    void SetShownDate(const QDate& date);

    QCheckBox* CheckBox() const { return m_check; }
    QDateEdit* DateEdit() const { return m_date; }

private:
    QCheckBox* m_check = nullptr;
    QDateEdit* m_date = nullptr;
};

// A multi-line box whose typing and pasting stop at a length counted as CountedLength does (0: no limit).
// Text put there by the program is never cut. Tab moves the focus on instead of typing a tab.
class TextBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr, qsizetype maxLength = 0);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    qsizetype room() const;

    qsizetype m_maxLength = 0;
};
