#include "captions.h"

#include "web/website.h"

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

} // namespace captions
