#include "Characteristics.h"

#include <QAction>
#include <QWidget>

namespace velorix {

namespace {

std::function<void(QWidget *)> &Opener()
{
    static std::function<void(QWidget *)> opener;
    return opener;
}

} // namespace

CharacteristicSource::CharacteristicSource(QWidget *window) : QObject(window) {}

std::optional<Characteristic> CharacteristicSource::build() const
{
    if (!builder_)
        return std::nullopt;
    try {
        return builder_();
    } catch (const CalcError &) {
        ResetFloatEnvironment();
        return std::nullopt;
    }
}

void CharacteristicSource::setBuilder(CharacteristicBuilder builder)
{
    builder_ = std::move(builder);
    emit changed();
}

void AddCharacteristic(QWidget *window)
{
    new CharacteristicSource(window); // owned by the window
    auto *show = new QAction(QStringLiteral("Характеристика"), window);
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

void SetCharacteristicOpener(std::function<void(QWidget *)> opener) { Opener() = std::move(opener); }

} // namespace velorix
