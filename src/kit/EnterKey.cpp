#include "EnterKey.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QPointer>

namespace velorix {

namespace {

const QLatin1String kEnterName("velorixEnterClicks");

// The buttons that read one field; owned by the field.
class EnterClicks : public QObject {
public:
    explicit EnterClicks(QLineEdit *field) : QObject(field), field_(field)
    {
        setObjectName(kEnterName);
        // returnPressed covers both Return and keypad Enter.
        connect(field, &QLineEdit::returnPressed, this, &EnterClicks::press);
    }

    // The field's, or null before a button is connected to it.
    static EnterClicks *find(const QLineEdit *field)
    {
        for (QObject *child : field->children()) {
            if (child->objectName() == kEnterName)
                if (auto *clicks = dynamic_cast<EnterClicks *>(child))
                    return clicks;
        }
        return nullptr;
    }

    static EnterClicks *of(QLineEdit *field)
    {
        EnterClicks *clicks = find(field);
        return clicks ? clicks : new EnterClicks(field);
    }

    void add(QAbstractButton *button) { buttons_ << button; }

    QList<QAbstractButton *> buttons() const
    {
        QList<QAbstractButton *> all;
        for (const QPointer<QAbstractButton> &button : buttons_) {
            if (button)
                all << button;
        }
        return all;
    }

private:
    // A click, not a handler call of its own: the same path as the mouse's,
    // through the button's clicked signal, and no focus moves to the button.
    void press()
    {
        if (QAbstractButton *button = first())
            button->click();
    }

    // The button that comes first in the window's focus order; the focus
    // order may change after the buttons are connected, so it is looked up
    // at each press.
    QAbstractButton *first() const
    {
        QWidget *window = field_->window();
        for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
            for (const QPointer<QAbstractButton> &button : buttons_) {
                if (button == w)
                    return button;
            }
        }
        for (const QPointer<QAbstractButton> &button : buttons_) {
            if (button)
                return button;
        }
        return nullptr;
    }

    QLineEdit *field_;
    QList<QPointer<QAbstractButton>> buttons_;
};

// Return or Enter, with no modifier but the keypad's, on a focused button:
// a click, through its clicked signal, as the mouse's.
class ReturnClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void ClickOnReturn(QAbstractButton *button)
{
    static ReturnClicks *const clicks = new ReturnClicks(QCoreApplication::instance());
    button->installEventFilter(clicks);
}

void ClickOnEnter(QAbstractButton *button, const QList<QLineEdit *> &fields)
{
    for (QLineEdit *field : fields)
        EnterClicks::of(field)->add(button);
    ClickOnReturn(button);
}

QList<QAbstractButton *> ButtonsReading(const QLineEdit *field)
{
    const EnterClicks *clicks = EnterClicks::find(field);
    return clicks ? clicks->buttons() : QList<QAbstractButton *>();
}

} // namespace velorix
