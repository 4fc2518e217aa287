// Draws every picture and icon the program ships. To regenerate, from the repository root run:
//   cmake -S resources/tools -B /tmp/drawresources && cmake --build /tmp/drawresources && /tmp/drawresources/drawresources resources
// The output is deterministic, so unchanged drawing code reproduces the committed files.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QString>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

QTextStream err(stderr);

struct Palette {
    QColor centre, middle, edge; // background, from the middle of the picture outwards
    QColor glyph, outline;       // the sign's glyph and name
    QColor accent;               // ring and stars
};

// Fire, Earth, Air, Water: the classic element of each sign decides its colours.
const Palette kElements[] = {
    {QColor(255, 196, 84), QColor(226, 96, 28), QColor(110, 14, 8),
     QColor(255, 246, 224), QColor(96, 12, 4), QColor(255, 226, 150)},
    {QColor(196, 170, 112), QColor(104, 112, 56), QColor(52, 36, 18),
     QColor(250, 240, 206), QColor(44, 30, 12), QColor(232, 214, 160)},
    {QColor(246, 249, 253), QColor(176, 204, 232), QColor(92, 124, 166),
     QColor(30, 52, 96), QColor(248, 251, 255), QColor(255, 255, 255)},
    {QColor(34, 150, 160), QColor(18, 64, 124), QColor(4, 14, 48),
     QColor(222, 250, 250), QColor(2, 20, 48), QColor(170, 236, 240)},
};

struct Sign {
    const char *name;
    char16_t glyph;
    int element; // index into kElements
};

const Sign kSigns[] = {
    {"Aries", u'\u2648', 0},     {"Taurus", u'\u2649', 1},  {"Gemini", u'\u264A', 2},
    {"Cancer", u'\u264B', 3},    {"Leo", u'\u264C', 0},     {"Virgo", u'\u264D', 1},
    {"Libra", u'\u264E', 2},     {"Scorpio", u'\u264F', 3}, {"Sagittarius", u'\u2650', 0},
    {"Capricorn", u'\u2651', 1}, {"Aquarius", u'\u2652', 2}, {"Pisces", u'\u2653', 3},
};

constexpr int kSignSize = 200;
// The size budget of a picture at scale 1; the picture at twice the size, for screens
// scaled by 2, has four times the pixels and three times the budget.
constexpr int kMinJpegBytes = 4500;
constexpr int kMaxJpegBytes = 6000;
constexpr int kTargetJpegBytes = 5200;
// The program's icon, in the sizes desktops ask for.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

const QPointF kMedallionCentre(100, 82);
constexpr qreal kMedallionRadius = 64;

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// A four-pointed sparkle reads as a star even when only a few pixels wide.
QPainterPath sparkle(QPointF c, qreal r)
{
    const qreal w = r * 0.28;
    QPainterPath p;
    p.moveTo(c.x(), c.y() - r);
    p.quadTo(c.x() + w * 0.3, c.y() - w * 0.3, c.x() + r, c.y());
    p.quadTo(c.x() + w * 0.3, c.y() + w * 0.3, c.x(), c.y() + r);
    p.quadTo(c.x() - w * 0.3, c.y() + w * 0.3, c.x() - r, c.y());
    p.quadTo(c.x() - w * 0.3, c.y() - w * 0.3, c.x(), c.y() - r);
    p.closeSubpath();
    return p;
}

void drawBackground(QPainter &p, const Palette &pal)
{
    QRadialGradient bg(kMedallionCentre, 150, kMedallionCentre);
    bg.setColorAt(0.0, pal.centre);
    bg.setColorAt(0.45, pal.middle);
    bg.setColorAt(1.0, pal.edge);
    p.fillRect(QRect(0, 0, kSignSize, kSignSize), bg);
}

void drawStars(QPainter &p, const Palette &pal, quint32 seed)
{
    // Seeded per sign: each picture gets its own sky, identical on every run.
    QRandomGenerator rng(seed);
    p.setPen(Qt::NoPen);
    int placed = 0;
    for (int attempt = 0; attempt < 400 && placed < 16; ++attempt) {
        const QPointF c(8 + rng.bounded(184.0), 8 + rng.bounded(184.0));
        const QPointF d = c - kMedallionCentre;
        // Keep the medallion and the name clear so the stars never compete with the text.
        if (std::hypot(d.x(), d.y()) < kMedallionRadius + 10)
            continue;
        if (c.y() > 150 && c.y() < 192 && c.x() > 22 && c.x() < 178)
            continue;
        const qreal r = 2.0 + rng.bounded(3.5);
        p.setBrush(withAlpha(pal.accent, 150 + rng.bounded(100)));
        p.drawPath(sparkle(c, r));
        ++placed;
    }
}

