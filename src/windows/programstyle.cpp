#include "programstyle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

constexpr int captionIndent = 6;

// The border runs through the middle of the caption.
QRect borderAround(const QStyleOptionGroupBox &frame, QRect caption)
{
    return frame.rect.adjusted(0, caption.center().y(), 0, 0);
}

// The caption stands a little in from the corner, on its gap in the line.
QRect placed(const QStyleOptionGroupBox &frame, QRect caption)
{
    return caption.translated(std::clamp(frame.rect.right() - caption.right() - 1, 0, captionIndent), 0);
}

// A rounded rectangle in a smoothed 1-pixel line, within the painter's clip.
void drawBorder(QPainter *painter, QRect border, const QColor &line)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(line);
    const QTransform device = painter->deviceTransform();
    const bool wholePixels = device.type() <= QTransform::TxScale && device.m11() == device.m22()
                             && device.m11() == std::floor(device.m11());
    if (!wholePixels) {
        painter->drawRoundedRect(QRectF(border).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        return;
    }
    // On whole device pixels the straight runs cover whole pixels, so they can be
    // filled; only the corners need smoothing, which costs far more per pixel.
    const int corner = 4;
    const int across = border.width() - 2 * corner;
    const int down = border.height() - 2 * corner;
    painter->fillRect(border.left() + corner, border.top(), across, 1, line);
    painter->fillRect(border.left() + corner, border.bottom(), across, 1, line);
    painter->fillRect(border.left(), border.top() + corner, 1, down, line);
    painter->fillRect(border.right(), border.top() + corner, 1, down, line);
    const QRegion clip = painter->clipRegion();
    for (const bool left : {true, false}) {
        for (const bool top : {true, false}) {
            // A small rounded rectangle on the corner, drawn only there: its line runs
            // through the corner's pixels as the whole border's would.
            const QRect small(left ? border.left() : border.right() + 1 - 2 * corner,
                              top ? border.top() : border.bottom() + 1 - 2 * corner, 2 * corner, 2 * corner);
            const QRect square(left ? small.left() : small.right() + 1 - corner,
                               top ? small.top() : small.bottom() + 1 - corner, corner, corner);
            painter->setClipRegion(clip & square);
            painter->drawRoundedRect(QRectF(small).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        }
    }
}

// A frame's caption is bold over contents in the regular face: the frame keeps the
// regular font its controls take from it, and its caption is measured and drawn bold.
QFont boldFont(const QWidget *frame)
{
    QFont bold = frame ? frame->font() : QFont();
    bold.setBold(true);
    return bold;
}

QStyleOptionGroupBox withBoldCaption(const QStyleOptionGroupBox &frame, const QWidget *widget)
{
    QStyleOptionGroupBox bold = frame;
    bold.fontMetrics = widget ? QFontMetrics(boldFont(widget), widget) : QFontMetrics(boldFont(widget));
    return bold;
}

void drawFocusMark(const QStyle *style, const QStyleOption *option, QRect place, QPainter *painter,
                   const QWidget *widget)
{
    QStyleOptionFocusRect mark;
    mark.QStyleOption::operator=(*option);
    mark.rect = place;
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, painter, widget);
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

// A frame's border runs through the middle of its caption, the caption on a gap in
// the line, as framed windows of this kind are laid out: the controls placed just
// below the caption then stay clear of the border, which Fusion would draw right
// across them.
QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                                   const QWidget *widget) const
{
    const auto *plain = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !plain || plain->text.isEmpty())
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QStyleOptionGroupBox frame = withBoldCaption(*plain, widget);
    if (part != SC_GroupBoxLabel && part != SC_GroupBoxFrame)
        return QProxyStyle::subControlRect(control, &frame, part, widget);
    // Measuring the caption is the costly part: each answer measures it once.
    const QRect caption = QProxyStyle::subControlRect(control, &frame, SC_GroupBoxLabel, widget);
    return part == SC_GroupBoxFrame ? borderAround(frame, caption) : placed(frame, caption);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                      const QWidget *widget) const
{
    const auto *plain = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !plain || plain->text.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionGroupBox frame = withBoldCaption(*plain, widget);
    painter->save();
    if (frame.subControls & SC_GroupBoxFrame) {
        const QRect measured = QProxyStyle::subControlRect(CC_GroupBox, &frame, SC_GroupBoxLabel, widget);
        painter->save();
        painter->setClipRegion(QRegion(frame.rect) - placed(frame, measured).adjusted(-2, 0, 2, 0));
        drawBorder(painter, borderAround(frame, measured), frame.palette.color(QPalette::Window).darker(140));
        painter->restore();
    }
    painter->setFont(boldFont(widget));
    frame.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &frame, painter, widget);
    painter->restore();
}

// Fusion draws a flat button and the default button alike with and without the focus.
void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawFocusMark(this, option, option->rect.adjusted(3, 3, -3, -3), painter, widget);
}

// Fusion draws a text box without a caret (a reading's long texts) alike with and
// without the focus.
void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_Frame || !(option->state & State_HasFocus))
        return;
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(widget); box && box->isReadOnly())
        drawFocusMark(this, option, option->rect, painter, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const
{
    if (which != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    // Fusion reads this arrow from files through image format detection, which loads
    // every image format plugin while the first window is being built: it is drawn.
    const bool rightToLeft = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    QPixmap arrow(16, 16);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    painter.setPen(option ? option->palette.color(QPalette::ButtonText) : QColor(Qt::black));
    for (const int x : {4, 8}) {
        const int tip = rightToLeft ? 15 - x - 3 : x + 3;
        const int back = rightToLeft ? 15 - x : x;
        painter.drawPolyline(QPolygon({QPoint(back, 4), QPoint(tip, 7), QPoint(back, 10)}));
    }
    return arrow;
}
