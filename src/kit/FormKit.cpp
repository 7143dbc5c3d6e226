#include "FormKit.h"

#include "AccessibleNames.h"
#include "CaptionLayout.h"
#include "Controls.h"
#include "CopyResults.h"
#include "FitScreen.h"
#include "JpegImage.h"
#include "Links.h"
#include "Presets.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace velorix {

namespace {

// QLineEdit's own limit, which stands for "no maximum length" in a definition.
constexpr int kQtDefaultMaxLength = 32767;

void ApplyPixelSize(QWidget *widget)
{
    const QVariant px = widget->property("pixelSize");
    if (!px.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(px.toInt());
    widget->setFont(font);
}

// Some faces draw glyphs above their ascent (the diaeresis of a capital Ё)
// or below their descent (Wine's Tahoma draws the tail of a "g" one row
// lower), which a label as high as its font would clip.  Margins of that
// rise and that drop, with the label moved up by the rise, keep the
// baseline where it was.
void MakeRoomForInk(QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const QRect ink = metrics.tightBoundingRect(label->text());
    const int rise = std::max(0, -ink.top() - metrics.ascent());
    const int drop = std::max(0, ink.bottom() + 1 - metrics.descent());
    if (rise == 0 && drop == 0)
        return;
    label->setContentsMargins(0, rise, 0, drop);
    label->move(label->x(), label->y() - rise);
    FitToText(label);
}

// A character that the label's face lacks is drawn from another face, which
// may make the line taller (Wine's Tahoma Bold has no Greek): the label moves
// up by the extra ascent, so that its baseline stays level with its row's.
void KeepBaselineOverFallbacks(QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    const QTextLine line = OneLine(layout);
    const int extra = qRound(line.ascent()) - QFontMetrics(label->font()).ascent();
    if (extra > 0)
        label->move(label->x(), label->y() - extra);
}

// Turns a left-button release inside its label into a click.
class LabelClickFilter : public QObject {
public:
    LabelClickFilter(QLabel *label, std::function<void()> handler)
        : QObject(label), label_(label), handler_(std::move(handler))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == label_ && event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && label_->rect().contains(mouse->position().toPoint())) {
                RunHandler(handler_);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLabel *label_;
    std::function<void()> handler_;
};

// Keeps a picture box showing the set of its picture that the box's screen
// shows (see PictureScale), at the same logical size in every set: chosen
// when the box is made, and again when it is shown or its window moves to
// another screen, decoding the other set's picture only then.
class PictureOnScreen : public QObject {
public:
    PictureOnScreen(QLabel *box, QString resource) : QObject(box), box_(box), resource_(std::move(resource))
    {
        box->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == box_ &&
            (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal))
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    void update()
    {
        const QScreen *screen = box_->screen();
        const int scale = PictureScale(screen ? screen->devicePixelRatio() : 1);
        if (scale == scale_)
            return;
        scale_ = scale;
        const QString resource = PictureResource(resource_, scale);
        const QImage picture = TakeJpeg(resource);
        if (picture.isNull()) {
            qWarning("Velorix: picture %s cannot be decoded", qPrintable(resource));
            return;
        }
        QPixmap pixmap = QPixmap::fromImage(picture);
        pixmap.setDevicePixelRatio(scale);
        box_->setPixmap(pixmap);
    }

    QLabel *box_;
    QString resource_;
    int scale_ = 0; // of the set shown; 0 before the first
};

// A push button's style option, as the button's own paint event fills it.
struct ButtonOption : QPushButton {
    static void Init(const QPushButton *button, QStyleOptionButton *option)
    {
        (button->*&ButtonOption::initStyleOption)(option);
    }
};

// Paints a window's push buttons as QPushButton::paintEvent does, with the
// painter's SmoothPixmapTransform hint off.  The hint changes no pixel of a
// button without an icon on a screen of whole device pixel ratio: the style's
// cached bevel is drawn one to one.  With it on, Qt's raster engine blends the
// bevel line by line instead of copying it, and hands a bevel 96 px or more
// tall (the two-supply bias window's button is 139 px) to its worker threads
// at each press and release, which costs a click more than its handler does.
class ButtonPaint : public QObject {
public:
    explicit ButtonPaint(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *button = static_cast<QPushButton *>(watched);
        const qreal ratio = button->devicePixelRatioF();
        if (!button->icon().isNull() || ratio != std::floor(ratio))
            return false;
        QStylePainter painter(button);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        QStyleOptionButton option;
        ButtonOption::Init(button, &option);
        painter.drawControl(QStyle::CE_PushButton, option);
        return true;
    }
};

// Runs its action when its window is first shown, then deletes itself.
class FirstShowAction : public QObject {
public:
    FirstShowAction(QWidget *window, std::function<void()> action)
        : QObject(window), window_(window), action_(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Show) {
            window_->removeEventFilter(this);
            action_();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *window_;
    std::function<void()> action_;
};

// A number as ShowNumber writes it: digits, the minus sign, decimal
// separators and the exponent's E.
bool IsNumberText(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'.' || c == u',' || c == u'-' || c == u'E';
    });
}

// The height of a line of number characters in a font, when the font's own
// face draws them all at its own ascent, descent and leading (no fallback
// face raises the line); 0 when one does.  Measured once per font on every
// such character together: a line of some of them is no higher than that,
// nor lower than the font's own face.  A font added or removed may change
// the faces a font resolves to: the heights are measured afresh then.
qreal NumberLineHeight(const QFont &font)
{
    static std::vector<std::pair<QFont, qreal>> heights;
    [[maybe_unused]] static const auto watch =
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] { heights.clear(); });
    for (const auto &[known, height] : heights) {
        if (known == font)
            return height;
    }
    QTextLayout layout(QStringLiteral("0123456789.,-E"), font);
    const QTextLine line = OneLine(layout);
    const QFontMetricsF metrics(font);
    const qreal own = metrics.ascent() + metrics.descent() + metrics.leading();
    const qreal height = line.ascent() + line.descent() + line.leading() == own ? own : 0;
    heights.emplace_back(font, height);
    return height;
}

} // namespace

