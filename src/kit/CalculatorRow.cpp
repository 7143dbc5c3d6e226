#include "CalculatorRow.h"

#include "Characteristics.h"
#include "EnterKey.h"
#include "FormKit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVariantMap>

namespace velorix {

namespace {

// The row's name overrides, control to name, on its window.
constexpr char kNamesProperty[] = "velorixNameOverrides";

QStringList Split(const char *list, char separator)
{
    return QString::fromUtf8(list).split(QLatin1Char(separator), Qt::SkipEmptyParts);
}

template <class T> T *Child(QWidget *window, const QString &name)
{
    T *child = window->findChild<T *>(name.trimmed());
    Q_ASSERT_X(child, "ApplyRow", qPrintable(name));
    return child;
}

} // namespace

QList<QPair<QString, QStringList>> FieldsRead(const CalculatorRow &row)
{
    QList<QPair<QString, QStringList>> buttons;
    for (const QString &reads : Split(row.enter, ';')) {
        const QStringList buttonFields = reads.split(QLatin1Char(':'));
        buttons.append(
            {buttonFields[0].trimmed(), buttonFields[1].split(QLatin1Char(' '), Qt::SkipEmptyParts)});
    }
    return buttons;
}

QList<QPair<QString, QString>> PicturesShown(const CalculatorRow &row)
{
    QList<QPair<QString, QString>> pictures;
    for (const QString &picture : Split(row.pictures, ' ')) {
        const QStringList boxFile = picture.split(QLatin1Char('='));
        pictures.append({boxFile[0], boxFile[1]});
    }
    return pictures;
}

void ApplyRow(QWidget *window, const CalculatorRow &row)
{
    for (const auto &[box, file] : PicturesShown(row))
        ShowPicture(Child<QLabel>(window, box), QStringLiteral(":/assets/") + file);
    for (const auto &[button, names] : FieldsRead(row)) {
        QList<QLineEdit *> fields;
        for (const QString &field : names)
            fields << Child<QLineEdit>(window, field);
        ClickOnEnter(Child<QAbstractButton>(window, button), fields);
    }
    QVariantMap names;
    for (const QString &name : Split(row.names, '|')) {
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        // The row's texts are the program's own, translated as a whole.
        names.insert(name.left(eq),
                     QCoreApplication::translate("Names", name.mid(eq + 1).toUtf8().constData()));
    }
    window->setProperty(kNamesProperty, names);
    if (row.characteristic)
        AddCharacteristic(window, Child<QAbstractButton>(window, QString::fromLatin1(row.characteristic)));
}

QString NameOverride(const QWidget *window, const QString &control)
{
    return window->property(kNamesProperty).toMap().value(control).toString();
}

} // namespace velorix