void drawMedallion(QPainter &p, const Palette &pal)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(pal.accent, 70), 7));
    p.drawEllipse(kMedallionCentre, kMedallionRadius, kMedallionRadius);
    p.setPen(QPen(withAlpha(pal.accent, 200), 1.6));
    p.drawEllipse(kMedallionCentre, kMedallionRadius, kMedallionRadius);
    p.setPen(QPen(withAlpha(pal.accent, 110), 1.0));
    p.drawEllipse(kMedallionCentre, kMedallionRadius - 6, kMedallionRadius - 6);
}

void drawGlyph(QPainter &p, const Palette &pal, char16_t glyph)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(glyph)));

    // Glyphs differ in shape, so fit each one to the same box rather than trusting the font size.
    const QRectF box = path.boundingRect();
    const qreal scale = 80.0 / std::max(box.width(), box.height());
    QTransform t;
    t.translate(kMedallionCentre.x(), kMedallionCentre.y());
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.center().y());
    path = t.map(path);

    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(pal.outline, 90));
    p.drawPath(path.translated(2.5, 3));
    p.setPen(QPen(pal.outline, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(pal.glyph);
    p.drawPath(path);
}

void drawName(QPainter &p, const Palette &pal, const QString &name)
{
    QFont font("DejaVu Serif");
    font.setPixelSize(21);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(font);
    const QRectF area(0, 152, kSignSize, 34);
    // A one-pixel halo all round keeps the name legible over every part of the gradient.
    p.setPen(withAlpha(pal.outline, 170));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                p.drawText(area.translated(dx, dy + 1), Qt::AlignCenter, name);
    p.setPen(pal.glyph);
    p.drawText(area, Qt::AlignCenter, name);
}

// Drawn at scale times the picture's size, in the same coordinates.
QImage drawSign(const Sign &sign, quint32 seed, int scale)
{
    const Palette &pal = kElements[sign.element];
    QImage img(kSignSize * scale, kSignSize * scale, QImage::Format_RGB32);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawBackground(p, pal);
    drawStars(p, pal, seed);
    drawMedallion(p, pal);
    drawGlyph(p, pal, sign.glyph);
    drawName(p, pal, QString::fromLatin1(sign.name));
    return img;
}

// The pictures must stay within a size budget, so pick the quality whose file lands nearest the target.
bool saveJpegWithinBudget(const QImage &img, const QString &path, int budgetFactor)
{
    const int kMinJpegBytes = ::kMinJpegBytes * budgetFactor;
    const int kMaxJpegBytes = ::kMaxJpegBytes * budgetFactor;
    const int kTargetJpegBytes = ::kTargetJpegBytes * budgetFactor;
    QByteArray best;
    int bestQuality = -1;
    for (int quality = 1; quality <= 100; ++quality) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        if (!img.save(&buffer, "JPG", quality))
            return false;
        if (data.size() < kMinJpegBytes || data.size() > kMaxJpegBytes)
            continue;
        if (bestQuality < 0
            || std::abs(data.size() - kTargetJpegBytes) < std::abs(best.size() - kTargetJpegBytes)) {
            best = data;
            bestQuality = quality;
        }
    }
    if (bestQuality < 0) {
        err << "no JPEG quality puts " << path << " within " << kMinJpegBytes << ".." << kMaxJpegBytes
            << " bytes\n";
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(best) != best.size()) {
        err << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

// The emblem is drawn in a unit square so each icon size gets its own vector rendering.
QImage drawEmblem(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);

    const QPointF c(0.5, 0.5);
    const QColor maroon(62, 0, 1);
    const QColor gold(242, 192, 64);
    const QColor lightGold(255, 236, 160);

    QRadialGradient badge(QPointF(0.42, 0.36), 0.6);
    badge.setColorAt(0.0, QColor(128, 18, 16));
    badge.setColorAt(1.0, maroon);
    p.setPen(Qt::NoPen);
    p.setBrush(badge);
    p.drawEllipse(c, 0.485, 0.485);

    p.setBrush(Qt::NoBrush);
    // A 2 px ring centred 13 px out at 32 px, so at the small size it sits on whole pixels.
    p.setPen(QPen(gold, 2.0 / 32));
    p.drawEllipse(c, 13.0 / 32, 13.0 / 32);

    // Eight points, the four cardinal ones long: a compass-like star stays crisp at 32 px.
    QPainterPath star;
    const int points = 8;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const qreal r = (i % 2) ? 0.115 : ((i / 2) % 2 ? 0.22 : 0.33);
        const QPointF v(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
        if (i == 0)
            star.moveTo(v);
        else
            star.lineTo(v);
    }
    star.closeSubpath();
    QLinearGradient shine(QPointF(0.2, 0.15), QPointF(0.8, 0.85));
    shine.setColorAt(0.0, lightGold);
    shine.setColorAt(1.0, gold);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(star);
    return img;
}

// A pointing hand for link labels; coordinates are in pixels of the 32 x 32 cursor, lines on half pixels
// so a one-pixel outline lands exactly on the pixel grid.
QImage drawLinkHand()
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath index;
    index.addRoundedRect(QRectF(9.5, 0.5, 5, 19), 2.5, 2.5);
    QPainterPath middle;
    middle.addRoundedRect(QRectF(14.5, 8.5, 5, 10), 2.5, 2.5);
    QPainterPath ring;
    ring.addRoundedRect(QRectF(19.5, 9.5, 5, 9), 2.5, 2.5);
    QPainterPath little;
    little.addRoundedRect(QRectF(24.5, 11.5, 4, 8), 2, 2);

    QPainterPath palm;
    palm.moveTo(9.5, 14.5);
    palm.lineTo(28.5, 14.5);
    palm.lineTo(28.5, 22.5);
    palm.quadTo(28.5, 25.5, 26.5, 27.5);
    palm.lineTo(26.5, 30.5);
    palm.lineTo(12.5, 30.5);
    palm.lineTo(12.5, 27.5);
    palm.quadTo(9.5, 25.5, 9.5, 22.5);
    palm.closeSubpath();

    // The thumb is a capsule slanting up and out from the palm.
    QPainterPath thumbAxis;
    thumbAxis.moveTo(5.5, 17.0);
    thumbAxis.lineTo(11.0, 23.0);
    QPainterPathStroker capsule;
    capsule.setWidth(5.0);
    capsule.setCapStyle(Qt::RoundCap);
    const QPainterPath thumb = capsule.createStroke(thumbAxis);

    const QPainterPath hand =
        index.united(middle).united(ring).united(little).united(palm).united(thumb).simplified();

    const QPen outline(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawPath(hand);

    // Short creases between the curled fingers so they read as fingers, not a mitten.
    p.drawLine(QPointF(14.5, 13.5), QPointF(14.5, 16.5));
    p.drawLine(QPointF(19.5, 13.5), QPointF(19.5, 16.5));
    p.drawLine(QPointF(24.5, 14.5), QPointF(24.5, 17.5));
    return img;
}

bool savePng(const QImage &img, const QString &path)
{
    if (img.save(path, "PNG"))
        return true;
    err << "cannot write " << path << "\n";
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Runs on build machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        err << "usage: drawresources <resources folder>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath("signs") || !root.mkpath("icons")) {
        err << "cannot create folders under " << root.path() << "\n";
        return 1;
    }

    bool ok = true;
    quint32 seed = 1;
    for (const Sign &sign : kSigns) {
        const QString name = QLatin1String(sign.name);
        ok = saveJpegWithinBudget(drawSign(sign, seed, 1), root.filePath(QStringLiteral("signs/%1.jpg").arg(name)), 1)
             && ok;
        ok = saveJpegWithinBudget(drawSign(sign, seed, 2), root.filePath(QStringLiteral("signs/%1@2x.jpg").arg(name)),
                                  3)
             && ok;
        ++seed;
    }
    for (const int size : kIconSizes) {
        const QString png = root.filePath(QStringLiteral("icons/vestastra-%1.png").arg(size));
        ok = savePng(drawEmblem(size), png) && ok;
    }
    ok = savePng(drawLinkHand(), root.filePath("icons/linkhand.png")) && ok;
    return ok ? 0 : 1;
}
