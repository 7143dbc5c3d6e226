#include "Presets.h"

#include "Numeric.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>

namespace velorix {

namespace {

// The decimal separator of the window definitions.
constexpr QChar kDesignSeparator = u',';

struct Preset {
    QPointer<QLineEdit> field;
    QString text; // as the definition writes it
};

QList<Preset> &Presets()
{
    static QList<Preset> presets;
    return presets;
}

QString ShownWith(QString preset, QChar separator) { return preset.replace(kDesignSeparator, separator); }

void FollowSeparator(QChar before)
{
    Presets().removeIf([](const Preset &p) { return !p.field; });
    for (const Preset &p : std::as_const(Presets())) {
        if (p.field->text() == ShownWith(p.text, before))
            p.field->setText(ShownWith(p.text, DecimalSeparator()));
    }
}

} // namespace

void KeepPreset(QLineEdit *field)
{
    static const bool following = [] {
        OnDecimalSeparatorChange(FollowSeparator);
        return true;
    }();
    (void)following;
    Presets().append({field, field->text()});
    field->setText(ShownWith(field->text(), DecimalSeparator()));
}

} // namespace velorix
