// The program's two modal boxes, the warning and the error box, both shown
// through one replaceable presenter so that tests can record them.
#pragma once

#include <QString>

#include <functional>

namespace velorix {

enum class MessageKind { Warning, Error };

using MessagePresenter = std::function<void(MessageKind kind, const QString &text)>;

// Replaces the presenter and returns the previous one; an empty presenter
// restores the real boxes.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Shows a modal box with the text as given.
void ShowMessage(MessageKind kind, const QString &text);

// A warning: no icon, one OK button; the handler goes on after it.
inline void ShowWarning(const QString &text) { ShowMessage(MessageKind::Warning, text); }

// The error box: critical icon, one OK button, the text with its final period.
void ShowError(const QString &text);

// The error box's text: a final "." unless the text already ends in a
// character that sorts at or below "." in the Windows-1251 code order.
QString FinishErrorText(const QString &text);

// Runs a handler; an error it raises ends it and is shown in the error box,
// so no error unwinds into Qt's event dispatch.
void RunHandler(const std::function<void()> &handler);

} // namespace velorix
