#include "CopyResults.h"

#include "AccessibleNames.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>

#include <algorithm>

namespace velorix {

namespace {

// The lines of AddResultLines, a child of their window.
class ResultLines : public QObject {
public:
    ResultLines(QWidget *window, std::function<QStringList()> lines)
        : QObject(window), lines_(std::move(lines))
    {
    }
    QStringList lines() const { return lines_(); }

private:
    std::function<QStringList()> lines_;
};

// The option chosen in the radio group of a button: its text, or none.
QString ChosenOption(const QRadioButton *member)
{
    for (const QRadioButton *radio :
         member->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
        if (radio->autoExclusive() && radio->isChecked())
            return radio->text();
    }
    return {};
}

QString ResultsText(const QWidget *window)
{
    QStringList lines{window->windowTitle()};
    const auto line = [&lines](const QString &name, const QString &text) {
        lines << name + QLatin1Char('\t') + text;
    };
    // The focus chain, as Tab walks it: the fields, and each radio group
    // where its first button comes.
    QSet<const QWidget *> groups;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (!window->isAncestorOf(w))
            continue;
        if (const auto *field = qobject_cast<const QLineEdit *>(w)) {
            line(field->accessibleName(), field->text());
        } else if (const auto *radio = qobject_cast<const QRadioButton *>(w);
                   radio && radio->autoExclusive()) {
            if (!groups.contains(radio->parentWidget())) {
                groups << radio->parentWidget();
                line(radio->accessibleDescription(), ChosenOption(radio));
            }
        }
    }
    QList<const QLabel *> results;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (IsResultLabel(label) && !label->text().isEmpty())
            results << label;
    }
    const auto at = [window](const QLabel *l) { return l->mapTo(window, QPoint(0, 0)); };
    std::stable_sort(results.begin(), results.end(), [&at](const QLabel *a, const QLabel *b) {
        const QPoint pa = at(a), pb = at(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (const QLabel *result : std::as_const(results))
        line(result->accessibleName(), result->text());
    for (const QObject *child : window->children()) {
        if (const auto *extra = dynamic_cast<const ResultLines *>(child))
            lines << extra->lines();
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void AddResultLines(QWidget *window, std::function<QStringList()> lines)
{
    new ResultLines(window, std::move(lines)); // owned by the window
}

void AddCopyResults(QWidget *window)
{
    auto *copy = new QAction(QCoreApplication::translate("CopyResults", "Копировать результаты"), window);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copy, &QAction::triggered, window,
                     [window] { QGuiApplication::clipboard()->setText(ResultsText(window)); });
    window->addAction(copy);
    // Fields keep their own edit menus; labels, buttons and pictures pass a
    // right click on to the window, whose menu holds its actions.
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace velorix
