#include "programstyle.h"

#include "windows/picturefile.h"

#include <QGuiApplication>
#include <QStyleFactory>
#include <QStyleOption>

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const
{
    if (which != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    const bool rightToLeft = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    // The files Qt's common style draws this arrow from.
    const QString stem = rightToLeft
                             ? QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-rtl-")
                             : QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-");
    QIcon arrow;
    for (int size : {8, 16, 32}) {
        const QPixmap picture = readPicture(stem + QString::number(size) + QLatin1String(".png"), "png");
        // A Qt that keeps its arrow elsewhere draws it its own way.
        if (picture.isNull())
            return QProxyStyle::standardIcon(which, option, widget);
        arrow.addPixmap(picture);
    }
    return arrow;
}
