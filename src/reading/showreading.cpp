#include "showreading.h"

#include "shell/forms.h"
#include "shell/frmnagscreen.h"
#include "signprofile.h"
#include "sunsign.h"
#include "windows/frmdisplay.h"
#include "windows/frmmain.h"
#include "windows/frmnagscreen2.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

using modVestastra::CurrentSunSign;

namespace {

void fill(frmDisplay &reading, const SignProfile &sign, const QPixmap &picture)
{
    reading.lblSunSignElement->setCaption(sign.Element);
    reading.lblSunSignNumber->setCaption(sign.LuckyNumbers);
    reading.lblSunSignDay->setCaption(sign.LuckyDay);
    reading.lblSunSignCompatibility->setCaption(sign.Compatibility);
    reading.lblSunSignBirthStone->setCaption(sign.BirthStone);
    reading.txtSunSignPositiveTraits->setPlainText(sign.PositiveTraits);
    reading.txtSunSignNegativeTraits->setPlainText(sign.NegativeTraits);
    reading.picSunSign->setPixmap(picture);
    reading.picSunSign->setAccessibleName(sign.Name);
    reading.lblBoldness->setCaption(sign.Boldness);
    reading.lblTraditional->setCaption(sign.Traditional);
    reading.lblColorful->setCaption(sign.Colorful);
    reading.lblCustomMade->setCaption(sign.CustomMade);
    reading.lblFrilly->setCaption(sign.Frilly);
    reading.lblPreferredColors->setCaption(sign.PreferredColors);
    reading.lblUndesirableColors->setCaption(sign.UndesirableColors);
    reading.txtFashionCharacteristics->setPlainText(sign.FashionCharacteristics);
}

} // namespace

void ShowReading()
{
    frmMain &input = Forms::get<frmMain>();
    if (!input.ValidateEntries())
        return;
    modVestastra::FindSunSign(qint16(input.cboMonth->currentIndex()), qint16(input.cboDate->currentIndex()));

    frmDisplay &reading = Forms::get<frmDisplay>();
    reading.lblSunSign->setCaption(CurrentSunSign);
    if (const SignProfile *sign = FindSignProfile(CurrentSunSign))
        fill(reading, *sign, input.IMGSunsignList.picture(sign->PictureIndex));

    input.hide();
    Forms::hide<frmNagScreen>();
    Forms::hide<frmNagScreen2>();
    reading.show();
}
