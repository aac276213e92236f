#include "MessageBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

MsgBoxInterceptor& interceptor() {
    static MsgBoxInterceptor instance;
    return instance;
}

InputBoxInterceptor& inputInterceptor() {
    static InputBoxInterceptor instance;
    return instance;
}

QMessageBox::StandardButton standardButton(Msg::Answer answer) {
    switch (answer) {
    case Msg::Answer::Ok:
        return QMessageBox::Ok;
    case Msg::Answer::Cancel:
        return QMessageBox::Cancel;
    case Msg::Answer::Yes:
        return QMessageBox::Yes;
    case Msg::Answer::No:
        return QMessageBox::No;
    case Msg::Answer::None:
        break;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons standardButtons(Msg::Buttons buttons) {
    switch (buttons) {
    case Msg::Buttons::Ok:
        return QMessageBox::Ok;
    case Msg::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Msg::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Msg::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(Msg::Icon icon) {
    switch (icon) {
    case Msg::Icon::Critical:
        return QMessageBox::Critical;
    case Msg::Icon::Question:
        return QMessageBox::Question;
    case Msg::Icon::Exclamation:
        return QMessageBox::Warning;
    case Msg::Icon::Information:
        return QMessageBox::Information;
    case Msg::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Msg::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Msg::Answer::Ok;
    case QMessageBox::Yes:
        return Msg::Answer::Yes;
    case QMessageBox::No:
        return Msg::Answer::No;
    default:
        return Msg::Answer::Cancel;
    }
}

} // namespace

Msg::Answer MsgBox(const QString& text, Msg::Buttons buttons, Msg::Icon icon, Msg::Answer defaultButton,
                   const QString& title) {
    const MsgBoxRecord record{text, buttons, icon, defaultButton, title.isEmpty() ? AppTitle : title};
    if (interceptor())
        return interceptor()(record);

    QMessageBox box(standardIcon(icon), record.title, text, standardButtons(buttons), QApplication::activeWindow());
    if (defaultButton != Msg::Answer::None)
        box.setDefaultButton(standardButton(defaultButton));
    return answerOf(box.exec());
}

void SetMsgBoxInterceptor(MsgBoxInterceptor newInterceptor) {
    interceptor() = std::move(newInterceptor);
}

std::optional<QString> InputBox(const QString& text, const QString& defaultValue, const QString& title) {
    const InputBoxRecord record{text, defaultValue, title.isEmpty() ? AppTitle : title};
    if (inputInterceptor())
        return inputInterceptor()(record);

    bool accepted = false;
    const QString typed = QInputDialog::getText(QApplication::activeWindow(), record.title, text, QLineEdit::Normal,
                                                defaultValue, &accepted);
    return accepted ? std::optional<QString>(typed) : std::nullopt;
}

void SetInputBoxInterceptor(InputBoxInterceptor newInterceptor) {
    inputInterceptor() = std::move(newInterceptor);
}
