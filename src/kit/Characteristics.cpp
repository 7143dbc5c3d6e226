#include "Characteristics.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace velorix {

namespace {

std::function<void(QWidget *)> &Opener()
{
    static std::function<void(QWidget *)> opener;
    return opener;
}

} // namespace

CharacteristicSource::CharacteristicSource(QWidget *window, const QAbstractButton *drawnBy)
    : QObject(window), drawnBy_(drawnBy)
{
}

Curve CharacteristicSource::build() const
{
    if (!builder_)
        return {std::nullopt, QCoreApplication::translate(
                                  "Characteristics", "Характеристика появится после расчёта кнопкой «%1».")
                                  .arg(drawnByName())};
    if (!outOfDate_.isEmpty())
        return {std::nullopt, QCoreApplication::translate(
                                  "Characteristics",
                                  "Показана прежняя кривая: %1. Новая появится после расчёта кнопкой «%2».")
                                  .arg(outOfDate_, drawnByName())};
    Curve curve;
    if (const auto error = CatchCalcError([&] { curve = builder_(); }))
        return {std::nullopt, QCoreApplication::translate("Characteristics", "Кривая не вычисляется: %1.")
                                  .arg(error->message())};
    return curve;
}

QString CharacteristicSource::drawnByName() const
{
    return drawnBy_->accessibleName().isEmpty() ? drawnBy_->text() : drawnBy_->accessibleName();
}

void CharacteristicSource::setBuilder(CharacteristicBuilder builder)
{
    builder_ = std::move(builder);
    outOfDate_.clear();
    emit changed();
}

void CharacteristicSource::setOutOfDate(const QString &reason)
{
    if (!builder_ || reason == outOfDate_)
        return;
    outOfDate_ = reason;
    emit changed();
}

void AddCharacteristic(QWidget *window, const QAbstractButton *drawnBy)
{
    new CharacteristicSource(window, drawnBy); // owned by the window
    auto *show = new QAction(QCoreApplication::translate("Characteristics", "Характеристика"), window);
    show->setObjectName(QStringLiteral("ShowCharacteristic"));
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    show->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(show, &QAction::triggered, window, [window] {
        if (Opener())
            Opener()(window);
    });
    window->addAction(show);
}

CharacteristicSource *CharacteristicOf(const QWidget *window)
{
    return window->findChild<CharacteristicSource *>(QString(), Qt::FindDirectChildrenOnly);
}

void UpdateCharacteristic(QWidget *window, CharacteristicBuilder builder)
{
    if (CharacteristicSource *source = CharacteristicOf(window))
        source->setBuilder(std::move(builder));
}

void CharacteristicOutOfDate(QWidget *window, const QString &reason)
{
    if (CharacteristicSource *source = CharacteristicOf(window))
        source->setOutOfDate(reason);
}

void SetCharacteristicOpener(std::function<void(QWidget *)> opener) { Opener() = std::move(opener); }

} // namespace velorix
