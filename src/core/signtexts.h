// The long texts of the sign catalogue: positive traits, negative traits and
// fashion characteristics of each sign, in catalogue order.
#pragma once

namespace signtexts {

inline constexpr char AriesPositiveTraits[] =
    "You may be pioneers in your fields and are happiest when you are the first to try something "
    "new. You rely on yourself rather than waiting for others to show you the way, and your "
    "courage lets you step into situations that make other people hesitate. Your mind works "
    "quickly, and you seem to have an endless supply of energy to put behind your plans. You "
    "love a good contest and rise eagerly to every challenge, often coming up with inventive "
    "ideas that nobody else had thought of. When a group needs direction, you take charge in an "
    "assertive yet natural way, and people follow because you believe in what you are doing. You "
    "are refreshingly frank and say exactly what you mean, so others always know where they "
    "stand with you.";

inline constexpr char AriesNegativeTraits[] =
    "You may be arrogant and domineering. Your temper is very short, and small irritations can "
    "flare up into angry words before you have had time to think. You tend to put yourself at "
    "the centre of things and can be intolerant of people who move more slowly or see the world "
    "differently. You often act on impulse, rushing ahead without a plan, and find it hard to "
    "wait for results. Your ego bruises easily, and behind your bold manner there may lurk a "
    "fear of being rejected. When someone does hurt you, you may hold a grudge for a long time. "
    "Learning to pause before you react will win you many more friends.";

inline constexpr char AriesFashionCharacteristics[] =
    "With their inherent interest in trying out everything new, Arians keep a close eye on the "
    "latest trends and are usually the first to wear them. When they spot something they like, "
    "they buy it at once rather than waiting for a sale. Black and red are their signature "
    "colours, and a striking outfit in these shades suits their bold spirit perfectly. Even so, "
    "their wardrobe holds clothes in almost every shade imaginable. Arian women love a bright "
    "red lipstick that makes a confident statement.";

inline constexpr char TaurusPositiveTraits[] =
    "You are patient and enduring in nature. You take a practical view of life and prefer solid "
    "results to grand promises. Once you give your loyalty, it lasts, and the people close to "
    "you know they can depend on you in good times and bad. You have a fine sense for money, "
    "spending wisely and saving steadily so that your future is secure. Security matters deeply "
    "to you, and you build it stone by stone. Your determination is remarkable: when you set "
    "your heart on a goal, you keep going long after others have given up. You work in a "
    "careful, methodical way, finishing each step properly before moving on to the next. You are "
    "honest in your dealings, and your word can be trusted. Together, these qualities make you a "
    "steady rock for your family and friends.";

inline constexpr char TaurusNegativeTraits[] =
    "You are very stubborn and inflexible. You can be possessive of people and things, and you "
    "may slip into laziness when comfort is within reach. A love of material things can turn "
    "into greed if you are not careful. You tend to keep your feelings to yourself, and jealousy "
    "may simmer quietly beneath the surface. Change unsettles you, so you are slow to accept new "
    "ideas, even when they would serve you well.";

inline constexpr char TaurusFashionCharacteristics[] =
    "The Bull is very precise about the latest trends and always likes to know exactly what is "
    "in style. Taureans appreciate fine fabrics and can feel the difference between good cloth "
    "and cheap imitations at a touch. They happily spend both time and money on choosing their "
    "clothes, trying on several pieces before deciding. Their taste runs to plain, simple "
    "colours that look quietly elegant and never go out of date.";

inline constexpr char GeminiPositiveTraits[] =
    "You are very adjusting in nature and have a gift for fitting into almost any situation. You "
    "are versatile and can turn your hand to many different tasks, often juggling several at "
    "once. Your intelligence is quick and lively, and you pick up new ideas faster than most. "
    "You love company and shine in conversation, moving easily from one topic to the next and "
    "keeping everyone in the room entertained. Yet beneath all the chatter lies a clear, logical "
    "mind that can cut straight to the heart of a problem. Your wit is sharp and playful, and "
    "you can make people laugh even on a grey day. You face the future with optimism, and your "
    "curiosity never rests: there is always another book to read, another place to see and "
    "another person to get to know.";

inline constexpr char GeminiNegativeTraits[] =
    "You are inconsistent in your performance. Some days you achieve a great deal, and on others "
    "you can barely settle to a single task. A restless streak keeps you moving from one "
    "interest to another, and you may be fickle in your affections as well. Your concentration "
    "span is short, so projects are often left unfinished. At times you can be cynical about "
    "other people's motives, and your moods can change without warning. You may also be cunning, "
    "using your quick tongue to talk your way out of trouble or to get what you want.";

inline constexpr char GeminiFashionCharacteristics[] =
    "Geminis typically wear clothes that match their mood, so their look can change completely "
    "from one day to the next. They may follow a new trend for a while, but they soon grow bored "
    "with it and move on to something else. Brand names mean little to them; what matters is "
    "whether an item feels right. They avoid tight clothing that restricts their movement and "
    "prefer loose pieces they can live in all day. Geminis are not afraid of outrageous colours, "
    "and they love a good pair of blue denims. When it comes to make-up, they keep it light, "
    "favouring a fresh and natural finish.";

inline constexpr char CancerPositiveTraits[] =
    "You are very sensitive in nature and generally tuned in to the feelings of the people "
    "around you. You are kind and gentle, and you often notice when someone is hurting before "
    "they say a word. Your imagination is rich and vivid, filling your inner world with colour "
    "and ideas. You tend to be quiet rather than loud, preferring a warm conversation with a "
    "close friend to a noisy crowd. Caring for others comes naturally to you, and your home is "
    "often a place where everyone feels welcome. You are prudent with money and resources, "
    "thinking ahead so that your loved ones will never go without. A need for security runs deep "
    "in you, and you value tradition, family history and the customs that bind people together. "
    "Your intuition is strong, and when you listen to your instincts they rarely lead you "
    "astray. Trust that inner voice, for it is one of your greatest gifts.";

inline constexpr char CancerNegativeTraits[] =
    "You are unstable and very unreliable. Your moods rise and fall like the tide, and those "
    "around you may never be quite sure which version of you they will meet. You find it hard to "
    "make up your mind and may change direction more than once. At times you put your own needs "
    "first, and you can be over-sensitive, taking offence where none was meant. When you feel "
    "threatened, you may try to manipulate others to get your way, or sink into self-pity. Deep "
    "down you often feel insecure, and you tend to cling to the past instead of embracing what "
    "is new. Letting go of old hurts and looking ahead will set you free.";

inline constexpr char CancerFashionCharacteristics[] =
    "A Cancerian likes to dress comfortably and doesn't feel the need to chase every new trend. "
    "Comfort always comes first, yet Cancerian women manage to keep a soft, feminine air about "
    "them. Pearls are a favourite, adding a touch of quiet elegance to even the simplest outfit. "
    "They usually keep their make-up minimal and natural. Given a choice between denim and lace, "
    "a Cancerian will almost always reach for the lace.";

inline constexpr char LeoPositiveTraits[] =
    "You are leaders and have a magnetic personality. People are drawn to you without quite "
    "knowing why, and when you walk into a room, heads turn your way. You love the limelight and "
    "come alive when all eyes are on you, but you also use that attention to lift others up. "
    "Your generosity is legendary: you give your time, your money and your warmth freely to "
    "those you care about. There is a natural flair for drama in everything you do, and you can "
    "turn an ordinary evening into an occasion. You carry yourself with quiet authority, and "
    "others often look to you for guidance without being asked. Once you have given your "
    "loyalty, you stand by your friends through thick and thin. You are ambitious and aim high, "
    "yet you keep a sunny optimism that helps you bounce back from any setback. You take pride "
    "in your work and in your name, and you would never put either to shame. Above all, you have "
    "a real talent for organising people and events, bringing order to chaos and making things "
    "happen with style.";

inline constexpr char LeoNegativeTraits[] =
    "You have a violent temper. When your anger is roused, it can blaze up like a bonfire and "
    "scorch anyone who happens to be nearby. You may come across as arrogant, and once you have "
    "made up your mind, you are very stubborn about changing it. A streak of conceit can lead "
    "you to believe that your way is the only way, and you may become dogmatic in defending your "
    "views. You like to give orders and can be bossy with friends, family and colleagues alike. "
    "You may also boast about your achievements more than is wise, and a lust for power can "
    "tempt you to overstep the mark. A little more humility will make your natural gifts shine "
    "all the brighter.";

inline constexpr char LeoFashionCharacteristics[] =
    "You excel at wearing flashy, pricey jewelry. Large earrings, chunky bracelets and "
    "glittering necklaces suit you in a way they suit few others. Leo women love backless or "
    "strapless dresses that show off their figure and turn heads at every party. Gold and orange "
    "are their colors, echoing the blazing sun that rules their sign, and they wear them with "
    "complete confidence. Hair is a Leo's crowning glory, so it is often dressed with jeweled "
    "clips, combs or other sparkling ornaments.\r\n\r\n"
    "Leos are devoted to designer labels and will gladly pay the full price for a name they "
    "truly admire. When choosing clothes, they think about the price tag before they think about "
    "comfort, reasoning that anything expensive must be worth wearing. Their jewelry box is "
    "filled with precious stones and fine metals rather than cheap trinkets. A Leo would rather "
    "own one dazzling piece than a drawer full of ordinary ones. Whether dressing for work or "
    "for a night out, they aim for a regal look that makes them feel like royalty, and they "
    "usually achieve it.";

inline constexpr char VirgoPositiveTraits[] =
    "You are very modest by nature. You would rather let your work speak for itself than boast "
    "about it. You aim for perfection in everything you do, and your sound judgement helps you "
    "spot at once what needs fixing. You keep your surroundings clean and well organised, and "
    "your practical approach gets things done without fuss. You are deeply dedicated to your "
    "work and to the people you love. You care for your health and look after your body "
    "sensibly. You are always punctual and expect the same courtesy of others.";

inline constexpr char VirgoNegativeTraits[] =
    "Your need for neatness may make them fussy about little details. You worry a great deal, "
    "often over things that may never happen. You tend to keep to yourself, and you can be too "
    "hard on yourself whenever things go wrong. You may also grow irritable when others fail to "
    "meet your standards. Nobody, not even you, has to be perfect.";

inline constexpr char VirgoFashionCharacteristics[] =
    "Virgo is the eternal perfectionist, and this innate trait shows clearly in the way they "
    "dress. Their clothes are always freshly ironed and spotless, without a loose thread or a "
    "stray crease. They would never dream of wearing the same garment two days in a row, and "
    "they plan their outfits with care, often laying them out the night before. For all their "
    "high standards, Virgos put comfort ahead of fashion, choosing clothes that feel good to "
    "wear throughout a long, busy day. They would rather pay a fair price for good quality than "
    "fill their wardrobe with cut-price sale bargains that fall apart after a few washes. Their "
    "favourite colours come straight from nature: earthy browns and leafy greens which reflect "
    "their grounded, practical spirit. A Virgo always looks neat, sensible and quietly elegant.";

inline constexpr char LibraPositiveTraits[] =
    "You are highly diplomatic individuals. You know how to say the right thing at the right "
    "moment, and your natural charm wins people over. You are a romantic at heart and love to "
    "bring beauty and elegance into every part of life. You are optimistic, and you always hope "
    "for the best in people. You weigh both sides of an argument and judge fairly, without "
    "letting personal feelings get in the way. When others quarrel, you step in as the "
    "peacemaker and help them find common ground. You love good company and are a wonderful host "
    "who makes every guest feel welcome. Fairness matters to you deeply, and you work best in "
    "partnership, cooperating willingly so that everyone shares in the success. Harmony is what "
    "you seek.";

inline constexpr char LibraNegativeTraits[] =
    "You cannot take make decisions for themselves. You may be gullible and believe what people "
    "tell you far too easily. You enjoy a little flirtation, sometimes more than is wise, and "
    "you can be self-indulgent. You tend to lean heavily on others for support and approval, and "
    "you may keep the peace at any price, even when speaking up honestly would be the wiser "
    "course.";

inline constexpr char LibraFashionCharacteristics[] =
    "The Libra male or female often has impeccable taste in clothes and an eye for what truly "
    "flatters. Librans would never dream of buying sale goods, believing that real style is "
    "worth paying for. They can stand in front of the wardrobe for a long time, unable to decide "
    "between two outfits, and may change several times before leaving the house. When they find "
    "something they love, they splurge on it without a second thought, and their shopping trips "
    "can be costly. Librans enjoy dressing up and always take great care to look attractive, "
    "whether for a party or a simple walk in the park. Their graceful, balanced look rarely "
    "fails to win admiring glances.";

inline constexpr char ScorpioPositiveTraits[] =
    "You are intense and strong willed people who throw yourselves into everything you do. Your "
    "will power is formidable, and once you have decided on a course, very little can turn you "
    "aside. You have deep reserves of energy to draw on in testing times. There is a hidden "
    "aggression in you that rarely shows on the surface, but it gives you the drive to overcome "
    "obstacles. You are watchful and observant, noticing details that others miss. Beneath your "
    "calm exterior you are sensitive and feel things deeply. You are highly motivated and "
    "resourceful, finding clever ways around problems that would defeat most people. Your "
    "reasoning is sharp, and you rarely reach a conclusion without thinking it through.";

inline constexpr char ScorpioNegativeTraits[] =
    "You have a very short temper. When you are angry, you can be blunt to the point of cruelty. "
    "You may pry into other people's affairs while guarding your own secrets closely. Your moods "
    "can darken suddenly, and you may be over-confident in your judgement. Jealousy comes easily "
    "to you, and you are quick to suspect others of hidden motives. You reveal little of "
    "yourself, even to those closest to you. When you are pushed too far, you may lash out with "
    "sudden violence. Learning to trust others a little more will bring you greater peace.";

inline constexpr char ScorpioFashionCharacteristics[] =
    "Scorpios are very particular about their dress sense and always dress to suit the occasion. "
    "They also dress to impress, knowing first impressions matter. They like to be in control of "
    "how others see them, and their clothes help them do just that. Their style is simple yet "
    "expensive, with quiet class that needs no loud colours or fussy details. Rather than "
    "following fashion, Scorpios often set the trends that others copy. Above all, they know how "
    "to look attractive, and their magnetic presence turns heads wherever they go.";

inline constexpr char SagittariusPositiveTraits[] =
    "You are a happy go lucky lot with a positive outlook on life that lifts the spirits of "
    "everyone around you. You love adventure and are always ready to pack a bag and set off for "
    "somewhere new, whether it is a distant country or an unexplored idea. You are enterprising "
    "and enjoy starting fresh ventures, and your optimism carries you through when the going "
    "gets tough. You are generous with your time and your possessions, always happy to share "
    "whatever you have with those in need. You are frank and honest, speaking your mind openly, "
    "and people respect you for never pretending. A deep faith, whether in a higher power or "
    "simply in the goodness of life, guides your steps. You have the foresight to see where a "
    "path is leading long before others do. Your enthusiasm is infectious, and when you throw "
    "yourself into a project, you bring others along with you on the journey.";

inline constexpr char SagittariusNegativeTraits[] =
    "You may be too outspoken for your own good. You are restless and find it hard to settle, "
    "and your temper can be explosive when you are crossed. You may boast of your exploits and "
    "be tactless, saying hurtful things without meaning to. You tend to exaggerate, and at times "
    "you can be irresponsible, leaving others to clean up after you. Thinking twice before you "
    "speak would help.";

inline constexpr char SagittariusFashionCharacteristics[] =
    "Sagittarians are not particularly concerned about the latest fashions, and they would "
    "rather spend their money on travel than on a new wardrobe. What they want above all is "
    "comfort. Their clothes tend to be rugged and practical, always ready for a hike in the "
    "hills or a long day outdoors. Denim is a firm favourite, along with natural fibres such as "
    "cotton, linen and wool that let their skin breathe. Sportswear suits their active "
    "lifestyle, and many Sagittarians feel most at home in trainers and a tracksuit. They see "
    "little point in fussing over their appearance, so they wear very little make-up and keep "
    "their jewellery to a minimum, perhaps a simple watch or one special ring. Their easy, "
    "natural style reflects their free spirit and their love of the open air.";

inline constexpr char CapricornPositiveTraits[] =
    "You are people with a traditional frame of mind and value the customs and institutions that "
    "have stood the test of time. You are stable and steady, and others find great comfort in "
    "your calm presence. You are not afraid of hard work and will put in long hours to reach "
    "your goals. Behind your serious face lies a dry sense of humour that catches people by "
    "surprise. Your self-discipline is outstanding, and your logic is precise and clear. You are "
    "ambitious, climbing steadily toward the top, and you have a keen sense for business that "
    "helps you make sound decisions. You may not have many friends, but those you have are loyal "
    "for life, and you return that loyalty in full. Your patience and persistence always pay off "
    "in the end.";

inline constexpr char CapricornNegativeTraits[] =
    "You are very rigid in nature and not easily moved from your ways. Your ambition can grow "
    "excessive, pushing you to climb at any cost. You are stubborn and may refuse to admit when "
    "you are wrong. Your moods can swing from cheerful to gloomy without any warning. You may be "
    "miserly with money, holding on to every penny even when there is no need. Contentment can "
    "be hard to find, because you always feel there is more to achieve. Work may drive your "
    "whole life, leaving little room for rest or play. At times you are pessimistic and expect "
    "the worst. ";

inline constexpr char CapricornFashionCharacteristics[] =
    "Business suits and power dressing is perhaps what Capricorns like best, as they love to "
    "look successful and in command. Yet they are careful with money and often pick their "
    "clothes from the sales rack rather than paying full price. Capricorns choose practical "
    "clothes over fashionable ones, looking for pieces that will last for years. They take great "
    "pleasure in hunting down a bargain and telling friends how little they paid. To bring their "
    "outfits up to date, they add a few trendy accessories, such as a smart belt or a stylish "
    "scarf.";

inline constexpr char AquariusPositiveTraits[] =
    "You are magnetic in nature and people get drawn to you almost without realising it. You "
    "care deeply about humanity as a whole and dream of making the world a fairer place. Your "
    "judgement is balanced, and you weigh each situation calmly before you act. You are a true "
    "individual who is never afraid to stand apart from the crowd. Your philanthropic spirit "
    "leads you to give generously to good causes. You are an innovator, full of original ideas "
    "and fresh ways of looking at old problems. Your mind works quickly, and you grasp complex "
    "matters with an ease that surprises your colleagues. Friends know they can rely on you to "
    "keep your promises when it really counts. You are progressive in outlook, always looking "
    "towards the future and welcoming change.";

inline constexpr char AquariusNegativeTraits[] =
    "You do not make friends very easily inspite of your charm, and you may keep only a handful "
    "of people close. You can seem aloof and distant, as if your mind were always somewhere "
    "else. You sometimes make promises that you then fail to keep, which can disappoint those "
    "who counted on you. Your temper may flare unexpectedly, and your eccentric ways can puzzle "
    "others. You tend to stay detached from emotional situations and may come across as cold. At "
    "times you can be rude without meaning to be, and you are very stubborn once you have made "
    "up your mind. Your unpredictable nature keeps everyone guessing, so try to let those close "
    "to you in a little more.";

inline constexpr char AquariusFashionCharacteristics[] =
    "Shopping isn't a favorite activity of Aquarians and they avoid big shopping malls whenever "
    "they can, preferring small, quirky boutiques. They never follow the crowd; instead they set "
    "their own trends and wear whatever expresses their personality. Aquarian women adore "
    "anklets and sandals, which suit their free-spirited style. They enjoy experimenting with "
    "their hair, trying new cuts and colors without fear. When it comes to make-up, they either "
    "go for bright, bold shades or wear none at all. Turquoise is their color, and it appears "
    "often in their clothes and accessories.";

inline constexpr char PiscesPositiveTraits[] =
    "You are very adjusting, friendly and good- natured people who fit easily into any company. "
    "You are sensitive to the feelings of others, and your warmth makes you popular wherever you "
    "go. You love your home and enjoy creating a cosy haven for your family. Your intuition is "
    "quite remarkable, and you often sense what others need before they ask. You are willing to "
    "make sacrifices for the people you love, putting their happiness ahead of your own. Your "
    "imagination is boundless, filling your life with dreams, art and music. You are devoted to "
    "your friends and stand by them loyally through the most difficult times. Your gentle "
    "kindness leaves a lasting mark on everyone you meet.";

inline constexpr char PiscesNegativeTraits[] =
    "You want people to sympathize with your personal troubles and seek comfort too often. You "
    "are a dreamer who can lose touch with reality, and you may be impractical in everyday "
    "matters. Others may find you unreliable when it matters most. You are gullible and easily "
    "taken in by flatterers. You may enjoy gossip more than you ought, and at times you can seem "
    "hypocritical. A streak of melancholy may cloud your days.";

inline constexpr char PiscesFashionCharacteristics[] =
    "For Pisceans, clothes are their second skin. Comfort matters most to them, and they feel "
    "happiest in soft, loose fabrics that move with the body. At home, they love to relax in "
    "long, flowing dresses that let them drift through the day. They enjoy browsing bargain "
    "stores and often find hidden treasures at very low prices. Yet Pisceans are equally at ease "
    "in a sharp power suit when work demands it, looking every inch the professional. Their "
    "great gift is adaptability: they can slip into any style of clothing and make it their own. "
    "Whatever they wear, they carry it with a gentle, dreamy grace that wins every heart.";

} // namespace signtexts
