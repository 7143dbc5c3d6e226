// The schematic pictures: every asset decodes with libjpeg to its size, and
// every window shows its edition's pictures unscaled from the top-left of
// their boxes: a picture's English rendering (:/assets/en/) in every edition
// but the Russian, where it has one.
// CTest runs this on an ordinary screen and on one of device pixel ratio 2;
// VELORIX_PICTURE_SCALE says which set of pictures the screen should show
// (1, the default, or 2, the double-size twins in :/assets/2x/).
#include "Edition.h"
#include "JpegImage.h"
#include "TestKit.h"

#include <QDir>
#include <QFile>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

using namespace velorix;
using namespace velorix::test;

namespace {

struct Asset {
    QString form, box, file;
    QSize size;
    bool english; // has an English rendering: words or symbols in it
};

// Each picture's pixel size.
const QHash<QString, QSize> kSizes = {
    {"equivalent-circuit.jpg", {212, 280}}, {"series-rc.jpg", {169, 119}},
    {"parallel-rc.jpg", {279, 147}},        {"bias-one-supply.jpg", {141, 263}},
    {"bias-two-supplies.jpg", {236, 268}},  {"untuned-stage.jpg", {245, 292}},
    {"tuned-stage.jpg", {279, 340}},        {"transformer.jpg", {238, 151}},
    {"lumped-filter.jpg", {538, 208}},      {"filter-design-graphs.jpg", {576, 588}},
    {"piezo-filter-stage.jpg", {474, 208}}, {"capacitive-divider.jpg", {216, 216}},
    {"stage-analysis.jpg", {212, 274}},     {"compound-followers.jpg", {396, 365}},
};

// The pictures without words or symbols to translate: one set serves both.
const QStringList kNoEnglish = {QStringLiteral("parallel-rc.jpg")};

// Which window shows which picture, as the table of calculators says, at
// the picture's pixel size.
QList<Asset> Assets()
{
    QList<Asset> assets;
    for (const CalculatorEntry &c : CalculatorTable())
        for (const auto &[box, file] : PicturesShown(c))
            assets.append(
                {c.form()->objectName(), box, file, kSizes.value(file), !kNoEnglish.contains(file)});
    return assets;
}

// The editions: English, a language with no pictures of its own, which
// shows the English ones, and Russian, the windows' first and last.
const char *const kLanguages[] = {"en", "de", "ru"};

// A picture's resource in the ordinary set (1) or the double-size one (2),
// Russian or English.
QString Resource(const QString &file, int scale = 1, bool english = false)
{
    return QStringLiteral(":/assets/") + (english ? QStringLiteral("en/") : QString()) +
           (scale == 2 ? QStringLiteral("2x/") : QString()) + file;
}
QString Resource(const Asset &a, int scale = 1) { return Resource(a.file, scale); }
// The resource of the picture that the edition of `language` shows.
QString Shown(const Asset &a, int scale, const QString &language)
{
    return Resource(a.file, scale, a.english && language != QLatin1String("ru"));
}

// Rebuilds the windows in the edition of `language`, unless they are.
void BuildWindowsIn(const QString &language)
{
    if (EditionLanguage() == language)
        return;
    SetEditionLanguage(language);
    DestroyCalculators();
    CreateCalculators();
}

// The set of pictures this run's screen shows.
int ScreenScale()
{
    const QByteArray scale = qgetenv("VELORIX_PICTURE_SCALE");
    return scale.isEmpty() ? 1 : scale.toInt();
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A colour picture as a baseline JPEG, with libjpeg itself: Qt's own JPEG
// writer is a plug-in that not every Qt build carries.
QByteArray EncodeJpeg(const QImage &rgb888, int quality)
{
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = static_cast<JDIMENSION>(rgb888.width());
    c.image_height = static_cast<JDIMENSION>(rgb888.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<uchar *>(rgb888.constScanLine(static_cast<int>(c.next_scanline)));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    QByteArray data(reinterpret_cast<const char *>(out), static_cast<qsizetype>(size));
    std::free(out);
    jpeg_destroy_compress(&c);
    return data;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    // The pictures the rows name are the pictures of both sets, each once,
    // and each of a known size; the English sets hold those with words.
    void everyAssetIsListed()
    {
        QStringList listed, english;
        for (const Asset &a : Assets()) {
            listed << a.file;
            QVERIFY2(kSizes.contains(a.file), qPrintable(a.file));
            if (a.english)
                english << a.file;
        }
        QCOMPARE(listed.size(), kSizes.size());
        listed.sort();
        english.sort();
        for (const char *folder : {":/assets", ":/assets/2x", ":/assets/en", ":/assets/en/2x"})
            QCOMPARE(
                QDir(QLatin1String(folder)).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name),
                QByteArray(folder).contains("/en") ? english : listed);
    }

    void startupDecodesTheScreensSet_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : kLanguages)
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    // Start-up decodes the set that this run's screen shows in the edition's
    // language, and that alone.
    void startupDecodesTheScreensSet()
    {
        QFETCH(QString, language);
        QStringList expected;
        for (const Asset &a : Assets())
            expected << Shown(a, ScreenScale(), language);
        const QString before = EditionLanguage();
        SetEditionLanguage(language);
        QStringList listed = PicturesForScreens(QStringLiteral(":/assets"));
        SetEditionLanguage(before);
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
    }

    // The pictures a prefetch gives are LoadJpeg's, whichever thread decoded
    // each: taken at once in the other order than the thread's, or after the
    // thread is done.  A path it was not given is decoded on the spot, and
    // one that does not exist gives no picture.
    void prefetchGivesTheSamePictures_data()
    {
        QTest::addColumn<bool>("waitForThread");
        QTest::newRow("taken at once") << false;
        QTest::newRow("taken after the thread") << true;
    }

    void prefetchGivesTheSamePictures()
    {
        QFETCH(bool, waitForThread);
        QStringList paths;
        for (const Asset &a : Assets())
            paths << Resource(a);
        const QString missing = QStringLiteral(":/assets/no-such-picture.jpg");
        const QString other = paths.takeFirst();
        auto prefetch = std::make_unique<JpegPrefetch>(paths + QStringList{missing});
        if (waitForThread)
            QTest::qWait(300);
        for (auto it = paths.crbegin(); it != paths.crend(); ++it)
            QCOMPARE(TakeJpeg(*it), LoadJpeg(*it));
        QVERIFY(TakeJpeg(missing).isNull());
        QVERIFY(!LoadJpeg(other).isNull());
        QCOMPARE(prefetch->take(other), LoadJpeg(other));
        prefetch.reset();
        QCOMPARE(TakeJpeg(paths.front()), LoadJpeg(paths.front()));
    }

    void assetDecodes_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("scale");
        for (bool english : {false, true}) {
            for (int scale : {1, 2}) {
                for (const Asset &a : Assets()) {
                    if (english && !a.english)
                        continue;
                    const QString resource = Resource(a.file, scale, english);
                    QTest::newRow(qPrintable(resource)) << resource << a.size * scale << scale;
                }
            }
        }
    }

