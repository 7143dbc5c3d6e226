// Qt's own texts in Russian, loaded at start-up whatever the regional settings
// are (CTest runs this under English ones), while the program's boxes keep
// their own texts.
#include "ShellTest.h"
#include "Unit3.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

using namespace velorix;
using namespace velorix::test;

namespace {

// The action texts of a menu without accelerator marks and shortcuts.
QStringList ActionTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *a : menu.actions()) {
        if (!a->isSeparator())
            texts << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    }
    return texts;
}

// The exact button texts of the next modal box, which is then closed with Enter.
void ButtonsOfNextBox(QStringList &buttons)
{
    QTimer::singleShot(0, qApp, [&buttons] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        for (const QPushButton *b : box->findChildren<QPushButton *>())
            buttons << b->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
}

// A translation that renames the standard OK button, as a desktop theme's
// or another language's may ("ОК" in Cyrillic letters, "&OK").
class RenamedOk : public QTranslator {
public:
    explicit RenamedOk(QString text) : text_(std::move(text)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QByteArray c(context);
        const QByteArray s(source);
        if ((c == "QPlatformTheme" && s == "OK") || (c == "QGnomeTheme" && s == "&OK"))
            return text_;
        return {};
    }

private:
    QString text_;
};

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void fieldContextMenuInRussian()
    {
        auto *edit = Control<QLineEdit>(Form3, QStringLiteral("Edit1"));
        edit->setText(QStringLiteral("12"));
        edit->selectAll();
        const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        QCOMPARE(ActionTexts(*menu), QStringList({"Отменить действие", "Повторить действие", "Вырезать",
                                                  "Копировать", "Вставить", "Удалить", "Выделить всё"}));
        // The window's own texts stay as designed.
        QCOMPARE(Control<QPushButton>(Form3, QStringLiteral("Button1"))->text(),
                 QStringLiteral("Рассчитать"));
    }

    void boxesKeepOk_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("renamedOk"); // empty: Qt's Russian texts only
        for (const QString &renamed : {QString(), QStringLiteral("ОК"), QStringLiteral("&OK")}) {
            const QByteArray suffix = renamed.isEmpty() ? QByteArray() : " under " + renamed.toUtf8();
            QTest::newRow("warning" + suffix) << int(MessageKind::Warning) << renamed;
            QTest::newRow("error" + suffix) << int(MessageKind::Error) << renamed;
        }
    }

    void boxesKeepOk()
    {
        QFETCH(int, kind);
        QFETCH(QString, renamedOk);
        RenamedOk renaming(renamedOk);
        if (!renamedOk.isEmpty())
            QCoreApplication::installTranslator(&renaming);
        QStringList buttons;
        ButtonsOfNextBox(buttons);
        if (MessageKind(kind) == MessageKind::Warning)
            ShowWarning(QStringLiteral("Rк < 0, увеличьте Ек"));
        else
            RunHandler([] { throw CalcError::divisionByZero(); });
        QCoreApplication::removeTranslator(&renaming);
        QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
    }

    // The translation does not touch the regional settings.
    void separatorStaysTheSettings() { QCOMPARE(DecimalSeparator(), QLatin1Char('.')); }
};

VELORIX_SHELL_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
