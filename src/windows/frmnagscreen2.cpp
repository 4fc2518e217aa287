#include "frmnagscreen2.h"

#include "keyfilter.h"
#include "shell/forms.h"
#include "shell/frmnagscreen.h"
#include "shell/messagebox.h"
#include "shell/random.h"
#include "shell/shutdown.h"
#include "shell/twips.h"
#include "web/referral.h"
#include "web/webcommands.h"
#include "web/website.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace controls;
using twips::at;

namespace {

// Watches a box's focus for its placeholder. When the whole window loses and regains
// the focus (a message box, another program), the box never left, so nothing changes.
class Placeholder : public QObject
{
public:
    Placeholder(QWidget *box, QString text) : QObject(box), text(std::move(text)) { box->installEventFilter(this); }

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
            if (!returning && clearsPlaceholder(contents(watched), text))
                setContents(watched, {});
        }
        return false;
    }

private:
    static QString contents(QObject *box)
    {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            return line->text();
        return static_cast<QPlainTextEdit *>(box)->toPlainText();
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

bool clearsPlaceholder(const QString &text, const QString &placeholder)
{
    return trimSpaces(text) == placeholder;
}

bool restoresPlaceholder(const QString &text)
{
    return trimSpaces(text).isEmpty();
}

QString emailProblem(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    for (const QChar required : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!email.contains(required) || !friendEmail.contains(required))
            return QStringLiteral("Please Enter Proper Email Address");
    }
    return {};
}

frmNagScreen2::frmNagScreen2() : Form("frmNagScreen2", {11115, 4725}, false)
{
    setBackground(clientArea(), Qt::white);
    setFont(fontFor(msSansSerif(8.25)));
    buildControls();
    bindCommands();
}

void frmNagScreen2::takeOver()
{
    // During the shutdown every window closes anyway; bringing the exit screen back
    // then would only build windows that are about to go.
    if (Forms::isEnding())
        return;
    Forms::show<frmNagScreen2>();
    Forms::hide<frmNagScreen>();
}

void frmNagScreen2::onLoad()
{
    seedRandomFromClock();
    const int number = std::clamp(int(drawRandom() * 4), 0, 3);
    Label2->setCaption(supportMessage(number));
    // Stays above other windows from now on; showing it stays with whoever shows it.
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void frmNagScreen2::onUnload()
{
    UnloadAllAndEnd();
}

QString frmNagScreen2::messageText() const
{
    QString text = txtMessage->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void frmNagScreen2::bindCommands()
{
    const std::pair<QWidget *, const char *> placeholders[] = {
        {txtName, "Your Name"}, {txtEmail, "Your Email Address"}, {txtFriendName, "Friend's Name"},
        {txtFriendEmail, "Friend's Email Address"}, {txtMessage, "Your Message"}};
    for (const auto &[box, text] : placeholders)
        new Placeholder(box, QLatin1String(text));

    for (QLineEdit *box : {txtEmail, txtFriendEmail}) {
        KeyFilter::install(box, [box](int code) {
            if (code != ' ')
                return code;
            showMessage(box, QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Critical);
            box->setFocus();
            return 0;
        });
    }
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::submit);
    connect(Check1, &QPushButton::clicked, this, &frmNagScreen2::check1Clicked);
    connect(lblGoToHome, &Label::clicked, this, OpenSoftwareCatalogue);
    connect(cmdClose, &QPushButton::clicked, this, UnloadAllAndEnd);
}

void frmNagScreen2::submit()
{
    using namespace modTellAFriend;
    ReferrerName = trimSpaces(txtName->text());
    ReferrerEmail = trimSpaces(txtEmail->text());
    ReferralMessage = trimSpaces(messageText());
    FriendName = trimSpaces(txtFriendName->text());
    FriendEmail = trimSpaces(txtFriendEmail->text());
    const QString problem = emailProblem(ReferrerEmail, FriendEmail);
    if (!problem.isEmpty()) {
        showMessage(this, problem, MessageIcon::Critical);
        return;
    }
    SendReferral(this);
}

// A check box used as a link: each click opens the home page once and the box
// never stays checked.
void frmNagScreen2::check1Clicked()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    OpenHomePage();
}

