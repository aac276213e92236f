#pragma once

#include "MessageBox.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// Answers message and input boxes while it lives: scripted answers first, then each box's default (or its first
// button; an input box's prefilled text). Every box shown is logged.
class MsgBoxSpy final {
public:
    MsgBoxSpy();
    ~MsgBoxSpy();
    MsgBoxSpy(const MsgBoxSpy&) = delete;
    MsgBoxSpy& operator=(const MsgBoxSpy&) = delete;

    void answer(Msg::Answer next) { m_answers.enqueue(next); }
    const QList<MsgBoxRecord>& shown() const { return m_shown; }
    QStringList texts() const;
    // What the next input box gets typed; nothing is a cancel.
    void type(const std::optional<QString>& next) { m_typed.enqueue(next); }
    const QList<InputBoxRecord>& inputs() const { return m_inputs; }
    void clear() {
        m_shown.clear();
        m_inputs.clear();
    }

private:
    QList<MsgBoxRecord> m_shown;
    QQueue<Msg::Answer> m_answers;
    QList<InputBoxRecord> m_inputs;
    QQueue<std::optional<QString>> m_typed;
};

// Records what would be opened in an external program while it lives.
class ShellSpy final {
public:
    ShellSpy();
    ~ShellSpy();
    ShellSpy(const ShellSpy&) = delete;
    ShellSpy& operator=(const ShellSpy&) = delete;

    const QStringList& targets() const { return m_targets; }
    void clear() { m_targets.clear(); }

private:
    QStringList m_targets;
};

// Chooses files for the file-open and file-save dialogs while it lives; an empty answer (or none queued) is a
// cancel.
class FileDialogSpy final {
public:
    FileDialogSpy();
    ~FileDialogSpy();
    FileDialogSpy(const FileDialogSpy&) = delete;
    FileDialogSpy& operator=(const FileDialogSpy&) = delete;

    void choose(const QString& path) { m_choices.enqueue(path); }
    void chooseSave(const QString& path) { m_saveChoices.enqueue(path); }
    // What the last save dialog offered.
    QString suggested() const { return m_suggested; }

private:
    QQueue<QString> m_choices;
    QQueue<QString> m_saveChoices;
    QString m_suggested;
};

// Makes the database clock (the time stamps the program writes) read a chosen moment while it lives.
class FixedClock final {
public:
    explicit FixedClock(const QDateTime& moment);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void set(const QDateTime& moment) { m_moment = moment; }

private:
    QDateTime m_moment;
};
