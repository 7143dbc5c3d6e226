#include "Messages.h"

#include "Numeric.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace velorix {

namespace {

QString Title() { return QCoreApplication::applicationName(); }

void ShowWarningBox(const QString &text)
{
    QDialog box;
    box.setWindowTitle(Title());
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    box.setModal(true);

    auto *label = new QLabel(text, &box);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        label->setMaximumWidth(screen->availableGeometry().width() / 2);

    // Enter presses the default button; Escape rejects the dialog.
    auto *ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(label);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    box.adjustSize();
    if (screen)
        box.move(screen->availableGeometry().center() - box.rect().center());
    box.exec();
}

void ShowErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, Title(), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // The button reads "OK" in every language, as the warning box's does, not
    // the translation's text for the standard button.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

void ShowRealBox(MessageKind kind, const QString &text)
{
    if (kind == MessageKind::Warning)
        ShowWarningBox(text);
    else
        ShowErrorBox(text);
}

MessagePresenter &Presenter()
{
    static MessagePresenter presenter = ShowRealBox;
    return presenter;
}

} // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    MessagePresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : MessagePresenter(ShowRealBox);
    return previous;
}

void ShowMessage(MessageKind kind, const QString &text) { Presenter()(kind, text); }

QString FinishErrorText(const QString &text)
{
    // Every character outside ASCII has a Windows-1251 code (or its "?"
    // replacement) above ".", so comparing the UTF-16 unit is enough.
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

void ShowError(const QString &text) { ShowMessage(MessageKind::Error, FinishErrorText(text)); }

void RunHandler(const std::function<void()> &handler)
{
    ResetFloatEnvironment();
    QString error;
    try {
        const auto failed = CatchCalcError(handler);
        if (!failed)
            return;
        error = failed->message();
    } catch (const std::exception &e) {
        // Not one of the four calculation errors (say, memory ran out): the
        // program still goes on, with the environment reset, and the box
        // says what happened.
        ResetFloatEnvironment();
        error = QString::fromUtf8(e.what());
    }
    ShowError(error);
}

} // namespace velorix