QString frmNagScreen2::supportMessage(int number)
{
    const QString site = website::mainHost();
    switch (number) {
    case 0:
        return QStringLiteral("Programs like this one can only be made and kept up with your support. The best "
                              "support you can give is to visit %1 regularly and take part in its discussions "
                              "and other activities.").arg(site);
    case 1:
        return QStringLiteral("Please visit %1 regularly and take part in its discussions and other activities. "
                              "Without your visits we cannot support and maintain programs like this one.")
            .arg(site);
    case 2:
        return QStringLiteral("%1 is a free online discussion forum for all things mystic. To help us develop "
                              "and maintain this program, please visit it regularly.").arg(site);
    case 3:
        return QStringLiteral("%1 needs your help! Visit it regularly and take part in its discussions and "
                              "activities, to help us maintain this program and develop many more.").arg(site);
    default:
        return {};
    }
}

void frmNagScreen2::buildControls()
{
    QWidget *window = clientArea();
    const QColor text = colour::buttonText;
    const Style windowFont = msSansSerif(8.25);

    Picture1 = pictureBox(window, "Picture1", at(360, 120, 540, 540));
    Picture1->setPixmap(windowIcon().pixmap(QSize(32, 32)));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAccessibleName(QStringLiteral("VL Vestastra"));
    Label1 = label(window, "Label1", QStringLiteral("VL Vestastra 1.15"), at(1080, 240, 4275, 435),
                   msSansSerif(18), text, Transparent | SizedToText);
    Label2 = label(window, "Label2", supportMessage(1), at(120, 840, 6975, 1095), verdana(9.75, true), text,
                   Transparent | Wraps);

    Check1 = button(window, "Check1", QStringLiteral("Yes! Take me to %1 now").arg(website::mainHost()),
                    at(30, 2040, 7185, 555), verdana(14.25));
    Check1->setCheckable(true);
    Check1->setFlat(true);
    Check1->setCursor(linkCursor());
    setForeground(Check1, colour::blue);
    cmdClose = button(window, "cmdClose", QStringLiteral("E&xit"), at(6000, 2760, 1245, 375), windowFont);

    Frame2 = frame(window, "Frame2", QStringLiteral("Refer A Friend"), at(120, 3240, 7065, 1455),
                   verdana(9.75, true), colour::navy, Qt::white);
    txtName = textBox(Frame2, "txtName", QStringLiteral("Your Name"), at(85, 360, 3375, 285));
    txtEmail = textBox(Frame2, "txtEmail", QStringLiteral("Your Email Address"), at(3600, 360, 3375, 285));
    txtFriendName = textBox(Frame2, "txtFriendName", QStringLiteral("Friend's Name"), at(85, 720, 3375, 285));
    txtFriendEmail = textBox(Frame2, "txtFriendEmail", QStringLiteral("Friend's Email Address"),
                             at(3600, 720, 3375, 285));
    for (QLineEdit *box : {txtName, txtEmail, txtFriendName, txtFriendEmail}) {
        box->setFont(fontFor(windowFont));
        box->setAccessibleName(box->text());
    }
    cmdSubmit = button(Frame2, "cmdSubmit", QStringLiteral("Refer A Friend &Now"), at(1920, 1080, 3375, 285),
                       verdana(8.25, true));
    // Below the frame's bottom edge: its initial text is what a referral sends.
    txtMessage = new QPlainTextEdit(QStringLiteral("Your Message\r\n"), Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(at(4800, 3600, 1815, 495));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on, as in every other box: the message never holds a typed tab.
    txtMessage->setTabChangesFocus(true);
    txtMessage->setFont(fontFor(windowFont));
    txtMessage->setAccessibleName(QStringLiteral("Your Message"));

    Frame6 = frame(window, "Frame6", QStringLiteral("Download More Free Software"), at(7320, 120, 3735, 4575),
                   verdana(9.75, true), colour::navy, Qt::white);
    Label3 = label(Frame6, "Label3",
                   QStringLiteral("We make many more free programs for astrology, psychic readings, tarot, "
                                  "numerology and the occult, each one as simple to use as this one.\n\n"
                                  "Try them for yourself, and share them with your friends and family!"),
                   at(120, 360, 3495, 3855), verdana(9), Qt::white, Transparent | Wraps);
    lblGoToHome = label(Frame6, "lblGoToHome", QStringLiteral("See our free software catalogue"),
                        at(75, 4250, 3585, 210), verdana(9, true, true), colour::yellow,
                        Link | Transparent | SizedToText);

    setTabChain({cmdClose, Check1, Picture1, txtName, cmdSubmit, txtEmail, txtFriendEmail, txtFriendName,
                 txtMessage, lblGoToHome});
    cmdClose->setFocus();
}
