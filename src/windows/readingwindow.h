#pragma once

#include "menusandofferswindow.h"

#include <QPixmap>

class QLabel;
class QPlainTextEdit;
class QTabWidget;
struct SignProfile;

// The reading window: the sign's profile on one tab, its fashion profile on the other.
class ReadingWindow : public MenusAndOffersWindow
{
    Q_OBJECT

public:
    explicit ReadingWindow(QWidget *parent = nullptr);

    // Fills both tabs with the sign's reading and its picture.
    void showReading(const SignProfile &sign, const QPixmap &picture);

signals:
    // The user asked to go back to the input window.
    void backRequested();

private:
    void buildControls();
    void buildSunSignPage(QWidget *page);
    void buildFashionPage(QWidget *page);
    void buildMenus();

    QTabWidget *tabs = nullptr;
    QPushButton *backButton = nullptr;

    controls::Label *signName = nullptr;
    controls::Label *luckyNumbers = nullptr;
    controls::Label *element = nullptr;
    controls::Label *luckyDay = nullptr;
    controls::Label *birthStone = nullptr;
    controls::Label *compatibility = nullptr;
    QLabel *signPicture = nullptr;
    QPlainTextEdit *positiveTraits = nullptr;
    QPlainTextEdit *negativeTraits = nullptr;

    controls::Label *boldness = nullptr;
    controls::Label *colorful = nullptr;
    controls::Label *customMade = nullptr;
    controls::Label *traditional = nullptr;
    controls::Label *frilly = nullptr;
    controls::Label *preferredColors = nullptr;
    controls::Label *undesirableColors = nullptr;
    QPlainTextEdit *fashionCharacteristics = nullptr;
};
