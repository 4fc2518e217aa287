#include "captions.h"

#include "web/website.h"

namespace captions {

QString forumPromotion()
{
    return QStringLiteral("Visit our free astrology forum at %1").arg(website::mainHost());
}

QString coBrandOffer()
{
    return QStringLiteral("Put your own web site's name and link on this software! See the online help "
                          "for details, or click here to learn more about co-branding.");
}

QString fullBrandOffer()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                          "online. Get this software fully branded for your website. Click here for more "
                          "details.");
}

} // namespace captions
