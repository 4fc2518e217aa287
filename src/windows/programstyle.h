#pragma once

#include <QProxyStyle>

// The program's one style, set for the whole application: Fusion, whatever style the
// desktop, QT_STYLE_OVERRIDE or -style names, so the design looks the same everywhere.
// On top of Fusion it draws a frame's caption bold and its border through the middle
// of the caption, a focus mark on a focused button or scrolling box (which Fusion draws alike with and
// without the focus), and a menu bar's overflow arrow of its own.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ProgramStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override;
};
