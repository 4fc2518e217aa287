// The floor the design sets: the input window's first frame built with Qt Widgets
// alone, pixel for pixel as the program draws it, with none of the program behind it
// (no session, lock, settings, menu entries, hidden controls, tab order or names for
// screen readers). Beside the bare window it tells what the design costs; beside the
// program, what the program's own code adds.
//   bench_floorwindow [startup]   launch to the window's first paint, in ms
//   bench_floorwindow memory      peak resident memory once the window is painted
//   bench_floorwindow idle S      wake-ups while sitting idle S seconds after start-up
//   bench_floorwindow instructions  ends at the first paint, for callgrind to count
//   bench_floorwindow frames DIR  saves the frame and the lists' pop-ups as PNG in DIR,
//                                 to compare with the program's
#include "probe.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const QColor maroon{62, 0, 1};
const QColor purple{64, 0, 64};
const QColor darkRed{64, 0, 0};
const QColor buttonFace{240, 240, 240};

// The window is laid out in twips, 15 to a device-independent pixel.
int pixels(int twips)
{
    return int(std::lround(twips / 15.0));
}

QRect at(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// The face where it is installed, else the default font at the same size: a missing
// face would pick its stand-in through the font configuration, another face than the
// program's.
QFont fontOf(const QString &face, bool installed, double points, bool bold, bool underline)
{
    QFont font;
    if (installed)
        font.setFamilies({face});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont verdana(double points, bool bold = false, bool underline = false)
{
    static const QString face = QStringLiteral("Verdana");
    static const bool installed = QFontDatabase::hasFamily(face);
    return fontOf(face, installed, points, bold, underline);
}

QFont msSansSerif(double points)
{
    static const QString face = QStringLiteral("MS Sans Serif");
    static const bool installed = QFontDatabase::hasFamily(face);
    return fontOf(face, installed, points, false, false);
}

// Sets colours on the control's own palette, inherited ones and all, as the program
// does: each control then resolves the same palette from its parents.
void setColours(QWidget *control, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette palette = control->palette();
    for (const auto &[role, colour] : colours)
        palette.setColor(role, colour);
    control->setPalette(palette);
}

// A filled area: a panel, or a label or frame with a background of its own.
void fill(QWidget *control, const QColor &background)
{
    setColours(control, {{QPalette::Window, background}});
    control->setAutoFillBackground(true);
}

QLabel *label(QWidget *container, const QString &text, QRect place, const QFont &font, const QColor &colour,
              Qt::Alignment alignment, bool wraps, const QColor &background = {})
{
    auto *control = new QLabel(container);
    control->setFont(font);
    setColours(control, {{QPalette::WindowText, colour}});
    if (background.isValid())
        fill(control, background);
    control->setAlignment(alignment | Qt::AlignTop);
    control->setWordWrap(wraps);
    control->setGeometry(place);
    control->setText(text);
    return control;
}

// A caption over a text box, as wide as its text from the left edge of its place.
void caption(QWidget *container, const QString &text, QRect place)
{
    QLabel *control = label(container, text, place, msSansSerif(8.25), maroon, Qt::AlignLeft, false);
    control->setGeometry(QRect(place.topLeft(), control->sizeHint()));
}

QFrame *panel(QWidget *container, QRect place)
{
    auto *control = new QFrame(container);
    control->setGeometry(place);
    fill(control, buttonFace);
    return control;
}

// The program's frames draw their border through the middle of the caption, the
// caption on a gap in the line, a little in from the corner; Qt draws it below.
class FrameStyle : public QProxyStyle
{
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        const auto *frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !frame || frame->text.isEmpty())
            return rect;
        if (part == SC_GroupBoxLabel)
            return rect.translated(std::clamp(frame->rect.right() - rect.right() - 1, 0, 6), 0);
        if (part != SC_GroupBoxFrame)
            return rect;
        const QRect caption = QProxyStyle::subControlRect(control, option, SC_GroupBoxLabel, widget);
        return frame->rect.adjusted(0, caption.center().y(), 0, 0);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !frame || frame->text.isEmpty()) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        if (frame->subControls & SC_GroupBoxFrame) {
            const QRect caption = subControlRect(CC_GroupBox, frame, SC_GroupBoxLabel, widget);
            painter->save();
            painter->setClipRegion(QRegion(frame->rect) - caption.adjusted(-2, 0, 2, 0));
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(frame->palette.color(QPalette::Window).darker(140));
            painter->drawRoundedRect(QRectF(subControlRect(CC_GroupBox, frame, SC_GroupBoxFrame, widget))
                                         .adjusted(0.5, 0.5, -0.5, -0.5),
                                     2, 2);
            painter->restore();
        }
        QStyleOptionGroupBox title = *frame;
        title.subControls = frame->subControls & ~SC_GroupBoxFrame;
        QProxyStyle::drawComplexControl(control, &title, painter, widget);
    }
};

QGroupBox *groupBox(QWidget *container, const QString &text, QRect place, const QColor &background,
                    const QColor &colour)
{
    // Qt needs the style to outlive every frame.
    static FrameStyle frameStyle;
    auto *control = new QGroupBox(text, container);
    control->setStyle(&frameStyle);
    control->setGeometry(place);
    control->setFont(verdana(8.25, true));
    fill(control, background);
    setColours(control, {{QPalette::WindowText, colour}});
    return control;
}

