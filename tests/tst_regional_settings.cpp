// Windows: a changed decimal separator in the regional settings is followed
// once the system broadcasts the change (WM_SETTINGCHANGE with "intl"), a
// customised separator included.  Needs the windows platform, whose windows
// receive the broadcast.
#include "Forms.h"
#include "Numeric.h"
#include "ShellTest.h"

#include <QTest>

#include <windows.h>

using namespace velorix;

namespace {

QString UserSeparator()
{
    wchar_t text[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 8);
    return QString::fromWCharArray(text);
}

void SetUserSeparator(const QString &separator)
{
    QVERIFY(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL,
                           reinterpret_cast<const wchar_t *>(separator.utf16())));
}

void Broadcast(const wchar_t *area)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area), SMTO_ABORTIFHUNG,
                        5000, &result);
}

} // namespace

class TestRegionalSettings : public QObject {
    Q_OBJECT

    QString original_;

private slots:
    void initTestCase()
    {
        original_ = UserSeparator();
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }

    void cleanupTestCase()
    {
        SetUserSeparator(original_);
        Broadcast(L"intl");
    }

    void followsTheBroadcast_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("comma") << QStringLiteral(",");
        QTest::newRow("point") << QStringLiteral(".");
        QTest::newRow("customised") << QStringLiteral("'");
    }

    void followsTheBroadcast()
    {
        QFETCH(QString, separator);
        // Another area's broadcast leaves the separator as it was read.
        SetDecimalSeparator(QLatin1Char('~'));
        SetUserSeparator(separator);
        Broadcast(L"Environment");
        QCoreApplication::processEvents();
        QCOMPARE(DecimalSeparator(), QLatin1Char('~'));

        Broadcast(L"intl");
        QTRY_COMPARE(QString(DecimalSeparator()), separator);
    }
};

VELORIX_SHELL_TEST_MAIN(TestRegionalSettings)
#include "tst_regional_settings.moc"
