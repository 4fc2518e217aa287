#include "support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cmath>

namespace {

// A dark desktop colour scheme, as GNOME's dark theme gives it to Qt programs. Its
// colours are not pure black and white, so a colour taken from it is told apart
// from one the program fixes.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53), text(238, 238, 236), base(45, 45, 45);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Highlight, QColor(21, 83, 158));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
        dark.setColor(group, QPalette::Light, window.lighter(150));
        dark.setColor(group, QPalette::Mid, window.darker(120));
        dark.setColor(group, QPalette::Dark, window.darker(150));
    }
    return dark;
}

double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &one, const QColor &other)
{
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

// One colour a text is drawn with: the widget whose palette gives it, and the role.
struct Paint
{
    const QWidget *from;
    QPalette::ColorRole role;

    QColor colour() const { return from->palette().color(role); }
    // Whether the user's colour scheme gives this colour, rather than the program.
    bool fromScheme() const { return colour() == QApplication::palette(from).color(role); }
};

// What lies behind a control that draws no background of its own: the nearest
// container that fills its background, or the window.
Paint behind(const QWidget *control)
{
    const QWidget *container = control;
    while (!container->autoFillBackground() && !container->isWindow())
        container = container->parentWidget();
    return {container, container->backgroundRole()};
}

struct ShownText
{
    QString what;
    Paint text;
    Paint background;
    bool large; // bold, or 18 points and more: 3:1 is enough
};

bool isLarge(const QFont &font)
{
    return font.bold() || font.pointSizeF() >= 18;
}

// Every text a window shows now, with the colours it is drawn in.
QList<ShownText> shownTexts(QWidget &window)
{
    QList<ShownText> texts;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisibleTo(&window))
            continue;
        const QString name = control->objectName();
        const bool large = isLarge(control->font());
        if (auto *label = qobject_cast<QLabel *>(control)) {
            if (!label->text().isEmpty())
                texts.append({name, {label, label->foregroundRole()}, behind(label), large});
        } else if (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control)) {
            texts.append({name, {control, QPalette::Text}, {control, QPalette::Base}, large});
        } else if (qobject_cast<QComboBox *>(control)) {
            texts.append({name, {control, QPalette::ButtonText}, {control, QPalette::Button}, large});
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            const Paint face = button->isFlat() ? behind(button->parentWidget()) : Paint{button, QPalette::Button};
            texts.append({name, {button, QPalette::ButtonText}, face, large});
        } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
            if (!frame->title().isEmpty())
                texts.append({name, {frame, QPalette::WindowText}, behind(frame), large});
        } else if (auto *tabs = qobject_cast<QTabBar *>(control)) {
            texts.append({name, {tabs, QPalette::WindowText}, {tabs, QPalette::Window}, large});
        }
    }
    return texts;
}

} // namespace

class TestContrast : public WindowTest
{
    Q_OBJECT

    const QPalette userPalette = QApplication::palette();

    // The windows as the user sees them, a reading on both of its tabs included.
    QList<ShownText> everyText(const QString &form)
    {
        if (form != QLatin1String("frmDisplay"))
            return shownTexts(windowNamed(form));
        ReadingWindow &reading = askForReading(startProgram(), 1, 1);
        QList<ShownText> texts = shownTexts(reading);
        control<QTabWidget>(reading, "SSTab1")->setCurrentIndex(1);
        texts += shownTexts(reading);
        return texts;
    }

private Q_SLOTS:

    void cleanup()
    {
        WindowTest::cleanup();
        QApplication::setPalette(userPalette);
    }

    void everyTextIsReadable_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("dark");
        for (const char *form : {"frmMain", "frmDisplay", "frmAbout", "frmNagScreen2"}) {
            QTest::addRow("%s, light scheme", form) << QString::fromLatin1(form) << false;
            QTest::addRow("%s, dark scheme", form) << QString::fromLatin1(form) << true;
        }
    }

    // Each text stands out from what lies behind it by 4.5:1 at least, 3:1 when bold
    // or large, under a light and a dark desktop colour scheme. Where the program fixes
    // a text's colour or its background, it fixes the other too: what it leaves to the
    // colour scheme stays wholly the scheme's.
    void everyTextIsReadable()
    {
        QFETCH(QString, form);
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        const QList<ShownText> texts = everyText(form);
        QVERIFY(texts.size() > 3);
        for (const ShownText &shown : texts) {
            const double ratio = contrast(shown.text.colour(), shown.background.colour());
            const double needed = shown.large ? 3.0 : 4.5;
            QVERIFY2(ratio >= needed, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1").arg(
                                          shown.what, shown.text.colour().name(), shown.background.colour().name(),
                                          QString::number(ratio, 'f', 2))));
            QVERIFY2(!dark || shown.text.fromScheme() == shown.background.fromScheme(),
                     qPrintable(shown.what + QLatin1String(": only one of text and background is the scheme's")));
        }
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
