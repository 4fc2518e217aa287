#pragma once

#include <QProxyStyle>

// Fusion, except that the arrow of a menu bar's overflow button is read as the PNG
// it is. Fusion reads it with format detection, which loads every image format
// plugin while the first window is being built.
class ProgramStyle : public QProxyStyle
{
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override;
};
