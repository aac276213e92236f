#include "Spies.h"

#include "DateText.h"
#include "FileDialog.h"
#include "Shell.h"

namespace {

Msg::Answer firstButton(Msg::Buttons buttons) {
    return buttons == Msg::Buttons::Ok || buttons == Msg::Buttons::OkCancel ? Msg::Answer::Ok : Msg::Answer::Yes;
}

} // namespace

MsgBoxSpy::MsgBoxSpy() {
    SetMsgBoxInterceptor([this](const MsgBoxRecord& record) {
        m_shown << record;
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        return record.defaultButton != Msg::Answer::None ? record.defaultButton : firstButton(record.buttons);
    });
    SetInputBoxInterceptor([this](const InputBoxRecord& record) {
        m_inputs << record;
        return m_typed.isEmpty() ? std::optional<QString>(record.defaultValue) : m_typed.dequeue();
    });
}

MsgBoxSpy::~MsgBoxSpy() {
    SetMsgBoxInterceptor({});
    SetInputBoxInterceptor({});
}

QStringList MsgBoxSpy::texts() const {
    QStringList result;
    for (const MsgBoxRecord& record : m_shown)
        result << record.text;
    return result;
}

ShellSpy::ShellSpy() {
    SetShellInterceptor([this](const QString&, const QString& target) { m_targets << target; });
}

ShellSpy::~ShellSpy() {
    SetShellInterceptor({});
}

FileDialogSpy::FileDialogSpy() {
    SetFileDialogInterceptor(
        [this](const QString&, const QString&) { return m_choices.isEmpty() ? QString() : m_choices.dequeue(); });
    SetSaveFileDialogInterceptor([this](const QString&, const QString& suggested, const QString&) {
        m_suggested = suggested;
        return m_saveChoices.isEmpty() ? QString() : m_saveChoices.dequeue();
    });
}

FileDialogSpy::~FileDialogSpy() {
    SetFileDialogInterceptor({});
    SetSaveFileDialogInterceptor({});
}

FixedClock::FixedClock(const QDateTime& moment) : m_moment(moment) {
    SetDbClock([this] { return m_moment; });
}

FixedClock::~FixedClock() {
    SetDbClock({});
}
