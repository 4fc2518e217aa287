#include "captions.h"

#include "website.h"

namespace captions {

QString forumPromotion()
{
    return QStringLiteral("Visit our free astrology forum at %1").arg(website::mainHost());
}

QString coBrandOffer()
{
    return QStringLiteral("Co-brand this software with your web site's name and link! See the online "
                          "help for details, or click here for more.");
}

QString fullBrandOffer()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                          "online. Get this software fully branded for your website. Click here for more "
                          "details.");
}

QString supportMessage(int number)
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

} // namespace captions
