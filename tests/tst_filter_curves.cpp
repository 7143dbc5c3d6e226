// The formulas behind the filter design graphs.
#include "FilterCurves.h"

#include <QTest>

#include <cmath>

using namespace pictures;

class TestFilterCurves : public QObject {
    Q_OBJECT

private slots:
    void attenuation_data()
    {
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("beta");
        QTest::addColumn<double>("dB");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("lossless, αс = 3") << 3.0 << 0.0 << 15.31 << 0.005;
        // No attenuation at mid-band, whatever the loss, nor anywhere in a
        // lossless section's pass band.
        for (double beta : {0.0, 0.1, 0.35, 0.7})
            QTest::newRow(qPrintable(QStringLiteral("mid-band, β = %1").arg(beta)))
                << 0.0 << beta << 0.0 << 1e-12;
        for (double alpha : {0.3, 0.9, 1.0})
            QTest::newRow(qPrintable(QStringLiteral("pass band, αс = %1").arg(alpha)))
                << alpha << 0.0 << 0.0 << 1e-12;
        // Lossless stop band: 20·lg(αс + √(αс² − 1)), up to the rounding of
        // 20·lg e = 8.68589… to 8.686.
        for (double alpha : {1.2, 1.5, 2.0, 2.5, 3.0}) {
            const double expected = 20 * std::log10(alpha + std::sqrt(alpha * alpha - 1));
            QTest::newRow(qPrintable(QStringLiteral("stop band, αс = %1").arg(alpha)))
                << alpha << 0.0 << expected << expected * 2e-5;
        }
    }

    void attenuation()
    {
        QFETCH(double, alpha);
        QFETCH(double, beta);
        QFETCH(double, dB);
        QFETCH(double, tolerance);
        const double value = SectionAttenuationDb(alpha, beta);
        QVERIFY2(std::abs(value - dB) <= tolerance + 1e-12, qPrintable(QString::number(value, 'g', 17)));
    }

    // Loss flattens the curve: beyond the pass band's edge a lossier section
    // attenuates less, at every detuning on the graph.
    void attenuationFallsWithLoss()
    {
        for (double alpha = 1.25; alpha <= 3.0; alpha += 0.25)
            for (int b = 0; b < 7; ++b)
                QVERIFY(SectionAttenuationDb(alpha, b / 10.0) > SectionAttenuationDb(alpha, (b + 1) / 10.0));
    }

    void transfer_data()
    {
        QTest::addColumn<double>("beta");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("expected");
        for (int n = 1; n <= 6; ++n) {
            QTest::newRow(qPrintable(QStringLiteral("β = 0, n = %1").arg(n))) << 0.0 << n << 0.5;
            QTest::newRow(qPrintable(QStringLiteral("β = 1/√2, n = %1").arg(n)))
                << 1 / std::sqrt(2.0) << n << 0.5 * std::pow(2.0, -n / 2.0);
        }
    }

    void transfer()
    {
        QFETCH(double, beta);
        QFETCH(int, n);
        QFETCH(double, expected);
        QVERIFY(std::abs(FilterTransfer(beta, n) - expected) < 1e-14);
    }
};

QTEST_APPLESS_MAIN(TestFilterCurves)
#include "tst_filter_curves.moc"