    // Exact size, black drawing on a white sheet, an English rendering not
    // the Russian picture; a double-size twin, halved, is its ordinary
    // picture: the same drawing at the same places.
    void assetDecodes()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(int, scale);
        const QImage image = LoadJpeg(resource);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), QImage::Format_Grayscale8);
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            const uchar *row = image.constScanLine(y);
            dark += int(std::count_if(row, row + image.width(), [](uchar v) { return v < 64; }));
        }
        QVERIFY2(dark > 500, "the picture is nearly blank");
        QVERIFY2(dark < image.width() * image.height() / 4, "the picture is mostly dark");
        for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)})
            QVERIFY(qGray(image.pixel(corner)) > 240);
        if (resource.contains(QStringLiteral("/en/")))
            QVERIFY(image != LoadJpeg(QString(resource).remove(QStringLiteral("en/"))));
        if (scale == 1)
            return;
        const QImage ordinary = LoadJpeg(QString(resource).remove(QStringLiteral("2x/")));
        const QImage halved = image.scaled(ordinary.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_Grayscale8);
        // The grey difference, as a share of the ordinary picture's ink: the
        // anti-aliasing of two grids makes under 0.1, a drawing one pixel
        // off over 0.35.
        qint64 difference = 0, ink = 0;
        for (int y = 0; y < ordinary.height(); ++y) {
            const uchar *a = ordinary.constScanLine(y), *b = halved.constScanLine(y);
            for (int x = 0; x < ordinary.width(); ++x) {
                difference += qAbs(int(a[x]) - int(b[x]));
                ink += 255 - a[x];
            }
        }
        const double share = double(difference) / double(ink);
        QVERIFY2(share < 0.2, qPrintable(QStringLiteral("difference %1 of the ink").arg(share)));
    }

    void windowShowsPicture_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("ordinary");
        QTest::addColumn<QString>("shown");
        for (const char *language : kLanguages) {
            for (const Asset &a : Assets())
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 %2.%3").arg(QLatin1String(language), a.form, a.box)))
                    << QString::fromLatin1(language) << a.form << a.box << Resource(a)
                    << Shown(a, ScreenScale(), QLatin1String(language));
        }
    }

    // In each edition, the box draws the decoded picture of the edition and
    // of its screen's set pixel for pixel from its top-left corner, at the
    // ordinary picture's logical size in either set, and the box holds the
    // whole picture.
    void windowShowsPicture()
    {
        QFETCH(QString, language);
        QFETCH(QString, form);
        QFETCH(QString, box);
        QFETCH(QString, ordinary);
        QFETCH(QString, shown);
        const qreal ratio = ScreenScale();
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), ratio);
        BuildWindowsIn(language);
        QWidget *window = Calculator(form);
        QVERIFY(window);
        auto *label = Control<QLabel>(window, box);
        QVERIFY(label);
        const QSize logical = LoadJpeg(ordinary).size();
        const QImage expected = LoadJpeg(shown).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(expected.size(), logical * ratio);
        QCOMPARE(label->pixmap().devicePixelRatio(), ratio);
        QCOMPARE(label->pixmap().deviceIndependentSize().toSize(), logical);
        QVERIFY(QRect(QPoint(0, 0), label->size()).contains(QRect(QPoint(0, 0), logical)));
        QVERIFY(QRect(QPoint(0, 0), window->size()).contains(label->geometry()));
        const QPixmap grabbed = label->grab();
        QCOMPARE(grabbed.devicePixelRatio(), ratio);
        QImage drawn = grabbed.toImage()
                           .convertToFormat(QImage::Format_RGB32)
                           .copy(QRect(QPoint(0, 0), expected.size()));
        drawn.setDevicePixelRatio(1); // compared pixel for pixel
        QCOMPARE(drawn, expected);
    }

    void decoderRefusesWhatIsNotJpeg_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray jpeg = ReadAll(QStringLiteral(":/assets/series-rc.jpg"));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("PNG") << ReadAll(QStringLiteral(":/assets/icon-16.png"));
        QTest::newRow("JPEG start marker only") << jpeg.left(2);
        QTest::newRow("cut inside the header") << jpeg.left(40);
        QByteArray garbled = jpeg;
        for (qsizetype i = 2; i < 200 && i < garbled.size(); ++i)
            garbled[i] = char(0xFF);
        QTest::newRow("header overwritten") << garbled;
        // The frame header (SOF0: FF C0, length, precision, height, width)
        // made to claim 60000 × 60000 pixels.
        QByteArray huge = jpeg;
        const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(sof > 0);
        for (qsizetype at : {sof + 5, sof + 7}) {
            huge[at] = char(60000 >> 8);
            huge[at + 1] = char(60000 & 0xFF);
        }
        QTest::newRow("claims 60000 x 60000") << huge;
    }

    void decoderRefusesWhatIsNotJpeg()
    {
        QFETCH(QByteArray, data);
        QVERIFY(DecodeJpeg(data).isNull());
    }

    // A stream cut in its data still gives the picture's size, its top intact.
    void decoderKeepsWhatACutStreamHolds()
    {
        const QByteArray jpeg = ReadAll(QStringLiteral(":/assets/lumped-filter.jpg"));
        const QImage whole = DecodeJpeg(jpeg);
        const QImage cut = DecodeJpeg(jpeg.left(jpeg.size() / 2));
        QCOMPARE(cut.size(), whole.size());
        QCOMPARE(cut.copy(0, 0, whole.width(), 16), whole.copy(0, 0, whole.width(), 16));
    }

    // Colour JPEGs decode to RGB.
    void decoderReadsColour()
    {
        QImage colour(40, 24, QImage::Format_RGB888);
        colour.fill(QColor(200, 30, 40));
        const QImage image = DecodeJpeg(EncodeJpeg(colour, 95));
        QCOMPARE(image.size(), colour.size());
        QCOMPARE(image.format(), QImage::Format_RGB888);
        const QColor c = image.pixelColor(20, 12);
        QVERIFY2(qAbs(c.red() - 200) < 8 && qAbs(c.green() - 30) < 8 && qAbs(c.blue() - 40) < 8,
                 qPrintable(c.name()));
    }
};

VELORIX_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