void FitToText(QLabel *label)
{
    label->ensurePolished();
    const QString text = label->text();
    const bool number = IsNumberText(text);
    const bool plain = label->textFormat() == Qt::PlainText ||
                       (label->textFormat() == Qt::AutoText && (number || !Qt::mightBeRichText(text)));
    // What QLabel's size hint depends on beyond the text, the font and the
    // margins: with any of it, adjustSize decides.  (A label with a text
    // holds no pixmap, picture or movie: setting one clears the other.)
    if (!plain || text.isEmpty() || label->wordWrap() || label->isWindow() || label->layout() ||
        label->buddy() || label->minimumWidth() > 0 || label->indent() > 0 ||
        (label->indent() < 0 && label->frameWidth() > 0) || label->sizePolicy().hasHeightForWidth()) {
        label->adjustSize();
        return;
    }
    const QMargins margins = label->contentsMargins();
    const int extra = 2 * label->margin();
    QSize textSize;
    if (label->textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) {
        // A selectable label holds its text in a document without margins
        // or wrapping, sized as its one line is: a text that the document
        // would break into blocks or tab out is left to adjustSize.
        const bool oneLine = std::none_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        });
        if (!oneLine) {
            label->adjustSize();
            return;
        }
        // The document's line is as high as its fonts' ascent, descent and
        // leading (a fallback face under Windows' GDI may bring leading).
        // A number, a handler's every result, needs no line breaking: its
        // width is its glyphs' advances, its height the font's line.
        const qreal numberHeight = number ? NumberLineHeight(label->font()) : 0;
        if (numberHeight > 0) {
            textSize =
                QSize(qCeil(QFontMetricsF(label->font()).horizontalAdvance(text)), qCeil(numberHeight));
        } else {
            QTextLayout layout(text, label->font());
            QTextOption option(label->alignment());
            option.setWrapMode(QTextOption::ManualWrap);
            layout.setTextOption(option);
            const QTextLine line = OneLine(layout);
            textSize =
                QSize(qCeil(line.naturalTextWidth()), qCeil(line.ascent() + line.descent() + line.leading()));
        }
    } else {
        // Centring is left out, as QLabel leaves it out: only the size counts.
        const Qt::Alignment align = QStyle::visualAlignment(
            text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, label->alignment());
        // QLabel expands tabs in a plain text.
        const int flags = int(align & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs;
        const int width = 2000 - (extra + margins.left() + margins.right());
        textSize = label->fontMetrics().boundingRect(0, 0, width, 2000, flags, text).size();
    }
    const QSize size = QSize(textSize.width() + extra + margins.left() + margins.right(),
                             textSize.height() + extra + margins.top() + margins.bottom())
                           .expandedTo(label->minimumSize());
    if (size.isValid())
        label->resize(size);
}

