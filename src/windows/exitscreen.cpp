#include "exitscreen.h"

#include "core/programinfo.h"
#include "core/website.h"
#include "keyfilter.h"
#include "platform/messagebox.h"
#include "twips.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

using namespace controls;
using twips::at;

namespace {

// The text of a multi-line box as typed, lines joined by "\n". toPlainText() would
// also turn each no-break space into a plain one.
QString typedText(const QPlainTextEdit *box)
{
    QStringList lines;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines.join(QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
}

// Watches a box's focus for its placeholder. When the whole window loses and regains
// the focus (a message box, another program, a pop-up menu), the box never left, so
// nothing changes.
class Placeholder : public QObject
{
    Q_OBJECT

public:
    Placeholder(QWidget *box, QString placeholder) : QObject(box), text(std::move(placeholder))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool windowChange = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (event->type() == QEvent::FocusOut) {
            heldWhileAway = windowChange;
            if (!windowChange && restoresPlaceholder(contents(watched)))
                setContents(watched, text);
        } else {
            const bool returning = windowChange && heldWhileAway;
            heldWhileAway = false;
            // Emptied once the focus has arrived: a screen reader told of the change first
            // would take the arrival for a silent one.
            if (!returning)
                QMetaObject::invokeMethod(watched, [this, watched] {
                    if (clearsPlaceholder(contents(watched), text))
                        setContents(watched, {});
                }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static QString contents(QObject *box)
    {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            return line->text();
        return typedText(static_cast<QPlainTextEdit *>(box));
    }

    static void setContents(QObject *box, const QString &value)
    {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            line->setText(value);
        else
            static_cast<QPlainTextEdit *>(box)->setPlainText(value);
    }

    QString text;
    bool heldWhileAway = false;
};

} // namespace

ExitScreen::ExitScreen(MessageBoxes &messageBoxes, const QString &supportMessage, QWidget *parent)
    : FixedWindow("frmNagScreen2", {11115, 4725}, MenuBar::None, parent), messages(messageBoxes)
{
    setBackground(clientArea(), Qt::white);
    setFont(fontFor(msSansSerif(8.25)));
    // Stays above other windows from the first.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAccessibleDescription(QStringLiteral("Thank you for using %1").arg(programTitle()));
    buildControls(supportMessage);
    bindCommands();
}

void ExitScreen::closeEvent(QCloseEvent *event)
{
    FixedWindow::closeEvent(event);
    emit exitRequested();
}

Referral ExitScreen::referral() const
{
    QString message = typedText(messageEdit);
    message.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return {nameEdit->text(), emailEdit->text(), message, friendNameEdit->text(), friendEmailEdit->text()};
}

void ExitScreen::bindCommands()
{
    const std::pair<QWidget *, const char *> boxes[] = {
        {nameEdit, placeholders::name}, {emailEdit, placeholders::email}, {friendNameEdit, placeholders::friendName},
        {friendEmailEdit, placeholders::friendEmail}, {messageEdit, placeholders::message}};
    for (const auto &[box, text] : boxes)
        new Placeholder(box, QLatin1String(text));

    for (QLineEdit *box : {emailEdit, friendEmailEdit}) {
        KeyFilter::install(box, [this, box](int code) {
            if (code != ' ')
                return code;
            messages.showMessage(box, QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Critical);
            box->setFocus();
            return 0;
        });
    }
    connect(submitButton, &QPushButton::clicked, this, &ExitScreen::submit);
    connect(homePageButton, &QPushButton::clicked, this, &ExitScreen::homePageButtonClicked);
    connect(catalogueLink, &Label::clicked, this, [this] { emit pageRequested(WebPage::SoftwareCatalogue); });
    // Exit closes the window, as its close box does: either way the user asks to end.
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void ExitScreen::submit()
{
    const Referral values = trimmed(referral());
    if (const std::optional<QString> problem = referralProblem(values))
        messages.showMessage(this, *problem, MessageIcon::Critical);
    else
        emit referralRequested(values);
}

// A check box used as a link: each click opens the home page once and the box
// never stays checked.
void ExitScreen::homePageButtonClicked()
{
    if (!homePageButton->isChecked())
        return;
    homePageButton->setChecked(false);
    emit pageRequested(WebPage::HomePage);
}

void ExitScreen::buildControls(const QString &supportMessage)
{
    QWidget *window = clientArea();
    const QColor text = colour::buttonText;
    const Style windowFont = msSansSerif(8.25);

    QLabel *icon = pictureBox(window, "Picture1", at(360, 120, 540, 540));
    icon->setPixmap(windowIcon().pixmap(QSize(32, 32)));
    icon->setAlignment(Qt::AlignCenter);
    icon->setAccessibleName(programTitle());
    label(window, "Label1", programTitleWithVersion(), at(1080, 240, 4275, 435), msSansSerif(18), text,
          LabelFlag::Transparent | LabelFlag::SizedToText);
    label(window, "Label2", supportMessage, at(120, 840, 6975, 1095), verdana(9.75, true), text,
          LabelFlag::Transparent | LabelFlag::Wraps);

    homePageButton = button(window, "Check1", QStringLiteral("Yes! Take me to %1 now").arg(website::mainHost()),
                            at(30, 2040, 7185, 555), verdana(14.25));
    homePageButton->setCheckable(true);
    homePageButton->setFlat(true);
    homePageButton->setCursor(linkCursor());
    setForeground(homePageButton, colour::blue);
    exitButton = button(window, "cmdClose", QStringLiteral("E&xit"), at(6000, 2760, 1245, 375), windowFont);

    QGroupBox *referralFrame = groupBox(window, "Frame2", QStringLiteral("Refer A Friend"),
                                        at(120, 3240, 7065, 1455), verdana(9.75), colour::navy, Qt::white);
    nameEdit = textBox(referralFrame, "txtName", QLatin1String(placeholders::name), at(85, 360, 3375, 285));
    emailEdit = textBox(referralFrame, "txtEmail", QLatin1String(placeholders::email), at(3600, 360, 3375, 285));
    friendNameEdit = textBox(referralFrame, "txtFriendName", QLatin1String(placeholders::friendName),
                             at(85, 720, 3375, 285));
    friendEmailEdit = textBox(referralFrame, "txtFriendEmail", QLatin1String(placeholders::friendEmail),
                              at(3600, 720, 3375, 285));
    for (QLineEdit *box : {nameEdit, emailEdit, friendNameEdit, friendEmailEdit}) {
        box->setFont(fontFor(windowFont));
        box->setAccessibleName(box->text());
    }
    submitButton = button(referralFrame, "cmdSubmit", QStringLiteral("Refer A Friend &Now"),
                          at(1920, 1080, 3375, 285), verdana(8.25, true));
    // Below the frame's bottom edge: its initial text is what a referral sends.
    messageEdit =
        new QPlainTextEdit(QLatin1String(placeholders::message) + QLatin1String("\r\n"), referralFrame);
    messageEdit->setObjectName(QStringLiteral("txtMessage"));
    messageEdit->setGeometry(at(4800, 3600, 1815, 495));
    messageEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on, as in every other box: the message never holds a typed tab.
    messageEdit->setTabChangesFocus(true);
    messageEdit->setFont(fontFor(windowFont));
    messageEdit->setAccessibleName(QLatin1String(placeholders::message));

    QGroupBox *catalogueFrame = groupBox(window, "Frame6", QStringLiteral("Download More Free Software"),
                                         at(7320, 120, 3735, 4575), verdana(9.75), colour::navy, Qt::white);
    label(catalogueFrame, "Label3",
          QStringLiteral("We make many more free programs for astrology, psychic readings, tarot, "
                         "numerology and the occult, each one as simple to use as this one.\n\n"
                         "Try them for yourself, and share them with your friends and family!"),
          at(120, 360, 3495, 3855), verdana(9), Qt::white, LabelFlag::Transparent | LabelFlag::Wraps);
    catalogueLink = label(catalogueFrame, "lblGoToHome", QStringLiteral("See our free software catalogue"),
                          at(75, 4250, 3585, 210), verdana(9, true, true), colour::yellow,
                          LabelFlag::Link | LabelFlag::Transparent | LabelFlag::SizedToText);

    setTabChain({exitButton, homePageButton, icon, nameEdit, submitButton, emailEdit, friendEmailEdit, friendNameEdit,
                 messageEdit, catalogueLink});
    exitButton->setFocus();
}

#include "exitscreen.moc"