QLineEdit *textBox(QWidget *container, QRect place, const QFont &font)
{
    auto *control = new QLineEdit(container);
    control->setGeometry(place);
    control->setFont(font);
    setColours(control, {{QPalette::Base, maroon}, {QPalette::Text, Qt::white}});
    return control;
}

QComboBox *dropDownList(QWidget *container, const char *name, QRect place, const QStringList &items)
{
    auto *control = new QComboBox(container);
    // The saved pop-ups are named after the lists, as the program's are.
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    control->setFont(verdana(8.25));
    setColours(control, {{QPalette::Button, maroon}, {QPalette::Base, maroon}, {QPalette::ButtonText, buttonFace},
                         {QPalette::Text, buttonFace}});
    control->addItems(items);
    return control;
}

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int number = first; number <= last; ++number)
        list << QString::number(number);
    return list;
}

// The input window's first frame, with the fully-branded offer in front.
void build(QWidget &window)
{
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *menus = new QMenuBar(&window);
    menus->setNativeMenuBar(false);
    layout->setMenuBar(menus);
    auto *client = new QWidget(&window);
    client->setFixedSize(pixels(7455), pixels(4455));
    layout->addWidget(client);
    fill(client, maroon);
    setColours(client, {{QPalette::WindowText, Qt::white}});
    window.setFont(verdana(8.25));

    QFrame *banner = panel(client, at(0, 0, 7455, 615));
    label(banner,
          QStringLiteral("Visit our free astrology forum at %1").arg(QUrl(QStringLiteral(VESTASTRA_MAIN_SITE)).host()),
          at(120, 120, 7200, 465), verdana(9, true, true), purple, Qt::AlignHCenter, false);
    label(client,
          QStringLiteral("VL Vestastra tells you more about the style and fashion adopted by people of different "
                         "zodiac signs. Enter your date of birth and know how to make your fashion statement!"),
          at(60, 720, 7335, 735), verdana(8.25, true), darkRed, Qt::AlignHCenter, true, buttonFace);

    QGroupBox *details = groupBox(client, QStringLiteral("Please Fill In The Below Details:"),
                                  at(0, 1440, 7455, 2205), maroon, Qt::white);
    QGroupBox *names = groupBox(details, QStringLiteral("Name"), at(120, 240, 7245, 1005), buttonFace, maroon);
    caption(names, QStringLiteral(" First Name"), at(1110, 240, 795, 195));
    caption(names, QStringLiteral("Middle Name"), at(3150, 240, 1095, 195));
    caption(names, QStringLiteral(" Last Name"), at(5310, 240, 810, 195));
    QLineEdit *firstName = textBox(names, at(600, 450, 1905, 345), window.font());
    textBox(names, at(2625, 450, 1965, 345), window.font());
    textBox(names, at(4710, 450, 1935, 345), window.font());

    QGroupBox *birthDate =
        groupBox(details, QStringLiteral("Date Of Birth"), at(120, 1440, 4005, 645), buttonFace, maroon);
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << QLocale::c().standaloneMonthName(month);
    dropDownList(birthDate, "cboMonth", at(120, 240, 1455, 315), months);
    dropDownList(birthDate, "cboDate", at(1800, 240, 855, 315), numbers(1, 31));
    dropDownList(birthDate, "cboYear", at(2880, 240, 975, 315), numbers(1900, 2050));
    auto *reading = new QPushButton(QStringLiteral("Get My Vestastra Reading"), details);
    reading->setGeometry(at(4200, 1440, 3165, 645));
    reading->setFont(verdana(8.25, true));

    QFrame *offers = panel(client, at(0, 3600, 7455, 855));
    setColours(offers, {{QPalette::WindowText, Qt::white}});
    label(offers,
          QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                         "Get this software fully branded for your website. Click here for more details."),
          at(240, 160, 6825, 615), verdana(8.25, true, true), purple, Qt::AlignHCenter, true, buttonFace);

    for (const QString &title : {QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("&Donate"),
                                 QStringLiteral("Make Money &Online")})
        menus->addAction(title);
    firstName->setFocus();
}

} // namespace

int main(int argc, char *argv[])
{
    probe::stampLaunch(argv);
    const std::int64_t atMain = probe::nowNs();
    const probe::Mode mode =
        probe::parseMode(argc, argv, {"startup", "memory", "instructions"}, {"idle"},
                         "usage: bench_floorwindow [startup | memory | instructions | idle SECONDS | frames DIR]\n",
                         {"frames"});
    probe::setDeadline(30 + mode.count);

    probe::ProbeApplication app(argc, argv);
    const std::int64_t appReady = probe::nowNs();
    QApplication::setStyle(QStringLiteral("Fusion"));

    QWidget window;
    window.setObjectName(QStringLiteral("floorWindow"));
    build(window);
    app.watchPaintOf(window.objectName());
    window.show();
    if (mode.name == "instructions")
        app.endAtFirstPaint();
    if (mode.name == "frames") {
        app.waitForPaint();
        probe::saveFrames(window, mode.folder);
        return 0;
    }
    app.reportStartUp(atMain, appReady);

    if (mode.name == "memory")
        std::printf("peak_kib %ld\n", probe::peakResidentKiB());
    else if (mode.name == "idle")
        app.reportIdle(1000, mode.count);
    return 0;
}
