#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRect>

#include <optional>

class QWidget;
class QGroupBox;
class QFrame;
class QLineEdit;
class QComboBox;
class QPlainTextEdit;
class QAction;
class QMenu;
class QMenuBar;

// The palette and the controls the four windows are built from. Every builder takes
// the control's container and name, and its place as a pixel rectangle made from
// the design's twips by twips::at.
namespace controls {

namespace colour {
inline const QColor maroon{62, 0, 1};
inline const QColor navy{0, 0, 128};
inline const QColor darkGrey{64, 64, 64};
inline const QColor purple{64, 0, 64};
inline const QColor darkRed{64, 0, 0};
inline const QColor orange{255, 128, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor olive{192, 192, 0};
inline const QColor blue{0, 0, 192};
inline const QColor lightBlue{124, 165, 231};
// The desktop's classic light colours, where a colour of the window goes with one
// the program fixes: the desktop's own scheme, dark perhaps, would leave it unreadable.
inline const QColor buttonFace{240, 240, 240};
inline const QColor buttonText{0, 0, 0};
inline const QColor windowBackground{255, 255, 255};
} // namespace colour

struct Style
{
    const char *face = nullptr; // the window's font when null
    double points = 0;
    bool bold = false;
    bool underline = false;
};

inline constexpr Style verdana(double points, bool bold = false, bool underline = false)
{
    return {"Verdana", points, bold, underline};
}

inline constexpr Style msSansSerif(double points, bool bold = false)
{
    return {"MS Sans Serif", points, bold, false};
}

// Asks for the face first; where it is missing Qt picks the nearest one it has.
QFont fontFor(const Style &style);

// A control's background and text colours, each left as it is when invalid.
void setColours(QWidget *control, const QColor &background, const QColor &text);
void setBackground(QWidget *control, const QColor &colour);
void setForeground(QWidget *control, const QColor &colour);

enum class LabelFlag {
    Transparent = 0x1,
    Centred = 0x2,
    Wraps = 0x4,
    SizedToText = 0x8,
    Clickable = 0x10,
    Link = 0x10 | 0x20, // clickable, with the link pointer, announced as a link
};
Q_DECLARE_FLAGS(LabelFlags, LabelFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(LabelFlags)

// A caption on a window. A link label is clicked like a hyperlink; a label sized to
// text takes the size of each new text, keeping its centre when centred and its left
// edge otherwise.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(LabelFlags labelFlags, QWidget *parent = nullptr);
    // Hides QLabel::setText, so that a label sized to its text fits each new one.
    void setText(const QString &text);
    bool isLink() const { return flags.testFlags(LabelFlag::Link); }
    // What a click does, for the keyboard and for assistive tools.
    void activate();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    LabelFlags flags;
    bool textDocumentNeeded = false;
    // Twice the x of the centre a centred label keeps, taken from its first place:
    // each new caption is centred on it, so no rounding adds up from one to the next.
    std::optional<int> centreTwice;
};

// A push button that Enter presses as Space does, as every desktop's buttons take
// Enter. (Qt's autoDefault would too, but would also draw a focused button as the
// default one.)
class Button : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

QCursor linkCursor();


Label *label(QWidget *container, const char *name, const QString &caption, QRect place,
             const Style &style, const QColor &text, LabelFlags flags, const QColor &background = {});
QFrame *panel(QWidget *container, const char *name, QRect place, const QColor &background);
QGroupBox *groupBox(QWidget *container, const char *name, const QString &caption, QRect place,
                    const Style &style, const QColor &background, const QColor &text);
QLineEdit *textBox(QWidget *container, const char *name, const QString &text, QRect place);
// A read-only, scrolling box for a reading's long text, which cannot be copied out.
QPlainTextEdit *readingBox(QWidget *container, const char *name, QRect place);
QComboBox *dropDownList(QWidget *container, const char *name, QRect place);
QPushButton *button(QWidget *container, const char *name, const QString &caption, QRect place,
                    const Style &style = {});
QLabel *pictureBox(QWidget *container, const char *name, QRect place);

QMenu *menuTitle(QMenuBar *bar, const char *name, const QString &caption);
QAction *menuEntry(QWidget *menu, const char *name, const QString &caption);
QAction *menuSeparator(QMenu *menu, const char *name);

// Fixes the order in which Tab visits the controls.
void setTabChain(std::initializer_list<QWidget *> order);

} // namespace controls