Ext ReadNumber(const QLineEdit *field) { return ParseNumber(field->text()); }

void ShowNumber(QLabel *label, Ext x)
{
    label->setText(FormatNumber(x));
    FitToText(label);
    // A long result near the window's right edge would lose its last digits
    // there: the window widens until the whole number shows.
    // A window that scrolls widens its scrolled content instead.
    QWidget *window = label->window();
    QWidget *controls = label->parentWidget() == window ? window : ControlsOf(window);
    const int right = label->mapTo(controls, QPoint(label->width(), 0)).x() + kRightMargin;
    if (right > controls->width())
        WidenControls(window, right, kDesignFrame);
}

void ShowNumber(QLabel *label, const Result &x)
{
    if (x)
        ShowNumber(label, *x);
}

void ShowRounded(QLabel *label, const Result &x)
{
    if (x)
        ShowNumber(label, Round(*x));
}

void ShowText(QLabel *label, const QString &text)
{
    MarkWrittenLabel(label);
    label->setText(text);
    FitToText(label);
}

void ShowPicture(QLabel *box, const QString &resource)
{
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    new PictureOnScreen(box, EditionPicture(resource)); // owned by the box
}

void FinishDesign(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);

    // Parents before children, so that children inherit the window's font.
    ApplyPixelSize(window);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        ApplyPixelSize(child);
    // A result label (empty until a handler writes it) paints its own
    // background: a long number that reaches a caption's unit is read over
    // it, not tangled with it.
    MarkResultLabels(window);
    QList<QLabel *> labels;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (IsResultLabel(label))
            label->setAutoFillBackground(true);
        if (!IsPictureBox(label))
            labels << label;
    }
    // The window's one first-show step.  Measuring the labels' text loads
    // their fonts and shapes every line; it waits until the window is first
    // shown, before it first paints, so that start-up does it for the main
    // window alone.  The labels are sized first, then the controls placed by
    // the captions as sized, then named from them.
    OnFirstShow(window, [window, labels = std::move(labels)] {
        for (QLabel *label : labels) {
            FitToText(label);
            MakeRoomForInk(label);
            KeepBaselineOverFallbacks(label);
        }
        PlaceByCaptions(window);
        NameControls(window);
    });
    ButtonPaint *buttonPaint = nullptr;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->metaObject() != &QPushButton::staticMetaObject)
            continue; // a subclass paints itself
        if (!buttonPaint)
            buttonPaint = new ButtonPaint(window);
        button->installEventFilter(buttonPaint);
    }
    // A field without a stated maximum length takes text of any length; a
    // number in a field shows with the separator in use.
    for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
        if (field->maxLength() == kQtDefaultMaxLength)
            field->setMaxLength(std::numeric_limits<int>::max());
        if (!field->text().isEmpty())
            KeepPreset(field);
    }

    window->resize(window->size() - kDesignFrame);
    const QVariant pos = window->property("screenPos");
    if (pos.isValid())
        window->move(pos.toPoint());
}

void OnFirstShow(QWidget *window, std::function<void()> action)
{
    new FirstShowAction(window, std::move(action)); // owned by the window
}

void ConnectClick(QLabel *label, std::function<void()> handler)
{
    new LabelClickFilter(label, std::move(handler)); // owned by the label
    KeepLinkReadable(label);
}

TCalcForm::TCalcForm(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    AddCopyResults(this);
}

void TCalcForm::showAndRaise()
{
    show();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void TCalcForm::setVisible(bool visible)
{
    // Checked at each showing, before the window system places the window.
    // A window that scrolls is centred here, the first time, if it is to be.
    if (visible && !isVisible()) {
        const bool centre = !shownOnce_ && !property("screenPos").isValid();
        if (FitToScreen(this, kDesignFrame, centre))
            shownOnce_ = true;
    }
    QWidget::setVisible(visible);
}

void TCalcForm::showEvent(QShowEvent *event)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        if (!property("screenPos").isValid())
            CentreOnScreen(this, kDesignFrame);
    }
    QWidget::showEvent(event);
}

} // namespace velorix
