#pragma once

// The benchmark's sample reading: Anna Lee, born 23 July 1990, a Leo; the end-to-end
// screenshots type the same one.

#include <QComboBox>
#include <QLineEdit>
#include <QAbstractButton>
#include <QWidget>

// Fills the input window's boxes and lists with the sample, as a user would.
inline void enterSampleReading(QWidget &inputWindow)
{
    inputWindow.findChild<QLineEdit *>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("ANNA"));
    inputWindow.findChild<QLineEdit *>(QStringLiteral("txtLastName"))->setText(QStringLiteral("LEE"));
    inputWindow.findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(22);
    inputWindow.findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(6);
    inputWindow.findChild<QComboBox *>(QStringLiteral("cboYear"))->setCurrentIndex(90);
}

// Presses the input window's "Get My Vestastra Reading".
inline void askForReading(QWidget &inputWindow)
{
    inputWindow.findChild<QAbstractButton *>(QStringLiteral("cmdNext"))->click();
}
