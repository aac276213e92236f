#pragma once

#include <QString>

#include <functional>
#include <optional>

// The one gateway to message boxes and input boxes: nothing else in the program shows one.
namespace Msg {
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { None, Ok, Cancel, Yes, No };
} // namespace Msg

inline const QString AppTitle = QStringLiteral("QuillomarPADsubmitter");

struct MsgBoxRecord {
    QString text;
    Msg::Buttons buttons;
    Msg::Icon icon;
    Msg::Answer defaultButton;
    QString title;
};

// Shows a modal box; an empty title shows the application title. Returns the button pressed.
Msg::Answer MsgBox(const QString& text, Msg::Buttons buttons = Msg::Buttons::Ok, Msg::Icon icon = Msg::Icon::None,
                   Msg::Answer defaultButton = Msg::Answer::None, const QString& title = {});

// Tests answer boxes instead of a user; an empty interceptor restores real boxes.
using MsgBoxInterceptor = std::function<Msg::Answer(const MsgBoxRecord&)>;
void SetMsgBoxInterceptor(MsgBoxInterceptor interceptor);

struct InputBoxRecord {
    QString text;
    QString defaultValue;
    QString title;
};

// Asks for one line of text, prefilled with defaultValue; an empty title shows the application title. Returns the
// text as typed, or nothing when the user cancelled.
std::optional<QString> InputBox(const QString& text, const QString& defaultValue = {}, const QString& title = {});

// Tests type the answer instead of a user (nothing is a cancel); an empty interceptor restores real boxes.
using InputBoxInterceptor = std::function<std::optional<QString>(const InputBoxRecord&)>;
void SetInputBoxInterceptor(InputBoxInterceptor interceptor);
